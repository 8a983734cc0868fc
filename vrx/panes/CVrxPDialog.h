#pragma once

// The library's dialog base, in its first form: it knows the library popup
// menu opened on its behalf (the popup tells it when it opens and closes),
// and keeps the library's colours and shell settings current when the
// system's change.

#include "dialogs/CDialog.h"

class CVrxPPopupMenu;

class CVrxPDialog : public CDialog
{
    DECLARE_DYNAMIC(CVrxPDialog)
public:
    explicit CVrxPDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);

    // The popup menu open for this dialog (null: none).
    void SetCurrentPopupMenu(CVrxPPopupMenu* pPopup) { m_pPopup = pPopup; }
    CVrxPPopupMenu* GetCurrentPopupMenu() const { return m_pPopup; }

protected:
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);

    DECLARE_MESSAGE_MAP()

private:
    CVrxPPopupMenu* m_pPopup;
};
