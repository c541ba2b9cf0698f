// The update reminder reading whatever the store holds: it never fails while the store works,
// asks at most once in two runs (start-up and the main window's load), and afterwards the
// store holds a date no more than 14 days from today; Yes opens the download page once.
#include <QDate>
#include <QString>

#include "fakes.h"
#include "fuzzsupport.h"
#include "shell/modhelp.h"
#include "shell/settingencoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    fakes::FakePlatform fakes;
    const platform::MessageAnswer answer = data[0] & 1 ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
    // One question at most: a second box is unexpected and stops the run.
    fakes.messages.expect(answer);
    fakes.clock.date = QDate(1900, 1, 1).addDays(data[1] * 256 + data[2]);
    data += 3;
    size -= 3;
    const QString key = fakes::FakeSettings::key("varodara", "Settings", shell::EncodeSetting("Duration"));
    // Odd inputs hold UTF-16 units (lone surrogates included); even ones the shifted text of
    // what follows, which reaches the date parser.
    if (size % 2)
        fakes.settings.values[key] = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    else if (qsizetype(size) <= shell::kMaxEncodedLength)
        fakes.settings.values[key] =
            shell::EncodeSetting(QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size)));
    shell::modHelp help(fakes.platform, QStringLiteral("varodara"));

    help.CheckUpdateReminder();
    help.CheckUpdateReminder();

    const QDate storedDate = QDate::fromString(shell::DecodeSetting(fakes.settings.values.value(key)), Qt::ISODate);
    FUZZ_REQUIRE(storedDate.isValid() && std::abs(fakes.clock.date.daysTo(storedDate)) <= 14);
    const bool opensPage = fakes.messages.shown.size() == 1 && answer == platform::MessageAnswer::Yes;
    FUZZ_REQUIRE(fakes.browser.opened.size() == (opensPage ? 1 : 0));
    return 0;
}
