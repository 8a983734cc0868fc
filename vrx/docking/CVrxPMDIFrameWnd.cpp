#include "docking/CVrxPMDIFrameWnd.h"

#include "docking/CVrxPDockingControlBar.h"

IMPLEMENT_DYNAMIC(CVrxPMDIFrameWnd, CMDIFrameWnd)

CVrxPMDIFrameWnd::CVrxPMDIFrameWnd() : m_dwDockingSides(0)
{
}

void CVrxPMDIFrameWnd::AllowDockingSides(DWORD dwAlignment)
{
    m_dwDockingSides |= dwAlignment & CBRS_ALIGN_ANY;
}

BOOL CVrxPMDIFrameWnd::PlaceBarDocked(CWnd* pBar)
{
    CVrxPDockingControlBar* pPane = dynamic_cast<CVrxPDockingControlBar*>(pBar);
    if (pPane == nullptr || (pPane->GetBarStyle() & m_dwDockingSides & CBRS_ALIGN_ANY) == 0)
        return FALSE;
    pPane->SetDocked(TRUE);
    RecalcLayout();
    return TRUE;
}
