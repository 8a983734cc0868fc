#include "app/CModuleState.h"

// The framework DLL's entry point: the slot in which each thread keeps its
// CWinThread exists from the moment the DLL is loaded, before the exe's
// static initialisers construct the application object.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    CModuleState& state = CModuleState::Get();
    switch (dwReason)
    {
    case DLL_PROCESS_ATTACH:
        state.m_dwThreadSlot = TlsAlloc();
        return state.m_dwThreadSlot != TLS_OUT_OF_INDEXES;
    case DLL_PROCESS_DETACH:
        TlsFree(state.m_dwThreadSlot);
        state.m_dwThreadSlot = TLS_OUT_OF_INDEXES;
        break;
    }
    return TRUE;
}
