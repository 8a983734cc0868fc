#include "themes/CVrxPVisualManager.h"

#include "docking/VrxPSmartDocking.h"
#include "foundation/CVrxPGlobals.h"

IMPLEMENT_DYNCREATE(CVrxPVisualManager, CObject)

namespace
{
CVrxPVisualManager* s_pCurrent = nullptr;
CRuntimeClass* s_pSelectedClass = nullptr;
} // namespace

CVrxPVisualManager::CVrxPVisualManager(BOOL bTemporary)
    : shadeHotImages(FALSE), embossDisabled(TRUE), temporary(bTemporary),
      plannerHighlightColor(basePlannerHighlightColor), plannerGridColor(basePlannerGridColor), autoDelete(FALSE)
{
    if (temporary)
        return;
    if (s_pCurrent == nullptr)
        s_pCurrent = this;
    VrxPSmartDockingRebuild = 1;
    VrxPGlobals().RefreshSysColors();
}

CVrxPVisualManager::~CVrxPVisualManager()
{
    if (!temporary && s_pCurrent == this)
        s_pCurrent = nullptr;
}

// A class whose objects cannot be created falls back to the base look.
CVrxPVisualManager* CVrxPVisualManager::Instance()
{
    if (s_pCurrent != nullptr)
        return s_pCurrent;
    CVrxPVisualManager* pManager = nullptr;
    if (s_pSelectedClass != nullptr)
        pManager = dynamic_cast<CVrxPVisualManager*>(s_pSelectedClass->CreateObject());
    if (pManager == nullptr)
        pManager = new CVrxPVisualManager;
    s_pCurrent = pManager;
    pManager->autoDelete = TRUE;
    pManager->ReloadPalette();
    return pManager;
}

void CVrxPVisualManager::DestroyInstance(BOOL bOnlyAutoDelete)
{
    if (s_pCurrent == nullptr || (bOnlyAutoDelete && !s_pCurrent->autoDelete))
        return;
    CVrxPVisualManager* pManager = s_pCurrent;
    s_pCurrent = nullptr;
    delete pManager;
}

void CVrxPVisualManager::ReloadPalette()
{
    plannerHighlightColor = basePlannerHighlightColor;
    plannerGridColor = basePlannerGridColor;
}

COLORREF CVrxPVisualManager::QueryImageHighlightColor()
{
    return static_cast<COLORREF>(-1);
}

COLORREF CVrxPVisualManager::QueryDisabledImageColor()
{
    return VrxPGlobals().colorBarFace;
}

void CVrxPVisualManager::QueryToolTipParams(CVrxPToolTipOptions& options, UINT)
{
    options = CVrxPToolTipOptions();
}
