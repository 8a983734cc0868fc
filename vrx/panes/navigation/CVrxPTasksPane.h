#pragma once

// The tasks pane, in its first form: the settings the looks read to draw
// its groups and tasks. Its layout, scrolling and navigation come with the
// library's navigation panes.

#include "windows/CWnd.h"

class CVrxPTasksPane : public CWnd
{
public:
    // -1 in any of these: the look's own metric applies.
    int captionIndentH = -1;
    int captionIndentV = -1;
    int iconTextGap = -1;
    // Task texts wrap over several lines: tasks with a command, and labels
    // (tasks without one).
    BOOL wrapTasks = FALSE;
    BOOL wrapLabels = FALSE;
};

// A tasks pane whose groups are the pages of a toolbox: their captions are
// drawn as shaded bars with an expand box.
class CVrxPToolBoxEx : public CVrxPTasksPane
{
};
