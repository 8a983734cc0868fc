#include "toolbars/CVrxPStoredButton.h"

#include "StoredButtonSamples.h"

#include "files/CArchive.h"
#include "files/CMemFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
using Bytes = std::vector<BYTE>;

Bytes FileBytes(CMemFile& file)
{
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

Bytes RecordBytes(CVrxPStoredButton& record, bool bVisibleFlag)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        record.Serialize(ar, bVisibleFlag);
    }
    return FileBytes(file);
}

// What a bar puts on drag data: the object's class, then its fields.
Bytes DragBytes(CObject& object)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteClass(object.GetRuntimeClass());
        object.Serialize(ar);
    }
    return FileBytes(file);
}

std::unique_ptr<CObject> ReadButton(const Bytes& bytes)
{
    return std::unique_ptr<CObject>(
        VrxPReadArchivedButton(bytes.data(), bytes.size(), RUNTIME_CLASS(CSampleButton)));
}

CVrxPStoredButton SampleRecord()
{
    CVrxPStoredButton record;
    record.commandId = 0x1234;
    record.style = 0x40000;
    record.image = 5;
    record.text = "ab";
    record.userImage = 1;
    record.textShown = 1;
    record.imageShown = 0;
    record.visible = 0;
    return record;
}

class SampleVersionTest : public ::testing::Test
{
protected:
    void TearDown() override { sampleStoredVersion = -1; }
};
} // namespace

// The bytes of the record, little-endian, in the order a stored state of each
// version holds them.
TEST(StoredButtonTest, GoldenBytesPerStoredVersion)
{
    const Bytes withoutVisible = {0x34, 0x12, 0, 0, 0, 0, 4, 0, 5, 0, 0, 0, 2, 'a', 'b',
                                  1,    0,    0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0,   0,   0};
    Bytes withVisible = withoutVisible;
    withVisible.insert(withVisible.end(), {0, 0, 0, 0});
    const struct
    {
        int nVersion;
        const Bytes& expected;
    } cases[] = {{-1, withoutVisible}, {0x60400, withoutVisible}, {0x6040F, withoutVisible},
                 {0x60410, withVisible}, {0x90400, withVisible}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nVersion);
        const bool bVisibleFlag = CVrxPStoredButton::CarriesVisibleFlag(c.nVersion);
        CVrxPStoredButton record = SampleRecord();
        const Bytes bytes = RecordBytes(record, bVisibleFlag);
        EXPECT_EQ(c.expected, bytes);

        Bytes copy = bytes;
        CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
        CArchive ar(&file, CArchive::load);
        CVrxPStoredButton read;
        read.Serialize(ar, bVisibleFlag);
        EXPECT_EQ(0x1234, read.commandId);
        EXPECT_EQ(0x40000, read.style);
        EXPECT_EQ(5, read.image);
        EXPECT_STREQ("ab", (LPCTSTR)read.text);
        EXPECT_EQ(1, read.userImage);
        EXPECT_EQ(1, read.textShown);
        EXPECT_EQ(0, read.imageShown);
        EXPECT_EQ(bVisibleFlag ? 0 : 1, read.visible) << "without the flag the button stays visible";
    }
}

TEST_F(SampleVersionTest, ADerivedButtonComesBackWithItsOwnFields)
{
    sampleStoredVersion = 0x60410;
    CSampleMenuButton menu;
    menu.record = SampleRecord();
    menu.menuId = 77;
    const std::unique_ptr<CObject> pRead = ReadButton(DragBytes(menu));
    ASSERT_NE(nullptr, pRead);
    const CSampleMenuButton* pMenu = dynamic_cast<const CSampleMenuButton*>(pRead.get());
    ASSERT_NE(nullptr, pMenu);
    EXPECT_EQ(77, pMenu->menuId);
    EXPECT_EQ(0x1234, pMenu->record.commandId);
    EXPECT_EQ(0, pMenu->record.visible);
}

TEST(StoredButtonTest, AForeignClassIsRefusedBeforeAnyOfItIsMade)
{
    CSampleForeign foreign;
    const Bytes bytes = DragBytes(foreign);
    const int nMadeBefore = CSampleForeign::made;
    EXPECT_EQ(nullptr, ReadButton(bytes));
    EXPECT_EQ(nMadeBefore, CSampleForeign::made);
}

TEST(StoredButtonTest, TruncatedDataNeverGivesAButton)
{
    CSampleMenuButton menu;
    menu.record = SampleRecord();
    const Bytes whole = DragBytes(menu);
    ASSERT_NE(nullptr, ReadButton(whole));
    for (size_t nLength = 0; nLength < whole.size(); nLength++)
    {
        SCOPED_TRACE(nLength);
        const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(nLength));
        EXPECT_EQ(nullptr, ReadButton(part));
    }
}

TEST(StoredButtonTest, OversizedNullOrReferenceDataIsRefused)
{
    CSampleButton button;
    button.record = SampleRecord();
    // Global memory may be larger than what was put in it.
    Bytes oversized = DragBytes(button);
    oversized.resize(oversized.size() + 16);
    ASSERT_NE(nullptr, ReadButton(oversized));
    oversized.resize(CVrxPStoredButton::maxDataBytes + 1);
    EXPECT_EQ(nullptr, ReadButton(oversized));
    // A null object tag, and a tag naming an object read before.
    EXPECT_EQ(nullptr, ReadButton(Bytes{0x00, 0x00}));
    EXPECT_EQ(nullptr, ReadButton(Bytes{0x01, 0x00}));
    EXPECT_EQ(nullptr, VrxPReadArchivedButton(nullptr, 10, RUNTIME_CLASS(CSampleButton)));
}

namespace
{
// A stored list of the objects, as a toolbar writes its resource items.
Bytes ListBytes(std::vector<CObject*> objects)
{
    CObList list;
    for (CObject* pObject : objects)
        list.AddTail(pObject);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        list.Serialize(ar);
    }
    while (!list.IsEmpty())
        delete list.RemoveHead();
    return FileBytes(file);
}

CSampleButton* SampleButton(int nCommand)
{
    CSampleButton* pButton = new CSampleButton;
    pButton->record.commandId = nCommand;
    return pButton;
}
} // namespace

TEST(ButtonListTest, ReadsEveryButtonOfItsKindInOrder)
{
    sampleStoredVersion = -1;
    CSampleMenuButton* pMenu = new CSampleMenuButton;
    pMenu->record.commandId = 2;
    pMenu->menuId = 77;
    const Bytes bytes = ListBytes({SampleButton(1), pMenu, SampleButton(3)});
    CObList loaded;
    ASSERT_TRUE(VrxPLoadButtonList(bytes.data(), bytes.size(), RUNTIME_CLASS(CSampleButton), loaded));
    ASSERT_EQ(3, loaded.GetCount());
    std::vector<int> commands;
    for (POSITION pos = loaded.GetHeadPosition(); pos != NULL;)
        commands.push_back(static_cast<CSampleButton*>(loaded.GetNext(pos))->record.commandId);
    EXPECT_EQ((std::vector<int>{1, 2, 3}), commands);
    const CSampleMenuButton* pRead = dynamic_cast<CSampleMenuButton*>(loaded.GetAt(loaded.FindIndex(1)));
    ASSERT_NE(nullptr, pRead);
    EXPECT_EQ(77, pRead->menuId);
    while (!loaded.IsEmpty())
        delete loaded.RemoveHead();
    const Bytes empty = ListBytes({});
    EXPECT_TRUE(VrxPLoadButtonList(empty.data(), empty.size(), RUNTIME_CLASS(CSampleButton), loaded));
    EXPECT_TRUE(loaded.IsEmpty());
}

TEST(ButtonListTest, RefusesForeignTruncatedAndTrailingDataLeavingNothing)
{
    sampleStoredVersion = -1;
    const Bytes good = ListBytes({SampleButton(1), SampleButton(2)});
    const Bytes foreign = ListBytes({SampleButton(1), new CSampleForeign, SampleButton(3)});
    const Bytes truncated(good.begin(), good.end() - 1);
    Bytes withTrailingByte = good;
    withTrailingByte.push_back(0);
    const Bytes& trailing = withTrailingByte;
    const int foreignMadeBefore = CSampleForeign::made;
    for (const Bytes* pBytes : {&foreign, &truncated, &trailing})
    {
        CObList loaded;
        EXPECT_FALSE(VrxPLoadButtonList(pBytes->data(), pBytes->size(), RUNTIME_CLASS(CSampleButton), loaded));
        EXPECT_TRUE(loaded.IsEmpty());
    }
    EXPECT_EQ(foreignMadeBefore, CSampleForeign::made) << "the foreign class was never made";
    CObList loaded;
    EXPECT_FALSE(VrxPLoadButtonList(nullptr, 0, RUNTIME_CLASS(CSampleButton), loaded));
}
