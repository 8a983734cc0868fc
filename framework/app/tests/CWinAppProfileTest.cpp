#include "app/CWinApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
const char TEST_REGISTRY_KEY[] = "korvo framework tests";
const char TEST_APP_NAME[] = "profile test";

enum class Backend
{
    Registry,
    IniFile
};

std::string IniPath()
{
    char szDirectory[MAX_PATH];
    GetTempPath(MAX_PATH, szDirectory);
    return std::string(szDirectory) + "korvo-profile-test.ini";
}

LONG DeleteTestKey()
{
    std::string path = std::string("Software\\") + TEST_REGISTRY_KEY + "\\" + TEST_APP_NAME;
    for (const char* section : {"\\Numbers\\Nested", "\\Numbers", "\\Texts", "\\Bytes", ""})
        RegDeleteKey(HKEY_CURRENT_USER, (path + section).c_str());
    return RegDeleteKey(HKEY_CURRENT_USER, (std::string("Software\\") + TEST_REGISTRY_KEY).c_str());
}

std::vector<BYTE> ReadBinary(CWinApp& app, LPCTSTR lpszSection, LPCTSTR lpszEntry, BOOL* pbFound)
{
    LPBYTE pData = reinterpret_cast<LPBYTE>(1);
    UINT nBytes = 12345;
    *pbFound = app.GetProfileBinary(lpszSection, lpszEntry, &pData, &nBytes);
    std::unique_ptr<BYTE[]> owner(pData);
    if (!*pbFound)
    {
        EXPECT_EQ(nullptr, pData);
        EXPECT_EQ(0u, nBytes);
        return {};
    }
    return std::vector<BYTE>(pData, pData + nBytes);
}

class ProfileRoundTrip : public ::testing::TestWithParam<Backend>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxWinInit(GetModuleHandle(NULL), NULL, const_cast<LPTSTR>(""), SW_SHOWNORMAL));
        if (GetParam() == Backend::Registry)
        {
            DeleteTestKey();
            m_app.SetRegistryKey(TEST_REGISTRY_KEY);
        }
        else
        {
            DeleteFile(IniPath().c_str());
            free(const_cast<LPTSTR>(m_app.m_pszProfileName));
            m_app.m_pszProfileName = _tcsdup(IniPath().c_str());
        }
    }
    void TearDown() override
    {
        DeleteTestKey();
        DeleteFile(IniPath().c_str());
    }

    CWinApp m_app{TEST_APP_NAME};
};

TEST_P(ProfileRoundTrip, Integers)
{
    for (int nValue : {0, 42, -7, 0x7FFFFFFF, static_cast<int>(0x80000000)})
    {
        ASSERT_TRUE(m_app.WriteProfileInt("Numbers", "Value", nValue));
        EXPECT_EQ(nValue, static_cast<int>(m_app.GetProfileInt("Numbers", "Value", 99)));
    }
}

TEST_P(ProfileRoundTrip, Strings)
{
    for (const std::string& text : {std::string("plain"), std::string(""), std::string(1000, 'x'),
                                    std::string("with = equals and ; semicolon")})
    {
        ASSERT_TRUE(m_app.WriteProfileString("Texts", "Value", text.c_str()));
        EXPECT_STREQ(text.c_str(), m_app.GetProfileString("Texts", "Value", "default"));
    }
}

TEST_P(ProfileRoundTrip, BinaryData)
{
    std::vector<BYTE> allBytes(256);
    for (int i = 0; i < 256; ++i)
        allBytes[i] = static_cast<BYTE>(i);
    for (const std::vector<BYTE>& data : {allBytes, std::vector<BYTE>{0x00}, std::vector<BYTE>{}})
    {
        ASSERT_TRUE(m_app.WriteProfileBinary("Bytes", "Value", const_cast<LPBYTE>(data.data()),
                                             static_cast<UINT>(data.size())));
        BOOL bFound;
        std::vector<BYTE> read = ReadBinary(m_app, "Bytes", "Value", &bFound);
        EXPECT_TRUE(bFound);
        EXPECT_EQ(data, read);
    }
}

TEST_P(ProfileRoundTrip, MissingEntriesGiveTheDefaults)
{
    ASSERT_TRUE(m_app.WriteProfileInt("Numbers", "Present", 1));

    for (LPCTSTR lpszSection : {"Numbers", "No Such Section"})
    {
        EXPECT_EQ(99u, m_app.GetProfileInt(lpszSection, "Absent", 99));
        EXPECT_STREQ("default", m_app.GetProfileString(lpszSection, "Absent", "default"));
        EXPECT_STREQ("", m_app.GetProfileString(lpszSection, "Absent"));
        BOOL bFound;
        ReadBinary(m_app, lpszSection, "Absent", &bFound);
        EXPECT_FALSE(bFound);
    }
}

TEST_P(ProfileRoundTrip, RemovingEntriesAndSections)
{
    ASSERT_TRUE(m_app.WriteProfileString("Texts", "First", "1"));
    ASSERT_TRUE(m_app.WriteProfileString("Texts", "Second", "2"));

    EXPECT_TRUE(m_app.WriteProfileString("Texts", "First", NULL));
    EXPECT_STREQ("gone", m_app.GetProfileString("Texts", "First", "gone"));
    EXPECT_STREQ("2", m_app.GetProfileString("Texts", "Second", "gone"));

    EXPECT_TRUE(m_app.WriteProfileString("Texts", NULL, NULL));
    EXPECT_STREQ("gone", m_app.GetProfileString("Texts", "Second", "gone"));
    // Removing what is not there is no failure.
    EXPECT_TRUE(m_app.WriteProfileString("Texts", "First", NULL));
}

INSTANTIATE_TEST_SUITE_P(CWinApp, ProfileRoundTrip, ::testing::Values(Backend::Registry, Backend::IniFile),
                         [](const ::testing::TestParamInfo<Backend>& info) {
                             return info.param == Backend::Registry ? "Registry" : "IniFile";
                         });

class RegistryProfile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxWinInit(GetModuleHandle(NULL), NULL, const_cast<LPTSTR>(""), SW_SHOWNORMAL));
        DeleteTestKey();
        m_app.SetRegistryKey(TEST_REGISTRY_KEY);
    }
    void TearDown() override { DeleteTestKey(); }

    static std::string SectionPath(const char* section)
    {
        return std::string("Software\\") + TEST_REGISTRY_KEY + "\\" + TEST_APP_NAME + "\\" + section;
    }

    CWinApp m_app{TEST_APP_NAME};
};

TEST_F(RegistryProfile, ValuesLieUnderTheApplicationKeyWithTheirTypes)
{
    BYTE data[] = {1, 2, 3};
    ASSERT_TRUE(m_app.WriteProfileInt("Numbers", "Int", 5));
    ASSERT_TRUE(m_app.WriteProfileString("Numbers", "Text", "five"));
    ASSERT_TRUE(m_app.WriteProfileBinary("Numbers", "Bytes", data, sizeof data));

    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, SectionPath("Numbers").c_str(), 0, KEY_READ, &hKey));
    struct Expected
    {
        const char* name;
        DWORD type;
        DWORD size;
    };
    for (const Expected& expected : {Expected{"Int", REG_DWORD, 4}, Expected{"Text", REG_SZ, 5},
                                     Expected{"Bytes", REG_BINARY, 3}})
    {
        DWORD type = 0, size = 0;
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(hKey, expected.name, NULL, &type, NULL, &size)) << expected.name;
        EXPECT_EQ(expected.type, type) << expected.name;
        EXPECT_EQ(expected.size, size) << expected.name;
    }
    RegCloseKey(hKey);
}

TEST_F(RegistryProfile, ReadingMakesNoKeys)
{
    EXPECT_EQ(7u, m_app.GetProfileInt("Texts", "Absent", 7));
    HKEY hKey;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, SectionPath("Texts").c_str(), 0, KEY_READ, &hKey));
}

TEST_F(RegistryProfile, AValueOfAnotherTypeGivesTheDefault)
{
    ASSERT_TRUE(m_app.WriteProfileString("Numbers", "Value", "12"));
    EXPECT_EQ(99u, m_app.GetProfileInt("Numbers", "Value", 99));
    ASSERT_TRUE(m_app.WriteProfileInt("Numbers", "Count", 12));
    EXPECT_STREQ("default", m_app.GetProfileString("Numbers", "Count", "default"));
    BOOL bFound;
    ReadBinary(m_app, "Numbers", "Count", &bFound);
    EXPECT_FALSE(bFound);
}

TEST_F(RegistryProfile, RemovingASectionTakesItsSubKeys)
{
    ASSERT_TRUE(m_app.WriteProfileInt("Numbers\\Nested", "Deep", 1));
    ASSERT_TRUE(m_app.WriteProfileInt("Numbers", "Shallow", 1));

    EXPECT_TRUE(m_app.WriteProfileString("Numbers", NULL, NULL));
    HKEY hKey;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, SectionPath("Numbers").c_str(), 0, KEY_READ, &hKey));
}

TEST_F(RegistryProfile, SectionKeysAreMadeOnDemand)
{
    HKEY hAppKey = m_app.GetAppRegistryKey();
    ASSERT_NE(HKEY(NULL), hAppKey);
    RegCloseKey(hAppKey);
    HKEY hSection = m_app.GetSectionKey("Texts");
    ASSERT_NE(HKEY(NULL), hSection);
    RegCloseKey(hSection);

    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, SectionPath("Texts").c_str(), 0, KEY_READ, &hKey));
    RegCloseKey(hKey);

    free(const_cast<LPTSTR>(m_app.m_pszRegistryKey));
    m_app.m_pszRegistryKey = NULL;
    EXPECT_EQ(HKEY(NULL), m_app.GetAppRegistryKey());
}
} // namespace
