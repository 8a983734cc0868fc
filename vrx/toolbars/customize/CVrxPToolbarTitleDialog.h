#pragma once

// Asks for a toolbar's name. OK is possible only while the name is not
// empty; the name is taken as typed (not trimmed).

#include "dialogs/CDialog.h"

class CVrxPToolbarTitleDialog : public CDialog
{
    DECLARE_DYNAMIC(CVrxPToolbarTitleDialog)
public:
    explicit CVrxPToolbarTitleDialog(CWnd* pParent);

    BOOL OnInitDialog() override;

    CString name;

protected:
    void OnOK() override;
    afx_msg void OnNameUpdate();

    DECLARE_MESSAGE_MAP()
};
