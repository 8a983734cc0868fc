#include "docking/containers/CVrxPSlider.h"

#include "app/ResourceChain.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPDockingUtils.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/containers/CVrxPBarContainer.h"
#include "docking/containers/CVrxPBarContainerManager.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMemoryDC.h"
#include "foundation/VrxPFindOwnerFrame.h"
#include "foundation/VrxPMakeWindowClass.h"
#include "frames/CFrameWnd.h"
#include "gdi/CDC.h"
#include "gdi/CPaintDC.h"
#include "themes/CVrxPVisualManager.h"

IMPLEMENT_DYNCREATE(CVrxPSlider, CVrxPBaseControlBar)

CRuntimeClass* CVrxPSlider::sliderClass = RUNTIME_CLASS(CVrxPSlider);

namespace
{
// The framework's split cursors where a module holds them, else the
// system's sizing cursors.
HCURSOR SplitCursor(UINT nId, LPCTSTR lpszFallback)
{
    const LPCTSTR lpszName = MAKEINTRESOURCE(nId);
    if (HINSTANCE hModule = AfxFindResourceHandle(lpszName, RT_GROUP_CURSOR))
        if (HCURSOR hCursor = ::LoadCursor(hModule, lpszName))
            return hCursor;
    return ::LoadCursor(nullptr, lpszFallback);
}

HCURSOR cursorSplitHorizontal = NULL;
HCURSOR cursorSplitVertical = NULL;
} // namespace

BEGIN_MESSAGE_MAP(CVrxPSlider, CVrxPBaseControlBar)
    ON_WM_CREATE()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CVrxPSlider::CVrxPSlider(BOOL bDefaultSlider, CWnd* pOwnerFrame)
    : m_bDefaultSlider(bDefaultSlider), m_pOwnerFrame(pOwnerFrame)
{
}

CVrxPSlider::~CVrxPSlider() = default;

BOOL CVrxPSlider::IsFloatAllowed() const
{
    return m_pContainerManager == nullptr || m_pContainerManager->AnyPaneFloatAllowed();
}

CSize CVrxPSlider::CalcBarSize(BOOL, BOOL)
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectRoot;
    GetRootRect(rectRoot);
    return CSize(rectWindow.Width() + rectRoot.Width(), rectWindow.Height() + rectRoot.Height());
}

void CVrxPSlider::StoreRecord(CVrxPDockStateRecord::SliderRecord& record) const
{
    record.barAlignment = GetAlignment();
    record.barVisible = IsBarVisible() ? TRUE : FALSE;
    record.id = m_nSliderId;
    record.step = m_nStep;
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rect);
    record.rect = rect;
    record.visible = IsWindowVisible() ? TRUE : FALSE;
    record.style = m_dwSliderStyle;
    record.thickness = m_nThickness;
    record.isDefault = m_bDefaultSlider;
    record.minOffset = m_nMinOffset;
    record.maxOffset = m_nMaxOffset;
    record.manager.reset();
    if (m_bDefaultSlider)
    {
        record.manager = std::make_shared<CVrxPDockStateRecord::ManagerRecord>();
        if (m_pContainerManager != nullptr)
            m_pContainerManager->StoreRecord(*record.manager);
    }
}

BOOL CVrxPSlider::Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CVrxPSlider::CreateEx(DWORD dwExStyle, DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID,
                           CCreateContext* pContext)
{
    m_nSliderId = int(nID);
    m_dwSliderStyle = dwStyle & (styleHorizontal | styleVertical);
    if ((dwStyle & styleVertical) != 0)
        m_nThickness = rect.Width();
    else if ((dwStyle & styleHorizontal) != 0)
        m_nThickness = rect.Height();
    if (m_bDefaultSlider && m_pContainerManager == nullptr)
    {
        m_pContainerManager = static_cast<CVrxPBarContainerManager*>(
            RUNTIME_CLASS(CVrxPBarContainerManager)->CreateObject());
        m_pContainerManager->Create(pParentWnd, this);
    }
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pParentWnd);
    SetHostFrame(pFrame != nullptr ? pFrame : VrxPFindOwnerFrame(pParentWnd));
    const CString className = VrxPMakeWindowClass(_T("VrxPSlider"));
    // The style bits of the slider's kind are no window style bits.
    const DWORD dwWindowStyle = (dwStyle & ~(styleHorizontal | styleVertical)) | WS_CHILD | WS_CLIPSIBLINGS |
                                WS_CLIPCHILDREN;
    return CWnd::CreateEx(dwExStyle, className, _T(""), dwWindowStyle, rect, pParentWnd, nID, pContext);
}

int CVrxPSlider::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPBaseControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (cursorSplitHorizontal == NULL)
    {
        cursorSplitHorizontal = SplitCursor(CVrxPGlobals::idCursorSplitVert, IDC_SIZENS);
        cursorSplitVertical = SplitCursor(CVrxPGlobals::idCursorSplitHorz, IDC_SIZEWE);
    }
    return 0;
}

BOOL CVrxPSlider::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && (m_dwSliderStyle & (styleHorizontal | styleVertical)) != 0)
    {
        ::SetCursor(IsAlignedHorizontally() ? cursorSplitHorizontal : cursorSplitVertical);
        return TRUE;
    }
    return CVrxPBaseControlBar::OnSetCursor(pWnd, nHitTest, message);
}

void CVrxPSlider::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bTracking)
        StartTracking();
    CVrxPBaseControlBar::OnLButtonDown(nFlags, point);
}

void CVrxPSlider::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking)
    {
        CPoint pointScreen = point;
        ClientToScreen(&pointScreen);
        TrackTo(pointScreen);
    }
    CVrxPBaseControlBar::OnMouseMove(nFlags, point);
}

void CVrxPSlider::OnLButtonUp(UINT nFlags, CPoint point)
{
    StopTracking(TRUE);
    CVrxPBaseControlBar::OnLButtonUp(nFlags, point);
}

void CVrxPSlider::OnCancelMode()
{
    StopTracking(FALSE);
    CVrxPBaseControlBar::OnCancelMode();
}

void CVrxPSlider::StartTracking()
{
    m_bTracking = TRUE;
    SetCapture();
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const int nHalf = m_nThickness / 2;
    DrawDragOutline(rectWindow, CRect(), nHalf, 0);
    m_rectDrag = m_rectDragLimits = rectWindow;
    if (m_pContainerManager == nullptr)
        return;
    m_pContainerManager->GetSliderLimits(this, m_nMinOffset, m_nMaxOffset, m_nStep);
    if (IsAlignedHorizontally())
    {
        m_rectDragLimits.top = rectWindow.top + m_nMinOffset;
        m_rectDragLimits.bottom = rectWindow.bottom + m_nMaxOffset;
    }
    else
    {
        m_rectDragLimits.left = rectWindow.left + m_nMinOffset;
        m_rectDragLimits.right = rectWindow.right + m_nMaxOffset;
    }
    m_pContainerManager->SetPanesSizing(TRUE);
}

void CVrxPSlider::TrackTo(CPoint pointScreen)
{
    const int nHalf = m_nThickness / 2;
    CRect rectNew = m_rectDrag;
    if ((m_dwSliderStyle & styleVertical) != 0)
    {
        rectNew.left = pointScreen.x - nHalf;
        rectNew.right = rectNew.left + m_nThickness;
        if (rectNew.left < m_rectDragLimits.left)
            rectNew.OffsetRect(m_rectDragLimits.left - rectNew.left, 0);
        if (rectNew.right > m_rectDragLimits.right)
            rectNew.OffsetRect(m_rectDragLimits.right - rectNew.right, 0);
    }
    else if ((m_dwSliderStyle & styleHorizontal) != 0)
    {
        rectNew.top = pointScreen.y - nHalf;
        rectNew.bottom = rectNew.top + m_nThickness;
        if (rectNew.top < m_rectDragLimits.top)
            rectNew.OffsetRect(0, m_rectDragLimits.top - rectNew.top);
        if (rectNew.bottom > m_rectDragLimits.bottom)
            rectNew.OffsetRect(0, m_rectDragLimits.bottom - rectNew.bottom);
    }
    DrawDragOutline(rectNew, m_rectDrag, nHalf, nHalf);
    m_rectDrag = rectNew;
}

void CVrxPSlider::StopTracking(BOOL bCommit)
{
    if (!m_bTracking)
        return;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CSize offset(m_rectDrag.left - rectWindow.left, m_rectDrag.top - rectWindow.top);
    const int nHalf = m_nThickness / 2;
    DrawDragOutline(CRect(), m_rectDrag, 0, nHalf);
    if (bCommit)
        MoveSlider(offset);
    m_rectDrag.SetRectEmpty();
    // Cleared before the capture goes: losing it sends a cancel that must
    // find the drag over.
    m_bTracking = FALSE;
    ::ReleaseCapture();
    if (m_pContainerManager != nullptr)
        m_pContainerManager->SetPanesSizing(FALSE);
}

void CVrxPSlider::DrawDragOutline(const CRect& rectNew, const CRect& rectLast, int nBorderNew, int nBorderLast)
{
    CWnd* pDesktop = CWnd::GetDesktopWindow();
    const HDC hDC = ::GetDCEx(pDesktop->GetSafeHwnd(), NULL, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hDC == NULL)
        return;
    CDC dc;
    dc.Attach(hDC);
    dc.DrawDragRect(&rectNew, CSize(nBorderNew, nBorderNew), rectLast.IsRectNull() ? nullptr : &rectLast,
                    CSize(nBorderLast, nBorderLast));
    dc.Detach();
    ::ReleaseDC(pDesktop->GetSafeHwnd(), hDC);
}

void CVrxPSlider::MoveSlider(CSize offset)
{
    int nDistance = 0;
    if ((m_dwSliderStyle & styleVertical) != 0)
    {
        nDistance = offset.cx;
        CWnd* pParent = GetParent();
        if (pParent != nullptr && (pParent->GetExStyle() & WS_EX_LAYOUTRTL) != 0)
            nDistance = -nDistance;
    }
    else if ((m_dwSliderStyle & styleHorizontal) != 0)
        nDistance = offset.cy;
    else
        return;

    HDWP hdwp = ::BeginDeferWindowPos(50);
    // The slider goes only as far as the panes could follow.
    if (m_pContainerManager != nullptr)
        nDistance = m_pContainerManager->OnSliderMoved(this, nDistance, hdwp);
    if (hdwp != NULL)
        ::EndDeferWindowPos(hdwp);
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rect);
    if (IsAlignedHorizontally())
        rect.OffsetRect(0, nDistance);
    else
        rect.OffsetRect(nDistance, 0);
    RequestHostLayout(NULL);
    PositionBar(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE, NULL);
}

BOOL CVrxPSlider::AddPane(CVrxPDockingControlBar* pBar)
{
    if (m_pContainerManager == nullptr || !m_pContainerManager->AddPane(pBar))
        return FALSE;
    if (m_bDefaultSlider)
        pBar->SetDefaultSlider(this);
    CheckVisibility();
    return TRUE;
}

BOOL CVrxPSlider::InsertPaneBeside(CVrxPDockingControlBar* pBar, CVrxPDockingControlBar* pExisting,
                                   DWORD dwAlignment)
{
    if (m_pContainerManager == nullptr || !m_pContainerManager->InsertPaneBeside(pBar, pExisting, dwAlignment))
        return FALSE;
    if (m_bDefaultSlider)
        pBar->SetDefaultSlider(this);
    CheckVisibility();
    return TRUE;
}

BOOL CVrxPSlider::RemovePane(CVrxPDockingControlBar* pBar)
{
    if (m_pContainerManager == nullptr || !m_pContainerManager->RemovePane(pBar))
        return FALSE;
    if (pBar->GetDefaultSlider() == this)
        pBar->SetDefaultSlider(nullptr);
    // The panes left take the place; a slider that holds nothing goes.
    if (!m_pContainerManager->IsEmpty() || m_pContainerManager->SumRefCounts() > 0)
        CheckVisibility();
    else
        ReleaseIfEmpty();
    return TRUE;
}

BOOL CVrxPSlider::ReplacePane(CVrxPDockingControlBar* pOld, CVrxPDockingControlBar* pNew)
{
    if (m_pContainerManager == nullptr || !m_pContainerManager->ReplacePane(pOld, pNew))
        return FALSE;
    if (m_bDefaultSlider)
    {
        pNew->SetDefaultSlider(this);
        // Already out of the tree: forgetting the slider takes nothing more.
        pOld->SetDefaultSlider(nullptr);
    }
    CheckVisibility();
    return TRUE;
}

HDWP CVrxPSlider::RepositionPanes(const CRect& rectScreen, HDWP hdwp)
{
    if (!m_bDefaultSlider)
        return hdwp;
    CRect rectSlider = rectScreen;
    CRect rectPanes = rectScreen;
    switch (GetAlignment())
    {
    case CBRS_ALIGN_LEFT:
        rectSlider.left = rectScreen.right - m_nThickness;
        rectPanes.right = rectSlider.left;
        break;
    case CBRS_ALIGN_TOP:
        rectSlider.top = rectScreen.bottom - m_nThickness;
        rectPanes.bottom = rectSlider.top;
        break;
    case CBRS_ALIGN_RIGHT:
        rectSlider.right = rectScreen.left + m_nThickness;
        rectPanes.left = rectSlider.right;
        break;
    case CBRS_ALIGN_BOTTOM:
        rectSlider.bottom = rectScreen.top + m_nThickness;
        rectPanes.top = rectSlider.bottom;
        break;
    default:
        return hdwp;
    }
    CRect rectClient = rectSlider;
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rectClient);
    hdwp = MoveBarWindow(rectClient, TRUE, hdwp);
    if (m_pContainerManager != nullptr)
        m_pContainerManager->ResizeRoot(rectPanes, hdwp);
    return hdwp;
}

BOOL CVrxPSlider::CheckVisibility()
{
    if (!m_bDefaultSlider || m_bAutoHideMode || m_pContainerManager == nullptr)
        return FALSE;
    const BOOL bVisible = m_pContainerManager->IsRootVisible();
    ShowWindow(bVisible ? SW_SHOW : SW_HIDE);
    return bVisible;
}

void CVrxPSlider::ShowPane(CVrxPDockingControlBar* pBar, BOOL bShow)
{
    if (m_pContainerManager == nullptr || m_bAutoHideMode || pBar == nullptr)
        return;
    m_pContainerManager->UpdateVisibility();
    ShowWindow(bShow || m_pContainerManager->IsRootVisible() ? SW_SHOW : SW_HIDE);
}

BOOL CVrxPSlider::CanFloatAnyPane() const
{
    return m_pContainerManager != nullptr && m_pContainerManager->CanFloatAnyPane();
}

void CVrxPSlider::ReleaseIfEmpty()
{
    if (!m_bDefaultSlider || m_pContainerManager == nullptr)
        return;
    if (m_pContainerManager->IsEmpty() && m_pContainerManager->SumRefCounts() == 0)
        DestroyWindow();
}

CVrxPDockingControlBar* CVrxPSlider::GetFirstPane() const
{
    return m_pContainerManager != nullptr ? m_pContainerManager->GetFirstPane() : nullptr;
}

CVrxPBarContainer* CVrxPSlider::FindContainer(CVrxPDockingControlBar* pBar, BOOL& bIsFirst) const
{
    return m_pContainerManager != nullptr ? m_pContainerManager->FindContainer(pBar, bIsFirst) : nullptr;
}

void CVrxPSlider::CollectPanes(std::vector<CVrxPDockingControlBar*>& panes) const
{
    if (m_pContainerManager == nullptr)
        return;
    std::vector<CVrxPSlider*> sliders;
    m_pContainerManager->CollectPanes(panes, sliders);
}

void CVrxPSlider::GetRootRect(CRect& rect) const
{
    rect.SetRectEmpty();
    if (m_pContainerManager != nullptr)
        m_pContainerManager->GetRootRect(rect);
}

void CVrxPSlider::OnPaint()
{
    CPaintDC dc(this);
    CVrxPMemoryDC memory(dc, this);
    CRect rectClient;
    GetClientRect(&rectClient);
    CVrxPVisualManager::Instance()->PaintSliderBackground(&memory.GetDC(), this, rectClient, m_bAutoHideMode);
}

BOOL CVrxPSlider::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVrxPSlider::OnNcDestroy()
{
    if (m_bDefaultSlider)
        if (CVrxPFrameBarManager* pBarManager = CVrxPDockingUtils::LocateBarManager(GetParent()))
            pBarManager->RemoveBarFromList(this);
    if (CVrxPBarContainerManager* pManager = m_pContainerManager)
    {
        pManager->RemoveSlider(this);
        if (m_bDefaultSlider)
            delete pManager;
        m_pContainerManager = nullptr;
    }
    CVrxPBaseControlBar::OnNcDestroy();
}

void CVrxPSlider::PostNcDestroy()
{
    delete this;
}
