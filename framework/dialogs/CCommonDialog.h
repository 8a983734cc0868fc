#pragma once

// The base of the dialogs the system itself provides (file, colour, print):
// their DoModal runs the system's dialog and answers IDOK or IDCANCEL.

#include "dialogs/CDialog.h"

class FRAMEWORK_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);
};
