#include "app/CCmdUI.h"
#include "windows/CMenu.h"
#include "windows/CWnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
enum : UINT
{
    ID_CHECKED = 100,
    ID_NO_HANDLER = 101,
    ID_COMMAND_ONLY = 102,
    ID_DISABLED = 103,
    ID_RADIO = 104,
    ID_RENAMED = 105,
    ID_INNER_FIRST = 106,
    ID_CHECK_BOX = 107
};

class UpdateTarget : public CCmdTarget
{
protected:
    afx_msg void OnCommand() {}
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(1);
    }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateRadio(CCmdUI* pCmdUI) { pCmdUI->SetRadio(TRUE); }
    afx_msg void OnUpdateRenamed(CCmdUI* pCmdUI) { pCmdUI->SetText("Renamed"); }
    afx_msg void OnUpdateInnerFirst(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UpdateTarget, CCmdTarget)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, OnUpdateChecked)
    ON_COMMAND(ID_COMMAND_ONLY, OnCommand)
    ON_COMMAND(ID_DISABLED, OnCommand)
    ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
    ON_COMMAND(ID_RADIO, OnCommand)
    ON_UPDATE_COMMAND_UI(ID_RADIO, OnUpdateRadio)
    ON_COMMAND(ID_RENAMED, OnCommand)
    ON_UPDATE_COMMAND_UI(ID_RENAMED, OnUpdateRenamed)
    ON_UPDATE_COMMAND_UI(ID_INNER_FIRST, OnUpdateInnerFirst)
    ON_UPDATE_COMMAND_UI(ID_CHECK_BOX, OnUpdateChecked)
END_MESSAGE_MAP()

BOOL IsGrayed(CMenu& menu, UINT nID)
{
    return (menu.GetMenuState(nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

TEST(CommandUI, UpdatesTheItemsOfAMenu)
{
    for (BOOL bDisableIfNoHndler : {TRUE, FALSE})
    {
        CMenu inner;
        ASSERT_TRUE(inner.CreatePopupMenu());
        inner.AppendMenu(MF_STRING, ID_INNER_FIRST, "Inner");
        HMENU hInner = inner.Detach();
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, ID_CHECKED, "Checked");
        menu.AppendMenu(MF_STRING, ID_NO_HANDLER, "No handler");
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING, ID_COMMAND_ONLY, "Command only");
        menu.AppendMenu(MF_STRING, ID_DISABLED, "Disabled");
        menu.AppendMenu(MF_STRING, ID_RADIO, "Radio");
        menu.AppendMenu(MF_STRING, ID_RENAMED, "Old name");
        menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hInner), "Popup");

        UpdateTarget target;
        menu.UpdateCommandUI(&target, bDisableIfNoHndler);

        EXPECT_FALSE(IsGrayed(menu, ID_CHECKED));
        EXPECT_TRUE(menu.GetMenuState(ID_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_EQ(bDisableIfNoHndler, IsGrayed(menu, ID_NO_HANDLER));
        EXPECT_FALSE(IsGrayed(menu, ID_COMMAND_ONLY));
        EXPECT_TRUE(IsGrayed(menu, ID_DISABLED));
        MENUITEMINFO info = {};
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        ASSERT_TRUE(menu.GetMenuItemInfo(ID_RADIO, &info));
        EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
        EXPECT_TRUE(info.fState & MFS_CHECKED);
        CString strName;
        menu.GetMenuString(ID_RENAMED, strName, MF_BYCOMMAND);
        EXPECT_STREQ("Renamed", strName);
        // The popup's first item has a handler that disables it; the popup
        // itself stays as it was, and its items wait for their own turn.
        EXPECT_FALSE(menu.GetMenuState(7, MF_BYPOSITION) & MF_GRAYED);
        EXPECT_FALSE(IsGrayed(*CMenu::FromHandle(hInner), ID_INNER_FIRST));
        CMenu::DeleteTempMap();
    }
}

TEST(CommandUI, AHandlerThatRemovesItemsKeepsTheWalkOnTheRemainingOnes)
{
    class ShrinkingTarget : public CCmdTarget
    {
    public:
        CMenu* m_pMenu = nullptr;
        std::vector<UINT> m_asked;

        BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
        {
            if (nCode != CN_UPDATE_COMMAND_UI)
                return FALSE;
            m_asked.push_back(nID);
            // The handler of 2 removes itself and the item before it.
            if (nID == 2)
            {
                m_pMenu->DeleteMenu(2, MF_BYCOMMAND);
                m_pMenu->DeleteMenu(1, MF_BYCOMMAND);
            }
            static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
            return TRUE;
        }
    };
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    for (UINT nID = 1; nID <= 4; ++nID)
        menu.AppendMenu(MF_STRING, nID, "item");
    ShrinkingTarget target;
    target.m_pMenu = &menu;
    menu.UpdateCommandUI(&target, TRUE);
    EXPECT_EQ((std::vector<UINT>{1, 2, 3, 4}), target.m_asked);
}

TEST(CommandUI, UpdatesTheControlsOfAWindow)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, "parent", WS_POPUP, 0, 0, 200, 200, NULL, NULL));
    HWND hWndParent = parent.m_hWnd;
    auto makeButton = [hWndParent](UINT nID, DWORD dwStyle) {
        return ::CreateWindow("Button", "b", WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 20, 20, hWndParent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), NULL, NULL);
    };
    HWND hWndNoHandler = makeButton(ID_NO_HANDLER, BS_PUSHBUTTON);
    HWND hWndCommand = makeButton(ID_COMMAND_ONLY, BS_PUSHBUTTON);
    HWND hWndDisabled = makeButton(ID_DISABLED, BS_PUSHBUTTON);
    HWND hWndCheckBox = makeButton(ID_CHECK_BOX, BS_CHECKBOX);
    HWND hWndRenamed = makeButton(ID_RENAMED, BS_PUSHBUTTON);
    HWND hWndLoneCheck = makeButton(ID_CHECKED + 50, BS_AUTOCHECKBOX);

    UpdateTarget target;
    parent.UpdateDialogControls(&target, TRUE);
    EXPECT_FALSE(::IsWindowEnabled(hWndNoHandler));
    EXPECT_TRUE(::IsWindowEnabled(hWndCommand));
    EXPECT_FALSE(::IsWindowEnabled(hWndDisabled));
    EXPECT_EQ(BST_CHECKED, ::SendMessage(hWndCheckBox, BM_GETCHECK, 0, 0));
    // Check boxes without a handler are left alone.
    EXPECT_TRUE(::IsWindowEnabled(hWndLoneCheck));
    char szText[32];
    ::GetWindowText(hWndRenamed, szText, sizeof(szText));
    EXPECT_STREQ("Renamed", szText);
    parent.DestroyWindow();
}
} // namespace
