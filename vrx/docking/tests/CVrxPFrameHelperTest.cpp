#include "docking/mdi/CVrxPFrameHelper.h"

#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace
{
const char testRoot[] = "Software\\korvo vrx frame helper tests";
const char profile[] = "Software\\korvo vrx frame helper tests\\";

class OwnedFrame : public CVrxPMDIFrameWnd
{
protected:
    void PostNcDestroy() override {}
};

class FrameHelperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
        ASSERT_TRUE(frame.Create(nullptr, "helper", WS_OVERLAPPEDWINDOW, CRect(10, 10, 510, 410)));
    }
    void TearDown() override
    {
        // The toolbars' windows go with the frame first, while their own
        // destruction handlers still run: a toolbar deleted with its window
        // alive would stay in the list of all toolbars.
        frame.DestroyWindow();
        CVrxPFrameHelper& helper = frame.GetFrameHelper();
        while (!helper.userToolbars.IsEmpty())
            delete helper.userToolbars.RemoveHead();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
    }

    OwnedFrame frame;
};

TEST_F(FrameHelperTest, ListsEachLibraryFrameOnce)
{
    const CPtrList& frames = CVrxPFrameHelper::AllFrames();
    ASSERT_TRUE(frames.Find(&frame) != NULL) << "a library frame registers itself when created";
    const INT_PTR nBefore = frames.GetCount();
    CVrxPFrameHelper::RegisterFrame(&frame);
    EXPECT_EQ(nBefore, frames.GetCount());
    CVrxPFrameHelper::UnregisterFrame(&frame);
    EXPECT_TRUE(frames.Find(&frame) == NULL);
    CVrxPFrameHelper::RegisterFrame(&frame);
    EXPECT_TRUE(frames.Find(&frame) != NULL);
}

TEST_F(FrameHelperTest, FrameHelperIsBoundToItsFrameAndManager)
{
    CVrxPFrameHelper& helper = frame.GetFrameHelper();
    EXPECT_EQ(&frame, helper.frameWindow);
    EXPECT_EQ(&frame.GetBarManager(), helper.barManager);
    EXPECT_EQ(&frame, frame.GetBarManager().GetOwnerFrame());
}

TEST_F(FrameHelperTest, OnlyUserToolbarsWithAStoredStateComeBack)
{
    CVrxPFrameHelper& helper = frame.GetFrameHelper();
    helper.PrepareUserToolbars(profile, 0xE828, 0xE82A);
    {
        CVrxPToolBar stored;
        stored.InsertButtonCopy(CVrxPToolbarButton(57600, 0, "New"));
        ASSERT_TRUE(stored.StoreToRegistry(profile, 0xE829));
    }
    helper.RecreateUserToolbars();
    ASSERT_EQ(1, helper.userToolbars.GetCount());
    CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(helper.userToolbars.GetHead());
    EXPECT_EQ(0xE829, pBar->GetDlgCtrlID());
    EXPECT_EQ(1, pBar->GetCount());
    EXPECT_EQ(CVrxPFrameHelper::userToolbarBarStyle, pBar->GetBarStyle() & CVrxPFrameHelper::userToolbarBarStyle);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_ANY), pBar->GetAllowedDocking());
    EXPECT_TRUE(frame.GetBarManager().GetBarList().Find(pBar) != NULL);
    EXPECT_EQ(NULL, ::GetDlgItem(frame.GetSafeHwnd(), 0xE828)) << "a bar without state is destroyed";

    pBar->DeleteAllButtons();
    helper.StoreUserToolbars(TRUE);
    CVrxPToolBar reread;
    ASSERT_TRUE(reread.RestoreFromRegistry(profile, 0xE829));
    EXPECT_EQ(0, reread.GetCount());
}

TEST_F(FrameHelperTest, NoUserToolbarsWithoutARange)
{
    CVrxPFrameHelper& helper = frame.GetFrameHelper();
    helper.PrepareUserToolbars(profile, 0xE831, 0xE828);
    helper.RecreateUserToolbars();
    EXPECT_TRUE(helper.userToolbars.IsEmpty());
}
} // namespace
