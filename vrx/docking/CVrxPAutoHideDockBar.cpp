#include "docking/CVrxPAutoHideDockBar.h"

#include "app/AfxRegisterWndClass.h"
#include "docking/CVrxPAutoHideButton.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPDockingUtils.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPInplaceToolTipCtrl.h"
#include "foundation/VrxPLibrary.h"
#include "frames/CFrameWnd.h"
#include "gdi/CPaintDC.h"
#include "windows/FrameworkMessages.h"

IMPLEMENT_DYNAMIC(CVrxPAutoHideDockBar, CWnd)

BEGIN_MESSAGE_MAP(CVrxPAutoHideDockBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
const UINT_PTR kCheckTimer = 1;

BOOL IsVertical(DWORD dwSide)
{
    return dwSide == CBRS_ALIGN_LEFT || dwSide == CBRS_ALIGN_RIGHT;
}
} // namespace

CVrxPAutoHideDockBar::CVrxPAutoHideDockBar() : m_dwSide(CBRS_ALIGN_BOTTOM), m_pShown(nullptr)
{
}

CVrxPAutoHideDockBar::~CVrxPAutoHideDockBar()
{
    while (!m_buttons.IsEmpty())
        delete static_cast<CVrxPAutoHideButton*>(m_buttons.RemoveHead());
}

BOOL CVrxPAutoHideDockBar::Create(CWnd* pFrame, DWORD dwSide)
{
    m_dwSide = dwSide;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, lpszClass, "", WS_CHILD | WS_CLIPSIBLINGS, CRect(0, 0, 0, 0), pFrame, 0);
}

int CVrxPAutoHideDockBar::TextHeight() const
{
    TEXTMETRIC tm;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextMetrics(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return tm.tmHeight;
}

int CVrxPAutoHideDockBar::GetThickness() const
{
    return TextHeight() + 2 * buttonPadding;
}

CVrxPAutoHideButton* CVrxPAutoHideDockBar::GetButton(int nIndex) const
{
    POSITION pos = nIndex < 0 ? NULL : m_buttons.FindIndex(nIndex);
    return pos == NULL ? nullptr : static_cast<CVrxPAutoHideButton*>(m_buttons.GetAt(pos));
}

void CVrxPAutoHideDockBar::AddPane(CVrxPDockingControlBar* pPane)
{
    CObject* pObject = VrxPAutoHideButtonClass->CreateObject();
    CVrxPAutoHideButton* pButton = dynamic_cast<CVrxPAutoHideButton*>(pObject);
    if (pButton == nullptr)
    {
        delete pObject;
        pButton = new CVrxPAutoHideButton;
    }
    pButton->SetPane(pPane);
    m_buttons.AddTail(pButton);
    ShowWindow(SW_SHOW);
    LayoutButtons();
    RelayoutFrame();
}

BOOL CVrxPAutoHideDockBar::RemovePane(CVrxPDockingControlBar* pPane)
{
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL;)
    {
        POSITION current = pos;
        CVrxPAutoHideButton* pButton = static_cast<CVrxPAutoHideButton*>(m_buttons.GetNext(pos));
        if (pButton->GetPane() != pPane)
            continue;
        if (m_pShown == pPane)
            ShowPane(pPane, FALSE);
        m_buttons.RemoveAt(current);
        delete pButton;
        if (m_buttons.IsEmpty())
            ShowWindow(SW_HIDE);
        LayoutButtons();
        RelayoutFrame();
        return TRUE;
    }
    return FALSE;
}

// Buttons follow each other along the strip, each as long as its caption.
void CVrxPAutoHideDockBar::LayoutButtons()
{
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    const int nThickness = GetThickness();
    int nAlong = buttonGap;
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL;)
    {
        CVrxPAutoHideButton* pButton = static_cast<CVrxPAutoHideButton*>(m_buttons.GetNext(pos));
        CString caption;
        pButton->GetPane()->GetWindowText(caption);
        SIZE extent = {};
        ::GetTextExtentPoint32(hDC, caption, caption.GetLength(), &extent);
        const int nLength = (CVrxPAutoHideButton::labelsHidden ? 0 : extent.cx) + 2 * buttonPadding;
        if (IsVertical(m_dwSide))
            pButton->rect.SetRect(0, nAlong, nThickness, nAlong + nLength);
        else
            pButton->rect.SetRect(nAlong, 0, nAlong + nLength, nThickness);
        nAlong += nLength + buttonGap;
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    Invalidate();
}

int CVrxPAutoHideDockBar::ButtonIndexAtPoint(CPoint point) const
{
    int nIndex = 0;
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL; nIndex++)
        if (static_cast<CVrxPAutoHideButton*>(m_buttons.GetNext(pos))->rect.PtInRect(point))
            return nIndex;
    return -1;
}

void CVrxPAutoHideDockBar::RelayoutFrame()
{
    if (CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(GetParent()))
        pFrame->RecalcLayout();
}

LRESULT CVrxPAutoHideDockBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    CRect rectArea = pLayout->rect;
    const CRect rect = CVrxPDockingUtils::CutSide(rectArea, m_dwSide, GetThickness());
    pLayout->rect = rectArea;
    if (pLayout->hDWP != NULL)
        pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, NULL, rect.left, rect.top, rect.Width(),
                                         rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void CVrxPAutoHideDockBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    dc.FillSolidRect(&rectClient, VrxPGlobals().colorBarFace);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(VrxPGlobals().colorBarText);
    for (POSITION pos = m_buttons.GetHeadPosition(); pos != NULL;)
    {
        CVrxPAutoHideButton* pButton = static_cast<CVrxPAutoHideButton*>(m_buttons.GetNext(pos));
        CRect rect = pButton->rect;
        dc.Draw3dRect(&rect, VrxPGlobals().colorBarLightEdge, VrxPGlobals().colorBarShade);
        if (CVrxPAutoHideButton::labelsHidden || IsVertical(m_dwSide))
            continue;
        CString caption;
        pButton->GetPane()->GetWindowText(caption);
        ::DrawText(dc.GetSafeHdc(), caption, -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    ::SelectObject(dc.GetSafeHdc(), hOld);
}

void CVrxPAutoHideDockBar::OnLButtonDown(UINT, CPoint point)
{
    CVrxPAutoHideButton* pButton = GetButton(ButtonIndexAtPoint(point));
    if (pButton == nullptr)
        return;
    CVrxPDockingControlBar* pPane = pButton->GetPane();
    const BOOL bShow = m_pShown != pPane;
    if (m_pShown != nullptr)
        ShowPane(m_pShown, FALSE);
    if (bShow)
        ShowPane(pPane, TRUE);
}

void CVrxPAutoHideDockBar::ShowPane(CVrxPDockingControlBar* pPane, BOOL bShow)
{
    if (!bShow)
    {
        if (m_pShown == pPane)
        {
            KillTimer(kCheckTimer);
            m_pShown = nullptr;
        }
        pPane->ShowWindow(SW_HIDE);
        return;
    }
    CWnd* pFrame = GetParent();
    CRect rectStrip;
    GetWindowRect(&rectStrip);
    pFrame->ScreenToClient(&rectStrip);
    CRect rectFrame;
    pFrame->GetClientRect(&rectFrame);
    CRect rect = rectStrip;
    const int nSize = pPane->GetHeight();
    switch (m_dwSide)
    {
    case CBRS_ALIGN_TOP:
        rect.SetRect(rectStrip.left, rectStrip.bottom, rectStrip.right, rectStrip.bottom + nSize);
        break;
    case CBRS_ALIGN_LEFT:
        rect.SetRect(rectStrip.right, rectStrip.top, rectStrip.right + nSize, rectStrip.bottom);
        break;
    case CBRS_ALIGN_RIGHT:
        rect.SetRect(rectStrip.left - nSize, rectStrip.top, rectStrip.left, rectStrip.bottom);
        break;
    default:
        rect.SetRect(rectStrip.left, rectStrip.top - nSize, rectStrip.right, rectStrip.top);
        break;
    }
    rect.IntersectRect(&rect, &rectFrame);
    m_pShown = pPane;
    pPane->SetWindowPos(&CWnd::wndTop, rect.left, rect.top, rect.Width(), rect.Height(),
                        SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    SetTimer(kCheckTimer, checkInterval, nullptr);
}

// An open pane goes once neither the mouse nor the focus is in it or on
// the strip.
void CVrxPAutoHideDockBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kCheckTimer || m_pShown == nullptr)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    CPoint cursor;
    ::GetCursorPos(&cursor);
    CRect rectPane, rectStrip;
    m_pShown->GetWindowRect(&rectPane);
    GetWindowRect(&rectStrip);
    HWND hFocus = ::GetFocus();
    const BOOL bFocusInside = hFocus != NULL && (hFocus == m_pShown->GetSafeHwnd() ||
                                                 ::IsChild(m_pShown->GetSafeHwnd(), hFocus));
    if (!rectPane.PtInRect(cursor) && !rectStrip.PtInRect(cursor) && !bFocusInside &&
        !IsPartOfPane(::WindowFromPoint(cursor), m_pShown))
        ShowPane(m_pShown, FALSE);
}

// A window counts when it or one of its ancestors is the pane or an
// in-place tip.
BOOL CVrxPAutoHideDockBar::IsPartOfPane(HWND hWnd, CVrxPDockingControlBar* pPane)
{
    for (; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        if (hWnd == pPane->GetSafeHwnd())
            return TRUE;
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CVrxPInplaceToolTipCtrl)))
            return TRUE;
    }
    return FALSE;
}
