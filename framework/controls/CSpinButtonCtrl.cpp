#include "controls/CSpinButtonCtrl.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

CSpinButtonCtrl::CSpinButtonCtrl() = default;

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&init);
    return CWnd::Create(UPDOWN_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const
{
    // The upper limit is in the low word.
    DWORD dwRange = GetRange();
    nLower = static_cast<short>(HIWORD(dwRange));
    nUpper = static_cast<short>(LOWORD(dwRange));
}
