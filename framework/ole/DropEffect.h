#pragma once

// What a drop did or would do: the platform's DROPEFFECT_* bits.

#include <windows.h>

typedef DWORD DROPEFFECT;
