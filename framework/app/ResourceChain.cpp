#include "app/ResourceChain.h"

#include "app/CDynLinkLibrary.h"
#include "app/CModuleState.h"
#include "core/CRuntimeClass.h"

namespace
{
// String resources are stored in blocks of 16 under the name (id / 16) + 1;
// a block holds, for each of its ids, a WORD length and that many UTF-16
// characters (length 0 for an id the block does not define).
const UINT STRINGS_PER_BLOCK = 16;

bool HasString(HINSTANCE hModule, UINT nID)
{
    HRSRC hBlock = FindResource(hModule, MAKEINTRESOURCE(nID / STRINGS_PER_BLOCK + 1), RT_STRING);
    if (hBlock == NULL)
        return false;
    HGLOBAL hData = LoadResource(hModule, hBlock);
    const WORD* pEntry = hData != NULL ? static_cast<const WORD*>(LockResource(hData)) : nullptr;
    if (pEntry == nullptr)
        return false;
    const WORD* pEnd = pEntry + SizeofResource(hModule, hBlock) / sizeof(WORD);
    for (UINT nSkip = nID % STRINGS_PER_BLOCK; nSkip > 0 && pEntry < pEnd; --nSkip)
        pEntry += 1 + *pEntry;
    return pEntry < pEnd && *pEntry != 0;
}
} // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (!state.bInitialized)
    {
        state.hModule = hModule;
        state.hResource = hModule;
        state.bInitialized = TRUE;
    }
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state)
{
    if (!state.bInitialized)
        return;
    for (CDynLinkLibrary* pLibrary : CModuleState::Get().LibrariesOf(state.hModule))
        delete pLibrary;
    AfxUnregisterModuleClasses(state.hModule);
    state.bInitialized = FALSE;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    for (HINSTANCE hModule : CModuleState::Get().ResourceSearchOrder())
    {
        if (hModule != NULL && FindResource(hModule, lpszName, lpszType) != NULL)
            return hModule;
    }
    return AfxGetResourceHandle();
}

HINSTANCE AfxFindStringResourceHandle(UINT nID)
{
    for (HINSTANCE hModule : CModuleState::Get().ResourceSearchOrder())
    {
        if (hModule != NULL && HasString(hModule, nID))
            return hModule;
    }
    return NULL;
}

HINSTANCE AfxGetResourceHandle()
{
    return CModuleState::Get().GetResourceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    CModuleState::Get().SetResourceHandle(hInstResource);
}

HINSTANCE AfxGetInstanceHandle()
{
    return CModuleState::Get().GetInstanceHandle();
}
