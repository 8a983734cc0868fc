#include "windows/CWnd.h"

#include "app/AfxRegisterWndClass.h"
#include "app/ResourceChain.h"
#include "gdi/CHandleMap.h"
#include "windows/AfxWndProc.h"
#include "windows/ExceptionReport.h"
#include "windows/ThreadWindowState.h"

#include <exception>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace
{
// The window procedure a subclassed window had before ours, kept with the
// window so that it outlives the object (Detach, then Attach to another).
const TCHAR kOriginalProcProperty[] = "CWnd original procedure";

CWnd* NewTemporaryWnd(HWND hWnd)
{
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    return pWnd;
}

void ReleaseTemporaryWnd(CWnd* pWnd)
{
    pWnd->m_hWnd = NULL;
    delete pWnd;
}

HWND HandleOfWnd(const CWnd* pWnd)
{
    return pWnd->m_hWnd;
}

CHandleMap<HWND, CWnd>& WindowMap()
{
    static CHandleMap<HWND, CWnd> map(NewTemporaryWnd, ReleaseTemporaryWnd, HandleOfWnd);
    return map;
}

WNDPROC OriginalProc(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(reinterpret_cast<LONG_PTR>(::GetProp(hWnd, kOriginalProcProperty)));
}

// Puts the framework's procedure in front of the window's own.
BOOL InstallFrameworkProc(HWND hWnd)
{
    if (OriginalProc(hWnd) != NULL)
        return TRUE;
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    HANDLE hOld = reinterpret_cast<HANDLE>(reinterpret_cast<LONG_PTR>(pfnOld));
    if (pfnOld == NULL || !::SetProp(hWnd, kOriginalProcProperty, hOld))
        return FALSE;
    if (::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)) == 0)
    {
        ::RemoveProp(hWnd, kOriginalProcProperty);
        return FALSE;
    }
    return TRUE;
}

void RemoveFrameworkProc(HWND hWnd)
{
    WNDPROC pfnOriginal = OriginalProc(hWnd);
    if (pfnOriginal == NULL)
        return;
    // Someone who subclassed the window after us keeps our procedure in his
    // chain: it stays, and passes every message on to the original one.
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC)) != AfxWndProc)
        return;
    ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOriginal));
    ::RemoveProp(hWnd, kOriginalProcProperty);
}

BOOL IsWindowOfClass(HWND hWnd, LPCTSTR lpszClass)
{
    TCHAR szClass[256];
    return ::GetClassName(hWnd, szClass, 256) > 0 && ::lstrcmpi(szClass, lpszClass) == 0;
}

// Windows the system makes for itself in the middle of another creation.
BOOL IsSystemHelperWindow(HWND hWnd)
{
    return IsWindowOfClass(hWnd, "IME") || IsWindowOfClass(hWnd, "MSCTFIME UI");
}

// The atom of the class a creation names, the way the window will carry it.
ATOM ClassAtom(HINSTANCE hInstance, LPCTSTR lpszClass)
{
    WNDCLASSEX wc = {};
    wc.cbSize = sizeof(wc);
    return static_cast<ATOM>(::GetClassInfoEx(hInstance, lpszClass, &wc));
}

LRESULT CALLBACK CreationHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    ThreadWindowState& state = AfxGetThreadWindowState();
    if (nCode == HCBT_CREATEWND && state.pWndInit != nullptr)
    {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        BOOL bExpected = state.atomClassInit != 0 ? ::GetClassLong(hWnd, GCW_ATOM) == state.atomClassInit
                                                  : !IsSystemHelperWindow(hWnd);
        if (bExpected)
        {
            CWnd* pWnd = state.pWndInit;
            state.pWndInit = nullptr;
            pWnd->SubclassWindow(hWnd);
        }
    }
    return ::CallNextHookEx(state.hHookCreate, nCode, wParam, lParam);
}

// After WM_NCDESTROY the window is gone: its object lets go of it.
void FinishDestroyedWindow(HWND hWnd)
{
    ::RemoveProp(hWnd, kOriginalProcProperty);
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
    {
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
}
} // namespace

ThreadWindowState& AfxGetThreadWindowState()
{
    static thread_local ThreadWindowState state;
    return state;
}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() : m_hWnd(NULL), m_nFlags(0), m_nModalResult(0), m_hWndOwner(NULL), m_pfnSuper(NULL)
{
}

CWnd::CWnd(HWND hWndInsertAfter)
    : m_hWnd(hWndInsertAfter), m_nFlags(0), m_nModalResult(0), m_hWndOwner(NULL), m_pfnSuper(NULL)
{
}

CWnd::~CWnd()
{
    if (m_hWnd == NULL || FromHandlePermanent(m_hWnd) != this)
        return;
    // A window of another thread cannot be destroyed from here.
    if (::GetWindowThreadProcessId(m_hWnd, NULL) == ::GetCurrentThreadId())
        DestroyWindow();
    if (m_hWnd != NULL)
        Detach();
}

HWND CWnd::GetSafeHwnd() const
{
    // Read through a volatile copy: the compiler may not assume it non-null.
    const CWnd* volatile self = this;
    return self == nullptr ? NULL : self->m_hWnd;
}

HWND AfxGetSafeHwnd(const CWnd* pWnd)
{
    return pWnd != nullptr ? pWnd->m_hWnd : NULL;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return WindowMap().FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd != NULL ? WindowMap().LookupPermanent(hWnd) : nullptr;
}

void CWnd::DeleteTempMap()
{
    WindowMap().DeleteTemporary();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (m_hWnd != NULL || hWndNew == NULL || !::IsWindow(hWndNew) || FromHandlePermanent(hWndNew) != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    m_pfnSuper = OriginalProc(hWndNew);
    WindowMap().SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL)
        WindowMap().RemovePermanent(hWnd, this);
    m_hWnd = NULL;
    m_pfnSuper = NULL;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    if (!InstallFrameworkProc(hWnd))
    {
        Detach();
        return FALSE;
    }
    m_pfnSuper = OriginalProc(hWnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(AfxGetSafeHwnd(pParent), static_cast<int>(nID));
    return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd != NULL)
        RemoveFrameworkProc(m_hWnd);
    return Detach();
}

void CWnd::PreSubclassWindow()
{
}

void CWnd::PostNcDestroy()
{
}

BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    ThreadWindowState& state = AfxGetThreadWindowState();
    if (state.hHookCreate == NULL)
        state.hHookCreate = ::SetWindowsHookEx(WH_CBT, CreationHook, NULL, ::GetCurrentThreadId());
    state.pWndInit = pWnd;
    state.atomClassInit = 0;
}

BOOL AfxUnhookWindowCreate()
{
    ThreadWindowState& state = AfxGetThreadWindowState();
    BOOL bAttached = state.pWndInit == nullptr;
    state.pWndInit = nullptr;
    state.atomClassInit = 0;
    return bAttached;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, AfxGetSafeHwnd(pParentWnd),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    // One window per object.
    if (m_hWnd != NULL)
        return FALSE;
    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    AfxGetThreadWindowState().atomClassInit = ClassAtom(cs.hInstance, cs.lpszClass);
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x,
                                 cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    // Not attached: the creation failed before the window existed, and the
    // object is finished with as if its window had been destroyed. Once
    // attached, a failed creation destroyed the window, which already
    // called PostNcDestroy (the object may be gone).
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != NULL;
}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd == NULL)
        return FALSE;
    BOOL bPermanent = FromHandlePermanent(hWnd) == this;
    // Then WM_NCDESTROY detaches the object itself (which may delete itself).
    BOOL bThroughFramework = bPermanent && m_pfnSuper != NULL;
    BOOL bResult = ::DestroyWindow(hWnd);
    if (bResult && !bThroughFramework)
    {
        if (bPermanent)
            Detach();
        else
            m_hWnd = NULL;
    }
    return bResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A temporary object knows the window's procedure only from the window.
    WNDPROC pfnOriginal = m_pfnSuper != NULL ? m_pfnSuper : OriginalProc(m_hWnd);
    if (pfnOriginal != NULL)
        return ::CallWindowProc(pfnOriginal, m_hWnd, message, wParam, lParam);
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadWindowState().msgCurrent;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    ThreadWindowState& state = AfxGetThreadWindowState();
    MSG msgPrevious = state.msgCurrent;
    state.msgCurrent.hwnd = hWnd;
    state.msgCurrent.message = nMsg;
    state.msgCurrent.wParam = wParam;
    state.msgCurrent.lParam = lParam;

    LRESULT lResult = 0;
    BOOL bFailed = TRUE;
    try
    {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
        bFailed = FALSE;
    }
    catch (CException* e)
    {
        AfxReportException(e);
    }
    catch (const std::exception& e)
    {
        AfxReportForeignException(e.what());
    }
    catch (...)
    {
        AfxReportForeignException(NULL);
    }
    if (bFailed && nMsg == WM_CREATE)
        lResult = -1;

    state.msgCurrent = msgPrevious;
    if (nMsg == WM_NCDESTROY)
        FinishDestroyedWindow(hWnd);
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
        return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);

    // Detached: the window's own procedure does everything.
    WNDPROC pfnOriginal = OriginalProc(hWnd);
    LRESULT lResult = pfnOriginal != NULL ? ::CallWindowProc(pfnOriginal, hWnd, nMsg, wParam, lParam)
                                          : ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    if (nMsg == WM_NCDESTROY)
        ::RemoveProp(hWnd, kOriginalProcProperty);
    return lResult;
}
