#include "foundation/VrxPLibrary.h"

#include "docking/CVrxPAutoHideButton.h"
#include "foundation/CVrxPCommandManager.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPKeyboardManager.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "foundation/VrxPMessages.h"

#include <cstdlib>
#include <memory>

int VrxPDragThresholdX = 0;
int VrxPDragThresholdY = 0;
// Constant-initialised: valid before any constructor runs.
CRuntimeClass* VrxPAutoHideButtonClass = &CVrxPAutoHideButton::classCVrxPAutoHideButton;

namespace
{
enum class LibraryState
{
    stopped,
    starting,
    started
};

const int allToolBarsBlockSize = 10;

// Constant-initialised: valid before any constructor runs.
struct LibraryObjects
{
    LibraryState state = LibraryState::stopped;
    std::unique_ptr<CObList> allToolBars;
    BOOL sharedImagesInUse = FALSE;
    std::unique_ptr<CVrxPGlobals> globals;
    std::unique_ptr<CVrxPCommandManager> commandManager;
    std::unique_ptr<CVrxPToolbarImageList> menuGlyphs[CVrxPMenuGlyphs::variantCount];
};
LibraryObjects s_library;

void StopLibrary()
{
    CVrxPKeyboardManager::ReleaseTables();
    for (int i = CVrxPMenuGlyphs::variantCount - 1; i >= 0; i--)
        s_library.menuGlyphs[i].reset();
    s_library.commandManager.reset();
    s_library.globals.reset();
    if (s_library.sharedImagesInUse)
        CVrxPToolbarImageList::ReleaseShared();
    s_library.sharedImagesInUse = FALSE;
    s_library.allToolBars.reset();
    s_library.state = LibraryState::stopped;
}
} // namespace

void VrxPStartLibrary()
{
    if (s_library.state != LibraryState::stopped)
        return;
    s_library.state = LibraryState::starting;
    VrxPRegisterMessages(&RegisterWindowMessageA);
    VrxPDragThresholdX = GetSystemMetrics(SM_CXDRAG);
    VrxPDragThresholdY = GetSystemMetrics(SM_CYDRAG);
    s_library.allToolBars.reset(new CObList(allToolBarsBlockSize));
    s_library.sharedImagesInUse = TRUE;
    s_library.globals.reset(new CVrxPGlobals);
    s_library.commandManager.reset(new CVrxPCommandManager);
    for (auto& list : s_library.menuGlyphs)
        list.reset(new CVrxPToolbarImageList);
    atexit(&StopLibrary);
    s_library.state = LibraryState::started;
}

BOOL VrxPLibraryStarted()
{
    return s_library.state == LibraryState::started;
}

CObList& VrxPAllToolBars()
{
    VrxPStartLibrary();
    return *s_library.allToolBars;
}

CVrxPGlobals& VrxPGlobals()
{
    VrxPStartLibrary();
    return *s_library.globals;
}

CVrxPCommandManager& CVrxPCommandManager::Get()
{
    VrxPStartLibrary();
    return *s_library.commandManager;
}

// The lists are built after the global record, whose colour refresh already
// asks them to release their images: until then there is nothing to release.
CVrxPToolbarImageList* CVrxPMenuGlyphs::List(int nVariant)
{
    if (nVariant < 0 || nVariant >= variantCount)
        nVariant = white;
    return s_library.menuGlyphs[nVariant].get();
}
