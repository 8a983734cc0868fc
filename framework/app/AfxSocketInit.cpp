#include <winsock2.h>

#include "app/AfxSocketInit.h"

#include "app/CModuleState.h"

namespace
{
void SocketTerm()
{
    WSACleanup();
}
} // namespace

BOOL AfxSocketInit(WSAData* lpwsaData)
{
    WSADATA wsaData;
    if (WSAStartup(MAKEWORD(2, 2), lpwsaData != NULL ? lpwsaData : &wsaData) != 0)
        return FALSE;
    CModuleState::Get().AddTermFunction(&SocketTerm);
    return TRUE;
}
