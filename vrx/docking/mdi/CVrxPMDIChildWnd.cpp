#include "docking/mdi/CVrxPMDIChildWnd.h"

IMPLEMENT_DYNCREATE(CVrxPMDIChildWnd, CMDIChildWnd)
