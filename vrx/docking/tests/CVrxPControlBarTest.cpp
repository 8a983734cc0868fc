#include "docking/CVrxPControlBar.h"

#include "docking/CVrxPDockBar.h"
#include "docking/CVrxPDockBarRow.h"
#include "docking/tests/DockingTestBars.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "foundation/CVrxPRegistryHolder.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>
#include <vector>

namespace
{
const char testRoot[] = "Software\\korvo vrx control bar tests";
const char profile[] = "Software\\korvo vrx control bar tests\\";
const UINT barId = 59400;

std::string KeyOf(const char* lpszName, UINT nId)
{
    return std::string(testRoot) + "\\" + lpszName + std::to_string(nId);
}

std::vector<BYTE> RawValue(const std::string& key, const char* lpszValue, DWORD& type)
{
    std::vector<BYTE> bytes(64);
    DWORD size = static_cast<DWORD>(bytes.size());
    type = 0;
    if (::SHGetValueA(HKEY_CURRENT_USER, key.c_str(), lpszValue, &type, bytes.data(), &size) != ERROR_SUCCESS)
        return {};
    bytes.resize(size);
    return bytes;
}

void WriteRaw(const std::string& key, const char* lpszValue, DWORD type, const void* pData, DWORD size)
{
    ASSERT_EQ(ERROR_SUCCESS, ::SHSetValueA(HKEY_CURRENT_USER, key.c_str(), lpszValue, type, pData, size));
}

class ControlBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
        ASSERT_TRUE(frame.CreateWithClient(400, 300));
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
    }
    CVrxPDockBar* Top() { return frame.GetBarManager().FindDockBar(CBRS_ALIGN_TOP, TRUE); }

    DockingTestFrame frame;
};

// What a restored bar holds of the record, to compare before and after.
struct Place
{
    CRect floatRect;
    CRect dockedRect;
    DWORD alignment;
    int rowIndex;
    int mruWidth;
    int pinState;
    BOOL floating;
    BOOL visible;
    BOOL restored;

    explicit Place(const CVrxPControlBar& bar)
        : floatRect(bar.GetDockHistory().recentFloatRect), dockedRect(bar.GetDockHistory().recentDockedRect),
          alignment(bar.GetDockHistory().recentAlignment), rowIndex(bar.GetDockHistory().recentRowIndex),
          mruWidth(bar.GetMruWidth()), pinState(bar.GetPinState()), floating(bar.GetRestoredFloating()),
          visible(bar.GetSavedVisibility()), restored(bar.WasStateRestored())
    {
    }
    bool operator==(const Place& o) const
    {
        return floatRect == o.floatRect && dockedRect == o.dockedRect && alignment == o.alignment &&
               rowIndex == o.rowIndex && mruWidth == o.mruWidth && pinState == o.pinState && floating == o.floating &&
               visible == o.visible && restored == o.restored;
    }
};

TEST(ControlBarKeyTest, NamesTheIdInDecimalAndTheSubIndexInHexadecimal)
{
    CVrxPControlBar bar;
    EXPECT_EQ(CString("P\\VrxPControlBar-593921f"), bar.BuildKeyPath("P\\", 59392, 0x1F));
    EXPECT_EQ(CString("P\\VrxPBaseControlBar-593921f"), bar.BuildBaseKeyPath("P\\", 59392, 0x1F));
    EXPECT_EQ(CString("P\\VrxPControlBar-59392"), bar.BuildKeyPath("P\\", 59392, -1));
}

TEST(ControlBarDefaultsTest, ANewBarHasNoMruWidthAndASmallFloatingPlace)
{
    CVrxPControlBar bar;
    EXPECT_EQ(32767, bar.GetMruWidth());
    EXPECT_EQ(CRect(10, 10, 110, 110), bar.GetDockHistory().recentFloatRect);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT), bar.GetDockHistory().recentAlignment);
    EXPECT_TRUE(bar.CanShareRow());
    bar.SetExclusiveRow(1);
    EXPECT_FALSE(bar.CanShareRow());
}

// The bar docked in the second row of the top dock bar is stored, the frame
// goes, and a new frame and bar take the same place from the registry.
TEST_F(ControlBarTest, ItsPlaceRoundTripsAcrossARestart)
{
    ToolbarLikeBar first;
    ToolbarLikeBar second;
    ASSERT_TRUE(first.CreateIn(&frame, barId - 1));
    ASSERT_TRUE(second.CreateIn(&frame, barId));
    frame.GetBarManager().DockControlBar(&first, CVrxPDockBar::idTop, nullptr);
    frame.GetBarManager().DockControlBar(&second, CVrxPDockBar::idTop, nullptr);
    ASSERT_EQ(2, Top()->GetRows().GetCount());
    ASSERT_EQ(1, Top()->RowIndexOf(second.GetDockBarRow()));
    second.GetDockHistory().recentFloatRect.SetRect(30, 40, 230, 140);
    ASSERT_TRUE(second.StoreToRegistry(profile, -1, -1));
    CRect rectDocked;
    second.GetWindowRect(&rectDocked);
    Top()->ScreenToClient(&rectDocked);
    frame.DestroyWindow();

    DockingTestFrame restartedFrame;
    ASSERT_TRUE(restartedFrame.CreateWithClient(400, 300));
    ToolbarLikeBar restartedFirst;
    ToolbarLikeBar restarted;
    ASSERT_TRUE(restartedFirst.CreateIn(&restartedFrame, barId - 1));
    ASSERT_TRUE(restarted.CreateIn(&restartedFrame, barId));
    ASSERT_TRUE(restarted.RestoreFromRegistry(profile, -1, -1));
    EXPECT_TRUE(restarted.WasStateRestored());
    EXPECT_TRUE(restarted.GetSavedVisibility());
    EXPECT_EQ(CRect(30, 40, 230, 140), restarted.GetDockHistory().recentFloatRect);
    EXPECT_EQ(rectDocked, restarted.GetRestoredDockedRect());
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_TOP), restarted.GetDockHistory().recentAlignment);
    EXPECT_EQ(1, restarted.GetDockHistory().recentRowIndex);
    EXPECT_FALSE(restarted.GetRestoredFloating());

    // Applying the loaded layout docks it at its row and place again.
    CVrxPFrameBarManager& manager = restartedFrame.GetBarManager();
    manager.DockControlBar(&restartedFirst, CVrxPDockBar::idTop, nullptr);
    CVrxPBaseControlBar::applyingState = TRUE;
    manager.DockControlBar(&restarted, CVrxPDockBar::idTop, nullptr);
    CVrxPBaseControlBar::applyingState = FALSE;
    CVrxPDockBar* pTop = manager.FindDockBar(CBRS_ALIGN_TOP, TRUE);
    EXPECT_EQ(1, pTop->RowIndexOf(restarted.GetDockBarRow()));
    CRect rectAgain;
    restarted.GetWindowRect(&rectAgain);
    pTop->ScreenToClient(&rectAgain);
    EXPECT_EQ(rectDocked, rectAgain);
    restartedFrame.DestroyWindow();
}

TEST_F(ControlBarTest, StoresTheValuesAsTheseBytes)
{
    ToolbarLikeBar bar(120, 26);
    ASSERT_TRUE(bar.CreateIn(&frame, barId));
    bar.GetDockHistory().recentFloatRect.SetRect(10, 20, 310, 220);
    ASSERT_TRUE(bar.StoreToRegistry(profile, -1, -1));

    const std::string key = KeyOf("VrxPControlBar-", barId);
    DWORD type = 0;
    EXPECT_EQ((std::vector<BYTE>{0x0A, 0, 0, 0, 0x14, 0, 0, 0, 0x36, 0x01, 0, 0, 0xDC, 0, 0, 0}),
              RawValue(key, "RectRecentFloat", type));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    // Never docked: the window in the frame's client area.
    EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0, 0, 0, 0, 0, 120, 0, 0, 0, 26, 0, 0, 0}),
              RawValue(key, "RectRecentDocked", type));
    struct Number
    {
        const char* name;
        DWORD value;
    };
    const Number numbers[] = {{"ID", barId},       {"RecentFrameAlignment", 0x1000}, {"RecentRowIndex", 0},
                              {"IsFloating", 0},   {"MRUWidth", 32767},              {"PinState", 0}};
    for (const Number& number : numbers)
    {
        const std::vector<BYTE> bytes = RawValue(key, number.name, type);
        ASSERT_EQ(4u, bytes.size()) << number.name;
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type) << number.name;
        EXPECT_EQ(number.value, *reinterpret_cast<const DWORD*>(bytes.data())) << number.name;
    }
    const std::vector<BYTE> visible = RawValue(KeyOf("VrxPBaseControlBar-", barId), "IsVisible", type);
    EXPECT_EQ((std::vector<BYTE>{1, 0, 0, 0}), visible);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
}

TEST_F(ControlBarTest, StoringAnswersFalseWhenTheKeyCannotBeMade)
{
    ToolbarLikeBar bar;
    ASSERT_TRUE(bar.CreateIn(&frame, barId));
    // A key name longer than the registry allows.
    const std::string tooLong = std::string(testRoot) + "\\" + std::string(300, 'k') + "\\";
    EXPECT_FALSE(bar.StoreToRegistry(tooLong.c_str(), -1, -1));
    EXPECT_FALSE(bar.CVrxPBaseControlBar::StoreToRegistry(tooLong.c_str(), -1, -1));
}

struct Damage
{
    const char* key;
    const char* value;
    DWORD type;
    std::vector<BYTE> bytes;
};

class DamagedRecordTest : public ControlBarTest, public ::testing::WithParamInterface<Damage>
{
};

// A stored record with one damaged or foreign value is refused whole: the
// bar keeps every member as it was.
TEST_P(DamagedRecordTest, IsRefusedAndChangesNothing)
{
    {
        ToolbarLikeBar stored;
        ASSERT_TRUE(stored.CreateIn(&frame, barId));
        stored.GetDockHistory().recentFloatRect.SetRect(1, 2, 3, 4);
        ASSERT_TRUE(stored.StoreToRegistry(profile, -1, -1));
        stored.DestroyWindow();
    }
    const Damage& damage = GetParam();
    WriteRaw(KeyOf(damage.key, barId), damage.value, damage.type, damage.bytes.data(),
             static_cast<DWORD>(damage.bytes.size()));

    ToolbarLikeBar bar;
    ASSERT_TRUE(bar.CreateIn(&frame, barId));
    bar.GetDockHistory().recentFloatRect.SetRect(50, 60, 70, 80);
    const Place before(bar);
    EXPECT_FALSE(bar.RestoreFromRegistry(profile, -1, -1));
    EXPECT_TRUE(Place(bar) == before);
}

std::vector<BYTE> Dword(DWORD value)
{
    return {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
            static_cast<BYTE>(value >> 24)};
}

// The record's own table of damaged values lies with CVrxPStoredBarRecord;
// these reach it through the registry, with a value of any type.
INSTANTIATE_TEST_SUITE_P(
    Values, DamagedRecordTest,
    ::testing::Values(
        Damage{"VrxPControlBar-", "RectRecentFloat", REG_BINARY, {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}},
        Damage{"VrxPControlBar-", "RecentRowIndex", REG_DWORD, Dword(5000)},
        Damage{"VrxPControlBar-", "PinState", REG_SZ, {'1', 0}},
        Damage{"VrxPControlBar-", "ID", REG_DWORD, Dword(barId + 1)},
        Damage{"VrxPBaseControlBar-", "IsVisible", REG_DWORD, Dword(2)},
        Damage{"VrxPBaseControlBar-", "IsVisible", REG_BINARY, {1}}));

TEST_F(ControlBarTest, AMissingValueLeavesItsMember)
{
    ToolbarLikeBar stored;
    ASSERT_TRUE(stored.CreateIn(&frame, barId));
    stored.SetMruWidth(200);
    ASSERT_TRUE(stored.StoreToRegistry(profile, -1, -1));
    ::SHDeleteValueA(HKEY_CURRENT_USER, KeyOf("VrxPControlBar-", barId).c_str(), "MRUWidth");

    ToolbarLikeBar bar;
    ASSERT_TRUE(bar.CreateIn(&frame, barId + 1));
    bar.SetMruWidth(77);
    EXPECT_TRUE(bar.RestoreFromRegistry(profile, barId, -1));
    EXPECT_EQ(77, bar.GetMruWidth());
    EXPECT_FALSE(bar.RestoreFromRegistry(profile, barId + 5, -1)) << "no key";
}

// The docking archive stores the alignment and the visibility; loading
// replaces the alignment bits instead of adding to them.
TEST(BaseBarArchiveTest, TheStoredAlignmentReplacesTheBarsOwn)
{
    CVrxPBaseControlBar stored;
    stored.SetBarStyle(CBRS_ALIGN_TOP | CBRS_GRIPPER);
    stored.savedVisibility = TRUE;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CVrxPBaseControlBar::applyingState = TRUE;
        stored.Serialize(ar);
        CVrxPBaseControlBar::applyingState = FALSE;
    }
    ASSERT_EQ(8u, file.GetLength());
    file.SeekToBegin();
    BYTE bytes[8] = {};
    file.Read(bytes, 8);
    EXPECT_EQ(0, memcmp(bytes, "\x00\x20\x00\x00\x01\x00\x00\x00", 8));

    CVrxPBaseControlBar loaded;
    loaded.SetBarStyle(CBRS_ALIGN_LEFT | CBRS_BORDER_TOP);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    loaded.Serialize(ar);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_TOP | CBRS_BORDER_TOP), loaded.GetBarStyle());
    EXPECT_TRUE(loaded.GetSavedVisibility());
}

// The record's own table of damaged streams lies with CVrxPStoredBarRecord.
TEST(BaseBarArchiveTest, AForeignStreamLeavesTheBar)
{
    const BYTE stream[] = {0x34, 0x12, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00};
    CVrxPBaseControlBar bar;
    bar.SetBarStyle(CBRS_ALIGN_LEFT);
    CMemFile file(const_cast<BYTE*>(stream), sizeof(stream));
    CArchive ar(&file, CArchive::load);
    BOOL bThrown = FALSE;
    try
    {
        bar.Serialize(ar);
    }
    catch (CException* e)
    {
        e->Delete();
        bThrown = TRUE;
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT), bar.GetBarStyle());
    EXPECT_FALSE(bar.GetSavedVisibility());
}

// Size negotiation of a bar that asks for 100 pixels and shrinks to 40.
TEST_F(ControlBarTest, StretchesWithinItsSavedAndMinimumLengths)
{
    ToolbarLikeBar bar;
    ASSERT_TRUE(bar.CreateIn(&frame, barId));
    EXPECT_EQ(0, bar.StretchBy(30)) << "nothing is missing";
    EXPECT_EQ(-60, bar.StretchBy(-90)) << "down to the minimum";
    CRect rect;
    bar.GetWindowRect(&rect);
    EXPECT_EQ(40, rect.Width());
    EXPECT_EQ(0, bar.StretchBy(-5));
    EXPECT_EQ(60, bar.GetMissingLength());
    EXPECT_EQ(25, bar.StretchBy(25));
    EXPECT_EQ(35, bar.StretchBy(65535));
    bar.GetWindowRect(&rect);
    EXPECT_EQ(100, rect.Width());
}

TEST_F(ControlBarTest, ANarrowRectangleWhoseRightEdgeStaysIsWidenedAtTheLeft)
{
    ToolbarLikeBar bar;
    ASSERT_TRUE(bar.CreateIn(&frame, barId));
    CRect rect;
    bar.GetWindowRect(&rect);
    const CSize change = bar.ResizeToRect(CRect(rect.right - 10, rect.top, rect.right, rect.bottom), FALSE);
    EXPECT_EQ(CSize(-60, 0), change);
    CRect after;
    bar.GetWindowRect(&after);
    EXPECT_EQ(CRect(rect.right - 40, rect.top, rect.right, rect.bottom), after);
    EXPECT_EQ(CSize(0, 0), bar.GetSizeChange(CRect(after.left, after.top, after.left + 5, after.bottom)));
}

TEST_F(ControlBarTest, TheGripperTakesItsPixelsAtTheStartOfTheReadingDirection)
{
    ToolbarLikeBar bar;
    ASSERT_TRUE(bar.CreateIn(&frame, barId));
    bar.SetBarStyle(CBRS_ALIGN_TOP | CBRS_GRIPPER | CBRS_BORDER_BOTTOM);
    CRect rect(0, 0, 100, 26);
    bar.ApplyBorderInsets(rect, TRUE);
    EXPECT_EQ(CRect(6 + 7, 2, 100 - 6, 26 - 1 - 2), rect);
    bar.ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    rect.SetRect(0, 0, 100, 26);
    bar.ApplyBorderInsets(rect, TRUE);
    EXPECT_EQ(CRect(6, 2, 100 - 6 - 7, 26 - 1 - 2), rect);
    rect.SetRect(0, 0, 26, 100);
    bar.ApplyBorderInsets(rect, FALSE);
    EXPECT_EQ(CRect(2, 6 + 7, 26 - 2, 100 - 1 - 6), rect);
}
} // namespace
