// The update reminder reading whatever the store holds: it never fails while the store works,
// asks at most once in two runs (start-up and the main window's load), and afterwards the
// store holds a date no more than 14 days from today; Yes opens the download page once.
#include <QDate>
#include <QString>

#include "fuzzsupport.h"
#include "platform/services.h"
#include "shell/modhelp.h"

namespace {

struct Fakes : platform::MessageBoxService, platform::Browser, platform::SettingsStore, platform::Clock,
               platform::Clipboard, platform::InstanceLock, platform::Random {
    platform::MessageAnswer show(const platform::MessageRequest&) override
    {
        ++questions;
        return answer;
    }
    void open(const QString& address) override { opened.push_back(address); }
    QString read(const QString&, const QString&, const QString&) override { return stored; }
    void write(const QString&, const QString&, const QString&, const QString& value) override { stored = value; }
    QDate today() const override { return date; }
    void clear() override {}
    bool tryLock() override { return true; }
    void seedFromClock() override {}
    float next() override { return 0.0f; }

    QString stored;
    QDate date{2026, 12, 14};
    platform::MessageAnswer answer = platform::MessageAnswer::No;
    int questions = 0;
    std::vector<QString> opened;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    Fakes fakes;
    fakes.answer = data[0] & 1 ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
    fakes.date = QDate(1900, 1, 1).addDays(data[1] * 256 + data[2]);
    data += 3;
    size -= 3;
    // Odd inputs hold UTF-16 units (lone surrogates included); even ones the shifted text of
    // what follows, which reaches the date parser.
    if (size % 2)
        fakes.stored = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    else if (qsizetype(size) <= shell::kMaxEncodedLength)
        fakes.stored = shell::EncodeSetting(QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size)));
    platform::Platform platform{fakes, fakes, fakes, fakes, fakes, fakes, fakes};
    shell::modHelp help(platform, QStringLiteral("varodara"));

    help.CheckUpdateReminder();
    help.CheckUpdateReminder();

    FUZZ_REQUIRE(fakes.questions <= 1);
    const QDate stored = QDate::fromString(shell::DecodeSetting(fakes.stored), Qt::ISODate);
    FUZZ_REQUIRE(stored.isValid() && std::abs(fakes.date.daysTo(stored)) <= 14);
    const bool opensPage = fakes.questions == 1 && fakes.answer == platform::MessageAnswer::Yes;
    FUZZ_REQUIRE(fakes.opened.size() == (opensPage ? 1u : 0u));
    return 0;
}
