#include "app/commandlinejson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <algorithm>
#include <string_view>

#include "core/readings.h"

namespace app {
namespace {

std::string Padded(int number, int width)
{
    std::string text = std::to_string(number);
    return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))), '0') + text;
}

QJsonObject ReductionStep(const char* step, const std::string& input, const core::Reduction& reduction)
{
    return {{QStringLiteral("step"), QLatin1String(step)},
            {QStringLiteral("input"), QString::fromStdString(input)},
            {QStringLiteral("digitSum"), reduction.digitSum},
            {QStringLiteral("stages"), QJsonArray{reduction.stages[0], reduction.stages[1]}},
            {QStringLiteral("output"), reduction.result()}};
}

}  // namespace

std::string JsonAnswer(const CalculationRequest& request, const core::PersonalMonthWorking& working,
                       const std::string& text)
{
    QJsonObject total = ReductionStep("total", std::to_string(working.total), working.totalReduction);
    total.insert(QStringLiteral("terms"), QJsonArray{working.birthDay.result(), working.birthMonth,
                                                     working.currentMonth.result(), working.currentYear.result()});
    const QJsonArray steps{
        ReductionStep("birthDay", std::to_string(request.birth.day), working.birthDay),
        QJsonObject{{QStringLiteral("step"), QStringLiteral("birthMonth")},
                    {QStringLiteral("input"), QString::fromUtf8(core::MonthName(request.birth.month).data())},
                    {QStringLiteral("output"), working.birthMonth}},
        ReductionStep("currentMonth", std::to_string(request.month.month), working.currentMonth),
        ReductionStep("currentYear", std::to_string(request.month.year), working.currentYear),
        total,
    };
    const std::string_view reading = core::MonthReading(working.number());
    const QJsonObject answer{
        {QStringLiteral("birth"),
         QString::fromStdString(Padded(request.birth.year, 4) + "-" + Padded(request.birth.month, 2) + "-" +
                                Padded(request.birth.day, 2))},
        {QStringLiteral("month"),
         QString::fromStdString(Padded(request.month.year, 4) + "-" + Padded(request.month.month, 2))},
        {QStringLiteral("number"), working.number()},
        {QStringLiteral("reading"), QString::fromUtf8(reading.data(), static_cast<qsizetype>(reading.size()))},
        {QStringLiteral("text"), QString::fromStdString(text)},
        {QStringLiteral("steps"), steps},
    };
    return QJsonDocument(answer).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

}  // namespace app
