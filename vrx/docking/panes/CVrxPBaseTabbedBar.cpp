#include "docking/panes/CVrxPBaseTabbedBar.h"

#include <vector>

IMPLEMENT_DYNAMIC(CVrxPBaseTabbedBar, CVrxPDockingControlBar)

CVrxPBaseTabbedBar::CVrxPBaseTabbedBar(BOOL bAutoDestroy) : m_bAutoDestroy(bAutoDestroy)
{
    AllowDocking(CBRS_ALIGN_ANY);
}

BOOL CVrxPBaseTabbedBar::AddBarAsTab(CVrxPDockingControlBar* pBar, BOOL bVisible, BOOL bActivate,
                                     BOOL bDetachable)
{
    if (pBar == nullptr || pBar == this || pBar->GetSafeHwnd() == NULL || GetTabWindow() == nullptr)
        return FALSE;
    if (CVrxPBaseTabbedBar* pDonor = dynamic_cast<CVrxPBaseTabbedBar*>(pBar))
    {
        std::vector<CVrxPDockingControlBar*> tabs;
        for (int i = 0; i < pDonor->GetTabCount(); i++)
            if (CVrxPDockingControlBar* pTab = dynamic_cast<CVrxPDockingControlBar*>(pDonor->GetTabBar(i)))
                tabs.push_back(pTab);
        for (CVrxPDockingControlBar* pTab : tabs)
        {
            pDonor->RemoveTab(pTab);
            AddBarAsTab(pTab, bVisible, bVisible, bDetachable);
        }
        pDonor->CloseEmptyBar();
        RequestHostLayout(NULL);
        return TRUE;
    }
    CString label;
    pBar->GetWindowText(label);
    pBar->DetachFromSite(TRUE);
    pBar->SetCaptionShown(FALSE);
    pBar->SetParent(GetTabWindow());
    pBar->ShowWindow(SW_SHOW);
    return InsertTab(pBar, label, bVisible, bActivate, bDetachable);
}

BOOL CVrxPBaseTabbedBar::RemoveTabOf(CVrxPDockingControlBar* pBar)
{
    if (!RemoveTab(pBar))
        return FALSE;
    if (GetTabCount() > 0)
        return TRUE;
    if (!DestroysWhenEmpty())
    {
        ShowWindow(SW_HIDE);
        return TRUE;
    }
    CloseEmptyBar();
    return FALSE;
}

// The caller may be the tab window itself, inside its own handler: the bar
// leaves its site at once and its window goes once its messages run.
void CVrxPBaseTabbedBar::CloseEmptyBar()
{
    DetachFromSite(FALSE);
    ShowWindow(SW_HIDE);
    PostMessage(WM_CLOSE);
}

BOOL CVrxPBaseTabbedBar::DetachTabBar(CVrxPDockingControlBar* pBar, const CRect& rectScreen)
{
    if (pBar == nullptr || pBar->GetParent() != GetTabWindow() || !RemoveTab(pBar))
        return FALSE;
    pBar->SetCaptionShown(TRUE);
    const BOOL bFloated = pBar->FloatPane(rectScreen);
    if (GetTabCount() == 0 && DestroysWhenEmpty())
    {
        CloseEmptyBar();
        return bFloated;
    }
    RequestHostLayout(NULL);
    return bFloated;
}

void CVrxPBaseTabbedBar::PostNcDestroy()
{
    CVrxPDockingControlBar::PostNcDestroy();
    if (m_bAutoDestroy)
        delete this;
}
