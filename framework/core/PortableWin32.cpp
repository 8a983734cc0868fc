#include "core/Platform.h"

#include <cctype>

namespace {

const char chDefault = '?';

} // namespace

int MultiByteToWideChar(UINT, DWORD, LPCSTR lpMultiByteStr, int cbMultiByte, LPWSTR lpWideCharStr, int cchWideChar)
{
    if (lpMultiByteStr == nullptr || cbMultiByte < 0)
        return 0;
    if (lpWideCharStr == nullptr || cchWideChar == 0)
        return cbMultiByte;
    if (cchWideChar < cbMultiByte)
        return 0;
    for (int i = 0; i < cbMultiByte; ++i)
    {
        const unsigned char ch = static_cast<unsigned char>(lpMultiByteStr[i]);
        lpWideCharStr[i] = ch < 0x80 ? static_cast<WCHAR>(ch) : static_cast<WCHAR>(chDefault);
    }
    return cbMultiByte;
}

int WideCharToMultiByte(UINT, DWORD, LPCWSTR lpWideCharStr, int cchWideChar, LPSTR lpMultiByteStr, int cbMultiByte,
                        LPCSTR, BOOL* lpUsedDefaultChar)
{
    if (lpWideCharStr == nullptr || cchWideChar < 0)
        return 0;
    if (lpMultiByteStr == nullptr || cbMultiByte == 0)
        return cchWideChar;
    if (cbMultiByte < cchWideChar)
        return 0;
    BOOL bUsedDefault = FALSE;
    for (int i = 0; i < cchWideChar; ++i)
    {
        const WCHAR ch = lpWideCharStr[i];
        bUsedDefault |= ch >= 0x80;
        lpMultiByteStr[i] = ch < 0x80 ? static_cast<char>(ch) : chDefault;
    }
    if (lpUsedDefaultChar != nullptr)
        *lpUsedDefaultChar = bUsedDefault;
    return cchWideChar;
}

DWORD CharUpperBuffA(LPSTR lpsz, DWORD cchLength)
{
    for (DWORD i = 0; i < cchLength; ++i)
        lpsz[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(lpsz[i])));
    return cchLength;
}

DWORD CharLowerBuffA(LPSTR lpsz, DWORD cchLength)
{
    for (DWORD i = 0; i < cchLength; ++i)
        lpsz[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(lpsz[i])));
    return cchLength;
}
