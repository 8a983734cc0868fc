#include "windows/DlgInitData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Builds DLGINIT bytes record by record.
class DlgInitBytes
{
public:
    DlgInitBytes& Record(WORD nIDC, WORD nMessage, const std::string& data, DWORD dwLength)
    {
        Word(nIDC);
        Word(nMessage);
        Word(LOWORD(dwLength));
        Word(HIWORD(dwLength));
        m_bytes.insert(m_bytes.end(), data.begin(), data.end());
        return *this;
    }
    DlgInitBytes& Record(WORD nIDC, WORD nMessage, const std::string& text)
    {
        std::string data = text + '\0';
        return Record(nIDC, nMessage, data, static_cast<DWORD>(data.size()));
    }
    DlgInitBytes& End()
    {
        Word(0);
        return *this;
    }
    DlgInitBytes& Raw(std::initializer_list<BYTE> bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes);
        return *this;
    }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    void Word(WORD n)
    {
        m_bytes.push_back(LOBYTE(n));
        m_bytes.push_back(HIBYTE(n));
    }
    std::vector<BYTE> m_bytes;
};

struct Item
{
    WORD nIDC;
    UINT nMessage;
    std::string text;
    bool operator==(const Item& other) const
    {
        return nIDC == other.nIDC && nMessage == other.nMessage && text == other.text;
    }
};

void PrintTo(const Item& item, std::ostream* os)
{
    *os << "{" << item.nIDC << ", " << item.nMessage << ", \"" << item.text << "\"}";
}

TEST(DlgInitData, ParsesTheRecordsOfAResource)
{
    struct Case
    {
        const char* pszName;
        DlgInitBytes bytes;
        BOOL bResult;
        std::vector<Item> expected;
    } cases[] = {
        {"resource compiler messages",
         DlgInitBytes().Record(10, 0x0403, "One").Record(10, 0x0403, "Two").Record(11, 0x0401, "Alpha").End(),
         TRUE,
         {{10, CB_ADDSTRING, "One"}, {10, CB_ADDSTRING, "Two"}, {11, LB_ADDSTRING, "Alpha"}}},
        {"Win32 messages", DlgInitBytes().Record(10, CB_ADDSTRING, "x").Record(11, LB_ADDSTRING, "y").End(), TRUE,
         {{10, CB_ADDSTRING, "x"}, {11, LB_ADDSTRING, "y"}}},
        {"empty string", DlgInitBytes().Record(10, 0x0403, "").End(), TRUE, {{10, CB_ADDSTRING, ""}}},
        {"text without its NUL", DlgInitBytes().Record(10, 0x0403, "abc", 3).End(), TRUE,
         {{10, CB_ADDSTRING, "abc"}}},
        {"bytes after the NUL", DlgInitBytes().Record(10, 0x0403, std::string("ab\0cd", 5), 5).End(), TRUE,
         {{10, CB_ADDSTRING, "ab"}}},
        {"other messages are passed over",
         DlgInitBytes().Record(10, 0x1234, "control data").Record(11, 0x0401, "kept").End(), TRUE,
         {{11, LB_ADDSTRING, "kept"}}},
        {"no closing zero", DlgInitBytes().Record(10, 0x0403, "One"), TRUE, {{10, CB_ADDSTRING, "One"}}},
        {"nothing but the end", DlgInitBytes().End(), TRUE, {}},
        {"empty resource", DlgInitBytes(), TRUE, {}},
        {"record header cut short", DlgInitBytes().Record(10, 0x0403, "One").Raw({11, 0, 3, 4}), FALSE, {}},
        {"data runs past the end", DlgInitBytes().Record(10, 0x0403, "One", 40).End(), FALSE, {}},
        {"a huge length", DlgInitBytes().Record(10, 0x0403, "One", 0xFFFFFFF0).End(), FALSE, {}},
    };
    for (const Case& c : cases)
    {
        std::vector<DlgInitItem> items;
        const std::vector<BYTE>& bytes = c.bytes.Bytes();
        BOOL bResult = AfxParseDlgInit(bytes.data(), static_cast<DWORD>(bytes.size()), items);
        EXPECT_EQ(c.bResult, bResult) << c.pszName;
        if (!c.bResult)
            continue;
        std::vector<Item> parsed;
        for (const DlgInitItem& item : items)
            parsed.push_back({item.nIDC, item.nMessage, static_cast<LPCTSTR>(item.strText)});
        EXPECT_EQ(c.expected, parsed) << c.pszName;
    }
}
} // namespace
