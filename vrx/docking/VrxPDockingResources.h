#pragma once

// The docking library's resources.

#define VrxPIdsWindowsDialog 16927
#define VrxPIdcWindowsList 16923
#define VrxPIdcActivate 16920
#define VrxPIdcSave 16921
#define VrxPIdcCloseWindows 16922
#define VrxPIdcTileHorizontally 16924
#define VrxPIdcMinimize 16925
#define VrxPIdcCascade 16926
#define VrxPIdcTileVertically 16928
#define VrxPIdcWindowsHelp 57670

// The window-position menu of a bar.
#define VrxPIdsWindowPosition 17038
#define VrxPIdsFloating 17039
#define VrxPIdsDocking 17040
#define VrxPIdsAutoHide 17041
#define VrxPIdsHide 17042
#define VrxPIdsTabbedDocument 17088

// Shown when every user-toolbar id is taken.
#define VrxPIdsUserToolbarLimit 16243
