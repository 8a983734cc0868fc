#pragma once

// The framework's own window messages. Their numbers sit below 0x400 where no
// system message lives, so they never clash with a window class's WM_USER
// range; code outside the framework relies on these exact values.

#include "core/Platform.h"

// Answered with 1 by every window whose procedure is the framework's.
#define WM_QUERYAFXWNDPROC 0x0360
// A frame asks its bars to take their place in its client area.
#define WM_SIZEPARENT 0x0361
// wParam: a string resource id, or 0 with lParam the text: the status prompt.
#define WM_SETMESSAGESTRING 0x0362
// Sent while the user-interface thread is idle: update command user
// interface now (wParam TRUE: disable items without a handler).
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
// Sent by a modal loop while its queue is empty; lParam counts the calls
// since the last message. A non-zero result asks for another call.
#define WM_KICKIDLE 0x036A
// Asks a window which window its owned popups centre on (NULL: itself).
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D

// A child control's notification sent back to the control itself is this
// base plus the original message number.
#define WM_REFLECT_BASE 0xBC00

// The merged key of the WM_CTLCOLOR* family in message maps (the number the
// family had before it was split by control type).
#define WM_CTLCOLOR 0x0019
