#include "foundation/VrxPMakeWindowClass.h"

#include "app/ResourceChain.h"
#include "core/CException.h"

CString VrxPMakeWindowClass(LPCTSTR lpszPrefix)
{
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    const UINT nStyle = CS_DBLCLKS;
    const HCURSOR hCursor = LoadCursor(NULL, IDC_ARROW);
    const HBRUSH hBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    CString name;
    name.Format("%s:%x:%x:%x:%x", lpszPrefix, reinterpret_cast<UINT_PTR>(hInstance), nStyle,
                reinterpret_cast<UINT_PTR>(hCursor), reinterpret_cast<UINT_PTR>(hBackground));
    WNDCLASS windowClass = {};
    if (GetClassInfo(hInstance, name, &windowClass))
        return name;
    windowClass.style = nStyle;
    windowClass.lpfnWndProc = DefWindowProc;
    windowClass.hInstance = hInstance;
    windowClass.hCursor = hCursor;
    windowClass.hbrBackground = hBackground;
    windowClass.lpszClassName = name;
    if (!RegisterClass(&windowClass))
        AfxThrowResourceException();
    return name;
}
