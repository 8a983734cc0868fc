#include "docking/CVrxPBaseControlBar.h"

IMPLEMENT_DYNAMIC(CVrxPBaseControlBar, CWnd)
