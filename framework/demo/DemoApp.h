#pragma once

// The demo's application: loads the forms DLL, opens the MDI frame with a
// form child and a drawing child.

#include "app/CWinApp.h"

class CWnd;

class CDemoApp : public CWinApp
{
public:
    CDemoApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The forms DLL makes its form view in pParent.
    BOOL CreateForm(CWnd* pParent);

private:
    HMODULE m_hForms;
    BOOL(*m_pfnCreateForm)(CWnd*);
};
