// The command line: what each option answers and refuses, the number it prints against the
// core's for every birth day and month, working that adds up, and JSON that says the same.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QString>
#include <fstream>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "app/commandlinehelp.h"
#include "app/commandlinetable.h"
#include "core/numerology.h"

namespace {

using app::AnswerCommandLine;
using app::CommandLineAnswer;

const core::CalendarDate kToday{2026, 12, 7};
const std::string kProgram = "varodara";

CommandLineAnswer Answer(const std::vector<std::string>& arguments, const core::CalendarDate& today = kToday)
{
    const std::optional<CommandLineAnswer> answer = AnswerCommandLine(arguments, kProgram, today);
    EXPECT_TRUE(answer.has_value());
    return answer.value_or(CommandLineAnswer{{}, {}, -1});
}

// The number in the heading the result window shows first, "Your Varodara Zevaz Adavuv is: N".
int HeadingNumber(const std::string& out)
{
    const std::string heading = "Your Varodara Zevaz Adavuv is: ";
    EXPECT_EQ(out.rfind(heading, 0), 0u) << out.substr(0, 60);
    return std::stoi(out.substr(heading.size(), out.find('\n') - heading.size()));
}

TEST(CommandLine, answers_refuses_and_leaves_the_window_alone_as_each_argument_asks)
{
    // Without an option of its own the program opens its window, whatever else it is given.
    for (const std::vector<std::string>& window :
         {std::vector<std::string>{}, {"%U"}, {"file.txt", "--unknown"}, {"--help=x", "-h=x", "--numbers=1"}})
        EXPECT_FALSE(AnswerCommandLine(window, kProgram, kToday).has_value());

    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string err;  // the whole of standard error; standard output is empty when refused
    } cases[] = {
        {{"--number", "1990-05-17", "--month", "2026-12"}, 0, ""},
        {{"--number=1990-05-17", "--month=2026-12", "--explain", "--json"}, 0, ""},
        {{"--number", "2000-02-29"}, 0, ""},
        {{"--number", "2050-12-31"}, 0, ""},
        {{"--help", "--number", "nonsense"}, 0, ""},
        // The window's own checks and messages (29 February 1900 too: full Gregorian rule).
        {{"--number", "1990-04-31"}, 2, "varodara: Please Enter Correct Date Or Month !\n"},
        {{"--number", "2001-02-29"}, 2, "varodara: Please Enter Correct Date Or Month!\n"},
        {{"--number", "1900-02-29"}, 2, "varodara: Please Enter Correct Date Or Month!\n"},
        {{"--number", "1899-12-31"},
         2,
         "varodara: the birth year 1899 is not one of the window's years, 1900 to 2050\n"},
        {{"--number", "2051-01-01"},
         2,
         "varodara: the birth year 2051 is not one of the window's years, 1900 to 2050\n"},
        {{"--number", "1990-5-17"}, 2, "varodara: the birth date '1990-5-17' is not a date of the form YYYY-MM-DD\n"},
        {{"--number", "1990-13-01"}, 2, "varodara: the birth date '1990-13-01' is not a date of the form YYYY-MM-DD\n"},
        {{"--number", "1990-01-32"}, 2, "varodara: the birth date '1990-01-32' is not a date of the form YYYY-MM-DD\n"},
        {{"--number", "1990-05-17x"},
         2,
         "varodara: the birth date '1990-05-17x' is not a date of the form YYYY-MM-DD\n"},
        {{"--number", ""}, 2, "varodara: the birth date '' is not a date of the form YYYY-MM-DD\n"},
        {{"--number", "%2%1"}, 2, "varodara: the birth date '%2%1' is not a date of the form YYYY-MM-DD\n"},
        {{"--number", "1990-05-17", "--month", "2026-13"},
         2,
         "varodara: the month '2026-13' is not a month of the form YYYY-MM\n"},
        {{"--number", "1990-05-17", "--month=0000-05"},
         2,
         "varodara: the month '0000-05' is not a month of the form YYYY-MM\n"},
        {{"--number"}, 2, "varodara: --number needs a birth date, YYYY-MM-DD\n"},
        {{"--number", "1990-05-17", "--month"}, 2, "varodara: --month needs a month, YYYY-MM\n"},
        {{"--number", "1990-05-17", "--number", "1990-05-18"}, 2, "varodara: --number is given twice\n"},
        {{"--number", "1990-05-17", "--month=2026-12", "--month", "2027-01"}, 2, "varodara: --month is given twice\n"},
        {{"--number=1990-05-17"}, 0, ""},
        {{"--month", "2026-12", "--json"}, 2, "varodara: --month, --explain and --json go with --number BIRTH\n"},
        {{"--month=2026-12"}, 2, "varodara: --month, --explain and --json go with --number BIRTH\n"},
        {{"--explain"}, 2, "varodara: --month, --explain and --json go with --number BIRTH\n"},
        {{"--json"}, 2, "varodara: --month, --explain and --json go with --number BIRTH\n"},
        {{"--number", "1990-05-17", "--colour"}, 2, "varodara: unknown option '--colour'\n"},
        {{"--number", "1990-05-17", "--json=yes"}, 2, "varodara: unknown option '--json=yes'\n"},
        {{"--number", "1990-05-17", "today"}, 2, "varodara: unexpected argument 'today'\n"},
        // Anything pasted is shown short and on one line.
        {{"--number", std::string("19\n90\x01\xff", 7)},
         2,
         "varodara: the birth date '19?90?"
         "?' is not a date of the form YYYY-MM-DD\n"},
        {{"--number", std::string(100000, '9')},
         2,
         "varodara: the birth date '" + std::string(40, '9') + "...' is not a date of the form YYYY-MM-DD\n"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const std::string& argument : c.arguments)
            shown += argument.substr(0, 20) + " ";
        SCOPED_TRACE(shown);
        const CommandLineAnswer answer = Answer(c.arguments);
        EXPECT_EQ(answer.status, c.status);
        EXPECT_EQ(answer.err, c.err);
        EXPECT_EQ(answer.out.empty(), c.status != 0);
    }

    // This month by default; a given month instead.
    EXPECT_EQ(Answer({"--number", "1990-05-17"}).out, Answer({"--number", "1990-05-17", "--month", "2026-12"}).out);
    EXPECT_NE(HeadingNumber(Answer({"--number", "1990-05-17", "--month", "2027-01"}).out),
              HeadingNumber(Answer({"--number", "1990-05-17"}).out));
}

TEST(CommandLine, prints_the_result_windows_text_with_the_cores_number_for_every_birth_day_month_and_current_month)
{
    // The window's four pieces, with "\n" for CR LF: 14 March in December 2026 gives 3.
    EXPECT_EQ(Answer({"--number", "1977-03-14", "--month", "2026-12"}).out,
              "Your Varodara Zevaz Adavuv is: 3\n\nThe Varodara Zevaz Adavuv describes what your lessons are during "
              "the course of the month, the trends and particular influences that are affecting you personally.\n\n"
              "This is the month of creativity. Maintain optimism and free your mind. You can start anything new "
              "this month. Explore the artistic side of yourself. Invitations, friends and social activities are "
              "in the air.\n\n\n\n");

    int compared = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            char birth[11];
            std::snprintf(birth, sizeof birth, "2000-%02d-%02d", month, day);
            for (const int year : {1999, 2000, 2026, 2099}) {
                for (int current = 1; current <= 12; ++current) {
                    char when[8];
                    std::snprintf(when, sizeof when, "%04d-%02d", year, current);
                    const CommandLineAnswer answer = Answer({"--number", birth, "--month", when});
                    if (answer.status != 0)
                        continue;  // 30 and 31 February, 31 April and the like
                    ++compared;
                    const int core =
                        core::CalculatePersonalMonth(std::to_string(day), core::MonthName(month), {year, current, 1});
                    ASSERT_EQ(HeadingNumber(answer.out), core) << birth << " in " << when;
                }
            }
        }
    }
    EXPECT_EQ(compared, 366 * 4 * 12);
}

// The figures of one line of working, in order: "the year 2026: 2 + 0 + 2 + 6 = 10, then
// 1 + 0 = 1" -> each sum checked, and the last figure returned.
int CheckLine(const QString& line)
{
    const QString figures = line.mid(line.indexOf(QLatin1Char(':')) + 1);
    int last = -1;
    for (const QString& part : figures.split(QStringLiteral(", "))) {
        static const QRegularExpression sum(QStringLiteral("(\\d+(?: \\+ \\d+)*) = (\\d+)$"));
        const QRegularExpressionMatch match = sum.match(part);
        if (!match.hasMatch()) {
            last = part.section(QLatin1Char(' '), -1).toInt();
            continue;
        }
        int added = 0;
        for (const QString& term : match.captured(1).split(QStringLiteral(" + ")))
            added += term.toInt();
        EXPECT_EQ(added, match.captured(2).toInt()) << line.toStdString();
        last = match.captured(2).toInt();
    }
    return last;
}

TEST(CommandLine, working_adds_up_to_the_printed_number_and_json_says_the_same)
{
    const char* const births[] = {"1990-05-17", "1977-03-14", "2000-09-09", "1999-11-29", "2050-12-31", "1900-01-01"};
    const char* const months[] = {"2026-12", "2009-07", "2000-09", "2099-10", "0001-01", "9999-12"};
    for (const char* birth : births) {
        for (const char* month : months) {
            SCOPED_TRACE(std::string(birth) + " in " + month);
            const CommandLineAnswer text = Answer({"--number", birth, "--month", month});
            const CommandLineAnswer explained = Answer({"--number", birth, "--month", month, "--explain"});
            ASSERT_EQ(explained.out.rfind(text.out, 0), 0u) << "the working follows the text";
            const QStringList lines = QString::fromStdString(explained.out.substr(text.out.size()))
                                          .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            ASSERT_EQ(lines.size(), 7);
            std::vector<int> terms;
            for (int i = 1; i <= 4; ++i)
                terms.push_back(CheckLine(lines[i]));
            const QStringList total = lines[5].mid(lines[5].indexOf(QLatin1Char(':')) + 2).split(QStringLiteral(" = "));
            EXPECT_EQ(total[0],
                      QStringLiteral("%1 + %2 + %3 + %4").arg(terms[0]).arg(terms[1]).arg(terms[2]).arg(terms[3]))
                << "the total adds the four terms as worked out";
            EXPECT_EQ(CheckLine(lines[5]), HeadingNumber(text.out));

            const std::vector<std::string> asJson{"--number", birth, "--month", month, "--json"};
            const std::string jsonText = Answer(asJson).out;
            const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(jsonText)).object();
            ASSERT_FALSE(json.isEmpty()) << "not a JSON object";
            // Byte for byte the same under a language that changes every text.
            const auto bracketed = [](const char*, const char* english) { return "[" + std::string(english) + "]"; };
            EXPECT_EQ(AnswerCommandLine(asJson, kProgram, kToday, bracketed)->out, jsonText);
            EXPECT_EQ(json[QStringLiteral("text")].toString().toStdString(), text.out);
            EXPECT_EQ(json[QStringLiteral("number")].toInt(), HeadingNumber(text.out));
            EXPECT_TRUE(text.out.find(json[QStringLiteral("reading")].toString().toStdString()) != std::string::npos);
            EXPECT_EQ(json[QStringLiteral("birth")].toString(), QLatin1String(birth));
            EXPECT_EQ(json[QStringLiteral("month")].toString(), QLatin1String(month));
            const QJsonArray steps = json[QStringLiteral("steps")].toArray();
            ASSERT_EQ(steps.size(), 5);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(steps[i].toObject()[QStringLiteral("output")].toInt(), terms[static_cast<std::size_t>(i)]);
            EXPECT_EQ(steps[4].toObject()[QStringLiteral("output")].toInt(), HeadingNumber(text.out));
        }
    }

    // 9 September in September 1999: the year 1 + 9 + 9 + 9 = 28, then 2 + 8 = 10, then
    // 1 + 0 = 1; the total 9 + 9 + 9 + 1 = 28, its digits 2 + 8 = 10, then 1 + 0 = 1, which stays.
    const QJsonArray steps =
        QJsonDocument::fromJson(
            QByteArray::fromStdString(Answer({"--number", "2000-09-09", "--month", "1999-09", "--json"}).out))
            .object()[QStringLiteral("steps")]
            .toArray();
    ASSERT_EQ(steps.size(), 5);
    const auto numbers = [&](int step, const char* key) {
        std::vector<int> values;
        for (const auto& value : steps[step].toObject()[QLatin1String(key)].toArray())
            values.push_back(value.toInt());
        return values;
    };
    EXPECT_EQ(steps[3].toObject()[QStringLiteral("digitSum")].toInt(), 28);
    EXPECT_EQ(numbers(3, "stages"), (std::vector<int>{10, 1}));
    EXPECT_EQ(numbers(4, "terms"), (std::vector<int>{9, 9, 9, 1}));
    EXPECT_EQ(steps[4].toObject()[QStringLiteral("digitSum")].toInt(), 10);
    EXPECT_EQ(numbers(4, "stages"), (std::vector<int>{1, 1}));
}

TEST(CommandLine, speaks_a_language_whole_but_for_the_json_and_the_version)
{
    // A language that writes each text as "context(text)".
    const app::Translator marked = [](const char* context, const char* english) {
        return std::string(context) + "(" + english + ")";
    };
    const auto answer = [&](const std::vector<std::string>& arguments) {
        return AnswerCommandLine(arguments, kProgram, kToday, marked).value_or(CommandLineAnswer{{}, {}, -1});
    };
    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } refusals[] = {
        {{"--number", "1990-04-31"}, "varodara: Messages(Please Enter Correct Date Or Month !)\n"},
        {{"--number", "1990-05-17", "--month", "2026-13"},
         "varodara: CommandLine(the month '2026-13' is not a month of the form YYYY-MM)\n"},
        {{"--number"}, "varodara: CommandLine(--number needs a birth date, YYYY-MM-DD)\n"},
        {{"--explain"},
         "varodara: CommandLine(CommandLine(CommandLine(--month, --explain) and --json) go with --number BIRTH)\n"},
    };
    for (const auto& c : refusals) {
        EXPECT_EQ(answer(c.arguments).err, c.err);
        EXPECT_EQ(answer(c.arguments).status, 2);
    }

    const std::string out = answer({"--number", "1977-03-14", "--month", "2026-12", "--explain"}).out;
    EXPECT_EQ(out.rfind("Readings(Your Varodara Zevaz Adavuv is: )3\n", 0), 0u) << out;
    EXPECT_EQ(out.substr(out.find("CommandLine(How")),
              "CommandLine(How the number is worked out:)\n"
              "  CommandLine(the birth day 14: 1 + 4 = 5)\n"
              "  CommandLine(the birth month Months(March): 3)\n"
              "  CommandLine(the month Months(December) 2026: Months(December) is 12, 1 + 2 = 3)\n"
              "  CommandLine(the year 2026: CommandLine(2 + 0 + 2 + 6 = 10, then 1 + 0 = 1))\n"
              "  CommandLine(the total: CommandLine(5 + 3 + 3 + 1 = 12, then 1 + 2 = 3))\n"
              "CommandLine(The birth year and the names do not enter the number.)\n");
    const std::string help = answer({"--help"}).out;
    EXPECT_EQ(help.rfind("CommandLine(Usage: varodara [OPTION])\n", 0), 0u) << help;
    EXPECT_NE(help.find("  -h, --help            CommandLine(show this help and exit)\n"), std::string::npos);

    for (const std::vector<std::string>& same :
         {std::vector<std::string>{"--version"}, {"--number=2000-09-09", "--json"}})
        EXPECT_EQ(answer(same).out, Answer(same).out);
}

// Each option as the help and the man page head its entry: "-h, --help", "--number BIRTH".
TEST(CommandLine, every_declared_option_has_its_entry_and_example_in_the_help_and_the_man_page)
{
    const std::string help = app::HelpText(kProgram);
    std::vector<std::string> declared;
    for (const app::CommandLineOption& option : app::kCommandLineOptions) {
        declared.push_back((option.shortName.empty() ? "" : std::string(option.shortName) + ", ") +
                           std::string(option.longName) + (option.valueName.empty() ? "" : " ") +
                           std::string(option.valueName));
        EXPECT_NE(help.find("\n                          varodara " + std::string(option.example) + "\n"),
                  std::string::npos);
    }
    std::vector<std::string> inHelp;
    static const QRegularExpression heading(QStringLiteral("^  (-\\w, |    )(--\\S+( [A-Z-]+)?)  "),
                                            QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& match : heading.globalMatch(QString::fromStdString(help)))
        inHelp.push_back((match.captured(1).trimmed() + QLatin1Char(' ') + match.captured(2)).trimmed().toStdString());
    EXPECT_EQ(inHelp, declared);

    // The line after each .TP of OPTIONS: .BR \-h ", " \-\-help and .BI \-\-number " BIRTH".
    std::ifstream page(VARODARA_MAN_PAGE);
    ASSERT_TRUE(page.is_open()) << VARODARA_MAN_PAGE;
    std::vector<std::string> inManual;
    bool options = false;
    for (std::string line, before; std::getline(page, line); before = line) {
        options = line.starts_with(".SH") ? line == ".SH OPTIONS" : options;
        if (!options || before != ".TP")
            continue;
        const QString macro = QString::fromStdString(line).section(QLatin1Char(' '), 0, 0);
        QStringList words;
        static const QRegularExpression word(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
        for (const QRegularExpressionMatch& match : word.globalMatch(QString::fromStdString(line).mid(macro.size())))
            words.push_back(match.captured(1) + match.captured(2));
        // .B joins its words with spaces, .BR and .BI alternate fonts without one.
        inManual.push_back(words.join(macro == QLatin1String(".B") ? QStringLiteral(" ") : QString())
                               .replace(QStringLiteral("\\-"), QStringLiteral("-"))
                               .toStdString());
    }
    EXPECT_EQ(inManual, declared);
}

}  // namespace
