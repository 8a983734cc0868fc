#include "windows/DlgInitData.h"

#include <cstring>

namespace
{
const WORD kListBoxAddString = 0x0401;
const WORD kComboBoxAddString = 0x0403;
const DWORD kRecordHeaderSize = 8;

WORD ReadWord(const BYTE* p)
{
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

DWORD ReadDword(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}

UINT AddStringMessage(WORD nMessage)
{
    if (nMessage == kListBoxAddString || nMessage == LB_ADDSTRING)
        return LB_ADDSTRING;
    if (nMessage == kComboBoxAddString || nMessage == CB_ADDSTRING)
        return CB_ADDSTRING;
    return 0;
}
} // namespace

BOOL AfxParseDlgInit(const void* lpResource, DWORD dwSize, std::vector<DlgInitItem>& items)
{
    items.clear();
    const BYTE* pData = static_cast<const BYTE*>(lpResource);
    DWORD dwPos = 0;
    // A resource without its closing WORD 0 simply ends.
    while (dwSize - dwPos >= sizeof(WORD))
    {
        WORD nIDC = ReadWord(pData + dwPos);
        if (nIDC == 0)
            return TRUE;
        if (dwSize - dwPos < kRecordHeaderSize)
            return FALSE;
        WORD nMessage = ReadWord(pData + dwPos + 2);
        DWORD dwLength = ReadDword(pData + dwPos + 4);
        dwPos += kRecordHeaderSize;
        if (dwLength > dwSize - dwPos)
            return FALSE;
        if (UINT nAddString = AddStringMessage(nMessage))
        {
            const char* pszText = reinterpret_cast<const char*>(pData + dwPos);
            const void* pEnd = std::memchr(pszText, '\0', dwLength);
            int nLength = pEnd != nullptr ? static_cast<int>(static_cast<const char*>(pEnd) - pszText)
                                          : static_cast<int>(dwLength);
            items.push_back(DlgInitItem{nIDC, nAddString, CString(pszText, nLength)});
        }
        dwPos += dwLength;
    }
    return TRUE;
}
