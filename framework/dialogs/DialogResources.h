#pragma once

// Ids of the dialog layer's own strings in the framework DLL. Included by
// Dialogs.rc, so only #define lines.

// The messages of a refused value in dialog data exchange.
#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_REAL 0xF111
#define AFX_IDP_PARSE_INT_RANGE 0xF112
#define AFX_IDP_PARSE_REAL_RANGE 0xF113
#define AFX_IDP_PARSE_STRING_SIZE 0xF114
#define AFX_IDP_PARSE_UINT 0xF115
