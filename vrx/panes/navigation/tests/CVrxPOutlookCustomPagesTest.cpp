#include "panes/navigation/CVrxPOutlookCustomPages.h"

#include <gtest/gtest.h>

namespace
{
using Bytes = std::vector<BYTE>;

CVrxPOutlookCustomPage Page(int nId, const char* pszCaption)
{
    CVrxPOutlookCustomPage page;
    page.controlId = nId;
    page.caption = pszCaption;
    return page;
}

// Page 5 "Mail" and page -2 "" with three buttons shown.
const Bytes twoPages = {2, 0, 0, 0, 5, 0, 0, 0, 4, 'M', 'a', 'i', 'l', 0xFE, 0xFF, 0xFF, 0xFF, 0, 3, 0, 0, 0};

TEST(CVrxPOutlookCustomPages, StoresIdsAndCaptionsThenTheShownButtonCount)
{
    const CVrxPOutlookCustomPages pages({Page(5, "Mail"), Page(-2, "")}, 3);
    Bytes bytes;
    ASSERT_TRUE(pages.Write(bytes));
    EXPECT_EQ(twoPages, bytes);
    CVrxPOutlookCustomPages read;
    ASSERT_TRUE(read.Read(bytes.data(), static_cast<UINT>(bytes.size()), TRUE));
    EXPECT_TRUE(read == pages);
    EXPECT_TRUE(read.HasShownButtons());
}

TEST(CVrxPOutlookCustomPages, AnOlderValueIsReadWithoutTheCountWhichKeepsItsValue)
{
    CVrxPOutlookCustomPages read({}, 7);
    // The older form with and without the trailing number: neither is read.
    const Bytes older(twoPages.begin(), twoPages.end() - 4);
    for (const Bytes& bytes : {twoPages, older})
    {
        ASSERT_TRUE(read.Read(bytes.data(), static_cast<UINT>(bytes.size()), FALSE));
        EXPECT_EQ(7, read.GetShownButtons());
        EXPECT_FALSE(read.HasShownButtons());
        ASSERT_EQ(2u, read.GetPages().size());
        EXPECT_EQ(5, read.GetPages()[0].controlId);
        EXPECT_EQ(CString("Mail"), read.GetPages()[0].caption);
    }
    // The newer reader needs the number.
    EXPECT_FALSE(read.Read(older.data(), static_cast<UINT>(older.size()), TRUE));
}

TEST(CVrxPOutlookCustomPages, KeyNamesCarryTheBarIdAndTheIndexInHexadecimal)
{
    EXPECT_EQ(CString("Path\\VrxPOutlookBar-100"), CVrxPOutlookCustomPages::KeyName("Path\\", 100));
    EXPECT_EQ(CString("Path\\sVrxPOutlookBar-100a"), CVrxPOutlookCustomPages::KeyName("Path\\", 100, 10));
    EXPECT_EQ(CString("sVrxPOutlookBar-70"), CVrxPOutlookCustomPages::KeyName("", 7, 0));
}

TEST(CVrxPOutlookCustomPages, DamagedValuesAreRefusedKeepingWhatWasRead)
{
    const auto Cut = [](size_t nLength) { return Bytes(twoPages.begin(), twoPages.begin() + static_cast<long>(nLength)); };
    Bytes longer = twoPages;
    longer.push_back(0);
    const struct
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"count cut short", Cut(3)},
        {"id cut short", Cut(6)},
        {"caption cut short", Cut(11)},
        {"second page missing", Cut(13)},
        {"count missing", Cut(twoPages.size() - 4)},
        {"count cut short", Cut(twoPages.size() - 1)},
        {"negative page count", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
        {"page count far beyond the data", {0x00, 0x00, 0x00, 0x40, 1, 0, 0, 0, 1, 'P'}},
        {"bytes after the value", longer},
    };
    for (const auto& c : cases)
    {
        CVrxPOutlookCustomPages read;
        ASSERT_TRUE(read.Read(twoPages.data(), static_cast<UINT>(twoPages.size()), TRUE));
        const CVrxPOutlookCustomPages before = read;
        EXPECT_FALSE(read.Read(c.bytes.data(), static_cast<UINT>(c.bytes.size()), TRUE)) << c.what;
        EXPECT_TRUE(read == before) << c.what;
    }
}
} // namespace
