#pragma once

// The customise sheet's page templates and their controls.

#define VrxPIddCommandsPage 16104
#define VrxPIdcCategories 16601
#define VrxPIdcCommands 16602
#define VrxPIdcDescription 16603

#define VrxPIddToolbarsPage 16105
#define VrxPIdcToolbarList 16611
#define VrxPIdcTextLabels 16612
#define VrxPIdcResetToolbar 16613
#define VrxPIdcResetAll 16614
#define VrxPIdcNewToolbar 16615
#define VrxPIdcRenameToolbar 16616
#define VrxPIdcDeleteToolbar 16617

#define VrxPIddToolbarName 16130
#define VrxPIdcToolbarName 16516
