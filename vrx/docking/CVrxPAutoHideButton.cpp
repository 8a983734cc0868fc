#include "docking/CVrxPAutoHideButton.h"

#include "docking/CVrxPDockingControlBar.h"

IMPLEMENT_DYNCREATE(CVrxPAutoHideButton, CObject)

int CVrxPAutoHideButton::labelsHidden = 0;

CVrxPAutoHideButton::CVrxPAutoHideButton() : m_pPane(nullptr)
{
}

DWORD CVrxPAutoHideButton::GetDockSide() const
{
    return m_pPane->GetDockSide();
}
