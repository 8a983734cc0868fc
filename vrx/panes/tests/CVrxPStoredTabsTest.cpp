#include "panes/CVrxPStoredTabs.h"

#include "foundation/CVrxPArchivedValue.h"

#include <gtest/gtest.h>

namespace
{
using Bytes = std::vector<BYTE>;

Bytes Stored(const CVrxPStoredTabs& tabs)
{
    Bytes bytes;
    EXPECT_TRUE(CVrxPArchivedValue::Store(bytes, CVrxPArchivedValue::growBytes,
                                          [&tabs](CArchive& ar) { tabs.Store(ar); }));
    return bytes;
}

CVrxPSavedTab Tab(const char* pszLabel, int nControlId, int nBackground = -1)
{
    CVrxPSavedTab tab;
    tab.label = pszLabel;
    tab.controlId = nControlId;
    tab.backgroundColor = nBackground;
    return tab;
}

// P (id 100, background 0x030201) and Q (id 101), Q active, at the top.
const Bytes twoTabs = {
    2, 0, 0, 0,
    1, 'P', 1, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 0,
    1, 'Q', 1, 0, 0, 0, 101, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    1, 0, 0, 0,
    0, 0, 0, 0};

TEST(CVrxPStoredTabs, StoresEachTabThenTheActiveIndexAndTheLocation)
{
    const CVrxPStoredTabs tabs({Tab("P", 100, 0x030201), Tab("Q", 101)}, 1, 0);
    EXPECT_EQ(twoTabs, Stored(tabs));
    CVrxPStoredTabs read;
    ASSERT_TRUE(read.Read(twoTabs.data(), static_cast<UINT>(twoTabs.size())));
    EXPECT_TRUE(read == tabs);
}

TEST(CVrxPStoredTabs, EveryFieldComesBack)
{
    CVrxPSavedTab hidden = Tab("Output", 0, 0x00FFEEDD);
    hidden.visible = FALSE;
    hidden.detachable = TRUE;
    hidden.textColor = 0x00123456;
    const CVrxPStoredTabs tabs({Tab("", 7), hidden, Tab(std::string(300, 'x').c_str(), -5)}, 2, 3);
    const Bytes bytes = Stored(tabs);
    CVrxPStoredTabs read;
    ASSERT_TRUE(read.Read(bytes.data(), static_cast<UINT>(bytes.size())));
    EXPECT_TRUE(read == tabs);
    EXPECT_EQ(3u, read.GetTabs().size());
    EXPECT_EQ(2, read.GetActive());
    EXPECT_EQ(3, read.GetLocation());
    EXPECT_EQ(300, read.GetTabs()[2].label.GetLength());
}

TEST(CVrxPStoredTabs, ALabelInTheWideFormIsReadAndWrittenBackNarrow)
{
    const Bytes wide = {1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 2, 'O', 0, 'K', 0, 1, 0, 0, 0, 9, 0, 0, 0,
                        0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 2, 0, 0, 0};
    CVrxPStoredTabs read;
    ASSERT_TRUE(read.Read(wide.data(), static_cast<UINT>(wide.size())));
    ASSERT_EQ(1u, read.GetTabs().size());
    EXPECT_EQ(CString("OK"), read.GetTabs()[0].label);
    const Bytes narrow = {1, 0, 0, 0, 2, 'O', 'K', 1, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF,
                          0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 2, 0, 0, 0};
    EXPECT_EQ(narrow, Stored(read));
}

TEST(CVrxPStoredTabs, DamagedValuesAreRefusedKeepingWhatWasRead)
{
    const auto Cut = [](size_t nLength) { return Bytes(twoTabs.begin(), twoTabs.begin() + static_cast<long>(nLength)); };
    Bytes longer = twoTabs;
    longer.push_back(0);
    const struct
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"count cut short", Cut(3)},
        {"label cut short", {1, 0, 0, 0, 5, 'a', 'b'}},
        {"tab cut short", Cut(10)},
        {"location missing", Cut(twoTabs.size() - 4)},
        {"location cut short", Cut(twoTabs.size() - 1)},
        {"negative count", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"count far beyond the data", {0x00, 0x00, 0x00, 0x40, 1, 'P'}},
        {"bytes after the value", longer},
    };
    for (const auto& c : cases)
    {
        CVrxPStoredTabs read;
        ASSERT_TRUE(read.Read(twoTabs.data(), static_cast<UINT>(twoTabs.size())));
        const CVrxPStoredTabs before = read;
        EXPECT_FALSE(read.Read(c.bytes.data(), static_cast<UINT>(c.bytes.size()))) << c.what;
        EXPECT_TRUE(read == before) << c.what;
    }
}

TEST(CVrxPStoredTabs, TheArchiveFormReadsTheTabsAndLeavesWhatFollows)
{
    Bytes bytes = twoTabs;
    bytes.push_back(0x5A);
    CVrxPStoredTabs read;
    BYTE next = 0;
    ASSERT_TRUE(CVrxPArchivedValue::Load(bytes.data(), static_cast<UINT>(bytes.size()), [&](CArchive& ar) {
        read.Load(ar);
        ar >> next;
    }));
    EXPECT_EQ(2u, read.GetTabs().size());
    EXPECT_EQ(0x5A, next);
}
} // namespace
