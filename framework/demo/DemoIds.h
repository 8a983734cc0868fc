#pragma once

// Resource and command ids of the framework demo and its forms DLL. Included
// by resource scripts, so only #define lines.

// The main frame: menu, accelerators, icon and title.
#define IDR_DEMO_MAIN 100
// The children: title strings and shared menus (and the form's accelerators).
#define IDR_DEMO_FORM 110
#define IDR_DEMO_DRAW 120

#define IDD_DEMO_DIALOG 130
#define IDC_DIALOG_TEXT 131

// The form, in the forms DLL.
#define IDD_DEMO_FORM 3000
#define IDC_DEMO_NAME 3001
#define IDC_DEMO_COUNT 3002
#define IDC_DEMO_APPLY 3003
#define IDC_DEMO_RESULT 3004
#define IDC_DEMO_COLOUR 3005

#define ID_DEMO_DIALOG 32771
#define ID_VIEW_OPTION 32772
#define ID_VIEW_LOCKED 32773
#define ID_VIEW_NOHANDLER 32774
#define ID_FORM_FILL 32780
#define ID_DRAW_INVERT 32790

// The main window's class, by which other programs find it.
#define DEMO_MAINFRAME_CLASS "FrameworkDemo::Mainframe"
