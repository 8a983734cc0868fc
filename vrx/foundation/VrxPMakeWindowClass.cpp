#include "foundation/VrxPMakeWindowClass.h"

#include "app/ResourceChain.h"
#include "core/CException.h"

namespace
{
unsigned long long HandleBits(const void* handle)
{
    return reinterpret_cast<UINT_PTR>(handle);
}
} // namespace

CString VrxPMakeWindowClass(LPCTSTR lpszPrefix)
{
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    const UINT nStyle = CS_DBLCLKS;
    const HCURSOR hCursor = LoadCursor(NULL, IDC_ARROW);
    const HBRUSH hBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    CString name;
    // Handles whole: a 64-bit handle cut to its low word could name another
    // module's class. A 32-bit build gives the same names as before.
    name.Format("%s:%llx:%x:%llx:%llx", lpszPrefix, HandleBits(hInstance), nStyle, HandleBits(hCursor),
                HandleBits(hBackground));
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
