#pragma once

// Framework-internal: the process-wide state behind the application, thread
// and resource-chain functions. There is one framework DLL per process, so
// the exe and every DLL share this one state.

#include "core/Platform.h"

#include <mutex>
#include <vector>

class CDynLinkLibrary;
class CWinApp;
class CWindowLayer;

class CModuleState
{
public:
    static CModuleState& Get();

    // Set by the framework's DllMain: the TLS slot holding each thread's
    // CWinThread.
    DWORD m_dwThreadSlot = TLS_OUT_OF_INDEXES;
    // The last link of the resource chain.
    HMODULE m_hFrameworkModule = AfxGetThisModule();
    CWinApp* m_pCurrentWinApp = nullptr;
    CWindowLayer* m_pWindowLayer = nullptr;

    HINSTANCE GetInstanceHandle();
    void SetInstanceHandle(HINSTANCE hInstance);
    HINSTANCE GetResourceHandle();
    void SetResourceHandle(HINSTANCE hResource);

    void LinkLibrary(CDynLinkLibrary* pLibrary);
    void UnlinkLibrary(CDynLinkLibrary* pLibrary);
    std::vector<CDynLinkLibrary*> LibrariesOf(HMODULE hModule);
    // A snapshot taken under the lock, so that lookups call FindResource
    // without holding it (a DllMain joining the chain holds the loader lock
    // and then waits for ours).
    std::vector<HINSTANCE> ResourceSearchOrder();

    // Clean-up of a platform service started through the framework (OLE,
    // sockets), run in reverse order when the application ends.
    void AddTermFunction(void (*pfnTerm)());
    void RunTermFunctions();

    CModuleState(const CModuleState&) = delete;
    CModuleState& operator=(const CModuleState&) = delete;

private:
    CModuleState();

    std::mutex m_mutex;
    HINSTANCE m_hInstance;
    HINSTANCE m_hResource;
    std::vector<CDynLinkLibrary*> m_libraries;
    std::vector<void (*)()> m_termFunctions;
};
