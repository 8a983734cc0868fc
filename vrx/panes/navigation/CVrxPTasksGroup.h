#pragma once

// One group of a tasks pane, in its first form: its caption and the
// state the looks draw it from.

#include "core/CObject.h"
#include "strings/CRect.h"
#include "strings/CSize.h"
#include "strings/CString.h"

class CVrxPTasksPane;

class CVrxPTasksGroup : public CObject
{
public:
    CVrxPTasksPane* pane = nullptr;
    CRect captionRect;
    CString name;
    HICON icon = NULL;
    CSize iconSize = CSize(0, 0);
    // A special group stands out in the selection colour.
    BOOL special = FALSE;
    BOOL collapsed = FALSE;
    // -1: the look's default.
    COLORREF textColor = static_cast<COLORREF>(-1);
    COLORREF hotTextColor = static_cast<COLORREF>(-1);
};
