#pragma once

// The customise sheet's Toolbars page: the frame's toolbars with check
// marks that show and hide them, and Reset, Reset All, New, Rename and
// Delete. Every change takes effect at once.

#include "dialogs/CPropertyPage.h"
#include "toolbars/customize/CVrxPBarCheckList.h"

class CFrameWnd;
class CVrxPToolBar;

class CVrxPToolbarsPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CVrxPToolbarsPage)
public:
    static constexpr const char untitledName[] = "<Untitled>";
    static constexpr const char resetQuestion[] =
        "All your changes will be lost! Do you really want to reset the toolbar '%s'?";
    static constexpr const char resetAllQuestion[] =
        "All your changes will be lost! Do you really want to reset all toolbars and menus?";
    static constexpr const char deleteQuestion[] = "Do you really want to delete the toolbar '%s'?";

    explicit CVrxPToolbarsPage(CFrameWnd* pFrame = nullptr);

    BOOL OnInitDialog() override;
    void AllowUserDefinedToolbars(BOOL bAllow) { m_bUserDefined = bAllow; }
    void ShowTextLabelsOption(BOOL bShow) { m_bTextLabelsOption = bShow; }
    // The row of the toolbar shows the state; nothing without such a row.
    void SetToolbarCheck(CVrxPToolBar* pBar, BOOL bShown);
    CVrxPToolBar* GetSelectedToolbar() const { return m_pSelected; }
    CVrxPBarCheckList& GetToolbarList() { return m_list; }
    // One of the frame's user-defined toolbars.
    static BOOL IsUserDefinedToolbar(CVrxPToolBar* pBar);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnSelectionChange();
    afx_msg void OnDoubleClick();
    afx_msg void OnReset();
    afx_msg void OnResetAll();
    afx_msg void OnNew();
    afx_msg void OnRename();
    afx_msg void OnDelete();

    DECLARE_MESSAGE_MAP()

private:
    BOOL IsListed(CVrxPToolBar* pBar) const;
    // The row at its sorted place, selected and scrolled to the top.
    int AddRow(CVrxPToolBar* pBar, BOOL bSelect);
    int RowOf(CVrxPToolBar* pBar) const;
    void OnCheckChange();
    void EnableButton(UINT nID, BOOL bEnable);

    CVrxPBarCheckList m_list;
    CVrxPToolBar* m_pSelected;
    CFrameWnd* m_pFrame;
    BOOL m_bUserDefined;
    BOOL m_bTextLabelsOption;
};
