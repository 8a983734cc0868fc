#include "docking/CVrxPMDIChildWnd.h"

IMPLEMENT_DYNAMIC(CVrxPMDIChildWnd, CMDIChildWnd)
