#include "docking/CVrxPReBar.h"

IMPLEMENT_DYNAMIC(CVrxPReBar, CWnd)
