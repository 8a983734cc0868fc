#pragma once

// The RT_DLGINIT resource of a dialog template: strings its list and combo
// boxes start with. The resource is a sequence of records, each a WORD
// control id, a WORD message, a DWORD data length and that many bytes of
// data (a string, normally NUL-terminated), ended by a WORD 0. The message
// is 0x0401 (list box) or 0x0403 (combo box), as resource compilers write
// them; the Win32 LB_ADDSTRING and CB_ADDSTRING are accepted too.

#include "strings/CString.h"

#include <vector>

#define RT_DLGINIT MAKEINTRESOURCE(240)

struct DlgInitItem
{
    WORD nIDC;
    // LB_ADDSTRING or CB_ADDSTRING.
    UINT nMessage;
    CString strText;
};

// The items in resource order; records of other messages are passed over.
// FALSE for data that ends inside a record.
FRAMEWORK_API BOOL AfxParseDlgInit(const void* lpResource, DWORD dwSize, std::vector<DlgInitItem>& items);
