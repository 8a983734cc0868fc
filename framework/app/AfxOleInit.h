#pragma once

#include "core/Platform.h"

// Starts OLE on the calling thread; it is ended again by AfxWinTerm when the
// application ends. FALSE when OLE cannot be started.
FRAMEWORK_API BOOL AfxOleInit();

// Lets dialogs host ActiveX controls. korvo's dialogs hold only standard
// controls, which need nothing from it.
FRAMEWORK_API void AfxEnableControlContainer();
