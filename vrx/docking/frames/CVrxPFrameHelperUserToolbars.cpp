// The frame helper's user-defined and torn-off toolbars.
#include "docking/mdi/CVrxPFrameHelper.h"

#include "app/AfxMessageBox.h"
#include "docking/CVrxPFrameBarManager.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "docking/VrxPDockingResources.h"
#include "foundation/CVrxPRegistryHolder.h"
#include "foundation/CVrxPWorkspace.h"
#include "frames/CFrameWnd.h"
#include "strings/CRect.h"
#include "toolbars/CVrxPToolBar.h"

void CVrxPFrameHelper::PrepareUserToolbars(LPCTSTR lpszProfile, UINT nFirstId, UINT nLastId)
{
    if (nFirstId == noUserToolbarId || nLastId == noUserToolbarId)
        return;
    userToolbarFirstId = nFirstId;
    userToolbarLastId = nLastId;
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    if (lpszProfile != nullptr)
        userToolbarProfile = lpszProfile;
    else if (pWorkspace != nullptr)
        userToolbarProfile = pWorkspace->BuildSectionPath();
    else
        userToolbarProfile.Empty();
}

BOOL CVrxPFrameHelper::IsUserToolbar(CWnd* pBar) const
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == NULL)
        return FALSE;
    const UINT nID = static_cast<UINT>(pBar->GetDlgCtrlID());
    return userToolbarFirstId <= nID && nID <= userToolbarLastId;
}

UINT CVrxPFrameHelper::FindFreeUserToolbarId(UINT nFirstId, UINT nLastId, const CObList& bars)
{
    if (nFirstId == noUserToolbarId || nLastId == noUserToolbarId || nLastId < nFirstId ||
        static_cast<UINT>(bars.GetCount()) == nLastId - nFirstId + 1)
        return 0;
    for (UINT nID = nFirstId; nID <= nLastId; nID++)
    {
        BOOL bTaken = FALSE;
        for (POSITION pos = bars.GetHeadPosition(); pos != NULL && !bTaken;)
            bTaken = static_cast<UINT>(static_cast<CWnd*>(bars.GetNext(pos))->GetDlgCtrlID()) == nID;
        if (!bTaken)
            return nID;
    }
    return 0;
}

LPCTSTR CVrxPFrameHelper::UserToolbarProfile() const
{
    return userToolbarProfile.IsEmpty() ? nullptr : (LPCTSTR)userToolbarProfile;
}

CVrxPToolBar* CVrxPFrameHelper::CreateUserToolbar(LPCTSTR lpszName)
{
    if (frameWindow == nullptr)
        return nullptr;
    const UINT nID = FindFreeUserToolbarId(userToolbarFirstId, userToolbarLastId, userToolbars);
    if (nID == 0)
    {
        CString format;
        format.LoadString(VrxPIdsUserToolbarLimit);
        CString message;
        message.Format(format, static_cast<int>(userToolbarLastId - userToolbarFirstId + 1));
        AfxMessageBox(message, MB_ICONINFORMATION);
        return nullptr;
    }
    CVrxPToolBar* pBar = CreateBar(userToolbarClass, nID);
    if (pBar == nullptr)
        return nullptr;
    pBar->SetWindowText(lpszName != nullptr ? lpszName : "");
    pBar->SetBarStyle(pBar->GetBarStyle() | userToolbarBarStyle);
    pBar->AllowDocking(CBRS_ALIGN_ANY);
    // Only a docked bar floats: it joins its frame's top first.
    if (barManager != nullptr)
    {
        barManager->AddBar(pBar);
        barManager->DockControlBar(pBar, 0, nullptr);
    }
    CRect rectWindow;
    pBar->GetWindowRect(&rectWindow);
    const CPoint center(::GetSystemMetrics(SM_CXFULLSCREEN) / 2, ::GetSystemMetrics(SM_CYFULLSCREEN) / 2);
    pBar->FloatBar(CRect(center, rectWindow.Size()), CVrxPControlBar::dockByWindowMenu, TRUE);
    pBar->SetMruWidth(CVrxPControlBar::noMruWidth);
    frameWindow->RecalcLayout(TRUE);
    userToolbars.AddTail(pBar);
    return pBar;
}

BOOL CVrxPFrameHelper::DeleteUserToolbar(CVrxPToolBar* pBar)
{
    POSITION pos = userToolbars.Find(pBar);
    if (pos == NULL)
        return FALSE;
    userToolbars.RemoveAt(pos);
    pBar->RemoveStateFromRegistry(UserToolbarProfile(), -1, -1);
    if (pBar->GetDockSite() != nullptr)
        pBar->DetachFromSite(TRUE);
    else if (CVrxPMiniFrameWnd* pMiniFrame = pBar->FindMiniFrameParent())
        pMiniFrame->ReleaseHostedBar();
    if (barManager != nullptr)
        barManager->RemoveBarFromList(pBar);
    DestroyBar(pBar);
    if (frameWindow != nullptr)
        frameWindow->RecalcLayout(TRUE);
    return TRUE;
}

CVrxPToolBar* CVrxPFrameHelper::CreateBar(CRuntimeClass* pClass, UINT nID)
{
    CVrxPToolBar* pBar = dynamic_cast<CVrxPToolBar*>(pClass != nullptr ? pClass->CreateObject() : nullptr);
    if (pBar == nullptr)
        return nullptr;
    if (!pBar->CreateWithDefaultStyle(frameWindow, userToolbarStyle, nID))
    {
        delete pBar;
        return nullptr;
    }
    return pBar;
}

void CVrxPFrameHelper::DestroyBar(CVrxPToolBar* pBar)
{
    if (pBar->GetSafeHwnd() != NULL)
        pBar->DestroyWindow();
    delete pBar;
}

void CVrxPFrameHelper::DockRestoredBar(CVrxPToolBar* pBar)
{
    if (barManager == nullptr)
        return;
    barManager->AddBar(pBar);
    barManager->DockControlBar(pBar, 0, nullptr);
}

void CVrxPFrameHelper::RecreateUserToolbars()
{
    if (userToolbarFirstId == noUserToolbarId || userToolbarLastId == noUserToolbarId ||
        userToolbarLastId < userToolbarFirstId || frameWindow == nullptr)
        return;
    LPCTSTR lpszProfile = UserToolbarProfile();
    for (UINT nID = userToolbarFirstId; nID <= userToolbarLastId; nID++)
    {
        CVrxPToolBar* pBar = CreateBar(userToolbarClass, nID);
        if (pBar == nullptr)
            continue;
        if (!pBar->RestoreFromRegistry(lpszProfile, -1, -1))
        {
            DestroyBar(pBar);
            continue;
        }
        pBar->SetBarStyle(pBar->GetBarStyle() | userToolbarBarStyle);
        pBar->AllowDocking(CBRS_ALIGN_ANY);
        DockRestoredBar(pBar);
        userToolbars.AddTail(pBar);
    }
    frameWindow->RecalcLayout();
}

BOOL CVrxPFrameHelper::IsOwnBar(CWnd* pBar, BOOL bThisFrameOnly) const
{
    return !bThisFrameOnly || pBar->GetTopLevelFrame() == frameWindow;
}

void CVrxPFrameHelper::StoreUserToolbars(BOOL bThisFrameOnly)
{
    LPCTSTR lpszProfile = UserToolbarProfile();
    for (POSITION pos = userToolbars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(userToolbars.GetNext(pos));
        if (IsOwnBar(pBar, bThisFrameOnly))
            pBar->StoreToRegistry(lpszProfile, -1, static_cast<UINT>(-1));
    }
}

void CVrxPFrameHelper::RememberTearOffBar(CVrxPToolBar* pBar)
{
    tearOffBars.AddTail(pBar);
}

void CVrxPFrameHelper::ForgetTearOffBar(CVrxPToolBar* pBar)
{
    if (POSITION pos = tearOffBars.Find(pBar))
        tearOffBars.RemoveAt(pos);
}

CString CVrxPFrameHelper::TearOffSectionPath() const
{
    CVrxPWorkspace* pWorkspace = VrxPWorkspaceInstance();
    return (pWorkspace != nullptr ? pWorkspace->BuildSectionPath() : CString()) + tearOffSection;
}

void CVrxPFrameHelper::RestoreTearOffBars()
{
    while (!tearOffBars.IsEmpty())
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(tearOffBars.RemoveHead());
        if (pBar->GetDockSite() != nullptr)
            pBar->DetachFromSite(TRUE);
        if (barManager != nullptr)
            barManager->RemoveBarFromList(pBar);
        DestroyBar(pBar);
    }
    if (frameWindow == nullptr)
        return;
    const CString section = TearOffSectionPath();
    for (int n = 0;; n++)
    {
        CString key;
        key.Format("%s-%d", (LPCTSTR)section, n);
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, TRUE);
        int nID = 0;
        CString name;
        CObject* pObject = nullptr;
        if (!registry.OpenKey(key) || !registry.ReadInt("ID", nID) || !registry.ReadString("Name", name) ||
            !registry.ReadObject("State", RUNTIME_CLASS(CVrxPToolBar), pObject))
            return;
        CVrxPToolBar* pBar = dynamic_cast<CVrxPToolBar*>(pObject);
        if (pBar == nullptr || !pBar->CreateWithDefaultStyle(frameWindow, userToolbarStyle, static_cast<UINT>(nID)))
        {
            delete pObject;
            return;
        }
        pBar->SetWindowText(name);
        pBar->SetBarStyle(pBar->GetBarStyle() | userToolbarBarStyle);
        pBar->AllowDocking(CBRS_ALIGN_ANY);
        tearOffBars.AddTail(pBar);
        pBar->RestoreFromRegistry(section, n, -1);
        DockRestoredBar(pBar);
    }
}

void CVrxPFrameHelper::StoreTearOffBars(BOOL bThisFrameOnly)
{
    const CString section = TearOffSectionPath();
    for (int n = 0;; n++)
    {
        CString key;
        key.Format("%s-%d", (LPCTSTR)section, n);
        CVrxPRegistryHolder holder;
        if (!holder.Open(FALSE, FALSE).RemoveKey(key, FALSE))
            break;
    }
    int n = 0;
    for (POSITION pos = tearOffBars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(tearOffBars.GetNext(pos));
        if (pBar->GetSafeHwnd() == NULL || (pBar->GetStyle() & WS_VISIBLE) == 0 || !IsOwnBar(pBar, bThisFrameOnly))
            continue;
        CString key;
        key.Format("%s-%d", (LPCTSTR)section, n);
        CString name;
        pBar->GetWindowText(name);
        CVrxPRegistryHolder holder;
        CVrxPRegistry& registry = holder.Open(FALSE, FALSE);
        if (registry.MakeKey(key) && registry.WriteInt("ID", pBar->GetDlgCtrlID()) &&
            registry.WriteString("Name", name) && registry.WriteObject("State", pBar))
            pBar->StoreToRegistry(section, n, static_cast<UINT>(-1));
        n++;
    }
}
