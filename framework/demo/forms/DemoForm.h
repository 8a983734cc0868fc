#pragma once

// The demo's form, from a template of the forms DLL: a name (text) and a
// count (a number from 1 to 100) bound to edit controls; Apply reads them
// back and greets, the Fill command writes a name.

#include "frames/CFormView.h"

class CDemoForm : public CFormView
{
    DECLARE_DYNAMIC(CDemoForm)
public:
    CDemoForm();

    CString m_strName;
    UINT m_nCount;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnApply();
    afx_msg void OnFormFill();

    DECLARE_MESSAGE_MAP()
};
