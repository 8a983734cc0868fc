#include "DemoMainFrame.h"

#include "app/CCmdUI.h"
#include "app/ResourceChain.h"
#include "DemoApp.h"
#include "DemoDialog.h"
#include "DemoDrawChild.h"
#include "DemoIds.h"
#include "frames/CMDIChildWnd.h"

BEGIN_MESSAGE_MAP(CDemoMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_DEMO_DIALOG, OnDemoDialog)
    ON_COMMAND(ID_VIEW_OPTION, OnViewOption)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OPTION, OnUpdateViewOption)
    ON_COMMAND(ID_VIEW_LOCKED, OnViewLocked)
    ON_UPDATE_COMMAND_UI(ID_VIEW_LOCKED, OnUpdateViewLocked)
END_MESSAGE_MAP()

CDemoMainFrame::CDemoMainFrame()
    : m_hMenuForm(NULL), m_hMenuDraw(NULL), m_hAccelForm(NULL), m_bOption(TRUE), m_strDialogText("hello")
{
}

CDemoMainFrame::~CDemoMainFrame()
{
    if (m_hMenuForm != NULL)
        ::DestroyMenu(m_hMenuForm);
    if (m_hMenuDraw != NULL)
        ::DestroyMenu(m_hMenuDraw);
}

BOOL CDemoMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CMDIFrameWnd::PreCreateWindow(cs))
        return FALSE;
    WNDCLASS wndcls;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (!::GetClassInfo(hInst, cs.lpszClass, &wndcls))
        return FALSE;
    wndcls.lpszClassName = DEMO_MAINFRAME_CLASS;
    // A second registration of the same name fails harmlessly.
    ::RegisterClass(&wndcls);
    cs.lpszClass = DEMO_MAINFRAME_CLASS;
    return TRUE;
}

int CDemoMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_statusBar.Create(this))
        return -1;

    HINSTANCE hInst = AfxGetInstanceHandle();
    m_hMenuForm = ::LoadMenu(hInst, MAKEINTRESOURCE(IDR_DEMO_FORM));
    m_hMenuDraw = ::LoadMenu(hInst, MAKEINTRESOURCE(IDR_DEMO_DRAW));
    m_hAccelForm = ::LoadAccelerators(hInst, MAKEINTRESOURCE(IDR_DEMO_FORM));

    // The form child gets its view from the forms DLL once it exists, as a
    // plug-in's child does.
    CMDIChildWnd* pFormChild =
        CreateNewChild(RUNTIME_CLASS(CMDIChildWnd), IDR_DEMO_FORM, m_hMenuForm, m_hAccelForm);
    if (pFormChild == nullptr || !static_cast<CDemoApp*>(AfxGetApp())->CreateForm(pFormChild))
        return -1;
    if (CreateNewChild(RUNTIME_CLASS(CDemoDrawChild), IDR_DEMO_DRAW, m_hMenuDraw) == nullptr)
        return -1;
    return 0;
}

void CDemoMainFrame::OnDemoDialog()
{
    CDemoDialog dialog(this);
    dialog.m_strText = m_strDialogText;
    if (dialog.DoModal() != IDOK)
        return;
    m_strDialogText = dialog.m_strText;
    SetMessageText("Dialog said: " + m_strDialogText);
}

void CDemoMainFrame::OnViewOption()
{
    m_bOption = !m_bOption;
}

void CDemoMainFrame::OnUpdateViewOption(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bOption ? 1 : 0);
}

void CDemoMainFrame::OnViewLocked()
{
    m_bOption = FALSE;
}

void CDemoMainFrame::OnUpdateViewLocked(CCmdUI* pCmdUI)
{
    // Has a handler, but stays disabled while the option is on.
    pCmdUI->Enable(!m_bOption);
}
