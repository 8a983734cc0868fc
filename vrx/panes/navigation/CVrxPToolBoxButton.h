#pragma once

#include "core/CObject.h"

// One checkable item of a toolbox page, in its first form: the state the
// looks draw it from.
class CVrxPToolBoxButton : public CObject
{
public:
    BOOL highlighted = FALSE;
    BOOL checked = FALSE;
};
