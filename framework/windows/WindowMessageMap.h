#pragma once

// The window-message entries of message maps: the handler forms the window
// layer knows how to call, and the ON_WM_* / ON_MESSAGE / reflection macros
// that make entries of those forms. The entries share the structure of the
// command entries (app/CCmdTarget.h): message, notification code, ids 0, form,
// handler. Included by windows/CWnd.h; use that header.

#include "app/CCmdTarget.h"
#include "windows/FrameworkMessages.h"

class CDC;
class CListBox;
class CMenu;
class CScrollBar;
class CWnd;

// The window forms, named by what the handler returns and takes.
enum AfxSigW : UINT
{
    AfxSigW_lwl = AfxSig_firstWindowForm, // LRESULT (WPARAM, LPARAM)
    AfxSigW_v_v,                          // void ()
    AfxSigW_b_v,                          // BOOL ()
    AfxSigW_u_v,                          // UINT ()
    AfxSigW_i_create,                     // int (LPCREATESTRUCT)
    AfxSigW_b_create,                     // BOOL (LPCREATESTRUCT)
    AfxSigW_v_size,                       // void (UINT nType, int cx, int cy)
    AfxSigW_v_move,                       // void (int x, int y)
    AfxSigW_b_dc,                         // BOOL (CDC*)
    AfxSigW_v_timer,                      // void (UINT_PTR nIDEvent)
    AfxSigW_v_key,                        // void (UINT nChar, UINT nRepCnt, UINT nFlags)
    AfxSigW_v_mouse,                      // void (UINT nFlags or nHitTest, CPoint)
    AfxSigW_b_wheel,                      // BOOL (UINT nFlags, short zDelta, CPoint)
    AfxSigW_v_wnd,                        // void (CWnd*) from wParam
    AfxSigW_v_wndl,                       // void (CWnd*) from lParam
    AfxSigW_v_nccalcsize,                 // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSigW_l_point,                      // LRESULT (CPoint)
    AfxSigW_v_activate,                   // void (UINT nState, CWnd* pWndOther, BOOL bMinimized)
    AfxSigW_i_mouseactivate,              // int (CWnd* pDesktopWnd, UINT nHitTest, UINT message)
    AfxSigW_b_setcursor,                  // BOOL (CWnd*, UINT nHitTest, UINT message)
    AfxSigW_hbr_ctlcolor,                 // HBRUSH (CDC*, CWnd*, UINT nCtlColor)
    AfxSigW_v_drawitem,                   // void (int nIDCtl, LPDRAWITEMSTRUCT)
    AfxSigW_v_measureitem,                // void (int nIDCtl, LPMEASUREITEMSTRUCT)
    AfxSigW_i_compareitem,                // int (int nIDCtl, LPCOMPAREITEMSTRUCT)
    AfxSigW_v_deleteitem,                 // void (int nIDCtl, LPDELETEITEMSTRUCT)
    AfxSigW_v_scroll,                     // void (UINT nSBCode, UINT nPos, CScrollBar*)
    AfxSigW_v_contextmenu,                // void (CWnd*, CPoint)
    AfxSigW_v_minmaxinfo,                 // void (MINMAXINFO*)
    AfxSigW_v_windowpos,                  // void (WINDOWPOS*)
    AfxSigW_v_showwindow,                 // void (BOOL bShow, UINT nStatus)
    AfxSigW_v_u_l,                        // void (UINT, LPARAM)
    AfxSigW_v_settingchange,              // void (UINT uFlags, LPCTSTR lpszSection)
    AfxSigW_v_enteridle,                  // void (UINT nWhy, CWnd* pWho)
    AfxSigW_v_initmenupopup,              // void (CMenu*, UINT nIndex, BOOL bSysMenu)
    AfxSigW_v_menuselect,                 // void (UINT nItemID, UINT nFlags, HMENU hSysMenu)
    AfxSigW_l_menuchar,                   // LRESULT (UINT nChar, UINT nFlags, CMenu*)
    AfxSigW_v_hotkey,                     // void (UINT nHotKeyId, UINT nKey1, UINT nKey2)
    AfxSigW_b_copydata,                   // BOOL (CWnd*, COPYDATASTRUCT*)
    AfxSigW_v_dropfiles,                  // void (HDROP)
    AfxSigW_b_b,                          // BOOL (BOOL)
    AfxSigW_v_b,                          // void (BOOL)
    AfxSigW_v_activateapp,                // void (BOOL bActive, DWORD dwThreadID)
    AfxSigW_v_style,                      // void (int nStyleType, LPSTYLESTRUCT)
    AfxSigW_v_u_rect,                     // void (UINT fwSide, LPRECT)
    AfxSigW_i_keytoitem,                  // int (UINT nKey, CListBox*, UINT nIndex)
    AfxSigW_v_mdiactivate,                // void (BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)

    // The forms of handlers that a control has for its own notifications.
    AfxSigW_reflect_v,                    // void ()
    AfxSigW_reflect_b,                    // BOOL (): FALSE lets the parent handle it too
    AfxSigW_reflect_notify,               // void (NMHDR*, LRESULT*)
    AfxSigW_reflect_notifyEx,             // BOOL (NMHDR*, LRESULT*): FALSE lets the parent handle it too
    AfxSigW_reflect_ctlcolor,             // HBRUSH (CDC*, UINT nCtlColor): NULL lets the parent answer
    AfxSigW_reflect_drawitem,             // void (LPDRAWITEMSTRUCT)
    AfxSigW_reflect_measureitem,          // void (LPMEASUREITEMSTRUCT)
    AfxSigW_reflect_compareitem,          // int (LPCOMPAREITEMSTRUCT)
    AfxSigW_reflect_deleteitem,           // void (LPDELETEITEMSTRUCT)
    AfxSigW_reflect_scroll,               // void (UINT nSBCode, UINT nPos)
    AfxSigW_reflect_parentnotify,         // void (UINT message, LPARAM)
    AfxSigW_reflect_keytoitem,            // int (UINT nKey, UINT nIndex)
};

#define AFX_WND_ENTRY(message, code, sig, form, memberFxn) \
    {(UINT)(message), (UINT)(code), 0, 0, (sig), AFX_MSG_HANDLER(form, memberFxn)},

// Any message, handled as LRESULT (WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    AFX_WND_ENTRY(message, 0, AfxSigW_lwl, LRESULT (CCmdTarget::*)(WPARAM, LPARAM), memberFxn)
// nMessageVariable holds the number RegisterWindowMessage gave.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) ON_MESSAGE(nMessageVariable, memberFxn)
#define ON_THREAD_MESSAGE(message, memberFxn) ON_MESSAGE(message, memberFxn)

#define AFX_WM_V(message, memberFxn) AFX_WND_ENTRY(message, 0, AfxSigW_v_v, void (CCmdTarget::*)(), memberFxn)
#define AFX_WM_KEY(message, memberFxn) \
    AFX_WND_ENTRY(message, 0, AfxSigW_v_key, void (CCmdTarget::*)(UINT, UINT, UINT), memberFxn)
#define AFX_WM_MOUSE(message, memberFxn) \
    AFX_WND_ENTRY(message, 0, AfxSigW_v_mouse, void (CCmdTarget::*)(UINT, CPoint), memberFxn)

#define ON_WM_CREATE() \
    AFX_WND_ENTRY(WM_CREATE, 0, AfxSigW_i_create, int (CCmdTarget::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE() \
    AFX_WND_ENTRY(WM_NCCREATE, 0, AfxSigW_b_create, BOOL (CCmdTarget::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() AFX_WM_V(WM_DESTROY, OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_V(WM_NCDESTROY, OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_V(WM_CLOSE, OnClose)
#define ON_WM_PAINT() AFX_WM_V(WM_PAINT, OnPaint)
#define ON_WM_NCPAINT() AFX_WM_V(WM_NCPAINT, OnNcPaint)
#define ON_WM_CANCELMODE() AFX_WM_V(WM_CANCELMODE, OnCancelMode)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_V(WM_SYSCOLORCHANGE, OnSysColorChange)
#define ON_WM_TIMECHANGE() AFX_WM_V(WM_TIMECHANGE, OnTimeChange)
#define ON_WM_MOUSELEAVE() AFX_WM_V(WM_MOUSELEAVE, OnMouseLeave)
#define ON_WM_NCMOUSELEAVE() AFX_WM_V(WM_NCMOUSELEAVE, OnNcMouseLeave)
#define ON_WM_ENTERSIZEMOVE() AFX_WM_V(WM_ENTERSIZEMOVE, OnEnterSizeMove)
#define ON_WM_EXITSIZEMOVE() AFX_WM_V(WM_EXITSIZEMOVE, OnExitSizeMove)
#define ON_WM_CHILDACTIVATE() AFX_WM_V(WM_CHILDACTIVATE, OnChildActivate)
#define ON_WM_QUERYNEWPALETTE() \
    AFX_WND_ENTRY(WM_QUERYNEWPALETTE, 0, AfxSigW_b_v, BOOL (CCmdTarget::*)(), OnQueryNewPalette)
#define ON_WM_GETDLGCODE() AFX_WND_ENTRY(WM_GETDLGCODE, 0, AfxSigW_u_v, UINT (CCmdTarget::*)(), OnGetDlgCode)
#define ON_WM_SIZE() AFX_WND_ENTRY(WM_SIZE, 0, AfxSigW_v_size, void (CCmdTarget::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_WND_ENTRY(WM_MOVE, 0, AfxSigW_v_move, void (CCmdTarget::*)(int, int), OnMove)
#define ON_WM_ERASEBKGND() \
    AFX_WND_ENTRY(WM_ERASEBKGND, 0, AfxSigW_b_dc, BOOL (CCmdTarget::*)(CDC*), OnEraseBkgnd)
#define ON_WM_TIMER() AFX_WND_ENTRY(WM_TIMER, 0, AfxSigW_v_timer, void (CCmdTarget::*)(UINT_PTR), OnTimer)

#define ON_WM_KEYDOWN() AFX_WM_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_WM_KEY(WM_CHAR, OnChar)
#define ON_WM_DEADCHAR() AFX_WM_KEY(WM_DEADCHAR, OnDeadChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_KEY(WM_SYSCHAR, OnSysChar)

#define ON_WM_MOUSEMOVE() AFX_WM_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSEHOVER() AFX_WM_MOUSE(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_LBUTTONDOWN() AFX_WM_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_WM_MOUSE(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_NCMOUSEMOVE() AFX_WM_MOUSE(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCMOUSEHOVER() AFX_WM_MOUSE(WM_NCMOUSEHOVER, OnNcMouseHover)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_MOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM_MOUSE(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_MOUSE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_MOUSE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_WM_MOUSE(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_NCRBUTTONDBLCLK() AFX_WM_MOUSE(WM_NCRBUTTONDBLCLK, OnNcRButtonDblClk)
#define ON_WM_NCMBUTTONDOWN() AFX_WM_MOUSE(WM_NCMBUTTONDOWN, OnNcMButtonDown)
#define ON_WM_NCMBUTTONUP() AFX_WM_MOUSE(WM_NCMBUTTONUP, OnNcMButtonUp)
#define ON_WM_NCMBUTTONDBLCLK() AFX_WM_MOUSE(WM_NCMBUTTONDBLCLK, OnNcMButtonDblClk)
#define ON_WM_MOUSEWHEEL() \
    AFX_WND_ENTRY(WM_MOUSEWHEEL, 0, AfxSigW_b_wheel, BOOL (CCmdTarget::*)(UINT, short, CPoint), OnMouseWheel)

#define ON_WM_SETFOCUS() AFX_WND_ENTRY(WM_SETFOCUS, 0, AfxSigW_v_wnd, void (CCmdTarget::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WND_ENTRY(WM_KILLFOCUS, 0, AfxSigW_v_wnd, void (CCmdTarget::*)(CWnd*), OnKillFocus)
#define ON_WM_PALETTECHANGED() \
    AFX_WND_ENTRY(WM_PALETTECHANGED, 0, AfxSigW_v_wnd, void (CCmdTarget::*)(CWnd*), OnPaletteChanged)
#define ON_WM_CAPTURECHANGED() \
    AFX_WND_ENTRY(WM_CAPTURECHANGED, 0, AfxSigW_v_wndl, void (CCmdTarget::*)(CWnd*), OnCaptureChanged)
#define ON_WM_NCCALCSIZE() \
    AFX_WND_ENTRY(WM_NCCALCSIZE, 0, AfxSigW_v_nccalcsize, void (CCmdTarget::*)(BOOL, NCCALCSIZE_PARAMS*), \
                  OnNcCalcSize)
#define ON_WM_NCHITTEST() AFX_WND_ENTRY(WM_NCHITTEST, 0, AfxSigW_l_point, LRESULT (CCmdTarget::*)(CPoint), OnNcHitTest)
#define ON_WM_ACTIVATE() \
    AFX_WND_ENTRY(WM_ACTIVATE, 0, AfxSigW_v_activate, void (CCmdTarget::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_MOUSEACTIVATE()                                                                             \
    AFX_WND_ENTRY(WM_MOUSEACTIVATE, 0, AfxSigW_i_mouseactivate, int (CCmdTarget::*)(CWnd*, UINT, UINT), \
                  OnMouseActivate)
#define ON_WM_SETCURSOR() \
    AFX_WND_ENTRY(WM_SETCURSOR, 0, AfxSigW_b_setcursor, BOOL (CCmdTarget::*)(CWnd*, UINT, UINT), OnSetCursor)
// Every WM_CTLCOLOR* message, with the control type in nCtlColor.
#define ON_WM_CTLCOLOR() \
    AFX_WND_ENTRY(WM_CTLCOLOR, 0, AfxSigW_hbr_ctlcolor, HBRUSH (CCmdTarget::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM() \
    AFX_WND_ENTRY(WM_DRAWITEM, 0, AfxSigW_v_drawitem, void (CCmdTarget::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                               \
    AFX_WND_ENTRY(WM_MEASUREITEM, 0, AfxSigW_v_measureitem, void (CCmdTarget::*)(int, LPMEASUREITEMSTRUCT), \
                  OnMeasureItem)
#define ON_WM_COMPAREITEM()                                                                               \
    AFX_WND_ENTRY(WM_COMPAREITEM, 0, AfxSigW_i_compareitem, int (CCmdTarget::*)(int, LPCOMPAREITEMSTRUCT), \
                  OnCompareItem)
#define ON_WM_DELETEITEM()                                                                                \
    AFX_WND_ENTRY(WM_DELETEITEM, 0, AfxSigW_v_deleteitem, void (CCmdTarget::*)(int, LPDELETEITEMSTRUCT), \
                  OnDeleteItem)
#define ON_WM_HSCROLL() \
    AFX_WND_ENTRY(WM_HSCROLL, 0, AfxSigW_v_scroll, void (CCmdTarget::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() \
    AFX_WND_ENTRY(WM_VSCROLL, 0, AfxSigW_v_scroll, void (CCmdTarget::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_CONTEXTMENU() \
    AFX_WND_ENTRY(WM_CONTEXTMENU, 0, AfxSigW_v_contextmenu, void (CCmdTarget::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_GETMINMAXINFO() \
    AFX_WND_ENTRY(WM_GETMINMAXINFO, 0, AfxSigW_v_minmaxinfo, void (CCmdTarget::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_WINDOWPOSCHANGING()                                                                 \
    AFX_WND_ENTRY(WM_WINDOWPOSCHANGING, 0, AfxSigW_v_windowpos, void (CCmdTarget::*)(WINDOWPOS*), \
                  OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED()                                                                 \
    AFX_WND_ENTRY(WM_WINDOWPOSCHANGED, 0, AfxSigW_v_windowpos, void (CCmdTarget::*)(WINDOWPOS*), \
                  OnWindowPosChanged)
#define ON_WM_SHOWWINDOW() \
    AFX_WND_ENTRY(WM_SHOWWINDOW, 0, AfxSigW_v_showwindow, void (CCmdTarget::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_SYSCOMMAND() \
    AFX_WND_ENTRY(WM_SYSCOMMAND, 0, AfxSigW_v_u_l, void (CCmdTarget::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_PARENTNOTIFY() \
    AFX_WND_ENTRY(WM_PARENTNOTIFY, 0, AfxSigW_v_u_l, void (CCmdTarget::*)(UINT, LPARAM), OnParentNotify)
#define ON_WM_SETTINGCHANGE()                                                                          \
    AFX_WND_ENTRY(WM_SETTINGCHANGE, 0, AfxSigW_v_settingchange, void (CCmdTarget::*)(UINT, LPCTSTR), \
                  OnSettingChange)
#define ON_WM_ENTERIDLE() \
    AFX_WND_ENTRY(WM_ENTERIDLE, 0, AfxSigW_v_enteridle, void (CCmdTarget::*)(UINT, CWnd*), OnEnterIdle)
#define ON_WM_INITMENUPOPUP()                                                                          \
    AFX_WND_ENTRY(WM_INITMENUPOPUP, 0, AfxSigW_v_initmenupopup, void (CCmdTarget::*)(CMenu*, UINT, BOOL), \
                  OnInitMenuPopup)
#define ON_WM_MENUSELECT() \
    AFX_WND_ENTRY(WM_MENUSELECT, 0, AfxSigW_v_menuselect, void (CCmdTarget::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_MENUCHAR() \
    AFX_WND_ENTRY(WM_MENUCHAR, 0, AfxSigW_l_menuchar, LRESULT (CCmdTarget::*)(UINT, UINT, CMenu*), OnMenuChar)
#define ON_WM_HOTKEY() \
    AFX_WND_ENTRY(WM_HOTKEY, 0, AfxSigW_v_hotkey, void (CCmdTarget::*)(UINT, UINT, UINT), OnHotKey)
#define ON_WM_COPYDATA() \
    AFX_WND_ENTRY(WM_COPYDATA, 0, AfxSigW_b_copydata, BOOL (CCmdTarget::*)(CWnd*, COPYDATASTRUCT*), OnCopyData)
#define ON_WM_DROPFILES() AFX_WND_ENTRY(WM_DROPFILES, 0, AfxSigW_v_dropfiles, void (CCmdTarget::*)(HDROP), OnDropFiles)
#define ON_WM_NCACTIVATE() AFX_WND_ENTRY(WM_NCACTIVATE, 0, AfxSigW_b_b, BOOL (CCmdTarget::*)(BOOL), OnNcActivate)
#define ON_WM_ENABLE() AFX_WND_ENTRY(WM_ENABLE, 0, AfxSigW_v_b, void (CCmdTarget::*)(BOOL), OnEnable)
#define ON_WM_ACTIVATEAPP() \
    AFX_WND_ENTRY(WM_ACTIVATEAPP, 0, AfxSigW_v_activateapp, void (CCmdTarget::*)(BOOL, DWORD), OnActivateApp)
#define ON_WM_STYLECHANGED() \
    AFX_WND_ENTRY(WM_STYLECHANGED, 0, AfxSigW_v_style, void (CCmdTarget::*)(int, LPSTYLESTRUCT), OnStyleChanged)
#define ON_WM_STYLECHANGING() \
    AFX_WND_ENTRY(WM_STYLECHANGING, 0, AfxSigW_v_style, void (CCmdTarget::*)(int, LPSTYLESTRUCT), OnStyleChanging)
#define ON_WM_SIZING() AFX_WND_ENTRY(WM_SIZING, 0, AfxSigW_v_u_rect, void (CCmdTarget::*)(UINT, LPRECT), OnSizing)
#define ON_WM_MOVING() AFX_WND_ENTRY(WM_MOVING, 0, AfxSigW_v_u_rect, void (CCmdTarget::*)(UINT, LPRECT), OnMoving)
#define ON_WM_VKEYTOITEM()                                                                          \
    AFX_WND_ENTRY(WM_VKEYTOITEM, 0, AfxSigW_i_keytoitem, int (CCmdTarget::*)(UINT, CListBox*, UINT), \
                  OnVKeyToItem)
#define ON_WM_CHARTOITEM()                                                                          \
    AFX_WND_ENTRY(WM_CHARTOITEM, 0, AfxSigW_i_keytoitem, int (CCmdTarget::*)(UINT, CListBox*, UINT), \
                  OnCharToItem)
#define ON_WM_MDIACTIVATE() \
    AFX_WND_ENTRY(WM_MDIACTIVATE, 0, AfxSigW_v_mdiactivate, void (CCmdTarget::*)(BOOL, CWnd*, CWnd*), OnMDIActivate)

// Control notifications (WM_COMMAND) by control id; the handler is void ().
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// A control's handlers of its own notifications, which its parent sends back
// to it before looking at its own map. The plain forms keep the parent's
// handlers out; the _EX forms return FALSE to let the parent handle the
// notification as well.
#define ON_CONTROL_REFLECT(code, memberFxn) \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, AfxSigW_reflect_v, void (CCmdTarget::*)(), memberFxn)
#define ON_CONTROL_REFLECT_EX(code, memberFxn) \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, AfxSigW_reflect_b, BOOL (CCmdTarget::*)(), memberFxn)
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                   \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, AfxSigW_reflect_notify,                 \
                  void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, AfxSigW_reflect_notifyEx,               \
                  BOOL (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)
#define ON_WM_CTLCOLOR_REFLECT()                                                             \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, 0, AfxSigW_reflect_ctlcolor,                \
                  HBRUSH (CCmdTarget::*)(CDC*, UINT), CtlColor)
#define ON_WM_DRAWITEM_REFLECT()                                                             \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, 0, AfxSigW_reflect_drawitem,                \
                  void (CCmdTarget::*)(LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                                          \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, AfxSigW_reflect_measureitem,          \
                  void (CCmdTarget::*)(LPMEASUREITEMSTRUCT), MeasureItem)
#define ON_WM_COMPAREITEM_REFLECT()                                                          \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, 0, AfxSigW_reflect_compareitem,          \
                  int (CCmdTarget::*)(LPCOMPAREITEMSTRUCT), CompareItem)
#define ON_WM_DELETEITEM_REFLECT()                                                           \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, 0, AfxSigW_reflect_deleteitem,            \
                  void (CCmdTarget::*)(LPDELETEITEMSTRUCT), DeleteItem)
#define ON_WM_HSCROLL_REFLECT()                                                              \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, 0, AfxSigW_reflect_scroll,                   \
                  void (CCmdTarget::*)(UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT()                                                              \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, 0, AfxSigW_reflect_scroll,                   \
                  void (CCmdTarget::*)(UINT, UINT), VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                         \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_PARENTNOTIFY, 0, AfxSigW_reflect_parentnotify,        \
                  void (CCmdTarget::*)(UINT, LPARAM), ParentNotify)
#define ON_WM_VKEYTOITEM_REFLECT()                                                           \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_VKEYTOITEM, 0, AfxSigW_reflect_keytoitem,             \
                  int (CCmdTarget::*)(UINT, UINT), VKeyToItem)
#define ON_WM_CHARTOITEM_REFLECT()                                                           \
    AFX_WND_ENTRY(WM_REFLECT_BASE + WM_CHARTOITEM, 0, AfxSigW_reflect_keytoitem,             \
                  int (CCmdTarget::*)(UINT, UINT), CharToItem)
