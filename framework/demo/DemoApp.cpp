#include "DemoApp.h"

#include "app/AfxMessageBox.h"
#include "DemoIds.h"
#include "DemoMainFrame.h"

namespace
{
const char kFormsDll[] = "framework_demo_forms.dll";

CDemoApp theApp;
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}

CDemoApp::CDemoApp() : m_hForms(NULL), m_pfnCreateForm(nullptr)
{
}

BOOL CDemoApp::InitInstance()
{
    // Loaded by name, as korvo loads its plug-ins: its templates join the
    // resource chain.
    m_hForms = ::LoadLibrary(kFormsDll);
    if (m_hForms != NULL)
    {
        // Through the generic function type the language allows to cast.
        FARPROC pfnExport = ::GetProcAddress(m_hForms, "demo_forms_create");
        m_pfnCreateForm = reinterpret_cast<BOOL (*)(CWnd*)>(reinterpret_cast<void (*)()>(pfnExport));
    }
    if (m_pfnCreateForm == nullptr)
    {
        AfxMessageBox("framework_demo_forms.dll is missing or damaged.");
        return FALSE;
    }

    CDemoMainFrame* pFrame = new CDemoMainFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->LoadFrame(IDR_DEMO_MAIN, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
    {
        m_pMainWnd = nullptr;
        return FALSE;
    }
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    pFrame->MDITile(MDITILE_VERTICAL);
    return TRUE;
}

int CDemoApp::ExitInstance()
{
    if (m_hForms != NULL)
        ::FreeLibrary(m_hForms);
    return CWinApp::ExitInstance();
}

BOOL CDemoApp::CreateForm(CWnd* pParent)
{
    return m_pfnCreateForm(pParent);
}
