#include "app/CDynLinkLibrary.h"

#include "app/CModuleState.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource)
{
    CModuleState::Get().LinkLibrary(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    CModuleState::Get().UnlinkLibrary(this);
}
