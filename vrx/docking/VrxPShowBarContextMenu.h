#pragma once

// A right click on a bar: the bar's frame is asked ("VrxTOOLBAR_POPUPMENU",
// wParam the bar, lParam the screen point) and, when it agrees, its bar
// manager shows the list of bars. TRUE when the menu was shown.

#include "strings/CPoint.h"

class CWnd;

BOOL VrxPShowBarContextMenu(CWnd* pBar, CPoint point);
