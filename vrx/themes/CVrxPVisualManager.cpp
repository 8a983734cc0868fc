#include "themes/CVrxPVisualManager.h"

#include "app/CWinThread.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/mdi/CVrxPFrameHelper.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/VrxPSmartDocking.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPToolTipFactory.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPMessages.h"
#include "panes/CVrxPTabbedControlBar.h"
#include "toolbars/CVrxPToolBar.h"

IMPLEMENT_DYNCREATE(CVrxPVisualManager, CObject)

namespace
{
const UINT kFrameRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
const UINT kBarRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
const UINT kLook2000Redraw = RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME;

BOOL IsPermanentWindow(CWnd* pWnd)
{
    return pWnd != nullptr && pWnd->GetSafeHwnd() != NULL && CWnd::FromHandlePermanent(pWnd->GetSafeHwnd()) == pWnd;
}

// Floating frames are owned, not child, windows: a frame's redraw does not
// reach them.
BOOL CALLBACK RedrawMiniFrame(HWND hWnd, LPARAM)
{
    if (dynamic_cast<CVrxPMiniFrameWnd*>(CWnd::FromHandlePermanent(hWnd)) != nullptr)
        ::RedrawWindow(hWnd, nullptr, NULL, kFrameRedraw);
    return TRUE;
}
} // namespace

namespace
{
CVrxPVisualManager* s_pCurrent = nullptr;
CRuntimeClass* s_pSelectedClass = nullptr;
} // namespace

CVrxPVisualManager::CVrxPVisualManager(BOOL bTemporary)
    : look2000(FALSE), menuShadeDepth(6), flatButtons(FALSE), shadeHotImages(FALSE), embossDisabled(TRUE),
      fadeInactiveImages(FALSE), halftoneCheckedButtons(TRUE), markCheckedMenuImages(FALSE), temporary(bTemporary),
      taskPaneMarginV(12), taskPaneMarginH(12), taskGroupSpacing(15), taskGroupCaptionHeight(25),
      taskCaptionIndentH(13), taskCaptionIndentV(7), taskIndentH(12), taskIconTextGap(5), taskSpareMetric(4),
      spareFlag(TRUE), connectMenuToButton(FALSE), menuBorderSize(2), fillPlainTabs(FALSE), tabDarkEdge(TRUE),
      ribbonShadeColor(static_cast<COLORREF>(-1)), plannerHighlightColor(basePlannerHighlightColor),
      plannerGridColor(basePlannerGridColor), plannerDrawDate(0), plannerDrawFlag(FALSE), autoDelete(FALSE)
{
    if (temporary)
        return;
    if (s_pCurrent == nullptr)
        s_pCurrent = this;
    VrxPSmartDockingRebuild = 1;
    CVrxPDockingControlBar::paneCaptionMenuButton = 0;
    VrxPGlobals().RefreshSysColors();
}

void CVrxPVisualManager::SelectClass(CRuntimeClass* pLookClass)
{
    if (pLookClass != nullptr && !pLookClass->IsDerivedFrom(RUNTIME_CLASS(CVrxPVisualManager)))
        return;
    s_pSelectedClass = pLookClass;
    if (s_pCurrent != nullptr)
    {
        CVrxPVisualManager* pManager = s_pCurrent;
        s_pCurrent = nullptr;
        delete pManager;
    }
    VrxPGlobals().RefreshSysColors();
    CVrxPFrameBarManager::SetGlobalDockStyle(CVrxPFrameBarManager::defaultDockStyle);
    CVrxPTabbedControlBar::ApplyTabSettingsToAll();
    NotifyFramesOfChange();
    RefreshToolbarRegions();
    RedrawAllLibraryWindows();
    if (CVrxPToolTipFactory* pFactory = CVrxPToolTipFactory::Instance())
        pFactory->RefreshAllToolTips();
}

CRuntimeClass* CVrxPVisualManager::SelectedClass()
{
    return s_pSelectedClass;
}

void CVrxPVisualManager::NotifyFramesOfChange()
{
    const CPtrList& frames = CVrxPFrameHelper::AllFrames();
    for (POSITION pos = frames.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pFrame = static_cast<CWnd*>(frames.GetNext(pos));
        if (IsPermanentWindow(pFrame))
            pFrame->SendMessage(VrxM_CHANGEVISUALMANAGER, 0, 0);
    }
}

void CVrxPVisualManager::RefreshToolbarRegions()
{
    CObList& toolbars = VrxPAllToolBars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = dynamic_cast<CVrxPToolBar*>(toolbars.GetNext(pos));
        if (IsPermanentWindow(pBar) && !Instance()->UsesToolbarWindowRegion(pBar))
            pBar->SetWindowRgn(NULL, TRUE);
    }
}

void CVrxPVisualManager::RedrawAllLibraryWindows()
{
    CWinThread* pThread = AfxGetThread();
    CWnd* pMainWnd = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    const CPtrList& frames = CVrxPFrameHelper::AllFrames();
    for (POSITION pos = frames.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pFrame = static_cast<CWnd*>(frames.GetNext(pos));
        if (IsPermanentWindow(pFrame))
            pFrame->RedrawWindow(nullptr, nullptr, kFrameRedraw);
    }
    if (IsPermanentWindow(pMainWnd))
        pMainWnd->RedrawWindow(nullptr, nullptr, kFrameRedraw);
    CObList& toolbars = VrxPAllToolBars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pBar = dynamic_cast<CWnd*>(toolbars.GetNext(pos));
        if (IsPermanentWindow(pBar))
            pBar->RedrawWindow(nullptr, nullptr, kBarRedraw);
    }
    ::EnumThreadWindows(::GetCurrentThreadId(), RedrawMiniFrame, 0);
}

void CVrxPVisualManager::ApplyLook2000Option(BOOL bOn)
{
    look2000 = bOn;
    CWinThread* pThread = AfxGetThread();
    CWnd* pMainWnd = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != NULL)
        pMainWnd->RedrawWindow(nullptr, nullptr, kLook2000Redraw);
    RedrawAllLibraryWindows();
}

CVrxPVisualManager::~CVrxPVisualManager()
{
    if (!temporary && s_pCurrent == this)
        s_pCurrent = nullptr;
    plannerPatternBrush.DeleteObject();
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

BOOL CVrxPVisualManager::HasWindowTheme()
{
    return FALSE;
}

void CVrxPVisualManager::ReloadPalette()
{
    plannerHighlightColor = basePlannerHighlightColor;
    plannerGridColor = basePlannerGridColor;
}

BOOL CVrxPVisualManager::PaintClientAreaBackground(CDC*, CRect)
{
    return FALSE;
}

BOOL CVrxPVisualManager::QueryToolTipOptions(CVrxPToolTipOptions* pOptions, int)
{
    *pOptions = CVrxPToolTipOptions();
    pOptions->takeFromVisualManager = FALSE;
    return TRUE;
}

int CVrxPVisualManager::QueryMenuTextMargin()
{
    return 2;
}

int CVrxPVisualManager::QueryMenuOffset()
{
    return 1;
}

BOOL CVrxPVisualManager::OffersLook2000Option()
{
    return TRUE;
}

int CVrxPVisualManager::QueryCustomizeButtonMargin()
{
    return 2;
}

BOOL CVrxPVisualManager::ShiftsPressedButton()
{
    return TRUE;
}

BOOL CVrxPVisualManager::ConnectsMenuToButton()
{
    return connectMenuToButton;
}

int CVrxPVisualManager::QueryMenuBorderSize()
{
    return menuBorderSize;
}
