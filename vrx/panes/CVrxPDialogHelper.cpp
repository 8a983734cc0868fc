#include "panes/CVrxPDialogHelper.h"

#include "foundation/CVrxPUserToolsManager.h"
#include "strings/CPoint.h"
#include "strings/CRect.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPToolBar.h"

#include <windowsx.h>

namespace
{
CVrxPDialogHelper* s_pCurrentGuard = nullptr;
HHOOK s_hMouseHook = NULL;
// The framework's message a frame answers with FS_SYNCACTIVE when it keeps
// its caption active with its owner.
const UINT floatStatusMessage = 0x036D;
const WPARAM floatStatusSyncActive = 0x0040;

CVrxPPopupMenu* OpenPopup()
{
    CVrxPPopupMenu* pPopup = CVrxPPopupMenu::ActivePopup();
    return pPopup != nullptr && pPopup->GetSafeHwnd() != NULL ? pPopup : nullptr;
}

BOOL IsButtonDown(WPARAM message)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return TRUE;
    default:
        return FALSE;
    }
}
} // namespace

CVrxPDialogHelper::~CVrxPDialogHelper()
{
    if (s_pCurrentGuard == this)
        s_pCurrentGuard = nullptr;
}

CVrxPDialogHelper* CVrxPDialogHelper::CurrentGuard()
{
    return s_pCurrentGuard;
}

BOOL CVrxPDialogHelper::HookInstalled()
{
    return s_hMouseHook != NULL;
}

void CVrxPDialogHelper::SetActivePopup(CVrxPPopupMenu* pPopup)
{
    if (pPopup != nullptr)
    {
        if (s_hMouseHook == NULL)
            s_hMouseHook = ::SetWindowsHookEx(WH_MOUSE, MouseHookProc, NULL, ::GetCurrentThreadId());
        s_pCurrentGuard = this;
        return;
    }
    if (s_hMouseHook != NULL)
    {
        ::UnhookWindowsHookEx(s_hMouseHook);
        s_hMouseHook = NULL;
    }
    s_pCurrentGuard = nullptr;
}

LRESULT CALLBACK CVrxPDialogHelper::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode >= 0 && s_pCurrentGuard != nullptr && IsButtonDown(wParam))
    {
        CPoint point;
        ::GetCursorPos(&point);
        CRect rectOwner;
        ::GetWindowRect(s_pCurrentGuard->m_pOwner->GetSafeHwnd(), &rectOwner);
        if (!rectOwner.PtInRect(point))
            s_pCurrentGuard->ClosePopupOnClick(point);
    }
    return ::CallNextHookEx(s_hMouseHook, nCode, wParam, lParam);
}

// The popup's menu may still be tracking: cancelling ends that first, and
// the close arrives once the popup has returned from it.
void CVrxPDialogHelper::ClosePopup(CVrxPPopupMenu* pPopup)
{
    pPopup->SendMessage(WM_CANCELMODE);
    pPopup->PostMessage(WM_CLOSE);
}

BOOL CVrxPDialogHelper::ClosePopupOnClick(CPoint point)
{
    CVrxPPopupMenu* pPopup = OpenPopup();
    if (CVrxPToolBar::customizeMode || pPopup == nullptr)
        return FALSE;
    CRect rectPopup;
    pPopup->GetWindowRect(&rectPopup);
    if (rectPopup.PtInRect(point))
        return FALSE;
    ClosePopup(pPopup);
    HWND hFocus = ::GetFocus();
    if (hFocus != NULL && dynamic_cast<CVrxPToolBar*>(CWnd::FromHandlePermanent(hFocus)) != nullptr &&
        m_pOwner->GetSafeHwnd() != NULL)
        m_pOwner->SetFocus();
    return FALSE;
}

BOOL CVrxPDialogHelper::IsPointOutsideActivePopup(CPoint point)
{
    CVrxPPopupMenu* pPopup = OpenPopup();
    if (CVrxPToolBar::customizeMode || pPopup == nullptr)
        return FALSE;
    CRect rectPopup;
    pPopup->GetWindowRect(&rectPopup);
    return !rectPopup.PtInRect(point);
}

BOOL CVrxPDialogHelper::FilterMessage(MSG* pMsg)
{
    CVrxPPopupMenu* pPopup = OpenPopup();
    switch (pMsg->message)
    {
    case WM_SYSKEYDOWN:
        if (pPopup != nullptr && pMsg->wParam == VK_MENU)
        {
            pPopup->SendMessage(WM_CLOSE);
            return TRUE;
        }
        return FALSE;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        return ClosePopupOnClick(CPoint(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam)));
    case WM_KEYDOWN:
        if (pPopup == nullptr)
            return FALSE;
        pPopup->SendMessage(WM_KEYDOWN, pMsg->wParam, 0);
        return TRUE;
    case WM_SYSKEYUP:
        return pPopup != nullptr;
    case WM_MOUSEMOVE:
    {
        CPoint point(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        ::ClientToScreen(pMsg->hwnd, &point);
        return IsPointOutsideActivePopup(point);
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    {
        if (!::IsWindow(pMsg->hwnd))
            return TRUE;
        CPoint point(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        ::ClientToScreen(pMsg->hwnd, &point);
        return ClosePopupOnClick(point) || !::IsWindow(pMsg->hwnd);
    }
    case WM_MOUSEWHEEL:
        if (pPopup != nullptr)
            pPopup->SendMessage(WM_MOUSEWHEEL, pMsg->wParam, pMsg->lParam);
        return FALSE;
    default:
        return FALSE;
    }
}

BOOL CVrxPDialogHelper::FilterCommand(WPARAM wParam)
{
    if (HIWORD(wParam) != 1)
        return FALSE;
    if (CVrxPPopupMenu* pPopup = OpenPopup())
    {
        pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
        return TRUE;
    }
    if (CVrxPUserToolsManager* pTools = CVrxPUserToolsManager::Instance())
        return pTools->LaunchTool(LOWORD(wParam));
    return FALSE;
}

void CVrxPDialogHelper::TrackActivation(BOOL bActivating, CWnd* pOther)
{
    m_pOwner->m_nFlags &= ~WF_STAYACTIVE;
    CWnd* pWnd = bActivating ? m_pOwner : pOther;
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL)
    {
        m_pOwner->SendMessage(WM_NCPAINT, 1);
        return;
    }
    if (pWnd == m_pOwner || pWnd->SendMessage(floatStatusMessage, floatStatusSyncActive) != 0)
        m_pOwner->m_nFlags |= WF_STAYACTIVE;
}

BOOL CVrxPDialogHelper::AdjustNcActive(BOOL bActive) const
{
    if ((m_pOwner->m_nFlags & WF_STAYACTIVE) != 0)
        bActive = TRUE;
    if (!m_pOwner->IsWindowEnabled())
        bActive = FALSE;
    return bActive;
}

// A popup outliving its dialog would report its close to a window that is
// gone: it is dismissed with the dialog, and the hook goes with the guard.
void CVrxPDialogHelper::ForgetOwner()
{
    if (s_pCurrentGuard == nullptr || s_pCurrentGuard->m_pOwner != m_pOwner)
        return;
    if (CVrxPPopupMenu* pPopup = OpenPopup())
        ClosePopup(pPopup);
    SetActivePopup(nullptr);
}
