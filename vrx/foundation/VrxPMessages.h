#pragma once

// The library's registered window messages. Each variable holds the id that
// RegisterWindowMessageA gave for the name of the same spelling; it is 0
// until VrxPStartLibrary (foundation/VrxPLibrary.h) has run. Message maps
// read these variables when a class's map is first walked, which is always
// after the library started.

#include "core/Platform.h"

// Registered first: the toolbar's own two.
extern UINT VrxTOOLBAR_POPUPMENU;
extern UINT VrxTOOLBAR_CUSTOMIZE;

extern UINT VrxTOOLBAR_CREATE;
extern UINT VrxTOOLBAR_DELETE;
extern UINT VrxTOOLBAR_CUSTOMIZEHELP;
extern UINT VrxTOOLBAR_RESETTOOLBAR;
extern UINT VrxTOOLBAR_RESETMENU;
extern UINT VrxTOOLBAR_SHOWREGULARMENU;
extern UINT VrxTOOLBAR_RESETCONTEXTMENU;
extern UINT VrxTOOLBAR_RESETKEYBAORD;
extern UINT VrxTOOLBAR_RESETRPROMPT;
extern UINT VrxM_POSTSETPREVIEWFRAME;
extern UINT VrxM_ON_HSCROLL;
extern UINT VrxM_GETDRAGBOUNDS;
extern UINT VrxM_ON_DRAGCOMPLETE;
extern UINT VrxM_ON_TABGROUPMOUSEMOVE;
extern UINT VrxM_ON_CANCELTABMOVE;
extern UINT VrxM_ON_MOVETABCOMPLETE;
extern UINT VrxM_ON_RENAME_TAB;
extern UINT VrxM_ONCHANGE_ACTIVE_TAB;
extern UINT VrxM_ON_MOVE_TAB;
extern UINT VrxM_ON_CHANGING_ACTIVE_TAB;
extern UINT VrxM_ON_GET_TAB_TOOLTIP;
extern UINT VrxM_CHANGEVISUALMANAGER;
extern UINT VrxM_ON_PRESS_CLOSE_BUTTON;
extern UINT VrxM_UPDATETOOLTIPS;
extern UINT VrxM_GETOBGECT;
extern UINT VrxM_ACCHITTEST;
extern UINT VrxM_ACCGETSTATE;
extern UINT VrxM_ON_MOVETOTABGROUP;
extern UINT VrxPMSG_CHECKEMPTYMINIFRAME;
extern UINT VrxM_POSTRECALCLAYOUT;
extern UINT VrxM_ON_CHANGE_RIBBON_CATEGORY;
extern UINT VrxM_ON_RIBBON_CUSTOMIZE;
// The name is "WINDOW_HELP".
extern UINT VrxM_WINDOW_HELP;
extern UINT VrxPM_ON_AFTER_SHELL_COMMAND;
extern UINT VrxM_CALENDAR_ON_SELCHANGED;
extern UINT VrxM_APPBAR_CALLBACK;
// The name is "VrxTOOLBAR__GETDOCUMENTCOLORS" (a double underscore may not
// start or sit inside a C++ name).
extern UINT VrxTOOLBAR_GETDOCUMENTCOLORS;
extern UINT VrxP_PLANNER_ADD_APPOINTMENT;
extern UINT VrxP_PLANNER_BEFORE_UPDATE_APPOINTMENT;
extern UINT VrxP_PLANNER_UPDATE_APPOINTMENT;
extern UINT VrxP_PLANNER_REMOVE_APPOINTMENT;
extern UINT VrxP_PLANNER_REMOVE_ALL_APPOINTMENTS;
extern UINT VrxP_PLANNER_TYPE_CHANGED;
extern UINT VrxP_PLANNER_DATE_CHANGED;
extern UINT VrxP_PLANNER_LBUTTONDBLCLK;
extern UINT VrxP_PLANNER_KEYDOWN;
extern UINT VrxP_PLANNER_ICONUPDOWN_CLICK;
extern UINT VrxP_PLANNER_DROP_APPOINTMENTS;
extern UINT VrxP_PLANNER_DRAG_APPOINTMENTS;
extern UINT VrxP_PLANNER_BEGIN_CHANGE_OPERATION;
extern UINT VrxP_PLANNER_END_CHANGE_OPERATION;

// Registers every message above, in the order of this header, storing each id
// through registrar (RegisterWindowMessageA in the library; a test may record
// the order). A name that cannot be registered leaves its id 0.
typedef UINT(WINAPI* VrxPMessageRegistrar)(LPCSTR lpszName);
void VrxPRegisterMessages(VrxPMessageRegistrar registrar);
