#include "docking/CVrxPMDIChildWnd.h"

IMPLEMENT_DYNCREATE(CVrxPMDIChildWnd, CMDIChildWnd)
