#include "panes/CVrxPButton.h"

IMPLEMENT_DYNAMIC(CVrxPButton, CButton)
