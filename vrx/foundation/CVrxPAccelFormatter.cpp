#include "foundation/CVrxPAccelFormatter.h"

#include <cctype>

namespace
{
const int nameBytes = 50;
const char escapeCharacter = 27;
} // namespace

CString CVrxPAccelFormatter::KeyName(UINT nVirtualKey)
{
    if (nVirtualKey == VK_PAUSE)
        return "Pause";
    LONG lParam = static_cast<LONG>(MapVirtualKeyEx(nVirtualKey, 0, GetKeyboardLayout(0)) << 16) | 1;
    // Page Up to Help: the extended keys, not their number-pad twins.
    if (nVirtualKey >= 0x21 && nVirtualKey <= 0x2F)
        lParam |= 1 << 24;
    char szName[nameBytes] = {};
    GetKeyNameTextA(lParam, szName, nameBytes);
    return CapitaliseKeyName(szName);
}

CString CVrxPAccelFormatter::CapitaliseKeyName(LPCSTR lpszLayoutName)
{
    CString name(lpszLayoutName);
    name.MakeLower();
    for (int i = 0; i < name.GetLength(); i++)
        if (islower(static_cast<unsigned char>(name[i])))
        {
            name.SetAt(i, static_cast<char>(toupper(static_cast<unsigned char>(name[i]))));
            break;
        }
    return name;
}

void CVrxPAccelFormatter::BuildText(CString& text) const
{
    text.Empty();
    if (m_pEntry == nullptr)
        return;
    if (m_pEntry->fVirt & FCONTROL)
        text += KeyName(VK_CONTROL) + "+";
    if (m_pEntry->fVirt & FSHIFT)
        text += KeyName(VK_SHIFT) + "+";
    if (m_pEntry->fVirt & FALT)
        text += KeyName(VK_MENU) + "+";
    if (m_pEntry->fVirt & FVIRTKEY)
        text += KeyName(m_pEntry->key);
    else if (m_pEntry->key != escapeCharacter)
        text += static_cast<char>(m_pEntry->key);
}
