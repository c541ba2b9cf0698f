// The registry settings store on a scratch key of the user's registry (Windows; the INI store
// is settingsstore_test_unix.cpp).
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: sddl.h needs its types.
#include <sddl.h>

#include <QUuid>

#include "platform/qtsettingsstore.h"
#include "testhelpers.h"

using platform::QtSettingsStore;

namespace {

const QString kApp = QStringLiteral("varodara");
const QString kSection = QStringLiteral("Settings");

// A key of its own under HKEY_CURRENT_USER\Software for each test, removed with everything
// under it afterwards.
class RegistryStore : public ::testing::Test {
protected:
    void TearDown() override
    {
        // A key a test made read-only is made writable again, by its owner, to be removed.
        SetAccess(applicationKey(), L"D:(A;;KA;;;WD)");
        RegDeleteTreeW(HKEY_CURRENT_USER, m_key.toStdWString().c_str());
    }

    // Gives the key the access the security descriptor (SDDL) allows; false when it cannot.
    static bool SetAccess(const std::wstring& key, const wchar_t* descriptor)
    {
        HKEY handle = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, WRITE_DAC, &handle) != ERROR_SUCCESS)
            return false;
        PSECURITY_DESCRIPTOR security = nullptr;
        bool set = ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor, SDDL_REVISION_1, &security,
                                                                        nullptr) != FALSE;
        set = set && RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, security) == ERROR_SUCCESS;
        LocalFree(security);
        RegCloseKey(handle);
        return set;
    }

    QString root() const { return QStringLiteral("HKEY_CURRENT_USER\\") + m_key; }
    // The Windows path of the application's key below HKEY_CURRENT_USER.
    std::wstring applicationKey() const { return (m_key + QLatin1Char('\\') + kApp).toStdWString(); }

private:
    const QString m_key = QStringLiteral("Software\\VarodaraTests\\") + QUuid::createUuid().toString(QUuid::Id128);
};

TEST_F(RegistryStore, a_value_written_by_one_store_is_read_by_the_next_and_a_missing_one_reads_empty)
{
    QtSettingsStore(root()).write(kApp, kSection, QStringLiteral("Duration"), QStringLiteral("2026-12-07"));
    QtSettingsStore fresh(root());
    EXPECT_EQ(fresh.read(kApp, kSection, QStringLiteral("Duration")), QStringLiteral("2026-12-07"));
    EXPECT_EQ(fresh.read(kApp, kSection, QStringLiteral("Other")), QString());
    EXPECT_EQ(fresh.read(kApp, QStringLiteral("Other"), QStringLiteral("Duration")), QString());
    EXPECT_EQ(fresh.read(QStringLiteral("other-program"), kSection, QStringLiteral("Duration")), QString());
    EXPECT_EQ(fresh.filePath(kApp), root() + QStringLiteral("\\varodara"));
}

TEST_F(RegistryStore, every_character_of_an_encoded_name_and_value_survives_the_registry)
{
    const QString name = EncodedUpperHalf();
    const QString value = name + EncodedAscii();
    QtSettingsStore(root()).write(kApp, kSection, name, value);
    EXPECT_EQ(QtSettingsStore(root()).read(kApp, kSection, name), value);

    // Stored as the text itself, under the section's key, where another program finds it.
    wchar_t data[512] = {};
    DWORD size = sizeof data;
    const std::wstring section = applicationKey() + L"\\Settings";
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, section.c_str(), name.toStdWString().c_str(), RRF_RT_REG_SZ, nullptr,
                           data, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(QString::fromWCharArray(data), value);
}

TEST_F(RegistryStore, a_write_the_registry_refuses_throws_and_loses_nothing)
{
    QtSettingsStore store(root());
    store.write(kApp, QStringLiteral("Kept"), QStringLiteral("Duration"), QStringLiteral("kept"));
    // The application's key for reading only, as an administrator may leave it: no new
    // section can be made under it.
    ASSERT_TRUE(SetAccess(applicationKey(), L"D:P(A;;KR;;;WD)"));

    EXPECT_THROW(store.write(kApp, kSection, QStringLiteral("Duration"), QStringLiteral("2026-12-07")),
                 platform::SettingsError);
    EXPECT_EQ(store.read(kApp, QStringLiteral("Kept"), QStringLiteral("Duration")), QStringLiteral("kept"));
    EXPECT_EQ(store.read(kApp, kSection, QStringLiteral("Duration")), QString());
}

}  // namespace
