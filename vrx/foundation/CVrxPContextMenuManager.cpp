#include "foundation/CVrxPContextMenuManager.h"

#include "app/CWinApp.h"
#include "app/CWinThread.h"
#include "app/ResourceChain.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPWorkspace.h"
#include "foundation/VrxPBuildRegistryPath.h"
#include "foundation/VrxPSectionNames.h"
#include "panes/CVrxPDialog.h"
#include "toolbars/CVrxPMenuStore.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarButton.h"

#include <vector>

namespace
{
CVrxPContextMenuManager* s_pManager = nullptr;

const int ownerCornerOffset = 5;

// The library dialog a popup for this window concerns, or NULL.
CVrxPDialog* LibraryDialog(CWnd* pWnd)
{
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CVrxPDialog)) ? static_cast<CVrxPDialog*>(pWnd)
                                                                          : nullptr;
}

// A bar that stands in for a menu while its items go to or come from the
// registry; its window goes with it.
class TemporaryMenuBar : public CVrxPPopupMenuBar
{
public:
    ~TemporaryMenuBar() override
    {
        if (m_hWnd != NULL)
            DestroyWindow();
    }
};
} // namespace

CVrxPContextMenuManager::CVrxPContextMenuManager()
    : keepOtherPopups(FALSE), m_nChosenCommand(0), m_bTracking(FALSE)
{
    s_pManager = this;
}

CVrxPContextMenuManager::~CVrxPContextMenuManager()
{
    POSITION pos = m_menusById.GetStartPosition();
    while (pos != NULL)
    {
        UINT nMenuId;
        HMENU hMenu;
        m_menusById.GetNextAssoc(pos, nMenuId, hMenu);
        DestroyMenu(hMenu);
    }
    DeleteAllResetItems();
    if (s_pManager == this)
        s_pManager = nullptr;
}

CVrxPContextMenuManager* CVrxPContextMenuManager::Instance()
{
    return s_pManager;
}

BOOL CVrxPContextMenuManager::RegisterMenu(LPCTSTR lpszName, UINT nMenuId)
{
    HMENU hMenu;
    if (m_menusById.Lookup(nMenuId, hMenu))
        return FALSE;
    hMenu = LoadMenu(AfxFindResourceHandle(MAKEINTRESOURCE(nMenuId), RT_MENU), MAKEINTRESOURCE(nMenuId));
    if (hMenu == NULL)
        return FALSE;
    m_menusById[nMenuId] = hMenu;
    m_menusByName[lpszName] = hMenu;
    return TRUE;
}

HMENU CVrxPContextMenuManager::FindMenu(LPCTSTR lpszName, UINT* pnMenuId) const
{
    HMENU hMenu = NULL;
    m_menusByName.Lookup(lpszName, hMenu);
    if (pnMenuId != nullptr)
    {
        *pnMenuId = 0;
        POSITION pos = m_menusById.GetStartPosition();
        while (hMenu != NULL && pos != NULL)
        {
            UINT nMenuId;
            HMENU hRegistered;
            m_menusById.GetNextAssoc(pos, nMenuId, hRegistered);
            if (hRegistered == hMenu)
                *pnMenuId = nMenuId;
        }
    }
    return hMenu;
}

void CVrxPContextMenuManager::ListMenuNames(CStringList& names) const
{
    names.RemoveAll();
    POSITION pos = m_menusByName.GetStartPosition();
    while (pos != NULL)
    {
        CString name;
        HMENU hMenu;
        m_menusByName.GetNextAssoc(pos, name, hMenu);
        names.AddTail(name);
    }
}

void CVrxPContextMenuManager::CopyButtons(const CObList& from, CObList& to)
{
    for (POSITION pos = from.GetHeadPosition(); pos != NULL;)
    {
        const CVrxPToolbarButton* pButton = static_cast<const CVrxPToolbarButton*>(from.GetNext(pos));
        CVrxPToolbarButton* pCopy =
            static_cast<CVrxPToolbarButton*>(pButton->GetRuntimeClass()->CreateObject());
        if (pCopy == nullptr)
            continue;
        pCopy->AssignFrom(*pButton);
        to.AddTail(pCopy);
    }
}

void CVrxPContextMenuManager::ApplyResetItems(UINT nMenuId, CVrxPToolBar* pBar) const
{
    CObList* pItems = nullptr;
    if (!m_resetItemsById.Lookup(nMenuId, pItems) || pItems->IsEmpty())
        return;
    CObList copies;
    CopyButtons(*pItems, copies);
    pBar->ReplaceResetButtons(copies);
}

void CVrxPContextMenuManager::CaptureResetItems(UINT nMenuId, CVrxPToolBar* pBar)
{
    DeleteResetItems(nMenuId);
    if (pBar->ResetButtons().IsEmpty())
        return;
    CObList* pItems = new CObList(10);
    CopyButtons(pBar->ResetButtons(), *pItems);
    m_resetItemsById[nMenuId] = pItems;
}

const CObList* CVrxPContextMenuManager::ResetItems(UINT nMenuId) const
{
    CObList* pItems = nullptr;
    return m_resetItemsById.Lookup(nMenuId, pItems) ? pItems : nullptr;
}

void CVrxPContextMenuManager::DeleteResetItems(UINT nMenuId)
{
    CObList* pItems = nullptr;
    if (!m_resetItemsById.Lookup(nMenuId, pItems))
        return;
    while (!pItems->IsEmpty())
        delete pItems->RemoveHead();
    delete pItems;
    m_resetItemsById.RemoveKey(nMenuId);
}

void CVrxPContextMenuManager::DeleteAllResetItems()
{
    std::vector<UINT> kept;
    for (POSITION pos = m_resetItemsById.GetStartPosition(); pos != NULL;)
    {
        UINT nMenuId;
        CObList* pItems;
        m_resetItemsById.GetNextAssoc(pos, nMenuId, pItems);
        kept.push_back(nMenuId);
    }
    for (UINT nMenuId : kept)
        DeleteResetItems(nMenuId);
}

CVrxPPopupMenu* CVrxPContextMenuManager::ShowPopup(HMENU hPopup, int x, int y, CWnd* pOwner, BOOL bOwnerTakesCommand,
                                                   BOOL bKeepHandle, BOOL bPlacement)
{
    // The popup cannot reach a dialog's owner on its own.
    if (LibraryDialog(pOwner) != nullptr && !bOwnerTakesCommand)
        return nullptr;
    if (m_bTracking)
        bOwnerTakesCommand = TRUE;
    else if (!bOwnerTakesCommand)
    {
        while (pOwner != nullptr && (pOwner->GetStyle() & WS_CHILD) != 0 && pOwner->GetParent() != nullptr)
            pOwner = pOwner->GetParent();
    }
    CVrxPPopupMenu* pPopup = new CVrxPPopupMenu;
    // The manager keeps owning the menus it shows; old NT systems need the
    // popup to destroy a handle the caller lets go of.
    pPopup->destroyMenuHandle = VrxPGlobals().isOldNT && !bKeepHandle;
    pPopup->trackMode = m_bTracking;
    pPopup->placementFlag = bPlacement;
    if (!keepOtherPopups)
    {
        if (CVrxPPopupMenu* pOpen = CVrxPPopupMenu::ActivePopup())
            pOpen->SendMessage(WM_CLOSE);
    }
    // A popup that fails to open has deleted itself.
    return pPopup->CreatePopup(pOwner, x, y, hPopup, FALSE, bOwnerTakesCommand) ? pPopup : nullptr;
}

BOOL CVrxPContextMenuManager::PlacePopup(UINT nMenuId, int x, int y, CWnd* pOwner, BOOL bOwnerTakesCommand,
                                         BOOL bPlacement)
{
    HMENU hMenu = NULL;
    if (!m_menusById.Lookup(nMenuId, hMenu))
        return FALSE;
    if (x == -1 && y == -1 && pOwner != nullptr && pOwner->GetSafeHwnd() != NULL)
    {
        CPoint corner(0, 0);
        pOwner->ClientToScreen(&corner);
        x = corner.x + ownerCornerOffset;
        y = corner.y + ownerCornerOffset;
    }
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    if (hPopup == NULL)
        return FALSE;
    return ShowPopup(hPopup, x, y, pOwner, bOwnerTakesCommand, TRUE, bPlacement) != nullptr;
}

UINT CVrxPContextMenuManager::TrackPopup(HMENU hPopup, int x, int y, CWnd* pOwner, BOOL bPlacement)
{
    m_nChosenCommand = 0;
    if (AfxGetThread() == nullptr)
        return 0;
    m_bTracking = TRUE;
    CVrxPPopupMenu* pPopup = ShowPopup(hPopup, x, y, pOwner, FALSE, TRUE, bPlacement);
    m_bTracking = FALSE;
    if (pPopup == nullptr)
        return 0;
    CVrxPDialog* pDialog = pOwner != nullptr ? LibraryDialog(pOwner->GetParent()) : nullptr;
    if (pDialog != nullptr)
        pDialog->SetCurrentPopupMenu(pPopup);
    const HWND hWndPopup = pPopup->GetSafeHwnd();
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    const BOOL bOverridden = pWorkspace != nullptr && pWorkspace->OverridePopupLoop(pPopup);
    const BOOL bFinished = bOverridden || RunPopupLoop(hWndPopup, pPopup);
    // The popup kept the choice it closed with.
    SetChosenCommand(CVrxPPopupMenu::TrackedCommand());
    if (pDialog != nullptr)
        pDialog->SetCurrentPopupMenu(nullptr);
    return bFinished ? m_nChosenCommand : 0;
}

BOOL CVrxPContextMenuManager::RunPopupLoop(HWND hWndPopup, CVrxPPopupMenu* pPopup)
{
    CWinThread* pThread = AfxGetThread();
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    while (::IsWindow(hWndPopup))
    {
        MSG msg;
        if (!::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::WaitMessage();
            if (bIdle)
                lIdleCount = 0;
            continue;
        }
        if (msg.message == WM_QUIT)
        {
            ::PostThreadMessage(::GetCurrentThreadId(), WM_QUIT, msg.wParam, msg.lParam);
            return FALSE;
        }
        if (msg.message == WM_NCLBUTTONDOWN)
        {
            // The click closes the menu and still reaches its window.
            ::DestroyWindow(hWndPopup);
            ::PostMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            return FALSE;
        }
        if (!pThread->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        bIdle = pThread->IsIdleMessage(&msg);
        while (::IsWindow(hWndPopup) && pPopup->WantsIdle() && pThread->OnIdle(lIdleCount++))
        {
        }
    }
    return TRUE;
}

BOOL CVrxPContextMenuManager::StoreToRegistry(LPCTSTR lpszProfile)
{
    const CString path = VrxPBuildRegistryPath(VrxPSectionContextMenuManager, lpszProfile);
    for (POSITION pos = m_menusById.GetStartPosition(); pos != NULL;)
    {
        UINT nMenuId;
        HMENU hMenu;
        m_menusById.GetNextAssoc(pos, nMenuId, hMenu);
        TemporaryMenuBar bar;
        if (!bar.CreateWithDefaultStyle(CWnd::GetDesktopWindow(), barStyle, barId))
            return FALSE;
        const HMENU hPopup = ::GetSubMenu(hMenu, 0);
        if (hPopup != NULL && CVrxPMenuStore::Global().HasStored(hPopup) &&
            CVrxPMenuStore::Global().Restore(hPopup, &bar))
        {
            ApplyResetItems(nMenuId, &bar);
            if (!bar.StoreToRegistry(path, 0, nMenuId))
                return FALSE;
        }
    }
    return TRUE;
}

BOOL CVrxPContextMenuManager::RestoreFromRegistry(LPCTSTR lpszProfile)
{
    const CString path = VrxPBuildRegistryPath(VrxPSectionContextMenuManager, lpszProfile);
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    for (POSITION pos = m_menusById.GetStartPosition(); pos != NULL;)
    {
        UINT nMenuId;
        HMENU hMenu;
        m_menusById.GetNextAssoc(pos, nMenuId, hMenu);
        CWnd* pParent = AfxGetMainWnd();
        if (pParent == nullptr || pParent->GetSafeHwnd() == NULL)
            pParent = CWnd::GetDesktopWindow();
        TemporaryMenuBar bar;
        if (!bar.CreateWithDefaultStyle(pParent, barStyle, barId))
            return FALSE;
        const HMENU hPopup = ::GetSubMenu(hMenu, 0);
        if (!bar.FillFromMenu(hPopup))
            return FALSE;
        if (pWorkspace != nullptr && pWorkspace->resourceUpdate)
            bar.BuildFromMenuResource(nMenuId);
        // A state saved with other resource items is not shown.
        if (bar.RestoreFromRegistry(path, 0, nMenuId) && !bar.HasChangedOriginals())
            CVrxPMenuStore::Global().Store(hPopup, &bar);
        CaptureResetItems(nMenuId, &bar);
    }
    return TRUE;
}

BOOL CVrxPContextMenuManager::ResetAll()
{
    for (POSITION pos = m_menusById.GetStartPosition(); pos != NULL;)
    {
        UINT nMenuId;
        HMENU hMenu;
        m_menusById.GetNextAssoc(pos, nMenuId, hMenu);
        if (const HMENU hPopup = ::GetSubMenu(hMenu, 0))
            CVrxPMenuStore::Global().Discard(hPopup);
    }
    DeleteAllResetItems();
    return TRUE;
}
