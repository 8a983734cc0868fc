#pragma once

#include "core/Platform.h"

struct WSAData;

// Starts Windows sockets (version 2.2) for the process; they are ended
// again by AfxWinTerm. When lpwsaData is given it receives the details.
// FALSE when sockets cannot be started.
FRAMEWORK_API BOOL AfxSocketInit(WSAData* lpwsaData = NULL);
