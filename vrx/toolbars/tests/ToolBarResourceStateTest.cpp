// Toolbars made from toolbar resources, their saved state restored against
// a resource that changed since, a damaged state and a reset.

#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include "ToolBarTestResources.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <vector>

namespace
{
const char testRoot[] = "Software\\korvo vrx toolbar state tests";
const char profile[] = "Software\\korvo vrx toolbar state tests\\";
const int barKey = 59400;

std::vector<UINT> Commands(const CVrxPToolBar& bar)
{
    std::vector<UINT> commands;
    for (int i = 0; i < bar.GetCount(); i++)
        commands.push_back(bar.GetButton(i)->IsSeparator() ? 0 : bar.GetButton(i)->commandId);
    return commands;
}

std::vector<UINT> Commands(const CObList& list)
{
    std::vector<UINT> commands;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        commands.push_back(static_cast<CVrxPToolbarButton*>(list.GetNext(pos))->commandId);
    return commands;
}

class ToolBarResourceStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
        CVrxPToolBar::ForgetDefaultImages();
        CVrxPToolBar::SetSharedImages(&images, nullptr);
    }
    void TearDown() override
    {
        CVrxPToolBar::SetSharedImages(nullptr, nullptr);
        CVrxPToolBar::ForgetDefaultImages();
        ::SHDeleteKeyA(HKEY_CURRENT_USER, testRoot);
    }

    CVrxPToolbarImageList images;
};
} // namespace

TEST_F(ToolBarResourceStateTest, AResourceGivesItsButtonsWithConsecutiveImages)
{
    CVrxPToolBar bar;
    ASSERT_TRUE(bar.LoadToolbarResource(IDR_TEST_TOOLBAR));
    EXPECT_EQ((std::vector<UINT>{ID_TEST_X, 0, ID_TEST_Y}), Commands(bar));
    EXPECT_EQ((std::vector<UINT>{ID_TEST_X, 0, ID_TEST_Y}), Commands(bar.OriginalItems()));
    EXPECT_EQ(3, images.GetCount()) << "the bitmap's three images";
    EXPECT_EQ(CSize(16, 15), images.GetImageSize());
    EXPECT_EQ(0, bar.GetButton(0)->imageIndex);
    EXPECT_EQ(1, bar.GetButton(2)->imageIndex);
    EXPECT_EQ(1, CVrxPToolBar::DefaultImageOf(ID_TEST_Y));
    EXPECT_EQ(IDR_TEST_TOOLBAR, static_cast<int>(bar.GetResourceId()));

    // A second bar's bitmap follows the first in the shared list.
    CVrxPToolBar second;
    ASSERT_TRUE(second.LoadToolbarResource(IDR_TEST_TOOLBAR_SHRUNK));
    EXPECT_EQ(3, second.GetButton(0)->imageIndex);
    EXPECT_EQ(6, images.GetCount());
}

TEST_F(ToolBarResourceStateTest, AMissingResourceLeavesTheBarAsItWas)
{
    CVrxPToolBar bar;
    bar.InsertButtonCopy(CVrxPToolbarButton(7, -1, "kept"));
    EXPECT_FALSE(bar.LoadToolbarResource(4711));
    EXPECT_EQ(std::vector<UINT>{7}, Commands(bar));
    EXPECT_FALSE(bar.CanRestoreOriginal());
    CVrxPToolBar::SetSharedImages(nullptr, nullptr);
    EXPECT_FALSE(bar.LoadToolbarResource(IDR_TEST_TOOLBAR)) << "no image list to take the bitmap";
    EXPECT_EQ(std::vector<UINT>{7}, Commands(bar));
}

// The user put Y before X; then a new version of the program brought Z
// between X and Y.
TEST_F(ToolBarResourceStateTest, ASavedBarTakesTheCommandsItsResourceGainedAndLoses)
{
    {
        CVrxPToolBar bar;
        ASSERT_TRUE(bar.LoadToolbarResource(IDR_TEST_TOOLBAR));
        CVrxPToolbarButton y;
        y.AssignFrom(*bar.GetButton(2));
        bar.RemoveButtonAt(2);
        bar.InsertButtonCopy(y, 0);
        ASSERT_EQ((std::vector<UINT>{ID_TEST_Y, ID_TEST_X}), Commands(bar));
        ASSERT_TRUE(bar.StoreToRegistry(profile, barKey));
    }
    CVrxPToolBar changed;
    ASSERT_TRUE(changed.LoadToolbarResource(IDR_TEST_TOOLBAR_CHANGED));
    ASSERT_TRUE(changed.RestoreFromRegistry(profile, barKey));
    // Y stays where the user put it; Z goes to its resource position (2,
    // after X and the separator), here the end of the user's two buttons.
    EXPECT_EQ((std::vector<UINT>{ID_TEST_Y, ID_TEST_X, ID_TEST_Z}), Commands(changed));
    EXPECT_TRUE(changed.HasChangedOriginals());

    CVrxPToolBar shrunk;
    ASSERT_TRUE(shrunk.LoadToolbarResource(IDR_TEST_TOOLBAR_SHRUNK));
    ASSERT_TRUE(shrunk.RestoreFromRegistry(profile, barKey));
    EXPECT_EQ(std::vector<UINT>{ID_TEST_X}, Commands(shrunk));
    EXPECT_TRUE(shrunk.HasChangedOriginals());

    CVrxPToolBar same;
    ASSERT_TRUE(same.LoadToolbarResource(IDR_TEST_TOOLBAR));
    ASSERT_TRUE(same.RestoreFromRegistry(profile, barKey));
    EXPECT_EQ((std::vector<UINT>{ID_TEST_Y, ID_TEST_X}), Commands(same));
    EXPECT_FALSE(same.HasChangedOriginals());
    EXPECT_EQ((std::vector<UINT>{ID_TEST_X, 0, ID_TEST_Y}), Commands(same.ResetButtons()))
        << "the reset buttons came back with the state";
}

TEST_F(ToolBarResourceStateTest, ADamagedStateFailsAndTheBarComesBackFromItsResource)
{
    {
        CVrxPToolBar bar;
        ASSERT_TRUE(bar.LoadToolbarResource(IDR_TEST_TOOLBAR));
        bar.RemoveButtonAt(0);
        ASSERT_TRUE(bar.StoreToRegistry(profile, barKey));
    }
    CString key;
    {
        CVrxPToolBar bar;
        key = bar.BuildToolbarKeyPath(profile, barKey, -1);
    }
    {
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        ASSERT_TRUE(registry.OpenKey(key));
        const BYTE damaged[] = {0, 0, 0, 0, 1, 0, 0, 0, 5, 0, 0xFF, 0xFF};
        ASSERT_TRUE(registry.WriteBinary("Buttons", damaged, sizeof(damaged)));
    }
    CVrxPToolBar bar;
    ASSERT_TRUE(bar.LoadToolbarResource(IDR_TEST_TOOLBAR));
    bar.RemoveButtonAt(2);
    EXPECT_FALSE(bar.RestoreFromRegistry(profile, barKey));
    EXPECT_EQ((std::vector<UINT>{ID_TEST_X, 0, ID_TEST_Y}), Commands(bar));
}

TEST_F(ToolBarResourceStateTest, ResetBringsBackTheResourceButtons)
{
    CVrxPToolBar bar;
    EXPECT_FALSE(bar.RestoreOriginalState()) << "a bar without a resource";
    ASSERT_TRUE(bar.LoadToolbarResource(IDR_TEST_TOOLBAR_CHANGED));
    bar.RemoveButtonAt(0);
    bar.InsertButtonCopy(CVrxPToolbarButton(9, -1, "mine"));
    const int nImages = images.GetCount();
    ASSERT_TRUE(bar.RestoreOriginalState());
    EXPECT_EQ((std::vector<UINT>{ID_TEST_X, 0, ID_TEST_Z, ID_TEST_Y}), Commands(bar));
    EXPECT_EQ(nImages, images.GetCount()) << "the images are not loaded again";
    EXPECT_EQ(0, bar.GetButton(0)->imageIndex);
}

TEST_F(ToolBarResourceStateTest, MergingFollowsTheResourceItems)
{
    const UINT x = ID_TEST_X, y = ID_TEST_Y, z = ID_TEST_Z;
    const struct
    {
        std::vector<UINT> stored;  // the resource items saved with the buttons
        std::vector<UINT> saved;   // the buttons saved
        std::vector<UINT> now;     // the resource items now
        std::vector<UINT> merged;
        BOOL changed;
    } cases[] = {
        {{x, y}, {x, y}, {x, z, y}, {x, z, y}, TRUE},
        {{x, y}, {y, x}, {x, z, y}, {y, z, x}, TRUE},
        {{x, z, y}, {y, z, x}, {x, y}, {y, x}, TRUE},
        {{x, y}, {y}, {x, y}, {y}, FALSE},  // what the user removed stays away
        {{x, y}, {x, y}, {y, x}, {x, y}, TRUE},  // reordered: nothing moves
    };
    for (const auto& c : cases)
    {
        CVrxPToolBar bar;
        ASSERT_TRUE(bar.AssignButtons(c.now.data(), static_cast<int>(c.now.size()), TRUE));
        bar.DeleteAllButtons();
        for (UINT nID : c.saved)
            bar.InsertButtonCopy(CVrxPToolbarButton(nID, -1));
        CObList stored;
        for (UINT nID : c.stored)
            stored.AddTail(new CVrxPToolbarButton(nID, -1));
        EXPECT_EQ(c.changed, bar.MergeOriginalItems(stored));
        EXPECT_EQ(c.merged, Commands(bar));
        while (!stored.IsEmpty())
            delete stored.RemoveHead();
    }
}
