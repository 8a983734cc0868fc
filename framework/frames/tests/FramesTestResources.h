#pragma once

// Resource ids of the frames tests. Included by the resource scripts, so
// only #define lines.

// A frame with menu, accelerators, icon and title.
#define IDR_TEST_FRAME 200
// A title string and nothing else.
#define IDR_PLAIN_FRAME 201
// Two kinds of MDI children with their shared menus and accelerators.
#define IDR_CHILD_A 210
#define IDR_CHILD_B 211
// A document template's strings and shared menu.
#define IDR_TEST_DOC 220

#define ID_TEST_HANDLED 40001
#define ID_TEST_NOHANDLER 40002
#define ID_TEST_CHECKED 40003
#define ID_TEST_DISABLED 40004
#define ID_TEST_ACCEL 40010
#define ID_CHILD_ACCEL 40011
#define ID_CHILD_ITEM 40012

// Commands 41000 + bits: each target on a route takes those with its bit.
#define ID_ROUTE_FIRST 41000
#define ID_ROUTE_LAST 41031

// The form in the forms probe DLL.
#define IDD_TEST_FORM 12000
#define IDC_FORM_NAME 12001
#define IDC_FORM_COUNT 12002
#define IDC_FORM_COMBO 12003
// Its size in dialog units.
#define TEST_FORM_WIDTH 200
#define TEST_FORM_HEIGHT 100
