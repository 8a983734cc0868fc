#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPBuildRegistryPath.h"

#include "app/CWinApp.h"
#include "files/CArchive.h"
#include "strings/CPoint.h"
#include "strings/CRect.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>
#include <vector>

// A serialisable object that counts its live instances.
class CountedItem : public CObject
{
    DECLARE_SERIAL(CountedItem)
public:
    static int liveCount;
    CountedItem() { liveCount++; }
    explicit CountedItem(int value) : m_value(value) { liveCount++; }
    ~CountedItem() override { liveCount--; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    int m_value = 0;
};
int CountedItem::liveCount = 0;
IMPLEMENT_SERIAL(CountedItem, CObject, 1)

// Another class a stored value may name.
class ForeignItem : public CObject
{
    DECLARE_SERIAL(ForeignItem)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    int m_value = 0;
};
IMPLEMENT_SERIAL(ForeignItem, CObject, 1)

namespace
{
const char testRoot[] = "Software\\korvo vrx registry tests";
const char testKey[] = "Software\\korvo vrx registry tests\\Values";


struct RawValue
{
    DWORD type = 0;
    std::vector<BYTE> bytes;
    bool found = false;
};

RawValue ReadRaw(const char* key, const char* name)
{
    RawValue value;
    HKEY hKey;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, key, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return value;
    DWORD nSize = 0;
    if (RegQueryValueEx(hKey, name, NULL, &value.type, NULL, &nSize) == ERROR_SUCCESS)
    {
        value.bytes.resize(nSize);
        value.found = RegQueryValueEx(hKey, name, NULL, &value.type, value.bytes.data(), &nSize) == ERROR_SUCCESS;
    }
    RegCloseKey(hKey);
    return value;
}

void WriteRaw(const char* name, DWORD type, const std::vector<BYTE>& bytes)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, testKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey, NULL));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(hKey, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())));
    RegCloseKey(hKey);
}

bool KeyPresent(const std::string& key)
{
    HKEY hKey;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { SHDeleteKey(HKEY_CURRENT_USER, testRoot); }
    void TearDown() override { SHDeleteKey(HKEY_CURRENT_USER, testRoot); }

    CVrxPRegistry& Writer()
    {
        CVrxPRegistry& registry = m_writer.Open(FALSE, FALSE);
        EXPECT_TRUE(registry.MakeKey(testKey));
        return registry;
    }
    // Opened on the test key once; later calls return it as it is.
    CVrxPRegistry& Reader()
    {
        CVrxPRegistry& registry = m_reader.Open(FALSE, TRUE);
        if (registry.currentKey == HKEY_CURRENT_USER)
        {
            EXPECT_TRUE(registry.OpenKey(testKey));
        }
        return registry;
    }

    CVrxPRegistryHolder m_writer;
    CVrxPRegistryHolder m_reader;
};

TEST_F(RegistryTest, IntIsStoredAsFourByteDword)
{
    ASSERT_TRUE(Writer().WriteInt("Major", 9));
    RawValue raw = ReadRaw(testKey, "Major");
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), raw.type);
    EXPECT_EQ((std::vector<BYTE>{9, 0, 0, 0}), raw.bytes);
    int nValue = 0;
    EXPECT_TRUE(Reader().ReadInt("Major", nValue));
    EXPECT_EQ(9, nValue);
}

TEST_F(RegistryTest, MissingIntLeavesTheVariable)
{
    Writer();
    int nValue = 1234;
    EXPECT_FALSE(Reader().ReadInt("Minor", nValue));
    EXPECT_EQ(1234, nValue);
}

TEST_F(RegistryTest, IntOfAnotherSizeIsRefused)
{
    WriteRaw("Short", REG_BINARY, {7, 0});
    WriteRaw("Long", REG_BINARY, {1, 2, 3, 4, 5});
    int nValue = -5;
    EXPECT_FALSE(Reader().ReadInt("Short", nValue));
    EXPECT_FALSE(Reader().ReadInt("Long", nValue));
    EXPECT_EQ(-5, nValue);
}

TEST_F(RegistryTest, StringKeepsItsTerminator)
{
    ASSERT_TRUE(Writer().WriteString("Name", "abc"));
    RawValue raw = ReadRaw(testKey, "Name");
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), raw.type);
    EXPECT_EQ((std::vector<BYTE>{'a', 'b', 'c', 0}), raw.bytes);
    CString value;
    EXPECT_TRUE(Reader().ReadString("Name", value));
    EXPECT_STREQ("abc", value);
}

TEST_F(RegistryTest, MissingStringReadsEmpty)
{
    Writer();
    CString value("old");
    EXPECT_FALSE(Reader().ReadString("Nothing", value));
    EXPECT_TRUE(value.IsEmpty());
}

TEST_F(RegistryTest, StringEndsAtFirstZeroOrAtTheEndOfAnUnterminatedValue)
{
    WriteRaw("Embedded", REG_BINARY, {'x', 'y', 0, 'z'});
    WriteRaw("Unterminated", REG_BINARY, {'p', 'q', 'r'});
    CString value;
    EXPECT_TRUE(Reader().ReadString("Embedded", value));
    EXPECT_STREQ("xy", value);
    EXPECT_TRUE(Reader().ReadString("Unterminated", value));
    EXPECT_STREQ("pqr", value);
}

TEST_F(RegistryTest, RectIsSixteenRawBytes)
{
    ASSERT_TRUE(Writer().WriteRect("MainWindowRect", CRect(-3, 20, 640, 480)));
    RawValue raw = ReadRaw(testKey, "MainWindowRect");
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), raw.type);
    ASSERT_EQ(16u, raw.bytes.size());
    LONG edges[4];
    memcpy(edges, raw.bytes.data(), sizeof(edges));
    EXPECT_EQ(-3, edges[0]);
    EXPECT_EQ(20, edges[1]);
    EXPECT_EQ(640, edges[2]);
    EXPECT_EQ(480, edges[3]);
    CRect rect;
    EXPECT_TRUE(Reader().ReadRect("MainWindowRect", rect));
    EXPECT_EQ(CRect(-3, 20, 640, 480), rect);
}

TEST_F(RegistryTest, ShortRectIsRefused)
{
    WriteRaw("Short", REG_BINARY, std::vector<BYTE>(15, 1));
    CRect rect(1, 2, 3, 4);
    EXPECT_FALSE(Reader().ReadRect("Short", rect));
    EXPECT_EQ(CRect(1, 2, 3, 4), rect);
}

TEST_F(RegistryTest, PointIsAFiveElementDwordArray)
{
    CVrxPRegistry& writer = Writer();
    ASSERT_TRUE(writer.WritePoint("Where", CPoint(-7, 300)));
    EXPECT_EQ(CVrxPRegistry::kindPoint, writer.lastKind);
    EXPECT_EQ(22u, writer.lastSize);
    RawValue raw = ReadRaw(testKey, "Where");
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), raw.type);
    std::vector<BYTE> expected = {5, 0, 0xF9, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0};
    expected.resize(22, 0);
    EXPECT_EQ(expected, raw.bytes);
    CVrxPRegistry& reader = Reader();
    CPoint point;
    EXPECT_TRUE(reader.ReadPoint("Where", point));
    EXPECT_EQ(CPoint(-7, 300), point);
    EXPECT_EQ(CVrxPRegistry::kindPoint, reader.lastKind);
    EXPECT_EQ(8u, reader.lastSize);
}

TEST_F(RegistryTest, PointNeedsABinaryValueOfTwoElements)
{
    WriteRaw("Number", REG_DWORD, {1, 0, 0, 0});
    WriteRaw("OneElement", REG_BINARY, {1, 0, 5, 0, 0, 0});
    CPoint point(4, 5);
    EXPECT_FALSE(Reader().ReadPoint("Number", point));
    EXPECT_FALSE(Reader().ReadPoint("OneElement", point));
    EXPECT_EQ(CPoint(4, 5), point);
}

TEST_F(RegistryTest, WordArrayRoundTrip)
{
    CWordArray words;
    for (WORD w : {WORD(1), WORD(0xBEEF), WORD(0)})
        words.Add(w);
    ASSERT_TRUE(Writer().WriteWordArray("Words", words));
    EXPECT_EQ((std::vector<BYTE>{3, 0, 0, 0, 1, 0, 0xEF, 0xBE, 0, 0}), ReadRaw(testKey, "Words").bytes);
    CWordArray loaded;
    loaded.Add(99);
    EXPECT_TRUE(Reader().ReadWordArray("Words", loaded));
    ASSERT_EQ(3, loaded.GetSize());
    EXPECT_EQ(0xBEEF, loaded[1]);
}

TEST_F(RegistryTest, ObjectByPointerNamesItsClass)
{
    CountedItem item(77);
    ASSERT_TRUE(Writer().WriteObject("Item", &item));
    RawValue raw = ReadRaw(testKey, "Item");
    std::string bytes(raw.bytes.begin(), raw.bytes.end());
    EXPECT_NE(std::string::npos, bytes.find("CountedItem"));
    CObject* pObject = nullptr;
    ASSERT_TRUE(Reader().ReadObject("Item", RUNTIME_CLASS(CountedItem), pObject));
    ASSERT_NE(nullptr, pObject);
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CountedItem)));
    EXPECT_EQ(77, static_cast<CountedItem*>(pObject)->m_value);
    delete pObject;
}

// A stored value makes an object only of the class the caller asks for.
TEST_F(RegistryTest, AnObjectOfAnotherClassOrNoObjectIsRefused)
{
    ForeignItem foreign;
    ASSERT_TRUE(Writer().WriteObject("Foreign", &foreign));
    ASSERT_TRUE(Writer().WriteObject("Null", nullptr));
    CountedItem item(5);
    ASSERT_TRUE(Writer().WriteObject("Item", &item));
    const int nLiveBefore = CountedItem::liveCount;

    CObject* pObject = nullptr;
    EXPECT_FALSE(Reader().ReadObject("Foreign", RUNTIME_CLASS(CountedItem), pObject));
    EXPECT_EQ(nullptr, pObject);
    EXPECT_FALSE(Reader().ReadObject("Null", RUNTIME_CLASS(CountedItem), pObject));
    EXPECT_EQ(nullptr, pObject);
    EXPECT_FALSE(Reader().ReadObject("Item", RUNTIME_CLASS(ForeignItem), pObject));
    EXPECT_EQ(nullptr, pObject);
    EXPECT_EQ(nLiveBefore, CountedItem::liveCount) << "no object was left behind";
}

TEST_F(RegistryTest, ContainersRoundTrip)
{
    CStringArray strings;
    strings.Add("one");
    strings.Add("");
    strings.Add("three");
    CDWordArray dwords;
    dwords.Add(0xFFFFFFFF);
    CStringList list;
    list.AddTail("first");
    CVrxPRegistry& writer = Writer();
    ASSERT_TRUE(writer.WriteArchived("Strings", strings));
    ASSERT_TRUE(writer.WriteArchived("DWords", dwords));
    ASSERT_TRUE(writer.WriteArchived("List", list));

    CVrxPRegistry& reader = Reader();
    CStringArray loadedStrings;
    loadedStrings.Add("stale");
    ASSERT_TRUE(reader.ReadStringArray("Strings", loadedStrings));
    ASSERT_EQ(3, loadedStrings.GetSize());
    EXPECT_STREQ("three", loadedStrings[2]);
    CDWordArray loadedDWords;
    ASSERT_TRUE(reader.ReadDWordArray("DWords", loadedDWords));
    ASSERT_EQ(1, loadedDWords.GetSize());
    EXPECT_EQ(0xFFFFFFFFu, loadedDWords[0]);
    CStringList loadedList;
    ASSERT_TRUE(reader.ReadStringList("List", loadedList));
    EXPECT_STREQ("first", loadedList.GetHead());
}

TEST_F(RegistryTest, EmptyBinaryValueGivesNoBlock)
{
    WriteRaw("Empty", REG_BINARY, {});
    BYTE* pData = reinterpret_cast<BYTE*>(1);
    UINT nSize = 5;
    EXPECT_TRUE(Reader().ReadBinary("Empty", pData, nSize));
    EXPECT_EQ(nullptr, pData);
    EXPECT_EQ(0u, nSize);
}

// Damaged stored values: every read refuses them and leaves no half-built
// result behind.
struct DamagedValue
{
    const char* description;
    std::vector<BYTE> bytes;
};

class DamagedValueTest : public RegistryTest, public ::testing::WithParamInterface<DamagedValue>
{
};

TEST_P(DamagedValueTest, EveryArchivedReadRefusesIt)
{
    WriteRaw("Bad", REG_BINARY, GetParam().bytes);
    CVrxPRegistry& reader = Reader();

    CWordArray words;
    EXPECT_FALSE(reader.ReadWordArray("Bad", words));
    EXPECT_EQ(0, words.GetSize());
    CRect rect(1, 1, 1, 1);
    EXPECT_FALSE(reader.ReadRect("Bad", rect));
    EXPECT_EQ(CRect(1, 1, 1, 1), rect);
    CPoint point(3, 3);
    EXPECT_FALSE(reader.ReadPoint("Bad", point));
    EXPECT_EQ(CPoint(3, 3), point);
    CObject* pObject = nullptr;
    EXPECT_FALSE(reader.ReadObject("Bad", RUNTIME_CLASS(CountedItem), pObject));
    EXPECT_EQ(nullptr, pObject);
    CStringArray strings;
    EXPECT_FALSE(reader.ReadStringArray("Bad", strings));
    EXPECT_EQ(0, CountedItem::liveCount);
}

INSTANTIATE_TEST_SUITE_P(
    CVrxPRegistry, DamagedValueTest,
    ::testing::Values(DamagedValue{"empty", {}}, DamagedValue{"one byte", {0x05}},
                      DamagedValue{"counts far past the data", {0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x01}},
                      DamagedValue{"unknown class tag", {0xFF, 0xFF, 0x01, 0x00, 0x03, 0x00, 'Z', 'Z'}},
                      DamagedValue{"class name cut short", {0xFF, 0xFF, 0x01, 0x00, 0x40, 0x00, 'C', 'V'}}),
    [](const ::testing::TestParamInfo<DamagedValue>& info) {
        std::string name = info.param.description;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST_F(RegistryTest, ReadOnlyRefusesEveryChange)
{
    Writer().WriteInt("Kept", 1);
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    EXPECT_FALSE(registry.MakeKey(testKey));
    ASSERT_TRUE(registry.OpenKey(testKey));
    EXPECT_FALSE(registry.WriteInt("New", 9));
    EXPECT_FALSE(registry.WriteString("New", "x"));
    EXPECT_FALSE(registry.WriteRect("New", CRect(0, 0, 1, 1)));
    EXPECT_FALSE(registry.RemoveKey(testKey, FALSE));
    EXPECT_FALSE(ReadRaw(testKey, "New").found);
    EXPECT_TRUE(KeyPresent(testKey));
}

TEST_F(RegistryTest, TrailingBackslashOpensTheSameKey)
{
    Writer().WriteInt("Here", 5);
    for (std::string path : {std::string(testKey), std::string(testKey) + "\\"})
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
        EXPECT_TRUE(registry.KeyExists(path.c_str()));
        ASSERT_TRUE(registry.OpenKey(path.c_str()));
        int nValue = 0;
        EXPECT_TRUE(registry.ReadInt("Here", nValue));
        EXPECT_EQ(5, nValue);
    }
}

TEST_F(RegistryTest, FailedOpenKeepsThePreviousKey)
{
    Writer().WriteInt("Here", 6);
    CVrxPRegistry& reader = Reader();
    EXPECT_FALSE(reader.OpenKey("No Such Key"));
    int nValue = 0;
    EXPECT_TRUE(reader.ReadInt("Here", nValue));
    EXPECT_EQ(6, nValue);
}

TEST_F(RegistryTest, RemoveKeyDeletesNestedKeys)
{
    std::string base = std::string(testRoot) + "\\Tree";
    for (const char* sub : {"\\A\\B\\C", "\\A\\D", "\\E"})
    {
        CVrxPRegistryHolder holder;
        ASSERT_TRUE(holder.Open(FALSE, FALSE).MakeKey((base + sub).c_str()));
    }
    CVrxPRegistryHolder holder;
    EXPECT_TRUE(holder.Open(FALSE, FALSE).RemoveKey((base + "\\").c_str(), FALSE));
    EXPECT_FALSE(KeyPresent(base));
    EXPECT_TRUE(KeyPresent(testRoot));
}

TEST_F(RegistryTest, EnumeratesValuesAndSubKeys)
{
    CVrxPRegistry& writer = Writer();
    writer.WriteInt("One", 1);
    writer.WriteString("Two", "2");
    CStringArray values;
    EXPECT_TRUE(Reader().EnumValueNames(values));
    EXPECT_EQ(2, values.GetSize());

    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    ASSERT_TRUE(registry.OpenKey(testRoot));
    CStringArray subKeys;
    EXPECT_TRUE(registry.EnumSubKeys(subKeys));
    ASSERT_EQ(1, subKeys.GetSize());
    EXPECT_STREQ("Values", subKeys[0]);
    ASSERT_TRUE(registry.OpenKey("Values"));
    CStringArray none;
    EXPECT_FALSE(registry.EnumSubKeys(none));
    EXPECT_EQ(0, none.GetSize());
}

TEST(VrxPBuildRegistryPath, SectionUnderTheApplicationKey)
{
    CWinApp app("korvo");
    app.SetRegistryKey("VrxP AppWizard-Generated Applications");
    EXPECT_STREQ("SOFTWARE\\VrxP AppWizard-Generated Applications\\korvo\\VrxToolBars\\",
                 VrxPBuildRegistryPath("VrxToolBars", NULL));
    EXPECT_STREQ("SOFTWARE\\VrxP AppWizard-Generated Applications\\korvo\\VrxToolBars\\",
                 VrxPBuildRegistryPath("VrxToolBars", ""));
    EXPECT_STREQ("Given\\Path\\", VrxPBuildRegistryPath("VrxToolBars", "Given\\Path\\"));
}

TEST(VrxPBuildRegistryPath, WithoutRegistryKeyOnlyTheProfileName)
{
    CWinApp app("korvo");
    free(const_cast<LPTSTR>(app.m_pszProfileName));
    app.m_pszProfileName = _tcsdup("korvo");
    EXPECT_STREQ("SOFTWARE\\korvo\\Mouse\\", VrxPBuildRegistryPath("Mouse", NULL));
}
} // namespace
