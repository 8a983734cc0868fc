#pragma once

// Ids and styles of frames, panes and window commands. Included by resource
// scripts, so only #define lines.

// Frame styles: the title shows the active document's name after the
// frame's own title, or before it with FWS_PREFIXTITLE.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L

// Child windows of a frame: control bars take their place first, the pane
// (a view, or the MDI client area) gets what is left.
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_PANE_LAST 0xE9FF

// Print preview's command that closes the preview.
#define AFX_ID_PREVIEW_CLOSE 0xE300

// The MDI client numbers the Window menu's entries of the children from here.
#define AFX_IDM_FIRST_MDICHILD 0xFF00

// Window commands; a popup holding one of the range is the Window menu.
#define AFX_IDM_WINDOW_FIRST 0xE130
#define AFX_IDM_WINDOW_LAST 0xE13F
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
