#include "toolbars/CVrxPToolbarButton.h"

#include "StoredButtonSamples.h"

#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "files/CSharedFile.h"
#include "foundation/CVrxPWorkspace.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>

// A button kind that appends a field of its own, as the library's kinds do.
class CTestColorButton : public CVrxPToolbarButton
{
    DECLARE_SERIAL(CTestColorButton)
public:
    void Serialize(CArchive& ar) override
    {
        CVrxPToolbarButton::Serialize(ar);
        if (ar.IsStoring())
            ar << colour;
        else
            ar >> colour;
    }

    int colour = 0;
};

IMPLEMENT_SERIAL(CTestColorButton, CVrxPToolbarButton, 1)

namespace
{
// A workspace whose stored state is of a chosen version, or none at all.
class ButtonArchiveTest : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        if (GetParam() == noWorkspace)
            return;
        m_workspace.emplace();
        m_workspace->storedMajor = GetParam() >> 16;
        m_workspace->storedMinor = 10 * ((GetParam() >> 8) & 0xF) + ((GetParam() >> 4) & 0xF);
        ASSERT_EQ(GetParam(), m_workspace->PackedStateVersion());
    }

    static constexpr int noWorkspace = -2;
    std::optional<CVrxPWorkspace> m_workspace;
};

std::unique_ptr<CVrxPToolbarButton> UserImageButton()
{
    auto pButton = std::make_unique<CVrxPToolbarButton>(0x8123, 6, "&Save && close", TRUE);
    pButton->style = CVrxPToolbarButton::styleCheckBox;
    pButton->textShown = TRUE;
    pButton->visible = FALSE;
    return pButton;
}

std::unique_ptr<CVrxPToolbarButton> ThroughDragData(const CVrxPToolbarButton& button)
{
    HGLOBAL hData = button.CreateDragData();
    if (hData == NULL)
        return nullptr;
    std::unique_ptr<CVrxPToolbarButton> pCopy(CVrxPToolbarButton::CreateFromDragData(hData));
    ::GlobalFree(hData);
    return pCopy;
}
} // namespace

// The visible flag travels from 0x60410 on; before it, or without a
// workspace, a button comes back visible. A user image comes back as one.
TEST_P(ButtonArchiveTest, DragDataRoundTripsPerStoredVersion)
{
    const std::unique_ptr<CVrxPToolbarButton> pCopy = ThroughDragData(*UserImageButton());
    ASSERT_NE(nullptr, pCopy);
    EXPECT_EQ(RUNTIME_CLASS(CVrxPToolbarButton), pCopy->GetRuntimeClass());
    EXPECT_EQ(0x8123u, pCopy->commandId);
    EXPECT_EQ(CVrxPToolbarButton::styleCheckBox, pCopy->style);
    EXPECT_STREQ("&Save && close", (LPCTSTR)pCopy->text);
    EXPECT_TRUE(pCopy->userImage);
    EXPECT_EQ(6, pCopy->userImageIndex);
    EXPECT_EQ(-1, pCopy->imageIndex);
    EXPECT_TRUE(pCopy->textShown);
    EXPECT_EQ(GetParam() >= 0x60410 ? FALSE : TRUE, pCopy->visible);
}

INSTANTIATE_TEST_SUITE_P(Versions, ButtonArchiveTest, ::testing::Values(-2, -1, 0x60400, 0x60410, 0x90400));

TEST(ToolbarButtonDragDataTest, ADerivedButtonKeepsItsClassAndABarMenuIsNotDragged)
{
    CTestColorButton colour;
    colour.commandId = 0x8200;
    colour.colour = 0x00FF8040;
    const std::unique_ptr<CVrxPToolbarButton> pCopy = ThroughDragData(colour);
    ASSERT_NE(nullptr, pCopy);
    ASSERT_EQ(RUNTIME_CLASS(CTestColorButton), pCopy->GetRuntimeClass());
    EXPECT_EQ(0x00FF8040, static_cast<CTestColorButton*>(pCopy.get())->colour);
    EXPECT_EQ(0x8200u, pCopy->commandId);

    EXPECT_EQ(HGLOBAL(NULL), CVrxPToolbarMenuButton(0x8201, NULL, 3, "&File").CreateDragData());
}

// Data offered under the button format by anyone else: an object of another
// class, a truncated button, or nothing.
TEST(ToolbarButtonDragDataTest, ForeignOrTruncatedDataGivesNoButton)
{
    CSampleForeign foreign;
    CSharedFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteClass(foreign.GetRuntimeClass());
        foreign.Serialize(ar);
    }
    HGLOBAL hForeign = file.Detach();
    const int nMadeBefore = CSampleForeign::made;
    EXPECT_EQ(nullptr, CVrxPToolbarButton::CreateFromDragData(hForeign));
    EXPECT_EQ(nMadeBefore, CSampleForeign::made);
    ::GlobalFree(hForeign);

    HGLOBAL hWhole = UserImageButton()->CreateDragData();
    ASSERT_NE(HGLOBAL(NULL), hWhole);
    const SIZE_T nWhole = ::GlobalSize(hWhole);
    HGLOBAL hPart = ::GlobalAlloc(GMEM_MOVEABLE, nWhole - 6);
    std::memcpy(::GlobalLock(hPart), ::GlobalLock(hWhole), nWhole - 6);
    ::GlobalUnlock(hPart);
    ::GlobalUnlock(hWhole);
    EXPECT_EQ(nullptr, CVrxPToolbarButton::CreateFromDragData(hPart));
    ::GlobalFree(hPart);
    ::GlobalFree(hWhole);

    EXPECT_EQ(nullptr, CVrxPToolbarButton::CreateFromDragData(NULL));
}

// The format is named after the module, and one button goes through the
// system clipboard under it.
TEST(ToolbarButtonDragDataTest, TheClipboardCarriesAButtonUnderItsFormat)
{
    const UINT nFormat = CVrxPToolbarButton::ClipboardFormat();
    ASSERT_NE(0u, nFormat);
    EXPECT_EQ(nFormat, CVrxPToolbarButton::ClipboardFormat());
    char name[64] = {};
    ASSERT_GT(::GetClipboardFormatNameA(nFormat, name, sizeof(name)), 0);
    CString expected;
    expected.Format("VrxToolbarButton%lx", static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(::GetModuleHandle(NULL))));
    EXPECT_STREQ((LPCTSTR)expected, name);

    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    ASSERT_NE(HANDLE(NULL), ::SetClipboardData(nFormat, UserImageButton()->CreateDragData()));
    ::CloseClipboard();
    ASSERT_TRUE(::OpenClipboard(NULL));
    std::unique_ptr<CVrxPToolbarButton> pPasted(CVrxPToolbarButton::CreateFromDragData(::GetClipboardData(nFormat)));
    ::EmptyClipboard();
    ::CloseClipboard();
    ASSERT_NE(nullptr, pPasted);
    EXPECT_EQ(0x8123u, pPasted->commandId);
}

TEST(ToolbarButtonImageTest, SeparatorsKeepTheirWidthAndButtonsWithoutImagesShowText)
{
    CVrxPToolbarButton separator;
    separator.style = CVrxPToolbarButton::styleSeparator;
    separator.AssignImage(20);
    EXPECT_EQ(20, separator.imageIndex);
    separator.AssignImage(0);
    EXPECT_EQ(0, separator.imageIndex);

    CVrxPToolbarButton imageless(0x8300, 4, "Go");
    imageless.textShown = FALSE;
    EXPECT_TRUE(imageless.imageShown);
    imageless.AssignImage(-1);
    EXPECT_FALSE(imageless.imageShown);
    EXPECT_TRUE(imageless.textShown);
}

TEST(ToolbarButtonImageTest, CopiesTakeTheRecordAndClearTheReservedFlag)
{
    const std::unique_ptr<CVrxPToolbarButton> pSource = UserImageButton();
    pSource->reserved = 1;
    pSource->wrap = TRUE;
    pSource->customizeName = "Save and close";
    CVrxPToolbarButton copy;
    copy.AssignFrom(*pSource);
    EXPECT_EQ(0x8123u, copy.commandId);
    EXPECT_TRUE(copy.userImage);
    EXPECT_EQ(6, copy.userImageIndex);
    EXPECT_TRUE(copy.wrap);
    EXPECT_STREQ("Save and close", (LPCTSTR)copy.customizeName);
    EXPECT_FALSE(copy.visible);
    EXPECT_EQ(0, copy.reserved);
}
