#pragma once

// The popup window whose body is a colour bar. It opens under the colour
// menu button that made it, closes when it loses activation, on Escape or
// after a pick, and deletes itself when its window is gone.

#include "panes/colours/CVrxPColorBar.h"
#include "toolbars/CVrxPPopupMenu.h"

class CVrxPColorMenuButton;

class CColorPopup : public CVrxPPopupMenu
{
    DECLARE_DYNAMIC(CColorPopup)
public:
    CColorPopup(const std::vector<COLORREF>& colorList, COLORREF colorSelected, LPCTSTR lpszAutomatic,
                LPCTSTR lpszOther, LPCTSTR lpszDocument, const std::vector<COLORREF>& documentList, int nColumns,
                int nRowsWhenHorizontal, int nColumnsWhenVertical, COLORREF colorAutomatic, UINT nCommand,
                BOOL bUseSystemDialog);

    CVrxPPopupMenuBar* MenuBar() override { return &m_colorBar; }
    CVrxPColorBar& ColorBar() { return m_colorBar; }
    // Shows the popup with its top-left corner at the screen point, owned
    // by pOwner's top-level window. FALSE (the popup deleted) on failure,
    // or while the library is customising.
    BOOL Open(CWnd* pOwner, CPoint pointScreen);
    // Destroys the popup; a non-zero command then goes to the receiver.
    void Close(UINT nCommand);

    // The button that opened the popup, or null.
    CVrxPColorMenuButton* menuButton;
    // Where the picked command goes; the owner's top-level frame by default.
    CWnd* receiver;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    CVrxPColorBar m_colorBar;
};
