#include "panes/CVrxPBaseTabWnd.h"

int CVrxPBaseTabWnd::tabImageMargin = 4;
