#include "docking/CVrxPAutoHideButton.h"

#include "docking/CVrxPDockingControlBar.h"

int CVrxPAutoHideButton::labelsHidden = 0;

CVrxPAutoHideButton::CVrxPAutoHideButton(CVrxPDockingControlBar* pPane) : m_pPane(pPane)
{
}

DWORD CVrxPAutoHideButton::GetDockSide() const
{
    return m_pPane->GetDockSide();
}
