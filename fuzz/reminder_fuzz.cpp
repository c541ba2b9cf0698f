// The update reminder reading whatever the store holds: it never fails while the store works,
// asks at most once in two runs (start-up and the main window's load), and afterwards the
// store holds a date no more than 14 days from today; Yes opens the download page once.
#include <QDate>
#include <QString>

#include "fakeplatform.h"
#include "fuzzsupport.h"
#include "shell/modhelp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    fuzz::FakePlatform fakes;
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
    shell::modHelp help(fakes.services, QStringLiteral("varodara"));

    help.CheckUpdateReminder();
    help.CheckUpdateReminder();

    FUZZ_REQUIRE(fakes.boxes <= 1);
    const QDate stored = QDate::fromString(shell::DecodeSetting(fakes.stored), Qt::ISODate);
    FUZZ_REQUIRE(stored.isValid() && std::abs(fakes.date.daysTo(stored)) <= 14);
    const bool opensPage = fakes.boxes == 1 && fakes.answer == platform::MessageAnswer::Yes;
    FUZZ_REQUIRE(fakes.opened.size() == (opensPage ? 1u : 0u));
    return 0;
}
