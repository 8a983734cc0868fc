// The message map walk of CWnd: window messages, commands, notifications and
// their reflection to the controls that sent them.

#include "windows/CWnd.h"

#include "app/CCmdUI.h"
#include "gdi/CDC.h"
#include "windows/CMenu.h"

namespace
{
typedef LRESULT (CCmdTarget::*PMSG_lwl)(WPARAM, LPARAM);
typedef BOOL (CCmdTarget::*PMSG_b_v)();
typedef UINT (CCmdTarget::*PMSG_u_v)();
typedef int (CCmdTarget::*PMSG_i_create)(LPCREATESTRUCT);
typedef BOOL (CCmdTarget::*PMSG_b_create)(LPCREATESTRUCT);
typedef void (CCmdTarget::*PMSG_v_size)(UINT, int, int);
typedef void (CCmdTarget::*PMSG_v_move)(int, int);
typedef BOOL (CCmdTarget::*PMSG_b_dc)(CDC*);
typedef void (CCmdTarget::*PMSG_v_timer)(UINT_PTR);
typedef void (CCmdTarget::*PMSG_v_uuu)(UINT, UINT, UINT);
typedef void (CCmdTarget::*PMSG_v_mouse)(UINT, CPoint);
typedef BOOL (CCmdTarget::*PMSG_b_wheel)(UINT, short, CPoint);
typedef void (CCmdTarget::*PMSG_v_wnd)(CWnd*);
typedef void (CCmdTarget::*PMSG_v_nccalcsize)(BOOL, NCCALCSIZE_PARAMS*);
typedef LRESULT (CCmdTarget::*PMSG_l_point)(CPoint);
typedef void (CCmdTarget::*PMSG_v_activate)(UINT, CWnd*, BOOL);
typedef int (CCmdTarget::*PMSG_i_wnd_uu)(CWnd*, UINT, UINT);
typedef BOOL (CCmdTarget::*PMSG_b_wnd_uu)(CWnd*, UINT, UINT);
typedef HBRUSH (CCmdTarget::*PMSG_hbr_ctlcolor)(CDC*, CWnd*, UINT);
typedef void (CCmdTarget::*PMSG_v_drawitem)(int, LPDRAWITEMSTRUCT);
typedef void (CCmdTarget::*PMSG_v_measureitem)(int, LPMEASUREITEMSTRUCT);
typedef int (CCmdTarget::*PMSG_i_compareitem)(int, LPCOMPAREITEMSTRUCT);
typedef void (CCmdTarget::*PMSG_v_deleteitem)(int, LPDELETEITEMSTRUCT);
typedef void (CCmdTarget::*PMSG_v_scroll)(UINT, UINT, CScrollBar*);
typedef void (CCmdTarget::*PMSG_v_contextmenu)(CWnd*, CPoint);
typedef void (CCmdTarget::*PMSG_v_minmaxinfo)(MINMAXINFO*);
typedef void (CCmdTarget::*PMSG_v_windowpos)(WINDOWPOS*);
typedef void (CCmdTarget::*PMSG_v_b_u)(BOOL, UINT);
typedef void (CCmdTarget::*PMSG_v_u_l)(UINT, LPARAM);
typedef void (CCmdTarget::*PMSG_v_settingchange)(UINT, LPCTSTR);
typedef void (CCmdTarget::*PMSG_v_u_wnd)(UINT, CWnd*);
typedef void (CCmdTarget::*PMSG_v_initmenupopup)(CMenu*, UINT, BOOL);
typedef void (CCmdTarget::*PMSG_v_menuselect)(UINT, UINT, HMENU);
typedef LRESULT (CCmdTarget::*PMSG_l_menuchar)(UINT, UINT, CMenu*);
typedef BOOL (CCmdTarget::*PMSG_b_copydata)(CWnd*, COPYDATASTRUCT*);
typedef void (CCmdTarget::*PMSG_v_dropfiles)(HDROP);
typedef BOOL (CCmdTarget::*PMSG_b_b)(BOOL);
typedef void (CCmdTarget::*PMSG_v_b)(BOOL);
typedef void (CCmdTarget::*PMSG_v_activateapp)(BOOL, DWORD);
typedef void (CCmdTarget::*PMSG_v_style)(int, LPSTYLESTRUCT);
typedef void (CCmdTarget::*PMSG_v_u_rect)(UINT, LPRECT);
typedef int (CCmdTarget::*PMSG_i_keytoitem)(UINT, CListBox*, UINT);
typedef void (CCmdTarget::*PMSG_v_mdiactivate)(BOOL, CWnd*, CWnd*);
typedef void (CCmdTarget::*PMSG_v_notify)(NMHDR*, LRESULT*);
typedef BOOL (CCmdTarget::*PMSG_b_notify)(NMHDR*, LRESULT*);
typedef HBRUSH (CCmdTarget::*PMSG_hbr_reflect)(CDC*, UINT);
typedef void (CCmdTarget::*PMSG_v_reflect_drawitem)(LPDRAWITEMSTRUCT);
typedef void (CCmdTarget::*PMSG_v_reflect_measureitem)(LPMEASUREITEMSTRUCT);
typedef int (CCmdTarget::*PMSG_i_reflect_compareitem)(LPCOMPAREITEMSTRUCT);
typedef void (CCmdTarget::*PMSG_v_reflect_deleteitem)(LPDELETEITEMSTRUCT);
typedef void (CCmdTarget::*PMSG_v_uu)(UINT, UINT);
typedef int (CCmdTarget::*PMSG_i_uu)(UINT, UINT);

BOOL IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The notifications to a parent, besides WM_COMMAND, WM_NOTIFY and
// WM_CTLCOLOR*, that go to the sending control's reflected handlers first.
BOOL IsReflectedNotification(UINT message)
{
    switch (message)
    {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_PARENTNOTIFY:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL IsReflectForm(UINT nSig)
{
    return nSig >= AfxSigW_reflect_v;
}

// The first entry of the class's maps, most derived first, with the message,
// the notification code and a window form of the wanted kind.
const AFX_MSGMAP_ENTRY* FindWindowEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, BOOL bReflect)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry)
        {
            if (pEntry->nMessage == nMessage && LOWORD(pEntry->nCode) == LOWORD(nCode) &&
                pEntry->nSig >= AfxSig_firstWindowForm && IsReflectForm(pEntry->nSig) == bReflect)
                return pEntry;
        }
    }
    return nullptr;
}

CPoint PointOf(LPARAM lParam)
{
    return CPoint(static_cast<DWORD>(lParam));
}

CWnd* WndOf(WPARAM wParamOrLParam)
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(wParamOrLParam));
}

CDC* DCOf(WPARAM wParam)
{
    return CDC::FromHandle(reinterpret_cast<HDC>(wParam));
}

// Calls the handler of the entry with the message's arguments unpacked as its
// form wants them. FALSE when the handler declined the message (the _EX
// reflection forms, a NULL reflected brush).
BOOL CallWindowHandler(CWnd* pWnd, const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& lResult)
{
    CCmdTarget* pTarget = pWnd;
    AFX_PMSG pfn = entry.pfn;
    lResult = 0;
    switch (entry.nSig)
    {
    case AfxSigW_lwl:
        lResult = (pTarget->*AfxHandlerAs<PMSG_lwl>(pfn))(wParam, lParam);
        return TRUE;
    case AfxSigW_v_v:
    case AfxSigW_reflect_v:
        (pTarget->*pfn)();
        return TRUE;
    case AfxSigW_b_v:
        lResult = (pTarget->*AfxHandlerAs<PMSG_b_v>(pfn))();
        return TRUE;
    case AfxSigW_reflect_b:
        return (pTarget->*AfxHandlerAs<PMSG_b_v>(pfn))();
    case AfxSigW_u_v:
        lResult = (pTarget->*AfxHandlerAs<PMSG_u_v>(pfn))();
        return TRUE;
    case AfxSigW_i_create:
        lResult = (pTarget->*AfxHandlerAs<PMSG_i_create>(pfn))(reinterpret_cast<LPCREATESTRUCT>(lParam));
        return TRUE;
    case AfxSigW_b_create:
        lResult = (pTarget->*AfxHandlerAs<PMSG_b_create>(pfn))(reinterpret_cast<LPCREATESTRUCT>(lParam));
        return TRUE;
    case AfxSigW_v_size:
        (pTarget->*AfxHandlerAs<PMSG_v_size>(pfn))(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),
                                                  static_cast<short>(HIWORD(lParam)));
        return TRUE;
    case AfxSigW_v_move:
        (pTarget->*AfxHandlerAs<PMSG_v_move>(pfn))(static_cast<short>(LOWORD(lParam)),
                                                  static_cast<short>(HIWORD(lParam)));
        return TRUE;
    case AfxSigW_b_dc:
        lResult = (pTarget->*AfxHandlerAs<PMSG_b_dc>(pfn))(DCOf(wParam));
        return TRUE;
    case AfxSigW_v_timer:
        (pTarget->*AfxHandlerAs<PMSG_v_timer>(pfn))(static_cast<UINT_PTR>(wParam));
        return TRUE;
    case AfxSigW_v_key:
        (pTarget->*AfxHandlerAs<PMSG_v_uuu>(pfn))(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case AfxSigW_v_mouse:
        (pTarget->*AfxHandlerAs<PMSG_v_mouse>(pfn))(static_cast<UINT>(wParam), PointOf(lParam));
        return TRUE;
    case AfxSigW_b_wheel:
        lResult = (pTarget->*AfxHandlerAs<PMSG_b_wheel>(pfn))(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                                                            PointOf(lParam));
        return TRUE;
    case AfxSigW_v_wnd:
        (pTarget->*AfxHandlerAs<PMSG_v_wnd>(pfn))(WndOf(wParam));
        return TRUE;
    case AfxSigW_v_wndl:
        (pTarget->*AfxHandlerAs<PMSG_v_wnd>(pfn))(WndOf(lParam));
        return TRUE;
    case AfxSigW_v_nccalcsize:
        (pTarget->*AfxHandlerAs<PMSG_v_nccalcsize>(pfn))(static_cast<BOOL>(wParam),
                                                        reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
        return TRUE;
    case AfxSigW_l_point:
        lResult = (pTarget->*AfxHandlerAs<PMSG_l_point>(pfn))(PointOf(lParam));
        return TRUE;
    case AfxSigW_v_activate:
        (pTarget->*AfxHandlerAs<PMSG_v_activate>(pfn))(LOWORD(wParam), WndOf(lParam), HIWORD(wParam) != 0);
        return TRUE;
    case AfxSigW_i_mouseactivate:
        lResult = (pTarget->*AfxHandlerAs<PMSG_i_wnd_uu>(pfn))(WndOf(wParam), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case AfxSigW_b_setcursor:
        lResult = (pTarget->*AfxHandlerAs<PMSG_b_wnd_uu>(pfn))(WndOf(wParam), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case AfxSigW_hbr_ctlcolor:
        lResult = reinterpret_cast<LRESULT>((pTarget->*AfxHandlerAs<PMSG_hbr_ctlcolor>(pfn))(
            DCOf(wParam), WndOf(lParam), message - WM_CTLCOLORMSGBOX));
        return TRUE;
    case AfxSigW_v_drawitem:
        (pTarget->*AfxHandlerAs<PMSG_v_drawitem>(pfn))(static_cast<int>(wParam),
                                                      reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        return TRUE;
    case AfxSigW_v_measureitem:
        (pTarget->*AfxHandlerAs<PMSG_v_measureitem>(pfn))(static_cast<int>(wParam),
                                                         reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        return TRUE;
    case AfxSigW_i_compareitem:
        lResult = (pTarget->*AfxHandlerAs<PMSG_i_compareitem>(pfn))(static_cast<int>(wParam),
                                                                   reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        return TRUE;
    case AfxSigW_v_deleteitem:
        (pTarget->*AfxHandlerAs<PMSG_v_deleteitem>(pfn))(static_cast<int>(wParam),
                                                        reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        lResult = TRUE;
        return TRUE;
    case AfxSigW_v_scroll:
        // The control that scrolls has the class of the handler's argument
        // only when it is one: a temporary object of the base class otherwise.
        (pTarget->*AfxHandlerAs<PMSG_v_scroll>(pfn))(LOWORD(wParam), HIWORD(wParam),
                                                    reinterpret_cast<CScrollBar*>(WndOf(lParam)));
        return TRUE;
    case AfxSigW_v_contextmenu:
        (pTarget->*AfxHandlerAs<PMSG_v_contextmenu>(pfn))(WndOf(wParam), PointOf(lParam));
        return TRUE;
    case AfxSigW_v_minmaxinfo:
        (pTarget->*AfxHandlerAs<PMSG_v_minmaxinfo>(pfn))(reinterpret_cast<MINMAXINFO*>(lParam));
        return TRUE;
    case AfxSigW_v_windowpos:
        (pTarget->*AfxHandlerAs<PMSG_v_windowpos>(pfn))(reinterpret_cast<WINDOWPOS*>(lParam));
        return TRUE;
    case AfxSigW_v_showwindow:
        (pTarget->*AfxHandlerAs<PMSG_v_b_u>(pfn))(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return TRUE;
    case AfxSigW_v_u_l:
    case AfxSigW_reflect_parentnotify:
        (pTarget->*AfxHandlerAs<PMSG_v_u_l>(pfn))(static_cast<UINT>(wParam), lParam);
        return TRUE;
    case AfxSigW_v_settingchange:
        (pTarget->*AfxHandlerAs<PMSG_v_settingchange>(pfn))(static_cast<UINT>(wParam),
                                                           reinterpret_cast<LPCTSTR>(lParam));
        return TRUE;
    case AfxSigW_v_enteridle:
        (pTarget->*AfxHandlerAs<PMSG_v_u_wnd>(pfn))(static_cast<UINT>(wParam), WndOf(lParam));
        return TRUE;
    case AfxSigW_v_initmenupopup:
        (pTarget->*AfxHandlerAs<PMSG_v_initmenupopup>(pfn))(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)),
                                                           LOWORD(lParam), HIWORD(lParam) != 0);
        return TRUE;
    case AfxSigW_v_menuselect:
        (pTarget->*AfxHandlerAs<PMSG_v_menuselect>(pfn))(LOWORD(wParam), HIWORD(wParam),
                                                        reinterpret_cast<HMENU>(lParam));
        return TRUE;
    case AfxSigW_l_menuchar:
        lResult = (pTarget->*AfxHandlerAs<PMSG_l_menuchar>(pfn))(LOWORD(wParam), HIWORD(wParam),
                                                               CMenu::FromHandle(reinterpret_cast<HMENU>(lParam)));
        return TRUE;
    case AfxSigW_v_hotkey:
        (pTarget->*AfxHandlerAs<PMSG_v_uuu>(pfn))(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case AfxSigW_b_copydata:
        lResult = (pTarget->*AfxHandlerAs<PMSG_b_copydata>(pfn))(WndOf(wParam),
                                                               reinterpret_cast<COPYDATASTRUCT*>(lParam));
        return TRUE;
    case AfxSigW_v_dropfiles:
        (pTarget->*AfxHandlerAs<PMSG_v_dropfiles>(pfn))(reinterpret_cast<HDROP>(wParam));
        return TRUE;
    case AfxSigW_b_b:
        lResult = (pTarget->*AfxHandlerAs<PMSG_b_b>(pfn))(static_cast<BOOL>(wParam));
        return TRUE;
    case AfxSigW_v_b:
        (pTarget->*AfxHandlerAs<PMSG_v_b>(pfn))(static_cast<BOOL>(wParam));
        return TRUE;
    case AfxSigW_v_activateapp:
        (pTarget->*AfxHandlerAs<PMSG_v_activateapp>(pfn))(static_cast<BOOL>(wParam), static_cast<DWORD>(lParam));
        return TRUE;
    case AfxSigW_v_style:
        (pTarget->*AfxHandlerAs<PMSG_v_style>(pfn))(static_cast<int>(wParam),
                                                   reinterpret_cast<LPSTYLESTRUCT>(lParam));
        return TRUE;
    case AfxSigW_v_u_rect:
        (pTarget->*AfxHandlerAs<PMSG_v_u_rect>(pfn))(static_cast<UINT>(wParam), reinterpret_cast<LPRECT>(lParam));
        lResult = TRUE;
        return TRUE;
    case AfxSigW_i_keytoitem:
        lResult = (pTarget->*AfxHandlerAs<PMSG_i_keytoitem>(pfn))(
            LOWORD(wParam), reinterpret_cast<CListBox*>(WndOf(lParam)), HIWORD(wParam));
        return TRUE;
    case AfxSigW_v_mdiactivate:
        (pTarget->*AfxHandlerAs<PMSG_v_mdiactivate>(pfn))(
            reinterpret_cast<HWND>(lParam) == pWnd->m_hWnd, WndOf(lParam), WndOf(wParam));
        return TRUE;
    case AfxSigW_reflect_notify:
        (pTarget->*AfxHandlerAs<PMSG_v_notify>(pfn))(reinterpret_cast<NMHDR*>(lParam), &lResult);
        return TRUE;
    case AfxSigW_reflect_notifyEx:
        return (pTarget->*AfxHandlerAs<PMSG_b_notify>(pfn))(reinterpret_cast<NMHDR*>(lParam), &lResult);
    case AfxSigW_reflect_ctlcolor:
    {
        HBRUSH hBrush = (pTarget->*AfxHandlerAs<PMSG_hbr_reflect>(pfn))(DCOf(wParam), message - WM_CTLCOLORMSGBOX);
        lResult = reinterpret_cast<LRESULT>(hBrush);
        return hBrush != NULL;
    }
    case AfxSigW_reflect_drawitem:
        (pTarget->*AfxHandlerAs<PMSG_v_reflect_drawitem>(pfn))(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        return TRUE;
    case AfxSigW_reflect_measureitem:
        (pTarget->*AfxHandlerAs<PMSG_v_reflect_measureitem>(pfn))(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        return TRUE;
    case AfxSigW_reflect_compareitem:
        lResult = (pTarget->*AfxHandlerAs<PMSG_i_reflect_compareitem>(pfn))(
            reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        return TRUE;
    case AfxSigW_reflect_deleteitem:
        (pTarget->*AfxHandlerAs<PMSG_v_reflect_deleteitem>(pfn))(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        lResult = TRUE;
        return TRUE;
    case AfxSigW_reflect_scroll:
        (pTarget->*AfxHandlerAs<PMSG_v_uu>(pfn))(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case AfxSigW_reflect_keytoitem:
        lResult = (pTarget->*AfxHandlerAs<PMSG_i_uu>(pfn))(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

// The control a notification sent to its parent comes from, for the
// messages the parent offers back to the control first; NULL for others.
HWND NotifyingChild(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsCtlColorMessage(message))
        return reinterpret_cast<HWND>(lParam);
    switch (message)
    {
    case WM_DRAWITEM:
    {
        LPDRAWITEMSTRUCT lpDIS = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        return lpDIS->CtlType != ODT_MENU ? lpDIS->hwndItem : NULL;
    }
    case WM_MEASUREITEM:
    {
        LPMEASUREITEMSTRUCT lpMIS = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        return lpMIS->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, static_cast<int>(lpMIS->CtlID)) : NULL;
    }
    case WM_COMPAREITEM:
        return reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)->hwndItem;
    case WM_DELETEITEM:
        return reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)->hwndItem;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return reinterpret_cast<HWND>(lParam);
    case WM_PARENTNOTIFY:
        return LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY ? reinterpret_cast<HWND>(lParam) : NULL;
    default:
        return NULL;
    }
}

// A menu item drawn by the CMenu object that owns the menu.
BOOL DrawOwnerDrawnMenuItem(LPARAM lParam)
{
    LPDRAWITEMSTRUCT lpDIS = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
    if (lpDIS->CtlType != ODT_MENU)
        return FALSE;
    CMenu* pMenu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lpDIS->hwndItem));
    if (pMenu == nullptr)
        return FALSE;
    pMenu->DrawItem(lpDIS);
    return TRUE;
}

// Records what an update handler decides about a command, and applies it to
// nothing: the question is only whether the command may run.
class CTestCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;

    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
};
} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    // Commands and notifications go through routing first; one it leaves
    // may still have an ON_MESSAGE handler in the map.
    if (message == WM_COMMAND && OnCommand(wParam, lParam))
    {
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->hwndFrom != NULL &&
        OnNotify(wParam, lParam, &lResult))
    {
        *pResult = lResult;
        return TRUE;
    }
    if (message == WM_DRAWITEM && DrawOwnerDrawnMenuItem(lParam))
    {
        *pResult = TRUE;
        return TRUE;
    }
    HWND hWndChild = NotifyingChild(m_hWnd, message, wParam, lParam);
    if (hWndChild != NULL && ReflectMessageToChild(hWndChild, message, wParam, lParam, &lResult))
    {
        *pResult = lResult;
        return TRUE;
    }

    const AFX_MSGMAP_ENTRY* pEntry =
        FindWindowEntry(GetMessageMap(), IsCtlColorMessage(message) ? WM_CTLCOLOR : message, 0, FALSE);
    if (pEntry == nullptr || message == 0)
        return FALSE;
    CallWindowHandler(this, *pEntry, message, wParam, lParam, lResult);
    *pResult = lResult;
    return TRUE;
}

BOOL CWnd::ReflectMessageToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Only a control with its own object can have reflected handlers.
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == nullptr)
        return FALSE;
    LRESULT lResult = 0;
    BOOL bTaken = pChild->OnChildNotify(message, wParam, lParam, &lResult);
    if (bTaken && pResult != NULL)
        *pResult = lResult;
    return bTaken;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT nCode = 0;
    UINT nReflected = WM_REFLECT_BASE + message;
    if (message == WM_COMMAND)
        nCode = HIWORD(wParam);
    else if (message == WM_NOTIFY)
        nCode = reinterpret_cast<NMHDR*>(lParam)->code;
    else if (IsCtlColorMessage(message))
        nReflected = WM_REFLECT_BASE + WM_CTLCOLOR;
    else if (!IsReflectedNotification(message))
        return FALSE;

    const AFX_MSGMAP_ENTRY* pEntry = FindWindowEntry(GetMessageMap(), nReflected, nCode, TRUE);
    if (pEntry == nullptr)
        return FALSE;
    LRESULT lResult = 0;
    if (!CallWindowHandler(this, *pEntry, message, wParam, lParam, lResult))
        return FALSE;
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == NULL)
    {
        // A menu item or an accelerator.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, NULL);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else if (ReflectMessageToChild(hWndCtrl, WM_COMMAND, wParam, lParam, NULL))
    {
        return TRUE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = pNMHDR->hwndFrom;
    if (ReflectMessageToChild(hWndCtrl, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    // The id of the sending window: a tooltip's notifications carry the tool
    // in idFrom, and the tip itself has id 0.
    UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndCtrl));
    AFX_NOTIFY notify = {pResult, pNMHDR};
    if (OnCmdMsg(nID, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, NULL))
        return TRUE;
    return pNMHDR->code == TTN_NEEDTEXTA && DefaultToolTipText(pNMHDR);
}
