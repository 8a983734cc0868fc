#pragma once

// One group of a tasks pane: a caption (none: the group cannot be
// collapsed) above its tasks, on one page of the pane.

#include "core/CObject.h"
#include "panes/navigation/CVrxPTask.h"
#include "strings/CRect.h"
#include "strings/CSize.h"
#include "strings/CString.h"

#include <memory>
#include <vector>

class CVrxPTasksPane;

class CVrxPTasksGroup : public CObject
{
public:
    CVrxPTasksPane* pane = nullptr;
    int page = 0;
    CRect captionRect;
    CRect tasksRect;
    CString name;
    HICON icon = NULL;
    CSize iconSize = CSize(0, 0);
    // A special group stands out in the selection colour.
    BOOL special = FALSE;
    BOOL collapsed = FALSE;
    // The last group of a page sticks to the bottom when nothing scrolls.
    BOOL bottomAligned = FALSE;
    // -1: the look's default.
    COLORREF textColor = static_cast<COLORREF>(-1);
    COLORREF hotTextColor = static_cast<COLORREF>(-1);
    std::vector<std::unique_ptr<CVrxPTask>> tasks;
};
