// The window-position menu a bar's menu caption button and context menu
// open: float, dock, tabbed document, auto-hide or hide.

#include "docking/CVrxPControlBar.h"

#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/VrxPDockingResources.h"
#include "foundation/CVrxPContextMenuManager.h"
#include "strings/CString.h"

namespace
{
void AppendItem(HMENU hMenu, UINT nStringId, int nCommand, BOOL bGrayed, BOOL bChecked)
{
    CString text;
    text.LoadString(nStringId);
    ::AppendMenu(hMenu, MF_STRING | (bGrayed ? MF_GRAYED : 0) | (bChecked ? MF_CHECKED : 0),
                 static_cast<UINT_PTR>(static_cast<UINT>(nCommand)), text);
}
} // namespace

BOOL CVrxPControlBar::ShowWindowPositionMenu(int x, int y)
{
    CVrxPContextMenuManager* pManager = CVrxPContextMenuManager::Instance();
    const DWORD dwAllowed = GetAllowedDocking() & 0xFFFF;
    if (pManager == nullptr || (dwAllowed <= 4095 && !CanFloat()))
        return FALSE;

    const BOOL bFloating = FindMiniFrameParent() != nullptr;
    const BOOL bAutoHidden = IsAutoHidden();
    const BOOL bTabbedDocument = IsTabbedDocument();
    HMENU hMenu = ::CreatePopupMenu();
    AppendItem(hMenu, VrxPIdsFloating, commandFloating, !CanFloat() || bAutoHidden || bTabbedDocument, bFloating);
    AppendItem(hMenu, VrxPIdsDocking, commandDocking, bAutoHidden || bTabbedDocument || dwAllowed < 0x1000,
               !bFloating && !bAutoHidden && !bTabbedDocument);
    AppendItem(hMenu, VrxPIdsTabbedDocument, commandTabbedDocument, !CanBecomeTabbedDocument(), bTabbedDocument);
    AppendItem(hMenu, VrxPIdsAutoHide, commandAutoHide, !(CanAutoHide() && !bFloating), bAutoHidden);
    AppendItem(hMenu, VrxPIdsHide, commandHide, !CanClose() || bAutoHidden, FALSE);
    if (!PrepareWindowPositionMenu(hMenu))
    {
        ::DestroyMenu(hMenu);
        return FALSE;
    }
    const HWND hWnd = m_hWnd;
    const UINT nChosen = pManager->TrackPopup(hMenu, x, y, this, FALSE);
    ::DestroyMenu(hMenu);
    if (nChosen == 0 || !::IsWindow(hWnd) || !AcceptWindowPositionCommand(nChosen))
        return TRUE;
    RunWindowPositionCommand(static_cast<short>(LOWORD(nChosen)));
    return TRUE;
}

void CVrxPControlBar::RunWindowPositionCommand(int nCommand)
{
    switch (nCommand)
    {
    case commandHide:
        HandleCloseButton();
        break;
    case commandAutoHide:
        ToggleAutoHide();
        break;
    case commandDocking:
        if (CVrxPMiniFrameWnd* pMiniFrame = FindMiniFrameParent())
            pMiniFrame->DockToRecentPlace();
        break;
    case commandFloating:
        FloatBar(history.recentFloatRect, dockByWindowMenu, TRUE);
        break;
    default:
        break;
    }
}

void CVrxPControlBar::HandleCloseButton()
{
    if (!CanClose())
        return;
    ShowWindow(SW_HIDE);
    RequestHostLayout(NULL);
}
