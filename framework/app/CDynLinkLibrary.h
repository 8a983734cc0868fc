#pragma once

// An extension DLL's link in the resource chain: constructing one appends
// the DLL's resources to the chain (after the DLLs that joined before it),
// destroying one removes them. AfxTermExtensionModule destroys the DLL's
// links; see app/ExtensionDllMain.h for the usual DllMain.

#include "app/CCmdTarget.h"
#include "app/ResourceChain.h"

class FRAMEWORK_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
};
