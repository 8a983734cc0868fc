#pragma once

// Resource and control ids of portlink.dll. Included by its resource script,
// so only #define lines. They stay clear of korvo's and the other plug-ins'.

// The connection form.
#define IDD_PORTLINK 3000
#define IDC_OPEN_CLOSE 3001
#define IDC_PORTS 3004
#define IDC_BAUDS 3006
#define IDC_HIGH_BAUDS 3007
#define IDC_USER_BAUD 3008
#define IDC_HIGH_BAUD_LABEL 3011
#define IDC_HIGH_SPEED_CHECK 3012

// The dialog that asks for a high rate.
#define IDD_BAUDRATE_SET 3003
#define IDC_BAUDRATE_VALUE 3009
