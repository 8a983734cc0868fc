#include "toolbars/CVrxPToolbarCustomize.h"

#include "foundation/VrxPMessages.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include "TestMdiFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// File (&New<Tab>Ctrl+N, Copy), Edit (Copy, More (Go there)), top-level Go.
HMENU MakeMenu()
{
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenu(hFile, MF_STRING, 100, "&New\tCtrl+N");
    ::AppendMenu(hFile, MF_SEPARATOR, 0, nullptr);
    ::AppendMenu(hFile, MF_STRING, 200, "&Copy");
    HMENU hMore = ::CreatePopupMenu();
    ::AppendMenu(hMore, MF_STRING, 300, "Go there");
    HMENU hEdit = ::CreatePopupMenu();
    ::AppendMenu(hEdit, MF_STRING, 200, "&Copy");
    ::AppendMenu(hEdit, MF_POPUP, reinterpret_cast<UINT_PTR>(hMore), "&More");
    HMENU hMenu = ::CreateMenu();
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), "&File");
    ::AppendMenu(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hEdit), "&Edit");
    ::AppendMenu(hMenu, MF_STRING, 400, "&Go");
    return hMenu;
}

std::vector<CString> Texts(const CObList* pList)
{
    std::vector<CString> texts;
    for (POSITION pos = pList != nullptr ? pList->GetHeadPosition() : NULL; pos != NULL;)
        texts.push_back(static_cast<CVrxPToolbarButton*>(pList->GetNext(pos))->text);
    return texts;
}

class CustomizeCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override { m_hMenu = MakeMenu(); }
    void TearDown() override { ::DestroyMenu(m_hMenu); }
    HMENU m_hMenu = NULL;
};

TEST_F(CustomizeCommandsTest, GroupsTheMenuCommandsByTopLevelPopup)
{
    CVrxPToolbarCustomize sheet(nullptr, FALSE, 0);
    sheet.RegisterMenuCommands(m_hMenu, nullptr, nullptr);

    const CStringList& names = sheet.GetCategoryNames();
    ASSERT_EQ(3, names.GetCount());
    EXPECT_STREQ("New Menu", (LPCTSTR)names.GetHead()) << "registered by the constructor";
    EXPECT_STREQ("File", (LPCTSTR)names.GetAt(names.FindIndex(1)));
    EXPECT_STREQ("Edit", (LPCTSTR)names.GetTail());

    const std::vector<CString> file = Texts(sheet.GetCategory("File"));
    ASSERT_EQ(2u, file.size());
    EXPECT_STREQ("New", (LPCTSTR)file[0]) << "no ampersand, no shortcut";
    EXPECT_STREQ("Copy", (LPCTSTR)file[1]);
    EXPECT_EQ(2u, Texts(sheet.GetCategory("Edit")).size()) << "the submenu's command joins its top popup";
    // New Menu, New, Copy, Go there, Go: each command once.
    EXPECT_EQ(5u, Texts(sheet.GetCategory(CVrxPToolbarCustomize::allCommandsName)).size());
    EXPECT_EQ(nullptr, sheet.GetCategory("Go")) << "a top-level command has no category of its own";
    EXPECT_STREQ("Go", sheet.CommandTextById(400));
    EXPECT_EQ(nullptr, sheet.CommandTextById(999));
    EXPECT_EQ(1, CVrxPToolbarCustomize::CountCommandsNamed(
                     "Copy", *sheet.GetCategory(CVrxPToolbarCustomize::allCommandsName)));
}

TEST_F(CustomizeCommandsTest, NamesCommandsByTheirMenuPath)
{
    CVrxPToolbarCustomize sheet(nullptr, FALSE, 0);
    sheet.RegisterMenuCommands(m_hMenu, nullptr, nullptr);
    const CObList* pEdit = sheet.GetCategory("Edit");
    ASSERT_NE(nullptr, pEdit);
    const CVrxPToolbarButton* pGo = static_cast<CVrxPToolbarButton*>(pEdit->GetTail());
    EXPECT_EQ(300u, pGo->commandId);
    EXPECT_STREQ("EditMoreGoThere", (LPCTSTR)pGo->customizeName);
}

TEST_F(CustomizeCommandsTest, KeepsMnemonicsWhenAsked)
{
    CVrxPToolbarCustomize sheet(nullptr, FALSE, CVrxPToolbarCustomize::optionKeepMnemonics);
    sheet.RegisterMenuCommands(m_hMenu, nullptr, nullptr);
    EXPECT_STREQ("&New", sheet.CommandTextById(100));
    EXPECT_NE(nullptr, sheet.GetCategory("File")) << "category names never keep the ampersand";
}

TEST_F(CustomizeCommandsTest, LeavesForbiddenCommandsOut)
{
    CVrxPToolBar::ForbiddenCommands().AddTail(200);
    CVrxPToolbarCustomize sheet(nullptr, FALSE, 0);
    sheet.RegisterMenuCommands(m_hMenu, nullptr, nullptr);
    CVrxPToolBar::ForbiddenCommands().RemoveAll();
    EXPECT_EQ(nullptr, sheet.CommandTextById(200));
    EXPECT_EQ(1u, Texts(sheet.GetCategory("File")).size());
}

// Notes the customise-mode messages it is sent.
class CustomizeFrame : public TestMdiFrame
{
public:
    std::vector<WPARAM> customizeMessages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == VrxTOOLBAR_CUSTOMIZE)
            customizeMessages.push_back(wParam);
        return TestMdiFrame::WindowProc(message, wParam, lParam);
    }
};

TEST(CustomizeSheetTest, DisablesTheFrameWhileOpenAndGivesItBackAsItWas)
{
    CustomizeFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "customise", WS_OVERLAPPEDWINDOW, CRect(30, 30, 530, 430)));
    HMENU hMenu = MakeMenu();
    frame.m_hMenuDefault = hMenu;
    CWnd enabled, disabled;
    ASSERT_TRUE(enabled.CreateEx(0, "STATIC", "on", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 1));
    ASSERT_TRUE(disabled.CreateEx(0, "STATIC", "off", WS_CHILD | WS_DISABLED, CRect(0, 0, 10, 10), &frame, 2));

    CVrxPToolbarCustomize* pSheet = new CVrxPToolbarCustomize(&frame, TRUE, 0x2F);
    pSheet->AllowUserDefinedToolbars(TRUE);
    EXPECT_EQ(0x2Fu, pSheet->GetFlags());
    EXPECT_STREQ("Copy", pSheet->CommandTextById(200)) << "the frame's menu is read at construction";
    EXPECT_FALSE(CVrxPToolBar::customizeMode) << "construction alone changes nothing";
    ASSERT_TRUE(pSheet->Create());
    EXPECT_EQ(pSheet, CVrxPToolbarCustomize::ActiveSheet());
    EXPECT_TRUE(CVrxPToolBar::customizeMode);
    EXPECT_FALSE(enabled.IsWindowEnabled());
    CString title;
    pSheet->GetWindowText(title);
    EXPECT_STREQ("Customize", (LPCTSTR)title);

    pSheet->SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(nullptr, CVrxPToolbarCustomize::ActiveSheet());
    EXPECT_FALSE(CVrxPToolBar::customizeMode);
    EXPECT_TRUE(enabled.IsWindowEnabled());
    EXPECT_FALSE(disabled.IsWindowEnabled()) << "a window disabled before stays disabled";
    EXPECT_EQ((std::vector<WPARAM>{1, 0}), frame.customizeMessages);
    frame.DestroyWindow();
    frame.m_hMenuDefault = NULL;
    ::DestroyMenu(hMenu);
}
} // namespace
