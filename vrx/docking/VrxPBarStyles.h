#pragma once

// Control-bar style bits: where a bar docks and how it is drawn.

#include "core/Platform.h"

#ifndef CBRS_ALIGN_LEFT
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_GRIPPER 0x00400000L
#endif
#ifndef CBRS_HIDE_INPLACE
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_BORDER_BOTTOM 0x0800L
#endif
