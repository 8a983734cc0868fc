#pragma once

// Ids of the dialogs tests' own resources.

#define IDD_VALUE 200
#define IDD_EXCHANGE 201
#define IDC_VALUE 1001
#define IDC_TEXT 1002
#define IDC_NUMBER 1003
#define IDC_CHECK 1004
#define IDC_RADIO_FIRST 1005
#define IDC_RADIO_SECOND 1006
#define IDC_RADIO_THIRD 1007
#define IDC_COMBO 1008
#define IDC_LIST 1009
#define IDC_AFTER_RADIOS 1010
#define IDC_MULTILINE 1011
