#include "docking/CVrxPDockingUtils.h"

#include "dialogs/CDialog.h"
#include "docking/CVrxPBaseControlBar.h"
#include "docking/mdi/CVrxPMDIFrameWnd.h"
#include "docking/CVrxPMiniFrameWnd.h"

BOOL CVrxPDockingUtils::useCursor = FALSE;

CVrxPFrameBarManager* CVrxPDockingUtils::LocateBarManager(CWnd* pWnd)
{
    if (pWnd == nullptr)
        return nullptr;
    if (CVrxPMDIFrameWnd* pFrame = dynamic_cast<CVrxPMDIFrameWnd*>(pWnd))
        return &pFrame->GetBarManager();
    if (dynamic_cast<CDialog*>(pWnd) != nullptr)
    {
        CVrxPBaseControlBar::barsOutsideFrame = TRUE;
        return nullptr;
    }
    if (CVrxPMiniFrameWnd* pMiniFrame = dynamic_cast<CVrxPMiniFrameWnd*>(pWnd))
    {
        if (pMiniFrame->ownerFrame != NULL)
            return LocateBarManager(CWnd::FromHandlePermanent(pMiniFrame->ownerFrame));
        return LocateBarManager(pMiniFrame->GetParent());
    }
    return nullptr;
}

BOOL CVrxPDockingUtils::HitTestDockSide(CPoint point, const CRect& rect, int s, BOOL bOutside, DWORD& dwSide,
                                        DWORD dwAllowedSides, int nCaptionHeight, int nTabAreaHeight)
{
    struct Band
    {
        DWORD side;
        CRect rect;
    };
    const CRect& r = rect;
    const Band bands[] = {
        {CBRS_ALIGN_TOP, bOutside ? CRect(r.left - s, r.top - s, r.right + s, r.top)
                                  : CRect(r.left - s, r.top - s, r.right + s, r.top + nCaptionHeight + s)},
        {CBRS_ALIGN_LEFT, bOutside ? CRect(r.left - s, r.top - s, r.left, r.bottom + s)
                                   : CRect(r.left - s, r.top - s, r.left + s, r.bottom + s)},
        {CBRS_ALIGN_BOTTOM, bOutside ? CRect(r.left - s, r.bottom, r.right + s, r.bottom + s)
                                     : CRect(r.left - s, r.bottom - nTabAreaHeight - s, r.right + s, r.bottom + s)},
        {CBRS_ALIGN_RIGHT, bOutside ? CRect(r.right, r.top - s, r.right + s, r.bottom + s)
                                    : CRect(r.right - s, r.top - s, r.right + s, r.bottom + s)},
    };
    for (const Band& band : bands)
    {
        if ((dwAllowedSides & band.side) != 0 && band.rect.PtInRect(point))
        {
            dwSide = band.side;
            return TRUE;
        }
    }
    return FALSE;
}

void CVrxPDockingUtils::KeepRectOnScreen(CRect& rect, const CRect* pMargins)
{
    CPoint reference = rect.TopLeft();
    if (useCursor)
        ::GetCursorPos(&reference);
    CRect work;
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfo(::MonitorFromPoint(reference, MONITOR_DEFAULTTONEAREST), &info))
        work = info.rcWork;
    else
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    const CRect margins = pMargins != nullptr ? *pMargins : CRect(0, 0, 0, 0);
    if (rect.right <= work.left + margins.left)
        rect.OffsetRect(work.left + margins.left - rect.right, 0);
    if (rect.left >= work.right - margins.right)
        rect.OffsetRect(work.right - margins.right - rect.left, 0);
    if (rect.top >= work.bottom - margins.bottom)
        rect.OffsetRect(0, work.bottom - margins.bottom - rect.top);
    if (rect.bottom < work.top + margins.top)
        rect.OffsetRect(0, work.top + margins.top - rect.bottom);
}

void CVrxPDockingUtils::RotateRect(CRect& rect, int nAngle)
{
    const CRect r = rect;
    switch (nAngle)
    {
    case 90:
        rect.SetRect(r.bottom, r.left, r.top, r.right);
        break;
    case 180:
        rect.SetRect(r.left, r.bottom, r.right, r.top);
        break;
    case -90:
        rect.SetRect(r.top, r.right, r.bottom, r.left);
        break;
    default:
        break;
    }
}

CRect CVrxPDockingUtils::CutSide(CRect& rectArea, DWORD dwSide, int nThickness)
{
    CRect band = rectArea;
    switch (dwSide)
    {
    case CBRS_ALIGN_TOP:
        band.bottom = band.top + nThickness;
        rectArea.top = band.bottom;
        break;
    case CBRS_ALIGN_LEFT:
        band.right = band.left + nThickness;
        rectArea.left = band.right;
        break;
    case CBRS_ALIGN_RIGHT:
        band.left = band.right - nThickness;
        rectArea.right = band.left;
        break;
    default:
        band.top = band.bottom - nThickness;
        rectArea.bottom = band.top;
        break;
    }
    return band;
}
