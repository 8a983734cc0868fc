#include "foundation/VrxPShutdownLibrary.h"

#include "foundation/CVrxPCommandManager.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPKeyboardManager.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPToolbarImageList.h"
#include "themes/CVrxPVisualManager.h"

void VrxPShutdownLibrary()
{
    VrxPGlobals().ReleaseResources();
    CVrxPToolbarImageList::ReleaseShared();
    CVrxPMenuGlyphs::ReleaseAll();
    CVrxPCommandManager::Get().Clear();
    CVrxPKeyboardManager::ReleaseTables();
    CVrxPVisualManager::DestroyInstance(TRUE);
}
