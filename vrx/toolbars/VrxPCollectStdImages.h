#pragma once

#include "core/Platform.h"

// While TRUE, a button that takes a standard image also registers it with the
// command manager; while FALSE only user images do. TRUE at start.
extern BOOL VrxPCollectStdImages;
