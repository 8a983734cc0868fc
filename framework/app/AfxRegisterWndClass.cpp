#include "app/AfxRegisterWndClass.h"

#include "app/ResourceChain.h"
#include "core/CException.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // Names handed out so far; a set never moves its strings.
    static std::mutex mutex;
    static std::set<std::string> names;

    HINSTANCE hInstance = AfxGetInstanceHandle();
    char szName[96];
    std::snprintf(szName, sizeof szName, "KorvoFw:%p:%x:%p:%p:%p", static_cast<void*>(hInstance), nClassStyle,
                  static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));

    std::lock_guard<std::mutex> lock(mutex);
    auto it = names.find(szName);
    if (it != names.end())
        return it->c_str();

    WNDCLASS wndClass = {};
    wndClass.style = nClassStyle;
    wndClass.lpfnWndProc = DefWindowProc;
    wndClass.hInstance = hInstance;
    wndClass.hCursor = hCursor;
    wndClass.hbrBackground = hbrBackground;
    wndClass.hIcon = hIcon;
    wndClass.lpszClassName = szName;
    if (!AfxRegisterClass(&wndClass))
        AfxThrowResourceException();
    return names.insert(szName).first->c_str();
}

BOOL AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS existing;
    if (GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    // Another thread may have registered it since.
    return RegisterClass(lpWndClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
