#include "foundation/VrxPFindOwnerFrame.h"

#include "frames/CFrameWnd.h"
#include "windows/CWnd.h"

CFrameWnd* VrxPFindOwnerFrame(CWnd* pWnd)
{
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL)
        return nullptr;
    while ((hWnd = ::GetParent(hWnd)) != NULL)
    {
        CWnd* pAbove = CWnd::FromHandle(hWnd);
        if (pAbove->IsFrameWnd())
            return static_cast<CFrameWnd*>(pAbove);
    }
    return nullptr;
}
