#include "docking/CVrxPFrameBarManager.h"

#include "docking/CVrxPDockStateRecord.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/CVrxPRegistryHolder.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

namespace
{
const char testRoot[] = "Software\\korvo vrx docking tests";
const char profile[] = "Software\\korvo vrx docking tests\\";
const int frameIndex = 128;
const UINT paneId = 32804;

class OwnedFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

std::vector<BYTE> StoredStream()
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (!registry.OpenKey(CVrxPFrameBarManager::BuildKeyPath(profile, frameIndex)) ||
        !registry.ReadBinary(CVrxPFrameBarManager::dockStateValueName, pData, nSize))
        return {};
    std::vector<BYTE> bytes(pData, pData + nSize);
    delete[] pData;
    return bytes;
}

void StoreStream(const std::vector<BYTE>& bytes)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    ASSERT_TRUE(registry.MakeKey(CVrxPFrameBarManager::BuildKeyPath(profile, frameIndex)));
    ASSERT_TRUE(registry.WriteBinary(CVrxPFrameBarManager::dockStateValueName, bytes.data(),
                                     static_cast<UINT>(bytes.size())));
}

void Append(std::vector<BYTE>& bytes, int nValue)
{
    for (int i = 0; i < 4; i++)
        bytes.push_back(static_cast<BYTE>((static_cast<unsigned>(nValue) >> (8 * i)) & 0xFF));
}

std::vector<BYTE> Ints(std::initializer_list<int> values)
{
    std::vector<BYTE> bytes;
    for (int nValue : values)
        Append(bytes, nValue);
    return bytes;
}

// A frame with the Output pane docked at its bottom, as korvo has it.
class BarManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
        ASSERT_TRUE(frame.Create(nullptr, "docking", WS_OVERLAPPEDWINDOW, CRect(10, 10, 610, 510)));
        frame.AllowDockingSides(CBRS_ALIGN_ANY);
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
    }
    void AddPane(int nHeight)
    {
        ASSERT_TRUE(pane.Create("Output", &frame, CSize(nHeight, nHeight), TRUE, paneId,
                                WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, 32, 15));
        ASSERT_TRUE(frame.PlaceBarDocked(&pane));
    }
    int PaneWindowHeight()
    {
        CRect rect;
        pane.GetWindowRect(&rect);
        return rect.Height();
    }

    OwnedFrame frame;
    CVrxPDockingControlBar pane;
};

TEST_F(BarManagerTest, AFrameWithoutPanesWritesFiveZeroCounts)
{
    ASSERT_TRUE(frame.GetBarManager().SaveState(profile, frameIndex));
    EXPECT_EQ(Ints({0, 0, 0, 0, 0}), StoredStream());
}

TEST_F(BarManagerTest, KeepsThePaneHeightAcrossAStoreAndALoad)
{
    AddPane(150);
    ASSERT_EQ(150, PaneWindowHeight());
    CVrxPFrameBarManager& manager = frame.GetBarManager();
    ASSERT_TRUE(manager.SaveState(profile, frameIndex));
    const std::vector<BYTE> stream = StoredStream();
    CVrxPDockStateRecord record;
    ASSERT_TRUE(record.Read(stream.data(), stream.size(), TRUE));
    ASSERT_EQ(2u, record.dockList.size()) << "the pane's default slider, then the pane";
    const CVrxPDockStateRecord::SliderRecord& slider = record.dockList[0].slider;
    EXPECT_EQ(CVrxPDockStateRecord::kindSlider, record.dockList[0].kind);
    EXPECT_TRUE(slider.isDefault);
    EXPECT_EQ(DWORD(CBRS_ALIGN_BOTTOM), slider.barAlignment);
    EXPECT_EQ(DWORD(CVrxPDockStateRecord::sliderHorizontal), slider.style);
    EXPECT_EQ(CVrxPSlider::defaultThickness, slider.rect.bottom - slider.rect.top);
    ASSERT_NE(nullptr, slider.manager);
    EXPECT_EQ(static_cast<int>(paneId), slider.manager->root.firstPaneId);
    ASSERT_EQ(1u, slider.manager->panes.size());
    EXPECT_EQ(static_cast<int>(paneId), slider.manager->panes[0].id);
    EXPECT_EQ(CVrxPDockStateRecord::kindPane, record.dockList[1].kind);
    EXPECT_EQ(static_cast<int>(paneId), record.dockList[1].pane.id);
    EXPECT_EQ(stream, record.Write());

    pane.SetHeight(60);
    ASSERT_EQ(60, PaneWindowHeight());
    ASSERT_TRUE(manager.LoadState(profile, frameIndex));
    EXPECT_TRUE(pane.WasStateRestored());
    EXPECT_EQ(60, PaneWindowHeight()) << "a load places nothing";
    manager.ApplyState();
    EXPECT_EQ(150, PaneWindowHeight());
}

TEST_F(BarManagerTest, AFloatingPaneFloatsAgainWhereItWas)
{
    AddPane(150);
    ASSERT_TRUE(pane.FloatPane(CRect(200, 150, 600, 350)));
    CVrxPFrameBarManager& manager = frame.GetBarManager();
    ASSERT_TRUE(manager.SaveState(profile, frameIndex));
    pane.DockPane();
    ASSERT_FALSE(pane.IsFloating());
    ASSERT_TRUE(manager.LoadState(profile, frameIndex));
    manager.ApplyState();
    ASSERT_TRUE(pane.IsFloating());
    CRect rect;
    pane.GetMiniFrame()->GetWindowRect(&rect);
    EXPECT_EQ(CRect(200, 150, 600, 350), rect);
}

TEST_F(BarManagerTest, ThePaneKeepsItsPlaceUnderItsOwnKey)
{
    AddPane(120);
    ASSERT_TRUE(pane.StoreToRegistry(profile, -1, -1));
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    ASSERT_TRUE(registry.OpenKey(CString(profile) + "VrxPControlBar-32804"));
    int nValue = 0;
    EXPECT_TRUE(registry.ReadInt("ID", nValue));
    EXPECT_EQ(static_cast<int>(paneId), nValue);
    EXPECT_TRUE(registry.ReadInt("RecentFrameAlignment", nValue));
    EXPECT_EQ(static_cast<int>(CBRS_ALIGN_BOTTOM), nValue);
    EXPECT_TRUE(registry.ReadInt("MRUWidth", nValue));
    EXPECT_EQ(CVrxPDockingControlBar::noMruWidth, nValue);
    RECT rect = {};
    EXPECT_TRUE(registry.ReadRect("RectRecentDocked", rect));
    EXPECT_EQ(120, rect.bottom - rect.top);
    EXPECT_TRUE(registry.ReadRect("RectRecentFloat", rect));
    CRect rectCreated(0, 0, 120, 120);
    frame.ClientToScreen(&rectCreated);
    EXPECT_EQ(rectCreated, CRect(rect)) << "a control bar floats first where it was made";
}

TEST_F(BarManagerTest, AMissingValueIsNoFailedLoad)
{
    AddPane(150);
    EXPECT_FALSE(frame.GetBarManager().LoadState(profile, frameIndex));
    EXPECT_FALSE(frame.GetBarManager().IsLoadFailed());
}

struct DamagedStream
{
    const char* what;
    std::vector<BYTE> bytes;
};

void PrintTo(const DamagedStream& stream, std::ostream* pOut)
{
    *pOut << stream.what;
}

class DamagedStreamTest : public BarManagerTest, public ::testing::WithParamInterface<DamagedStream>
{
};

TEST_P(DamagedStreamTest, FailsAndAppliesNothing)
{
    AddPane(150);
    CVrxPFrameBarManager& manager = frame.GetBarManager();
    ASSERT_TRUE(manager.SaveState(profile, frameIndex));
    StoreStream(GetParam().bytes);
    pane.SetHeight(60);
    EXPECT_FALSE(manager.LoadState(profile, frameIndex)) << GetParam().what;
    EXPECT_TRUE(manager.IsLoadFailed());
    manager.ApplyState();
    EXPECT_EQ(60, PaneWindowHeight());
}

INSTANTIATE_TEST_SUITE_P(
    Streams, DamagedStreamTest,
    ::testing::Values(DamagedStream{"truncated", Ints({0, 1, 1})},
                      DamagedStream{"a negative count", Ints({0, -5, 0, 0, 0})},
                      DamagedStream{"a floating frame", Ints({0, 1, 1, static_cast<int>(paneId), 1, 0, 0})},
                      DamagedStream{"a slider entry cut short", Ints({0, 1, 0, 7, 7, 7})},
                      DamagedStream{"a kind that is neither slider nor pane",
                                    Ints({0, 1, 2, static_cast<int>(paneId), 0, 0, 0})}));

TEST_F(BarManagerTest, ReadsAutoHideRecordsAndDropsEmptyIds)
{
    std::vector<BYTE> bytes = Ints({0, 0, 0, 1, static_cast<int>(paneId), CBRS_ALIGN_LEFT, 1, 2, -1, 7});
    const std::vector<BYTE> tail = Ints({-100, 5, -20, 305, 1, 0, 1, 0});
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    StoreStream(bytes);
    CVrxPFrameBarManager& manager = frame.GetBarManager();
    ASSERT_TRUE(manager.LoadState(profile, frameIndex));
    ASSERT_EQ(1, manager.GetAutoHideRecordCount());
    const CVrxPFrameBarManager::AutoHideRecord& record = manager.GetAutoHideRecord(0);
    EXPECT_EQ(static_cast<int>(paneId), record.id);
    EXPECT_EQ(static_cast<int>(CBRS_ALIGN_LEFT), record.alignment);
    EXPECT_EQ(1, record.visible);
    ASSERT_EQ(1, record.ids.GetSize());
    EXPECT_EQ(7, record.ids[0]);
    EXPECT_EQ(CRect(-100, 5, -20, 305), record.rect);
    EXPECT_EQ(1, record.state[0]);
    EXPECT_EQ(0, record.state[1]);
    EXPECT_EQ(1, record.state[2]);
}

TEST_F(BarManagerTest, DocksOnlyAtAllowedSides)
{
    OwnedFrame other;
    ASSERT_TRUE(other.Create(nullptr, "top only", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 300)));
    other.AllowDockingSides(CBRS_ALIGN_TOP);
    CVrxPDockingControlBar bottom;
    ASSERT_TRUE(bottom.Create("Bottom", &other, CSize(100, 100), TRUE, 1, WS_CHILD | CBRS_ALIGN_BOTTOM, 0, 0));
    EXPECT_FALSE(other.PlaceBarDocked(&bottom));
    EXPECT_FALSE(bottom.IsDocked());
    EXPECT_EQ(NULL, other.GetBarManager().GetBarList().Find(&bottom));
    other.DestroyWindow();
}

TEST_F(BarManagerTest, AutoHideSidesAlsoDock)
{
    OwnedFrame other;
    ASSERT_TRUE(other.Create(nullptr, "auto-hide", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 300)));
    EXPECT_TRUE(other.CreateAutoHideSites(CBRS_ALIGN_LEFT | CBRS_ALIGN_BOTTOM));
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT | CBRS_ALIGN_BOTTOM), other.GetBarManager().GetAutoHideSides());
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT | CBRS_ALIGN_BOTTOM), other.GetAllowedDockingSides());
    other.DestroyWindow();
}

struct DockStyleCase
{
    int requested;
    int stored;
};

class GlobalDockStyleTest : public ::testing::TestWithParam<DockStyleCase>
{
protected:
    void TearDown() override { CVrxPFrameBarManager::SetGlobalDockStyle(CVrxPFrameBarManager::defaultDockStyle); }
};

TEST_P(GlobalDockStyleTest, MarkersAloneAlsoMoveAtOnce)
{
    CVrxPFrameBarManager::SetGlobalDockStyle(GetParam().requested);
    EXPECT_EQ(GetParam().stored, CVrxPFrameBarManager::GetGlobalDockStyle());
}

INSTANTIATE_TEST_SUITE_P(Styles, GlobalDockStyleTest,
                         ::testing::Values(DockStyleCase{128, 129}, DockStyleCase{2, 2}, DockStyleCase{1, 1},
                                           DockStyleCase{130, 130}));
} // namespace
