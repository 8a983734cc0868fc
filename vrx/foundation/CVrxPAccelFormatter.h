#pragma once

// The text of one accelerator entry as menus, toolbars and the keyboard pages
// show it: modifier names and the key name joined by plus signs
// ("Ctrl+Shift+F5"), the names taken from the keyboard layout.

#include "core/CObject.h"
#include "strings/CString.h"

class CVrxPAccelFormatter : public CObject
{
public:
    explicit CVrxPAccelFormatter(const ACCEL* pEntry) : m_pEntry(pEntry) {}

    void BuildText(CString& text) const;
    // "Pause" for VK_PAUSE; otherwise the layout's name, lower case with its
    // first letter upper case ("Page up").
    static CString KeyName(UINT nVirtualKey);
    // A name of the layout, lower case with its first letter upper case.
    static CString CapitaliseKeyName(LPCSTR lpszLayoutName);

private:
    const ACCEL* m_pEntry;
};
