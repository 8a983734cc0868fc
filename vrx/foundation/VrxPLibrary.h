#pragma once

// Start-up of the Vrx library.
//
// The library's state (its registered window messages and its library-wide
// objects) must exist before any library window does, and after the host's
// own statics: the application object, which is the workspace, comes first.
// A priority on a static object cannot say "after": GCC runs every
// prioritised constructor before the plain ones, and orders the plain ones by
// link order. So nothing here is built by a static constructor. The
// workspace's constructor (run while the host's application object is
// constructed, before WinMain) calls VrxPStartLibrary, which builds
// everything once, in a fixed order:
//   1. the registered window messages, in the order of VrxPMessages.h, then
//      the drag thresholds below;
//   2. the list of all toolbars;
//   3. the image lists' shared drawing resources (released at exit);
//   4. the global record (CVrxPGlobals);
//   5. the command manager;
//   6. the five image lists of the menu glyphs.
// At exit (an atexit handler registered while starting, so it runs after the
// application object is destroyed) the objects go in reverse order, after the
// keyboard manager's table copies are freed.
// The accessors of these objects start the library on first use, so code that
// runs without a workspace (tests, tools) gets the same order.

#include "collections/CObList.h"
#include "core/CRuntimeClass.h"

void VrxPStartLibrary();
BOOL VrxPLibraryStarted();

// Every CVrxPToolBar adds itself on creation and removes itself on
// destruction.
CObList& VrxPAllToolBars();

// How far the mouse must move with a button held before a drag begins: the
// system's SM_CXDRAG and SM_CYDRAG, read once at start.
extern int VrxPDragThresholdX;
extern int VrxPDragThresholdY;

// The classes the library makes some of its objects of. An application may
// put a class derived from the default in a variable before it creates its
// windows; the creating code reads the variable each time.
// Auto-hide strips make their buttons of it (default CVrxPAutoHideButton).
extern CRuntimeClass* VrxPAutoHideButtonClass;
