#include "app/CCmdTarget.h"

#include "app/CCmdUI.h"
#include "app/CWinApp.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace
{
typedef BOOL (CCmdTarget::*PMSG_commandEx)(UINT);
typedef void (CCmdTarget::*PMSG_commandRange)(UINT);
typedef void (CCmdTarget::*PMSG_updateCommandUI)(CCmdUI*);
typedef void (CCmdTarget::*PMSG_notify)(NMHDR*, LRESULT*);
typedef BOOL (CCmdTarget::*PMSG_notifyEx)(UINT, NMHDR*, LRESULT*);
typedef void (CCmdTarget::*PMSG_notifyRange)(UINT, NMHDR*, LRESULT*);

BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, const AFX_MSGMAP_ENTRY& entry, void* pExtra)
{
    switch (entry.nSig)
    {
    case AfxSig_command:
        (pTarget->*entry.pfn)();
        return TRUE;
    case AfxSig_commandEx:
        return (pTarget->*AfxHandlerAs<PMSG_commandEx>(entry.pfn))(nID);
    case AfxSig_commandRange:
        (pTarget->*AfxHandlerAs<PMSG_commandRange>(entry.pfn))(nID);
        return TRUE;
    case AfxSig_updateCommandUI:
    {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        // A combo box's CBN_ERRSPACE carries the same code, but no CCmdUI.
        if (pCmdUI == nullptr)
            return FALSE;
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*AfxHandlerAs<PMSG_updateCommandUI>(entry.pfn))(pCmdUI);
        return !pCmdUI->m_bContinueRouting;
    }
    case AfxSig_notify:
    {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        (pTarget->*AfxHandlerAs<PMSG_notify>(entry.pfn))(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    }
    case AfxSig_notifyEx:
    {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        return (pTarget->*AfxHandlerAs<PMSG_notifyEx>(entry.pfn))(nID, pNotify->pNMHDR, pNotify->pResult);
    }
    case AfxSig_notifyRange:
    {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        (pTarget->*AfxHandlerAs<PMSG_notifyRange>(entry.pfn))(nID, pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    }
    default:
        // A window-message form in a command entry: not ours to call.
        return FALSE;
    }
}
} // namespace

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMessage, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry)
    {
        if (lpEntry->nMessage == nMessage && LOWORD(lpEntry->nCode) == LOWORD(nCode) && lpEntry->nID <= nID &&
            nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return nullptr;
}

CCmdTarget::CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY messageEntries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &messageEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMessage = WM_COMMAND;
    UINT nNotifyCode = static_cast<UINT>(nCode);
    if (nCode != CN_UPDATE_COMMAND_UI && HIWORD(nCode) != 0)
    {
        nMessage = HIWORD(nCode);
        nNotifyCode = LOWORD(nCode);
    }

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
    {
        const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(pMap->lpEntries, nMessage, nNotifyCode, nID);
        if (pEntry == nullptr)
            continue;
        if (pHandlerInfo != nullptr)
        {
            pHandlerInfo->pTarget = this;
            pHandlerInfo->pmf = pEntry->pfn;
            return TRUE;
        }
        return DispatchCmdMsg(this, nID, *pEntry, pExtra);
    }
    return FALSE;
}

// The count lives in the application object; without one (a test, a
// library used on its own) the cursor is left alone.
void CCmdTarget::BeginWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(0);
}
