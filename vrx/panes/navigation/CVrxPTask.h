#pragma once

// One task of a tasks pane group: a command link, a label (no command) or
// a separator.

#include "core/CObject.h"
#include "strings/CRect.h"
#include "strings/CString.h"

class CVrxPTasksGroup;

class CVrxPTask : public CObject
{
public:
    BOOL HasCommand() const { return commandId != 0; }

    CVrxPTasksGroup* group = nullptr;
    CRect rect;
    BOOL separator = FALSE;
    int image = -1;
    UINT commandId = 0;
    BOOL enabled = TRUE;
    BOOL visible = TRUE;
    // A label drawn in the bold font.
    BOOL bold = FALSE;
    CString text;
    // -1: the window text colour.
    COLORREF textColor = static_cast<COLORREF>(-1);
    COLORREF hotTextColor = static_cast<COLORREF>(-1);
};
