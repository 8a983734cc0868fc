#include "foundation/VrxPShutdownLibrary.h"

#include "foundation/CVrxPCommandManager.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPKeyboardManager.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPMenuStore.h"
#include "toolbars/CVrxPToolBar.h"

void VrxPShutdownLibrary()
{
    VrxPGlobals().ReleaseResources();
    CVrxPMenuStore::Global().CloseAll();
    CVrxPToolBar::ReleaseSharedImages();
    CVrxPMenuGlyphs::ReleaseAll();
    CVrxPCommandManager::Get().Clear();
    CVrxPKeyboardManager::ReleaseTables();
    CVrxPVisualManager::DestroyInstance(TRUE);
}
