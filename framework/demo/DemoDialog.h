#pragma once

// The demo's modal dialog: one text bound to an edit control.

#include "dialogs/CDialog.h"

class CDemoDialog : public CDialog
{
public:
    explicit CDemoDialog(CWnd* pParentWnd);

    CString m_strText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
