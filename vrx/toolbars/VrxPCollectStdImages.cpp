#include "toolbars/VrxPCollectStdImages.h"

BOOL VrxPCollectStdImages = TRUE;
