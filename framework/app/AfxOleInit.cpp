#include "app/AfxOleInit.h"

#include "app/CModuleState.h"

#include <ole2.h>

namespace
{
void OleTerm()
{
    OleUninitialize();
}
} // namespace

BOOL AfxOleInit()
{
    HRESULT hr = OleInitialize(NULL);
    if (FAILED(hr))
        return FALSE;
    // Every successful call, S_FALSE included, is balanced by one OleUninitialize.
    CModuleState::Get().AddTermFunction(&OleTerm);
    return TRUE;
}

void AfxEnableControlContainer()
{
}
