#include "FramesTestWindows.h"

#include "app/CCmdUI.h"

namespace
{
BOOL TakeRoutedCommand(UINT nID, UINT nBit, const char* pszTarget)
{
    if (((nID - ID_ROUTE_FIRST) & nBit) == 0)
        return FALSE;
    TestLog().push_back(pszTarget);
    return TRUE;
}

// The program's application object, and its start as AfxWinMain would.
TestApp theApp;
const BOOL bAppInitialised = AfxWinInit(::GetModuleHandle(NULL), NULL, const_cast<LPTSTR>(""), SW_SHOWNORMAL);
} // namespace

std::vector<std::string>& TestLog()
{
    static std::vector<std::string> log;
    return log;
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND_EX_RANGE(ID_ROUTE_FIRST, ID_ROUTE_LAST, OnRouted)
END_MESSAGE_MAP()

BOOL TestApp::OnRouted(UINT nID)
{
    return TakeRoutedCommand(nID, kRouteApp, "app");
}

IMPLEMENT_DYNCREATE(TestDocument, CDocument)

int TestDocument::s_nDestroyed = 0;

BEGIN_MESSAGE_MAP(TestDocument, CDocument)
    ON_COMMAND_EX_RANGE(ID_ROUTE_FIRST, ID_ROUTE_LAST, OnRouted)
END_MESSAGE_MAP()

TestDocument::~TestDocument()
{
    ++s_nDestroyed;
}

BOOL TestDocument::OnRouted(UINT nID)
{
    return TakeRoutedCommand(nID, kRouteDocument, "document");
}

IMPLEMENT_DYNCREATE(TestView, CView)

BEGIN_MESSAGE_MAP(TestView, CView)
    ON_COMMAND_EX_RANGE(ID_ROUTE_FIRST, ID_ROUTE_LAST, OnRouted)
END_MESSAGE_MAP()

void TestView::OnInitialUpdate()
{
    ++m_nInitialUpdates;
    CView::OnInitialUpdate();
}

void TestView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    ++m_nUpdates;
    CView::OnUpdate(pSender, lHint, pHint);
}

BOOL TestView::OnRouted(UINT nID)
{
    return TakeRoutedCommand(nID, kRouteView, "view");
}

IMPLEMENT_DYNCREATE(TestFrame, CFrameWnd)

int TestFrame::s_nDestroyed = 0;
BOOL TestFrame::s_bFailCreate = FALSE;

BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_EX_RANGE(ID_ROUTE_FIRST, ID_ROUTE_LAST, OnRouted)
    ON_COMMAND(ID_TEST_HANDLED, OnHandled)
    ON_COMMAND(ID_TEST_ACCEL, OnAccelerator)
    ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

TestFrame::~TestFrame()
{
    ++s_nDestroyed;
}

int TestFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1 || s_bFailCreate)
        return -1;
    return 0;
}

BOOL TestFrame::OnRouted(UINT nID)
{
    return TakeRoutedCommand(nID, kRouteFrame, "frame");
}

void TestFrame::OnHandled()
{
    TestLog().push_back("handled");
}

void TestFrame::OnAccelerator()
{
    TestLog().push_back("frame accelerator");
}

void TestFrame::OnUpdateChecked(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(1);
}

void TestFrame::OnUpdateDisabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bEnableDisabled);
}

BEGIN_MESSAGE_MAP(TestMDIFrame, CMDIFrameWnd)
    ON_COMMAND_EX_RANGE(ID_ROUTE_FIRST, ID_ROUTE_LAST, OnRouted)
    ON_COMMAND(ID_TEST_ACCEL, OnAccelerator)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL TestMDIFrame::OnRouted(UINT nID)
{
    return TakeRoutedCommand(nID, kRouteFrame, "frame");
}

void TestMDIFrame::OnAccelerator()
{
    TestLog().push_back("frame accelerator");
}

void TestMDIFrame::OnDestroy()
{
    TestLog().push_back("destroy frame");
    CMDIFrameWnd::OnDestroy();
}

IMPLEMENT_DYNCREATE(TestChild, CMDIChildWnd)

BEGIN_MESSAGE_MAP(TestChild, CMDIChildWnd)
    ON_COMMAND_EX_RANGE(ID_ROUTE_FIRST, ID_ROUTE_LAST, OnRouted)
    ON_COMMAND(ID_CHILD_ACCEL, OnChildAccelerator)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL TestChild::OnRouted(UINT nID)
{
    return TakeRoutedCommand(nID, kRouteChild, "child");
}

void TestChild::OnChildAccelerator()
{
    CString strTitle;
    GetWindowText(strTitle);
    TestLog().push_back("child accelerator " + std::string(strTitle));
}

void TestChild::OnDestroy()
{
    CString strTitle;
    GetWindowText(strTitle);
    TestLog().push_back("destroy " + std::string(strTitle));
    CMDIChildWnd::OnDestroy();
}
