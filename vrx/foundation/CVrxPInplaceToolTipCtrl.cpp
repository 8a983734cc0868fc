#include "foundation/CVrxPInplaceToolTipCtrl.h"

IMPLEMENT_DYNCREATE(CVrxPInplaceToolTipCtrl, CWnd)
