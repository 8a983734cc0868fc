#include "docking/CVrxPDockingControlBar.h"

#include "app/AfxRegisterWndClass.h"
#include "docking/CVrxPAutoHideDockBar.h"
#include "docking/CVrxPMDIFrameWnd.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/VrxPShowBarContextMenu.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "frames/CFrameWnd.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"
#include "windows/FrameworkMessages.h"

IMPLEMENT_DYNAMIC(CVrxPDockingControlBar, CWnd)

int CVrxPDockingControlBar::paneCaptionMenuButton = 0;

BEGIN_MESSAGE_MAP(CVrxPDockingControlBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

namespace
{
// Sides in the order a style naming several is read.
const DWORD kSideOrder[] = {CBRS_ALIGN_BOTTOM, CBRS_ALIGN_TOP, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};
const int kFloatingWidth = 400;

BOOL IsVertical(DWORD dwSide)
{
    return dwSide == CBRS_ALIGN_LEFT || dwSide == CBRS_ALIGN_RIGHT;
}
} // namespace

CVrxPDockingControlBar::CVrxPDockingControlBar()
    : m_dwBarStyle(0), m_dwDockingSides(0), m_bDocked(FALSE), m_nHeight(0), m_nDragStart(-1), m_nDragStartHeight(0),
      m_pMiniFrame(nullptr), m_pDockFrame(nullptr), m_rectRecentFloat(10, 10, 110, 110),
      m_dwRecentAlignment(CBRS_ALIGN_BOTTOM), m_nRecentRowIndex(0), m_nMruWidth(noMruWidth), m_nPinState(0),
      m_bRestoredFloating(FALSE), m_bStateRestored(FALSE), m_bAutoHide(FALSE)
{
}

// A floating frame still standing (its owner lives on) goes with the pane.
CVrxPDockingControlBar::~CVrxPDockingControlBar()
{
    if (m_pMiniFrame != nullptr && ::IsWindow(m_pMiniFrame->GetSafeHwnd()))
        m_pMiniFrame->ReleaseHostedBar();
}

CVrxPDockingControlBar::NonClientLayout CVrxPDockingControlBar::ComputeLayout(DWORD dwSide, CSize sizeWindow,
                                                                                int nCaptionHeight)
{
    NonClientLayout layout;
    CRect rest(0, 0, sizeWindow.cx, sizeWindow.cy);
    if (dwSide == 0)
    {
        layout.client = rest;
        return layout;
    }
    layout.sizing = rest;
    switch (dwSide)
    {
    case CBRS_ALIGN_TOP:
        layout.sizing.top = rest.bottom - sizingEdge;
        rest.bottom = layout.sizing.top;
        break;
    case CBRS_ALIGN_LEFT:
        layout.sizing.left = rest.right - sizingEdge;
        rest.right = layout.sizing.left;
        break;
    case CBRS_ALIGN_RIGHT:
        layout.sizing.right = rest.left + sizingEdge;
        rest.left = layout.sizing.right;
        break;
    default:
        layout.sizing.bottom = rest.top + sizingEdge;
        rest.top = layout.sizing.bottom;
        break;
    }
    layout.caption = rest;
    layout.caption.bottom = rest.top + nCaptionHeight;
    if (layout.caption.bottom > rest.bottom)
        layout.caption.bottom = rest.bottom;
    const int nButton = layout.caption.Height() - 2 * captionMargin;
    if (nButton > 0 && layout.caption.Width() > 2 * nButton + 3 * captionMargin)
    {
        layout.closeButton.SetRect(layout.caption.right - captionMargin - nButton, layout.caption.top + captionMargin,
                                   layout.caption.right - captionMargin, layout.caption.bottom - captionMargin);
        layout.pinButton = layout.closeButton;
        layout.pinButton.OffsetRect(-(nButton + captionMargin), 0);
    }
    layout.client = rest;
    layout.client.top = layout.caption.bottom;
    return layout;
}

BOOL CVrxPDockingControlBar::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, BOOL, UINT nID,
                                    DWORD dwStyle, DWORD, DWORD)
{
    m_strCaption = lpszCaption;
    m_pDockFrame = pParentWnd;
    m_dwBarStyle = dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC);
    m_nHeight = sizeDefault.cy < minimumHeight ? minimumHeight : sizeDefault.cy;
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    DWORD dwWindowStyle = (dwStyle & (WS_CHILD | WS_VISIBLE)) | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    return CreateEx(0, lpszClass, lpszCaption, dwWindowStyle, CRect(0, 0, sizeDefault.cx, m_nHeight), pParentWnd,
                    nID);
}

DWORD CVrxPDockingControlBar::GetDockSide() const
{
    for (DWORD dwSide : kSideOrder)
        if ((m_dwBarStyle & dwSide) != 0)
            return dwSide;
    return CBRS_ALIGN_BOTTOM;
}

void CVrxPDockingControlBar::SetHeight(int nHeight)
{
    m_nHeight = nHeight < minimumHeight ? minimumHeight : nHeight;
    RelayoutFrame();
}

CWnd* CVrxPDockingControlBar::DockFrame() const
{
    return m_pDockFrame != nullptr ? m_pDockFrame : GetParent();
}

void CVrxPDockingControlBar::RelayoutFrame()
{
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(DockFrame());
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != NULL)
        pFrame->RecalcLayout();
}

int CVrxPDockingControlBar::CaptionHeight() const
{
    TEXTMETRIC tm;
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextMetrics(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return tm.tmHeight + 2 * captionMargin;
}

CVrxPDockingControlBar::NonClientLayout CVrxPDockingControlBar::CurrentLayout() const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    return ComputeLayout(IsFloating() ? 0 : GetDockSide(), rectWindow.Size(), CaptionHeight());
}

LRESULT CVrxPDockingControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    if (!m_bDocked || IsFloating() || m_bAutoHide || (GetStyle() & WS_VISIBLE) == 0)
        return 0;
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    CRect rect = pLayout->rect;
    const DWORD dwSide = GetDockSide();
    // Never more than the frame leaves, so the MDI area keeps a little room.
    const int nRoom = IsVertical(dwSide) ? rect.Width() : rect.Height();
    int nSize = m_nHeight;
    if (nSize > nRoom - minimumHeight)
        nSize = nRoom - minimumHeight;
    if (nSize < 0)
        nSize = 0;
    switch (dwSide)
    {
    case CBRS_ALIGN_TOP:
        rect.bottom = rect.top + nSize;
        pLayout->rect.top += nSize;
        break;
    case CBRS_ALIGN_LEFT:
        rect.right = rect.left + nSize;
        pLayout->rect.left += nSize;
        break;
    case CBRS_ALIGN_RIGHT:
        rect.left = rect.right - nSize;
        pLayout->rect.right -= nSize;
        break;
    default:
        rect.top = rect.bottom - nSize;
        pLayout->rect.bottom -= nSize;
        break;
    }
    if (pLayout->hDWP != NULL)
        pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, NULL, rect.left, rect.top, rect.Width(),
                                         rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return 0;
}

void CVrxPDockingControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rect = lpncsp->rgrc[0];
    const NonClientLayout layout =
        ComputeLayout(IsFloating() ? 0 : GetDockSide(), CSize(rect.right - rect.left, rect.bottom - rect.top),
                      CaptionHeight());
    const POINT origin = {rect.left, rect.top};
    rect = layout.client;
    ::OffsetRect(&rect, origin.x, origin.y);
}

void CVrxPDockingControlBar::OnNcPaint()
{
    if (IsFloating())
        return;
    const NonClientLayout layout = CurrentLayout();
    HDC hDC = ::GetWindowDC(m_hWnd);
    CRect rectEdge = layout.sizing;
    ::FillRect(hDC, &rectEdge, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(hDC, &rectEdge, EDGE_RAISED, IsVertical(GetDockSide()) ? BF_LEFT | BF_RIGHT : BF_TOP | BF_BOTTOM);

    CDC* pDC = CDC::FromHandle(hDC);
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    const COLORREF colorText = pLook->PaintBarCaption(pDC, this, FALSE, layout.caption, layout.pinButton);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, colorText);
    CRect rectText = layout.caption;
    rectText.left += 2 * captionMargin;
    if (!layout.pinButton.IsRectEmpty())
        rectText.right = layout.pinButton.left - captionMargin;
    ::DrawText(hDC, m_strCaption, -1, &rectText, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    ::SelectObject(hDC, hOld);
    if (!layout.closeButton.IsRectEmpty())
    {
        const BOOL bHorizontal = !IsVertical(GetDockSide());
        CVrxPMiniFrameTitleButton close(CVrxPMiniFrameTitleButton::hitPaneClose);
        close.rect = layout.closeButton;
        pLook->PaintCaptionButton(pDC, &close, FALSE, bHorizontal, FALSE, FALSE);
        CVrxPMiniFrameTitleButton pin(CVrxPMiniFrameTitleButton::hitPin);
        pin.rect = layout.pinButton;
        pin.pinnedOut = m_bAutoHide;
        pLook->PaintCaptionButton(pDC, &pin, FALSE, bHorizontal, FALSE, FALSE);
    }
    ::ReleaseDC(m_hWnd, hDC);
}

LRESULT CVrxPDockingControlBar::OnNcHitTest(CPoint point)
{
    if (IsFloating())
        return HTCLIENT;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const NonClientLayout layout = CurrentLayout();
    const CPoint local(point.x - rectWindow.left, point.y - rectWindow.top);
    if (layout.sizing.PtInRect(local))
    {
        switch (GetDockSide())
        {
        case CBRS_ALIGN_TOP:
            return HTBOTTOM;
        case CBRS_ALIGN_LEFT:
            return HTRIGHT;
        case CBRS_ALIGN_RIGHT:
            return HTLEFT;
        default:
            return HTTOP;
        }
    }
    if (layout.closeButton.PtInRect(local))
        return HTCLOSE;
    if (layout.pinButton.PtInRect(local))
        return HTMAXBUTTON;
    if (layout.caption.PtInRect(local))
        return HTCAPTION;
    return HTCLIENT;
}

BOOL CVrxPDockingControlBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTTOP || nHitTest == HTBOTTOM)
    {
        ::SetCursor(::LoadCursor(NULL, IDC_SIZENS));
        return TRUE;
    }
    if (nHitTest == HTLEFT || nHitTest == HTRIGHT)
    {
        ::SetCursor(::LoadCursor(NULL, IDC_SIZEWE));
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

// Moving a docked pane by its caption belongs to full docking; a click on
// the caption does nothing here.
void CVrxPDockingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTCLOSE)
    {
        ShowPane(FALSE);
        return;
    }
    if (nHitTest == HTMAXBUTTON)
    {
        SwitchAutoHide(!m_bAutoHide);
        return;
    }
    if (nHitTest != HTTOP && nHitTest != HTBOTTOM && nHitTest != HTLEFT && nHitTest != HTRIGHT)
        return;
    m_nDragStart = IsVertical(GetDockSide()) ? point.x : point.y;
    m_nDragStartHeight = m_nHeight;
    SetCapture();
}

void CVrxPDockingControlBar::OnNcLButtonDblClk(UINT nHitTest, CPoint)
{
    if (nHitTest == HTCAPTION && CanFloat())
        FloatPane();
}

void CVrxPDockingControlBar::OnMouseMove(UINT, CPoint point)
{
    if (m_nDragStart < 0)
        return;
    ClientToScreen(&point);
    // The pane grows when its inner edge moves towards the frame's middle.
    switch (GetDockSide())
    {
    case CBRS_ALIGN_TOP:
        SetHeight(m_nDragStartHeight + (point.y - m_nDragStart));
        break;
    case CBRS_ALIGN_LEFT:
        SetHeight(m_nDragStartHeight + (point.x - m_nDragStart));
        break;
    case CBRS_ALIGN_RIGHT:
        SetHeight(m_nDragStartHeight + (m_nDragStart - point.x));
        break;
    default:
        SetHeight(m_nDragStartHeight + (m_nDragStart - point.y));
        break;
    }
}

void CVrxPDockingControlBar::OnLButtonUp(UINT, CPoint)
{
    if (m_nDragStart < 0)
        return;
    m_nDragStart = -1;
    ::ReleaseCapture();
}

BOOL CVrxPDockingControlBar::FloatPane(const CRect& rectScreen)
{
    if (IsFloating())
        return TRUE;
    CRect rect = rectScreen;
    if (rect.IsRectEmpty())
    {
        rect = m_rectRecentFloat;
        if (rect.Width() < kFloatingWidth / 2 || rect.Height() < minimumHeight)
        {
            GetWindowRect(&rect);
            rect.right = rect.left + kFloatingWidth;
            rect.OffsetRect(minimumHeight, -minimumHeight);
        }
    }
    m_pDockFrame = DockFrame();
    CVrxPMiniFrameWnd* pMiniFrame = new CVrxPMiniFrameWnd;
    m_pMiniFrame = pMiniFrame;
    if (!pMiniFrame->CreateFor(this, m_pDockFrame, rect))
    {
        m_pMiniFrame = nullptr;
        return FALSE;
    }
    m_rectRecentFloat = rect;
    if ((GetStyle() & WS_VISIBLE) != 0)
        ShowMiniFrame(TRUE);
    RelayoutFrame();
    return TRUE;
}

void CVrxPDockingControlBar::DockPane()
{
    if (!IsFloating())
        return;
    CVrxPMiniFrameWnd* pMiniFrame = m_pMiniFrame;
    pMiniFrame->GetWindowRect(&m_rectRecentFloat);
    m_pMiniFrame = nullptr;
    SetParent(m_pDockFrame);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    pMiniFrame->ReleaseHostedBar();
    m_bDocked = TRUE;
    RelayoutFrame();
}

BOOL CVrxPDockingControlBar::SwitchAutoHide(BOOL bOn)
{
    if (bOn == m_bAutoHide)
        return TRUE;
    CVrxPMDIFrameWnd* pFrame = dynamic_cast<CVrxPMDIFrameWnd*>(DockFrame());
    if (pFrame == nullptr || IsFloating())
        return FALSE;
    CVrxPAutoHideDockBar* pStrip = pFrame->GetBarManager().AutoHideBarFor(GetDockSide(), bOn);
    if (pStrip == nullptr)
        return FALSE;
    if (bOn)
    {
        m_bAutoHide = TRUE;
        ShowWindow(SW_HIDE);
        pStrip->AddPane(this);
        return TRUE;
    }
    pStrip->RemovePane(this);
    m_bAutoHide = FALSE;
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    RelayoutFrame();
    return TRUE;
}

void CVrxPDockingControlBar::ShowPane(BOOL bShow)
{
    if (m_bAutoHide && !bShow)
        SwitchAutoHide(FALSE);
    ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    if (IsFloating())
        ShowMiniFrame(bShow);
    RelayoutFrame();
}

// Shown above its owner frame without taking the activation from it.
void CVrxPDockingControlBar::ShowMiniFrame(BOOL bShow)
{
    if (!bShow)
    {
        m_pMiniFrame->ShowWindow(SW_HIDE);
        return;
    }
    m_pMiniFrame->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

BOOL CVrxPDockingControlBar::IsPaneVisible() const
{
    if (m_bAutoHide)
        return TRUE;
    if ((GetStyle() & WS_VISIBLE) == 0)
        return FALSE;
    return !IsFloating() || m_pMiniFrame->IsWindowVisible();
}

CString CVrxPDockingControlBar::BuildKeyPath(LPCTSTR lpszProfileName, int nIndex, int nSubIndex) const
{
    const CString path = VrxPBuildRegistryPath(barsSection, lpszProfileName);
    const int nId = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    CString key;
    if (nSubIndex == -1)
        key.Format(barKeyFormat, (LPCTSTR)path, nId);
    else
        key.Format(barSubKeyFormat, (LPCTSTR)path, nId, nSubIndex);
    return key;
}

BOOL CVrxPDockingControlBar::StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    if (IsFloating())
    {
        m_pMiniFrame->GetWindowRect(&m_rectRecentFloat);
    }
    else if (m_hWnd != NULL && m_bDocked)
    {
        GetWindowRect(&m_rectRecentDocked);
        if (CWnd* pParent = GetParent())
            pParent->ScreenToClient(&m_rectRecentDocked);
        m_dwRecentAlignment = GetDockSide();
    }
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
    if (!registry.MakeKey(BuildKeyPath(lpszProfileName, nIndex, nSubIndex)))
        return FALSE;
    return registry.WriteInt("ID", GetDlgCtrlID()) && registry.WriteRect("RectRecentFloat", m_rectRecentFloat) &&
           registry.WriteRect("RectRecentDocked", m_rectRecentDocked) &&
           registry.WriteInt("RecentFrameAlignment", static_cast<int>(m_dwRecentAlignment)) &&
           registry.WriteInt("RecentRowIndex", m_nRecentRowIndex) && registry.WriteInt("IsFloating", IsFloating()) &&
           registry.WriteInt("MRUWidth", m_nMruWidth) && registry.WriteInt("PinState", m_nPinState);
}

// A missing value leaves its member as it was.
BOOL CVrxPDockingControlBar::RestoreFromRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    CVrxPRegistryHolder holder;
    CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
    if (!registry.OpenKey(BuildKeyPath(lpszProfileName, nIndex, nSubIndex)))
        return FALSE;
    int nAlignment = static_cast<int>(m_dwRecentAlignment);
    int nFloating = m_bRestoredFloating;
    registry.ReadRect("RectRecentFloat", m_rectRecentFloat);
    registry.ReadRect("RectRecentDocked", m_rectRecentDocked);
    registry.ReadInt("RecentFrameAlignment", nAlignment);
    registry.ReadInt("RecentRowIndex", m_nRecentRowIndex);
    registry.ReadInt("IsFloating", nFloating);
    registry.ReadInt("MRUWidth", m_nMruWidth);
    registry.ReadInt("PinState", m_nPinState);
    m_dwRecentAlignment = static_cast<DWORD>(nAlignment);
    m_bRestoredFloating = nFloating;
    m_bStateRestored = TRUE;
    return TRUE;
}

void CVrxPDockingControlBar::ApplyRestoredPlace()
{
    if (!m_bStateRestored)
        return;
    if (m_bRestoredFloating && !m_rectRecentFloat.IsRectEmpty())
    {
        FloatPane(m_rectRecentFloat);
        return;
    }
    DockPane();
    if (m_rectRecentDocked.IsRectEmpty())
        return;
    SetHeight(IsVertical(GetDockSide()) ? m_rectRecentDocked.Width() : m_rectRecentDocked.Height());
}

// Only the caption offers the list of bars: the window the pane holds has
// its own menu.
void CVrxPDockingControlBar::OnContextMenu(CWnd*, CPoint point)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    if (!rectClient.PtInRect(point))
        VrxPShowBarContextMenu(this, point);
}
