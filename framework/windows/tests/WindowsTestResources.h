#pragma once

// Ids of the windows tests' own resources.

#define IDD_PROBE 200
#define IDC_PROBE_EDIT 1001
#define IDC_PROBE_COMBO 1002
#define IDC_PROBE_LIST 1003
#define IDC_PROBE_BUTTON 1004
#define IDR_PROBE_MENU 300
#define ID_PROBE_FIRST 40001
#define ID_PROBE_SECOND 40002
#define ID_PROBE_INNER 40003
