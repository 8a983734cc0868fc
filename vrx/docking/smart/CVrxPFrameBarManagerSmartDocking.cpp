// The frame bar manager's smart-docking guide: made on the first marker-style
// drag, made anew after the look or the system colours changed.

#include "docking/CVrxPFrameBarManager.h"

#include "docking/VrxPSmartDocking.h"
#include "docking/smart/CVrxPSmartDockingGuide.h"
#include "frames/CFrameWnd.h"

CVrxPSmartDockingGuide* CVrxPFrameBarManager::GetSmartDockingGuide()
{
    if (VrxPSmartDockingRebuild != 0)
    {
        m_pSmartDockingGuide.reset();
        VrxPSmartDockingRebuild = 0;
    }
    if (m_pSmartDockingGuide == nullptr && m_pOwnerFrame != nullptr && m_pOwnerFrame->GetSafeHwnd() != NULL)
    {
        auto pGuide = std::make_unique<CVrxPSmartDockingGuide>();
        if (pGuide->Create(m_pOwnerFrame))
            m_pSmartDockingGuide = std::move(pGuide);
    }
    return m_pSmartDockingGuide.get();
}

CVrxPSmartDockingGuide* CVrxPFrameBarManager::ShowSmartDockingGuide(CWnd* pDragged, DWORD dwAllowedSides)
{
    CVrxPSmartDockingGuide* pGuide = GetSmartDockingGuide();
    if (pGuide == nullptr)
        return nullptr;
    pGuide->SetDockingArea(m_rectInner);
    pGuide->Show(pDragged, dwAllowedSides);
    return pGuide;
}
