#include "docking/CVrxPDockingControlBar.h"

#include "app/AfxRegisterWndClass.h"
#include "docking/CVrxPAutoHideDockBar.h"
#include "docking/CVrxPDockingUtils.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/containers/CVrxPSlider.h"
#include "docking/panes/CVrxPBaseTabbedBar.h"
#include "docking/VrxPShowBarContextMenu.h"
#include "frames/CFrameWnd.h"
#include "gdi/CDC.h"
#include "themes/CVrxPVisualManager.h"

IMPLEMENT_DYNAMIC(CVrxPDockingControlBar, CVrxPControlBar)

int CVrxPDockingControlBar::paneCaptionMenuButton = 0;
CRuntimeClass* CVrxPDockingControlBar::defaultTabbedBarClass = nullptr;

BEGIN_MESSAGE_MAP(CVrxPDockingControlBar, CVrxPControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCMOUSELEAVE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

namespace
{
// Sides in the order a style naming several is read.
const DWORD kSideOrder[] = {CBRS_ALIGN_BOTTOM, CBRS_ALIGN_TOP, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};
const int kFloatingWidth = 400;
// Bar style bits the pane keeps from its creation style; the rest are
// window styles.
const DWORD kPaneBarStyle = CBRS_ALIGN_ANY | CVrxPBaseControlBar::borderAny | CVrxPBaseControlBar::styleGripper;

BOOL IsVertical(DWORD dwSide)
{
    return dwSide == CBRS_ALIGN_LEFT || dwSide == CBRS_ALIGN_RIGHT;
}

DWORD FirstSide(DWORD dwAlignment)
{
    for (DWORD dwSide : kSideOrder)
        if ((dwAlignment & dwSide) != 0)
            return dwSide;
    return 0;
}
} // namespace

CVrxPDockingControlBar::CVrxPDockingControlBar()
    : m_bDocked(FALSE), m_nHeight(0), m_pMiniFrame(nullptr),
      m_pDockFrame(nullptr), m_bAutoHide(FALSE), m_nHotButton(0), m_nPressedButton(0)
{
}

// A floating frame still standing (its owner lives on) goes with the pane.
CVrxPDockingControlBar::~CVrxPDockingControlBar()
{
    if (m_pMiniFrame != nullptr && ::IsWindow(m_pMiniFrame->GetSafeHwnd()))
        m_pMiniFrame->ReleaseHostedBar();
    DeleteCaptionButtons();
}

CVrxPDockingControlBar::NonClientLayout CVrxPDockingControlBar::ComputeLayout(CSize sizeWindow, int nCaptionHeight)
{
    NonClientLayout layout;
    layout.client.SetRect(0, 0, sizeWindow.cx, sizeWindow.cy);
    layout.caption = layout.client;
    layout.caption.bottom = layout.caption.top + (nCaptionHeight < sizeWindow.cy ? nCaptionHeight : sizeWindow.cy);
    layout.client.top = layout.caption.bottom;
    return layout;
}

CVrxPSlider* CVrxPDockingControlBar::CreateDefaultSlider(DWORD dwAlignment, CWnd* pFrame)
{
    const int s = CVrxPSlider::defaultThickness;
    const DWORD dwOrientation = IsVertical(dwAlignment) ? CVrxPSlider::styleVertical : CVrxPSlider::styleHorizontal;
    CVrxPSlider* pSlider = static_cast<CVrxPSlider*>(CVrxPSlider::sliderClass->CreateObject());
    if (pSlider == nullptr)
        return nullptr;
    pSlider->MakeDefault(pFrame);
    if (!pSlider->CreateEx(0, WS_VISIBLE | dwOrientation, CRect(0, 0, s, s), pFrame, UINT(-1)))
    {
        delete pSlider;
        return nullptr;
    }
    pSlider->SetAlignment(dwAlignment);
    return pSlider;
}

BOOL CVrxPDockingControlBar::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, BOOL, UINT nID,
                                    DWORD dwStyle, DWORD, DWORD dwPaneFlags)
{
    m_pDockFrame = pParentWnd;
    m_nHeight = sizeDefault.cy < minimumHeight ? minimumHeight : sizeDefault.cy;
    const DWORD dwSide = FirstSide(dwStyle);
    SetBarStyle((dwStyle & kPaneBarStyle & ~CBRS_ALIGN_ANY) | (dwSide != 0 ? dwSide : CBRS_ALIGN_BOTTOM));
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(0, lpszClass, dwStyle & (WS_CHILD | WS_VISIBLE), CRect(0, 0, sizeDefault.cx, m_nHeight),
                  pParentWnd, nID, dwPaneFlags))
        return FALSE;
    SetWindowText(lpszCaption);
    return TRUE;
}

int CVrxPDockingControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    CreateCaptionButtons();
    // The frame was measured before the buttons existed; a pane that keeps
    // the size it was made with (a tab group taking its first pane's place)
    // is measured no more.
    ArrangeCaptionButtons(CurrentLayout().caption);
    return 0;
}

void CVrxPDockingControlBar::OnDestroy()
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    DeleteCaptionButtons();
    if (!IsFloating())
        DetachFromSite(TRUE);
    CVrxPControlBar::OnDestroy();
}

void CVrxPDockingControlBar::CreateCaptionButtons()
{
    DeleteCaptionButtons();
    for (int nHit : {CVrxPMiniFrameTitleButton::hitPaneClose, CVrxPMiniFrameTitleButton::hitPin,
                     CVrxPMiniFrameTitleButton::hitMenu})
        m_captionButtons.Add(new CVrxPMiniFrameTitleButton(nHit, FALSE));
}

void CVrxPDockingControlBar::DeleteCaptionButtons()
{
    for (INT_PTR i = 0; i < m_captionButtons.GetSize(); i++)
        delete m_captionButtons[i];
    m_captionButtons.RemoveAll();
    m_nHotButton = 0;
    m_nPressedButton = 0;
}

CVrxPMiniFrameTitleButton* CVrxPDockingControlBar::FindCaptionButton(int nHitCode) const
{
    for (INT_PTR i = 0; i < m_captionButtons.GetSize(); i++)
        if (m_captionButtons[i]->HitCode() == nHitCode)
            return m_captionButtons[i];
    return nullptr;
}

void CVrxPDockingControlBar::ArrangeCaptionButtons(const CRect& rectCaption)
{
    const CSize size = CVrxPMiniFrameTitleButton::GetStandardSize();
    int nRight = rectCaption.right - buttonMargin - size.cx;
    int nLeft = rectCaption.left + buttonMargin;
    const int y = rectCaption.top + (rectCaption.Height() - size.cy) / 2;
    for (INT_PTR i = 0; i < m_captionButtons.GetSize(); i++)
    {
        CVrxPMiniFrameTitleButton* pButton = m_captionButtons[i];
        const int nHit = pButton->HitCode();
        pButton->hidden = rectCaption.Height() <= 0 ||
                          (nHit == CVrxPMiniFrameTitleButton::hitPin && !CanAutoHide()) ||
                          (nHit == CVrxPMiniFrameTitleButton::hitPaneClose && !CanClose()) ||
                          (nHit == CVrxPMiniFrameTitleButton::hitMenu && paneCaptionMenuButton == 0);
        pButton->y = y;
        int& nEdge = pButton->leftSide ? nLeft : nRight;
        pButton->x = nEdge;
        if (!pButton->hidden)
            nEdge += pButton->leftSide ? size.cx + buttonMargin : -(size.cx + buttonMargin);
    }
    for (INT_PTR i = 0; i < m_captionButtons.GetSize(); i++)
        if (m_captionButtons[i]->leftSide)
            m_captionButtons[i]->hidden = rectCaption.Height() <= 0 || m_captionButtons[i]->x >= nRight;
}

CVrxPMiniFrameTitleButton* CVrxPDockingControlBar::CaptionButtonAtPoint(CPoint point) const
{
    if (m_hWnd == NULL || IsFloating())
        return nullptr;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CPoint local(point.x - rectWindow.left, point.y - rectWindow.top);
    for (INT_PTR i = 0; i < m_captionButtons.GetSize(); i++)
    {
        CVrxPMiniFrameTitleButton* pButton = m_captionButtons[i];
        if (!pButton->hidden && pButton->GetRect().PtInRect(local))
            return pButton;
    }
    return nullptr;
}

DWORD CVrxPDockingControlBar::GetDockSide() const
{
    const DWORD dwSide = FirstSide(GetAlignment());
    return dwSide != 0 ? dwSide : CBRS_ALIGN_BOTTOM;
}

CSize CVrxPDockingControlBar::CalcBarSize(BOOL, BOOL)
{
    CRect rectWindow;
    if (m_hWnd != NULL)
        GetWindowRect(&rectWindow);
    return rectWindow.Size();
}

int CVrxPDockingControlBar::GetHeight() const
{
    if (m_hWnd == NULL || !m_bDocked || IsFloating())
        return m_nHeight;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    return IsVertical(GetDockSide()) ? rectWindow.Width() : rectWindow.Height();
}

// The docked area follows the pane's window: its slider lays the side out
// from the panes' rectangles.
void CVrxPDockingControlBar::SetHeight(int nHeight)
{
    m_nHeight = nHeight < minimumHeight ? minimumHeight : nHeight;
    if (m_hWnd == NULL || !m_bDocked || IsFloating())
        return;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CSize size = IsVertical(GetDockSide()) ? CSize(m_nHeight, rectWindow.Height())
                                                 : CSize(rectWindow.Width(), m_nHeight);
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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

// The pane comes back into its frame from a floating frame, leaves the
// slider it was docked in, and takes a default slider of its own whose
// thickness follows the rectangle or its recent size, within the share of
// the frame a docked pane may take.
BOOL CVrxPDockingControlBar::DockAtFrameSide(DWORD dwAlignment, const CRect* pRect, int, int, int, BOOL)
{
    const DWORD dwSide = FirstSide(dwAlignment);
    if (dwSide == 0 || m_hWnd == NULL)
        return FALSE;
    LeaveFloatingFrame();
    if (GetDefaultSlider() != nullptr)
        DetachFromSite(TRUE);
    CWnd* pFrame = DockFrame();
    CVrxPSlider* pSlider = CreateDefaultSlider(dwSide, pFrame);
    if (pSlider == nullptr)
    {
        ShowWindow(SW_SHOW);
        return FALSE;
    }
    SetAlignment(dwSide);
    GetDockHistory().recentAlignment = dwSide;
    if (pRect != nullptr && !pRect->IsRectEmpty())
        m_nHeight = IsVertical(dwSide) ? pRect->Width() : pRect->Height();
    if (m_nHeight < minimumHeight)
        m_nHeight = minimumHeight;
    CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(pFrame);
    if (pManager != nullptr)
    {
        CRect rectThickness(0, 0, m_nHeight, m_nHeight);
        if (!pManager->GetOuterRect().IsRectEmpty() && pManager->LimitDockedSize(rectThickness, dwSide))
            m_nHeight = IsVertical(dwSide) ? rectThickness.Width() : rectThickness.Height();
    }
    CRect rectFrame;
    pFrame->GetClientRect(&rectFrame);
    const CSize size = IsVertical(dwSide) ? CSize(m_nHeight, rectFrame.Height()) : CSize(rectFrame.Width(), m_nHeight);
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    pSlider->AddPane(this);
    if (pManager != nullptr)
    {
        pManager->AddBar(this);
        pManager->AddBar(pSlider);
    }
    m_bDocked = TRUE;
    ShowWindow(SW_SHOW);
    RelayoutFrame();
    return TRUE;
}

BOOL CVrxPDockingControlBar::DockBesidePane(CVrxPDockingControlBar* pOther, DWORD dwAlignment)
{
    CVrxPSlider* pSlider = pOther != nullptr && pOther != this ? pOther->GetDefaultSlider() : nullptr;
    if (pSlider == nullptr || m_hWnd == NULL)
        return FALSE;
    LeaveFloatingFrame();
    if (GetDefaultSlider() != nullptr)
        DetachFromSite(TRUE);
    // The slider may have gone with this pane: the other pane keeps its own.
    pSlider = pOther->GetDefaultSlider();
    if (pSlider == nullptr || !pSlider->InsertPaneBeside(this, pOther, dwAlignment))
    {
        ShowWindow(SW_SHOW);
        return FALSE;
    }
    SetAlignment(pSlider->GetAlignment());
    if (CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(DockFrame()))
        pManager->AddBar(this);
    m_bDocked = TRUE;
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    RelayoutFrame();
    return TRUE;
}

void CVrxPDockingControlBar::DetachFromSite(BOOL bNoLayout)
{
    LeaveFloatingFrame();
    if (CVrxPSlider* pSlider = GetDefaultSlider())
    {
        m_hDefaultSlider = NULL;
        pSlider->RemovePane(this);
    }
    if (CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(DockFrame()))
        pManager->RemoveBarFromList(this);
    m_bDocked = FALSE;
    if (!bNoLayout)
        RelayoutFrame();
}

void CVrxPDockingControlBar::LeaveFloatingFrame()
{
    if (!IsFloating())
        return;
    CVrxPMiniFrameWnd* pMiniFrame = m_pMiniFrame;
    pMiniFrame->GetWindowRect(&GetDockHistory().recentFloatRect);
    m_pMiniFrame = nullptr;
    SetParent(m_pDockFrame);
    pMiniFrame->ReleaseHostedBar();
}

void CVrxPDockingControlBar::SetCaptionShown(BOOL bShow)
{
    if (m_bCaptionShown == bShow)
        return;
    m_bCaptionShown = bShow;
    if (m_hWnd != NULL)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CVrxPBaseTabbedBar* CVrxPDockingControlBar::GetTabbedBar() const
{
    CWnd* pTabWindow = m_hWnd != NULL ? GetParent() : nullptr;
    CVrxPBaseTabbedBar* pTabbed =
        pTabWindow != nullptr ? dynamic_cast<CVrxPBaseTabbedBar*>(pTabWindow->GetParent()) : nullptr;
    return pTabbed != nullptr && pTabbed->GetTabWindow() == pTabWindow ? pTabbed : nullptr;
}

CVrxPBaseTabbedBar* CVrxPDockingControlBar::CreateTabbedBar()
{
    if (m_pTabbedBarClass == nullptr || m_hWnd == NULL)
        return nullptr;
    CVrxPBaseTabbedBar* pTabbed = dynamic_cast<CVrxPBaseTabbedBar*>(m_pTabbedBarClass->CreateObject());
    if (pTabbed == nullptr)
        return nullptr;
    pTabbed->SetAutoDestroy(TRUE);
    CRect rect;
    GetWindowRect(&rect);
    if (!pTabbed->Create(_T(""), DockFrame(), rect.Size(), TRUE, UINT(-1),
                         WS_CHILD | WS_VISIBLE | GetAlignment() | CVrxPBaseControlBar::styleFloatMulti, 0x20,
                         GetBarFlags()))
    {
        delete pTabbed;
        return nullptr;
    }
    pTabbed->m_nHeight = m_nHeight;
    pTabbed->GetDockHistory() = GetDockHistory();
    return pTabbed;
}

BOOL CVrxPDockingControlBar::YieldPlaceTo(CVrxPDockingControlBar* pOther)
{
    CVrxPSlider* pSlider = GetDefaultSlider();
    if (pSlider == nullptr || pOther == nullptr || !pSlider->ReplacePane(this, pOther))
        return FALSE;
    if (CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(DockFrame()))
    {
        pManager->RemoveBarFromList(this);
        pManager->AddBar(pOther);
    }
    m_bDocked = FALSE;
    pOther->m_bDocked = TRUE;
    pOther->SetAlignment(GetAlignment());
    return TRUE;
}

CVrxPDockingControlBar* CVrxPDockingControlBar::JoinIntoTabs(CVrxPDockingControlBar* pTarget, BOOL bActivate)
{
    if (pTarget == nullptr || pTarget == this || m_hWnd == NULL || pTarget->GetSafeHwnd() == NULL)
        return nullptr;
    CVrxPBaseTabbedBar* pTabbed = dynamic_cast<CVrxPBaseTabbedBar*>(pTarget);
    if (pTabbed == nullptr)
        pTabbed = pTarget->GetTabbedBar();
    if (pTabbed == this || (pTabbed != nullptr && pTabbed == GetTabbedBar()))
        return nullptr;
    if (pTabbed == nullptr)
    {
        pTabbed = pTarget->CreateTabbedBar();
        if (pTabbed == nullptr)
            return nullptr;
        if (!pTarget->YieldPlaceTo(pTabbed))
        {
            pTabbed->DestroyWindow();
            return nullptr;
        }
        pTabbed->AllowDocking(pTarget->GetAllowedDocking());
        pTabbed->AddBarAsTab(pTarget, TRUE, bActivate, TRUE);
    }
    if (!pTabbed->AddBarAsTab(this, TRUE, bActivate, TRUE))
        return nullptr;
    pTabbed->RequestHostLayout(NULL);
    RelayoutFrame();
    return this;
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
    return ComputeLayout(rectWindow.Size(), IsFloating() || !m_bCaptionShown ? 0 : CaptionHeight());
}

int CVrxPDockingControlBar::ClassifyDockPoint(CPoint point, int nInflate) const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectCaption = CurrentLayout().caption;
    rectCaption.OffsetRect(rectWindow.TopLeft());
    if (rectCaption.PtInRect(point))
        return 3;
    CRect rectBody = rectWindow;
    if (!rectCaption.IsRectEmpty())
        rectBody.top += rectCaption.Height();
    if (nInflate == -1)
        return rectBody.PtInRect(point) ? 2 : 0;
    rectBody.InflateRect(nInflate, nInflate);
    return rectBody.PtInRect(point) ? 0 : 2;
}

void CVrxPDockingControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rect = lpncsp->rgrc[0];
    const NonClientLayout layout =
        ComputeLayout(CSize(rect.right - rect.left, rect.bottom - rect.top),
                      IsFloating() || !m_bCaptionShown ? 0 : CaptionHeight());
    ArrangeCaptionButtons(layout.caption);
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

    // The text ends where the leftmost right-hand button begins.
    CRect rectButtons(layout.caption.right, layout.caption.top, layout.caption.right, layout.caption.bottom);
    for (INT_PTR i = 0; i < m_captionButtons.GetSize(); i++)
        if (!m_captionButtons[i]->hidden && !m_captionButtons[i]->leftSide)
            rectButtons = m_captionButtons[i]->GetRect();
    CDC* pDC = CDC::FromHandle(hDC);
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    const COLORREF colorText = pLook->PaintBarCaption(pDC, this, FALSE, layout.caption, rectButtons);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, colorText);
    CRect rectText = layout.caption;
    rectText.left += 2 * captionMargin;
    rectText.right = rectButtons.left - captionMargin;
    CString caption;
    GetWindowText(caption);
    ::DrawText(hDC, caption, -1, &rectText, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    ::SelectObject(hDC, hOld);
    for (INT_PTR i = 0; i < m_captionButtons.GetSize(); i++)
    {
        CVrxPMiniFrameTitleButton* pButton = m_captionButtons[i];
        int nState = 0;
        if (pButton->HitCode() == CVrxPMiniFrameTitleButton::hitMenu)
            nState = 1;
        else if (pButton->HitCode() == CVrxPMiniFrameTitleButton::hitPin)
            nState = m_bAutoHide;
        pButton->glyphColor = colorText;
        pButton->Draw(pDC, FALSE, IsAlignedHorizontally(), nState, FALSE);
        pButton->glyphColor = static_cast<COLORREF>(-1);
    }
    ::ReleaseDC(m_hWnd, hDC);
}

// The caption answers as client area, so that the pane's own drag runs.
LRESULT CVrxPDockingControlBar::OnNcHitTest(CPoint point)
{
    if (IsFloating())
        return HTCLIENT;
    if (CVrxPMiniFrameTitleButton* pButton = CaptionButtonAtPoint(point))
        return pButton->HitCode();
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    return rectWindow.PtInRect(point) ? HTCLIENT : HTNOWHERE;
}

void CVrxPDockingControlBar::RedrawCaption()
{
    if (m_hWnd != NULL)
        SendMessage(WM_NCPAINT, 0, 0);
}

void CVrxPDockingControlBar::TrackCaptionButtonHover(CPoint pointScreen)
{
    const CVrxPMiniFrameTitleButton* pUnder = CaptionButtonAtPoint(pointScreen);
    const int nHot = pUnder != nullptr ? pUnder->HitCode() : 0;
    if (nHot == m_nHotButton)
        return;
    m_nHotButton = nHot;
    for (INT_PTR i = 0; i < m_captionButtons.GetSize(); i++)
    {
        CVrxPMiniFrameTitleButton* pButton = m_captionButtons[i];
        pButton->highlighted =
            pButton->HitCode() == nHot && (m_nPressedButton == 0 || m_nPressedButton == nHot);
    }
    RedrawCaption();
}

void CVrxPDockingControlBar::ResetCaptionButtonStates()
{
    const BOOL bChanged = m_nHotButton != 0 || m_nPressedButton != 0;
    for (INT_PTR i = 0; i < m_captionButtons.GetSize(); i++)
    {
        m_captionButtons[i]->pushed = FALSE;
        m_captionButtons[i]->highlighted = FALSE;
    }
    m_nHotButton = 0;
    const BOOL bCaptured = m_nPressedButton != 0;
    m_nPressedButton = 0;
    if (bCaptured && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (bChanged)
        RedrawCaption();
}

// The cursor leaving the caption is reported once the button went hot.
void CVrxPDockingControlBar::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    const int nHotBefore = m_nHotButton;
    TrackCaptionButtonHover(point);
    if (nHotBefore == 0 && m_nHotButton != 0)
    {
        TRACKMOUSEEVENT track = {};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE | TME_NONCLIENT;
        track.hwndTrack = m_hWnd;
        ::TrackMouseEvent(&track);
    }
    CVrxPControlBar::OnNcMouseMove(nHitTest, point);
}

void CVrxPDockingControlBar::OnNcMouseLeave()
{
    if (m_nPressedButton == 0)
        ResetCaptionButtonStates();
    CVrxPControlBar::OnNcMouseLeave();
}

void CVrxPDockingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (CVrxPMiniFrameTitleButton* pButton = CaptionButtonAtPoint(point))
    {
        m_nPressedButton = pButton->HitCode();
        m_nHotButton = m_nPressedButton;
        pButton->pushed = TRUE;
        pButton->highlighted = TRUE;
        SetCapture();
        RedrawCaption();
        return;
    }
    CVrxPControlBar::OnNcLButtonDown(nHitTest, point);
}

void CVrxPDockingControlBar::OnNcLButtonDblClk(UINT nHitTest, CPoint)
{
    if (nHitTest == HTCAPTION && CanFloat())
        FloatPane();
}

// A press on the caption, or on the body where no child covers it, may
// start a drag of a docked pane; the only child takes the focus.
void CVrxPDockingControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (GetWindow(GW_CHILD) != nullptr && GetWindow(GW_CHILD)->GetWindow(GW_HWNDNEXT) == nullptr)
        GetWindow(GW_CHILD)->SetFocus();
    if (m_bDocked && !IsFloating() && !m_bAutoHide && CanFloat())
    {
        CPoint pointGrab = point;
        ClientToScreen(&pointGrab);
        RunCaptionDrag(pointGrab);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CVrxPDockingControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CVrxPDockingControlBar::OnMouseMove(UINT, CPoint point)
{
    ClientToScreen(&point);
    if (m_nPressedButton != 0)
        TrackCaptionButtonHover(point);
}

// A button acts when the press and the release are both on it.
void CVrxPDockingControlBar::OnLButtonUp(UINT, CPoint point)
{
    if (m_nPressedButton != 0)
    {
        ClientToScreen(&point);
        const CVrxPMiniFrameTitleButton* pReleased = CaptionButtonAtPoint(point);
        const int nPressed = m_nPressedButton;
        ResetCaptionButtonStates();
        if (pReleased == nullptr || pReleased->HitCode() != nPressed)
            return;
        if (nPressed == CVrxPMiniFrameTitleButton::hitPaneClose)
            ShowPane(FALSE);
        else if (nPressed == CVrxPMiniFrameTitleButton::hitPin)
            SwitchAutoHide(!m_bAutoHide);
        else if (nPressed == CVrxPMiniFrameTitleButton::hitMenu)
            ShowWindowPositionMenuBelow(FindCaptionButton(nPressed));
        else
            OnCaptionButtonClick(nPressed);
    }
}

BOOL CVrxPDockingControlBar::FloatBar(const CRect& rectScreen, int, BOOL)
{
    return FloatPane(rectScreen);
}

// The menu opens under the button, which shows as dropped meanwhile.
void CVrxPDockingControlBar::ShowWindowPositionMenuBelow(CVrxPMiniFrameTitleButton* pButton)
{
    if (pButton == nullptr)
        return;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectButton = pButton->GetRect();
    rectButton.OffsetRect(rectWindow.TopLeft());
    const HWND hWnd = m_hWnd;
    pButton->dropped = TRUE;
    RedrawCaption();
    const BOOL bRightToLeft = (GetExStyle() & WS_EX_LAYOUTRTL) != 0;
    ShowWindowPositionMenu(bRightToLeft ? rectButton.right : rectButton.left, rectButton.bottom + 1);
    if (!::IsWindow(hWnd))
        return;
    pButton->dropped = FALSE;
    RedrawCaption();
}

void CVrxPDockingControlBar::OnCancelMode()
{
    ResetCaptionButtonStates();
    CVrxPControlBar::OnCancelMode();
}

BOOL CVrxPDockingControlBar::FloatPane(const CRect& rectScreen)
{
    if (IsFloating())
        return TRUE;
    CRect rect = rectScreen;
    if (rect.IsRectEmpty())
    {
        rect = GetDockHistory().recentFloatRect;
        if (rect.Width() < kFloatingWidth / 2 || rect.Height() < minimumHeight)
        {
            GetWindowRect(&rect);
            rect.right = rect.left + kFloatingWidth;
            rect.OffsetRect(minimumHeight, -minimumHeight);
        }
    }
    ResetCaptionButtonStates();
    m_pDockFrame = DockFrame();
    if (m_bDocked)
        DetachFromSite(TRUE);
    CVrxPMiniFrameWnd* pMiniFrame = new CVrxPMiniFrameWnd;
    m_pMiniFrame = pMiniFrame;
    if (!pMiniFrame->CreateFor(this, m_pDockFrame, rect))
    {
        m_pMiniFrame = nullptr;
        return FALSE;
    }
    GetDockHistory().recentFloatRect = rect;
    // A floating pane stays listed: the saved state names it.
    if (CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(m_pDockFrame))
        pManager->AddBar(this);
    if ((GetStyle() & WS_VISIBLE) != 0)
        ShowMiniFrame(TRUE);
    RelayoutFrame();
    return TRUE;
}

void CVrxPDockingControlBar::DockPane()
{
    if (!IsFloating())
        return;
    DockAtFrameSide(GetDockSide(), nullptr, 1, 0, -1, FALSE);
}

BOOL CVrxPDockingControlBar::SwitchAutoHide(BOOL bOn)
{
    if (bOn == m_bAutoHide)
        return TRUE;
    CVrxPFrameBarManager* pManager = CVrxPDockingUtils::LocateBarManager(DockFrame());
    if (pManager == nullptr || IsFloating())
        return FALSE;
    CVrxPAutoHideDockBar* pStrip = pManager->AutoHideBarFor(GetDockSide(), bOn);
    if (pStrip == nullptr)
        return FALSE;
    ResetCaptionButtonStates();
    if (bOn)
    {
        m_bAutoHide = TRUE;
        ShowWindow(SW_HIDE);
        // The docked neighbours take the room while the pane slides.
        if (CVrxPSlider* pSlider = GetDefaultSlider())
            pSlider->ShowPane(this, FALSE);
        pStrip->AddPane(this);
        return TRUE;
    }
    pStrip->RemovePane(this);
    m_bAutoHide = FALSE;
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    if (CVrxPSlider* pSlider = GetDefaultSlider())
        pSlider->ShowPane(this, TRUE);
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
    else if (CVrxPSlider* pSlider = GetDefaultSlider())
        pSlider->ShowPane(this, bShow);
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

// A docked pane's recent side is the one it lies at.
BOOL CVrxPDockingControlBar::StoreToRegistry(LPCTSTR lpszProfileName, int nIndex, int nSubIndex)
{
    if (m_hWnd != NULL && m_bDocked && !IsFloating())
        GetDockHistory().recentAlignment = GetDockSide();
    return CVrxPControlBar::StoreToRegistry(lpszProfileName, nIndex, nSubIndex);
}

void CVrxPDockingControlBar::ApplyRestoredPlace()
{
    if (!WasStateRestored())
        return;
    const CVrxPDockHistory& history = GetDockHistory();
    if (GetRestoredFloating() && !history.recentFloatRect.IsRectEmpty())
    {
        FloatPane(history.recentFloatRect);
        return;
    }
    const DWORD dwSide = (history.recentAlignment & GetAllowedDocking()) != 0 ? history.recentAlignment : GetDockSide();
    const CRect rectDocked = GetRestoredDockedRect();
    DockAtFrameSide(dwSide, rectDocked.IsRectEmpty() ? nullptr : &rectDocked, 1, 0, -1, FALSE);
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

CVrxPSlider* CVrxPDockingControlBar::GetDefaultSlider() const
{
    return dynamic_cast<CVrxPSlider*>(CWnd::FromHandlePermanent(m_hDefaultSlider));
}

void CVrxPDockingControlBar::SetDefaultSlider(CVrxPSlider* pSlider)
{
    const HWND hSlider = pSlider != nullptr ? pSlider->GetSafeHwnd() : NULL;
    if (hSlider == m_hDefaultSlider)
        return;
    CVrxPSlider* pOld = GetDefaultSlider();
    m_hDefaultSlider = hSlider;
    if (pOld != nullptr)
        pOld->RemovePane(this);
}
