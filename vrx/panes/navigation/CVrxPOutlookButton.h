#pragma once

// A button of the outlook bar's pages, in its first form: the looks draw
// it as a large light-on-dark shortcut rather than a toolbar button.

#include "toolbars/CVrxPToolbarButton.h"

class CVrxPOutlookButton : public CVrxPToolbarButton
{
};
