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

BOOL IsRectEmpty(const RECT* lprc)
{
    return lprc == nullptr || lprc->right <= lprc->left || lprc->bottom <= lprc->top;
}

BOOL PtInRect(const RECT* lprc, POINT pt)
{
    return lprc != nullptr && pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}

BOOL SetRectEmpty(LPRECT lprc)
{
    if (lprc == nullptr)
        return FALSE;
    *lprc = RECT{0, 0, 0, 0};
    return TRUE;
}

BOOL UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2)
{
    if (lprcDst == nullptr || lprcSrc1 == nullptr || lprcSrc2 == nullptr)
        return FALSE;
    const bool bEmpty1 = IsRectEmpty(lprcSrc1) != FALSE;
    const bool bEmpty2 = IsRectEmpty(lprcSrc2) != FALSE;
    if (bEmpty1 && bEmpty2)
    {
        SetRectEmpty(lprcDst);
        return FALSE;
    }
    if (bEmpty1 || bEmpty2)
    {
        *lprcDst = bEmpty1 ? *lprcSrc2 : *lprcSrc1;
        return TRUE;
    }
    RECT result;
    result.left = lprcSrc1->left < lprcSrc2->left ? lprcSrc1->left : lprcSrc2->left;
    result.top = lprcSrc1->top < lprcSrc2->top ? lprcSrc1->top : lprcSrc2->top;
    result.right = lprcSrc1->right > lprcSrc2->right ? lprcSrc1->right : lprcSrc2->right;
    result.bottom = lprcSrc1->bottom > lprcSrc2->bottom ? lprcSrc1->bottom : lprcSrc2->bottom;
    *lprcDst = result;
    return TRUE;
}
