#pragma once

// The library's dialog base. It keeps the library's popup menus usable
// inside the dialog (its popup guard), can paint a background bitmap or
// brush behind its controls, and keeps the library's colours and shell
// settings current when it is the application's main window.
//
// The background members are set by the derived dialog before its window is
// created.

#include "dialogs/CDialog.h"
#include "gdi/CBrush.h"
#include "panes/CVrxPDialogHelper.h"

class CDC;
class CVrxPPopupMenu;

class CVrxPDialog : public CDialog
{
    DECLARE_DYNAMIC(CVrxPDialog)
public:
    enum BitmapPlacement
    {
        placeTiled = 0,
        placeTopLeft = 1,
        placeTopRight = 2,
        placeBottomLeft = 3,
        placeBottomRight = 4
    };

    explicit CVrxPDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    ~CVrxPDialog() override;

    // Called by the popup menu code: the popup opened for this dialog, or
    // NULL when the popup chain closed.
    void SetCurrentPopupMenu(CVrxPPopupMenu* pPopup);
    CVrxPPopupMenu* GetCurrentPopupMenu() const { return m_pPopup; }
    CVrxPDialogHelper& PopupGuard() { return m_guard; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

    HBITMAP backgroundBitmap;
    CBrush backgroundBrush;
    int bitmapPlacement;
    // The dialog deletes the bitmap when its window is destroyed.
    BOOL deleteBitmap;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PaintBackgroundBitmap(CDC* pDC, const CRect& rectClient);
    BOOL IsMainWindow() const;

    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDestroy();
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);

    DECLARE_MESSAGE_MAP()

private:
    CVrxPDialogHelper m_guard;
    CVrxPPopupMenu* m_pPopup;
};
