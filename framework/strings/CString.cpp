#include <cstdio>

#include "strings/CString.h"

#ifdef _WIN32
#include "app/ResourceChain.h"
#endif
#include "core/CException.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// In front of every buffer; the characters follow it directly.
struct CStringData
{
    int nDataLength;
    int nAllocLength;
};

// Every empty string points here until it needs a buffer of its own. It is
// never written.
struct EmptyString
{
    CStringData header;
    char terminator;
};
EmptyString emptyString = {{0, 0}, 0};

char* EmptyChars()
{
    return &emptyString.terminator;
}

CStringData* DataOf(char* chars)
{
    return reinterpret_cast<CStringData*>(chars) - 1;
}

const int maxCapacity = INT_MAX / 2;

// A buffer for nCapacity characters and a terminator, holding "".
char* AllocChars(int nCapacity)
{
    if (nCapacity < 0 || nCapacity > maxCapacity)
        AfxThrowMemoryException();
    auto* data = static_cast<CStringData*>(std::malloc(sizeof(CStringData) + nCapacity + 1));
    if (data == nullptr)
        AfxThrowMemoryException();
    data->nDataLength = 0;
    data->nAllocLength = nCapacity;
    char* chars = reinterpret_cast<char*>(data + 1);
    chars[0] = '\0';
    return chars;
}

void FreeChars(char* chars)
{
    if (chars != EmptyChars())
        std::free(DataOf(chars));
}

void SetCharsLength(char* chars, int nLength)
{
    DataOf(chars)->nDataLength = nLength;
    chars[nLength] = '\0';
}

int SafeLength(LPCSTR lpsz)
{
    return lpsz != NULL ? static_cast<int>(std::strlen(lpsz)) : 0;
}

bool IsWhiteSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

bool IsOneOf(char ch, LPCTSTR lpszTargets)
{
    return ch != '\0' && std::strchr(lpszTargets, ch) != nullptr;
}

} // namespace

CString::CString() : m_pszData(EmptyChars())
{
}

CString::CString(const CString& stringSrc) : m_pszData(EmptyChars())
{
    AssignCopy(stringSrc.m_pszData, stringSrc.GetLength());
}

CString::CString(CString&& stringSrc) noexcept : m_pszData(stringSrc.m_pszData)
{
    stringSrc.m_pszData = EmptyChars();
}

CString::CString(LPCSTR lpsz) : m_pszData(EmptyChars())
{
    *this = lpsz;
}

CString::CString(LPCSTR lpch, int nLength) : m_pszData(EmptyChars())
{
    if (nLength < 0 || (lpch == NULL && nLength > 0))
        AfxThrowInvalidArgException();
    AssignCopy(lpch, nLength);
}

CString::CString(const unsigned char* lpsz) : CString(reinterpret_cast<LPCSTR>(lpsz))
{
}

CString::CString(char ch, int nRepeat) : m_pszData(EmptyChars())
{
    if (nRepeat <= 0)
        return;
    Reserve(nRepeat);
    std::memset(m_pszData, ch, nRepeat);
    SetLength(nRepeat);
}

CString::CString(LPCWSTR lpsz) : m_pszData(EmptyChars())
{
    if (lpsz != NULL)
        AssignWide(lpsz, static_cast<int>(std::char_traits<WCHAR>::length(lpsz)));
}

CString::CString(LPCWSTR lpch, int nLength) : m_pszData(EmptyChars())
{
    if (nLength < 0 || (lpch == NULL && nLength > 0))
        AfxThrowInvalidArgException();
    AssignWide(lpch, nLength);
}

CString::~CString()
{
    FreeChars(m_pszData);
}

CString& CString::operator=(const CString& stringSrc)
{
    AssignCopy(stringSrc.m_pszData, stringSrc.GetLength());
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    std::swap(m_pszData, stringSrc.m_pszData);
    return *this;
}

CString& CString::operator=(LPCSTR lpsz)
{
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
    {
        if (!LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpsz))))
            Empty();
    }
    else
    {
        AssignCopy(lpsz, SafeLength(lpsz));
    }
    return *this;
}

CString& CString::operator=(const unsigned char* lpsz)
{
    return *this = reinterpret_cast<LPCSTR>(lpsz);
}

CString& CString::operator=(LPCWSTR lpsz)
{
    AssignWide(lpsz, lpsz != NULL ? static_cast<int>(std::char_traits<WCHAR>::length(lpsz)) : 0);
    return *this;
}

CString& CString::operator=(char ch)
{
    AssignCopy(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& string)
{
    return Append(string);
}

CString& CString::operator+=(LPCSTR lpsz)
{
    return Append(lpsz);
}

CString& CString::operator+=(char ch)
{
    return AppendChar(ch);
}

CString& CString::Append(const CString& string)
{
    AppendCopy(string.m_pszData, string.GetLength());
    return *this;
}

CString& CString::Append(LPCSTR lpsz)
{
    AppendCopy(lpsz, SafeLength(lpsz));
    return *this;
}

CString& CString::Append(LPCSTR lpch, int nLength)
{
    if (nLength < 0 || (lpch == NULL && nLength > 0))
        AfxThrowInvalidArgException();
    AppendCopy(lpch, nLength);
    return *this;
}

CString& CString::AppendChar(char ch)
{
    AppendCopy(&ch, 1);
    return *this;
}

int CString::GetLength() const
{
    return DataOf(m_pszData)->nDataLength;
}

BOOL CString::IsEmpty() const
{
    return GetLength() == 0;
}

void CString::Empty()
{
    ReplaceBuffer(EmptyChars());
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    return m_pszData[nIndex];
}

char CString::operator[](int nIndex) const
{
    return GetAt(nIndex);
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    m_pszData[nIndex] = ch;
}

int CString::Compare(LPCTSTR lpsz) const
{
    return std::strcmp(m_pszData, lpsz != NULL ? lpsz : "");
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return _stricmp(m_pszData, lpsz != NULL ? lpsz : "");
}

int CString::Collate(LPCTSTR lpsz) const
{
    return std::strcoll(m_pszData, lpsz != NULL ? lpsz : "");
}

int CString::CollateNoCase(LPCTSTR lpsz) const
{
    return _stricoll(m_pszData, lpsz != NULL ? lpsz : "");
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    nFirst = std::clamp(nFirst, 0, nLength);
    nCount = std::clamp(nCount, 0, nLength - nFirst);
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return CString(m_pszData, std::clamp(nCount, 0, GetLength()));
}

CString CString::Right(int nCount) const
{
    int nLength = GetLength();
    nCount = std::clamp(nCount, 0, nLength);
    return CString(m_pszData + nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    return Left(static_cast<int>(std::strspn(m_pszData, lpszCharSet != NULL ? lpszCharSet : "")));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    return Left(static_cast<int>(std::strcspn(m_pszData, lpszCharSet != NULL ? lpszCharSet : "")));
}

CString CString::Tokenize(LPCTSTR lpszTokens, int& iStart) const
{
    int nLength = GetLength();
    if (iStart < 0 || iStart >= nLength)
    {
        iStart = -1;
        return CString();
    }
    if (lpszTokens == NULL || *lpszTokens == '\0')
    {
        CString token = Mid(iStart);
        iStart = nLength;
        return token;
    }
    int nFrom = iStart + static_cast<int>(std::strspn(m_pszData + iStart, lpszTokens));
    if (nFrom >= nLength)
    {
        iStart = -1;
        return CString();
    }
    int nCount = static_cast<int>(std::strcspn(m_pszData + nFrom, lpszTokens));
    iStart = nFrom + nCount + 1;
    return Mid(nFrom, nCount);
}

CString& CString::MakeUpper()
{
    if (!IsEmpty())
        CharUpperBuffA(m_pszData, GetLength());
    return *this;
}

CString& CString::MakeLower()
{
    if (!IsEmpty())
        CharLowerBuffA(m_pszData, GetLength());
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_pszData, m_pszData + GetLength());
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew)
        return 0;
    int nCount = 0;
    for (char* p = m_pszData; p != m_pszData + GetLength(); ++p)
    {
        if (*p == chOld)
        {
            *p = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    const std::string_view oldText(lpszOld != NULL ? lpszOld : "");
    const std::string_view newText(lpszNew != NULL ? lpszNew : "");
    if (oldText.empty())
        return 0;
    const std::string_view text(m_pszData, GetLength());
    int nCount = 0;
    for (size_t pos = text.find(oldText); pos != std::string_view::npos; pos = text.find(oldText, pos + oldText.size()))
        ++nCount;
    if (nCount == 0)
        return 0;

    // Built in a new buffer: either argument may point into this string.
    long long nNewLength = static_cast<long long>(text.size()) +
                           static_cast<long long>(nCount) * (static_cast<long long>(newText.size()) -
                                                             static_cast<long long>(oldText.size()));
    if (nNewLength > maxCapacity)
        AfxThrowMemoryException();
    char* pszNewData = AllocChars(static_cast<int>(nNewLength));
    char* out = pszNewData;
    size_t from = 0;
    for (size_t pos = text.find(oldText); pos != std::string_view::npos; pos = text.find(oldText, from))
    {
        out = std::copy(text.begin() + from, text.begin() + pos, out);
        out = std::copy(newText.begin(), newText.end(), out);
        from = pos + oldText.size();
    }
    std::copy(text.begin() + from, text.end(), out);
    SetCharsLength(pszNewData, static_cast<int>(nNewLength));
    ReplaceBuffer(pszNewData);
    return nCount;
}

int CString::Remove(char chRemove)
{
    int nLength = GetLength();
    char* end = std::remove(m_pszData, m_pszData + nLength, chRemove);
    int nRemoved = static_cast<int>(m_pszData + nLength - end);
    if (nRemoved > 0)
        SetLength(nLength - nRemoved);
    return nRemoved;
}

int CString::Insert(int nIndex, char ch)
{
    return InsertCopy(nIndex, &ch, 1);
}

int CString::Insert(int nIndex, LPCTSTR lpsz)
{
    return InsertCopy(nIndex, lpsz, SafeLength(lpsz));
}

int CString::Delete(int nIndex, int nCount)
{
    int nLength = GetLength();
    nIndex = std::max(nIndex, 0);
    if (nCount <= 0 || nIndex >= nLength)
        return nLength;
    nCount = std::min(nCount, nLength - nIndex);
    std::memmove(m_pszData + nIndex, m_pszData + nIndex + nCount, nLength - nIndex - nCount);
    SetLength(nLength - nCount);
    return nLength - nCount;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCTSTR lpszTargets)
{
    return TrimRight(lpszTargets).TrimLeft(lpszTargets);
}

CString& CString::TrimLeft()
{
    const char* end = m_pszData + GetLength();
    const char* first = std::find_if_not(static_cast<const char*>(m_pszData), end, IsWhiteSpace);
    Delete(0, static_cast<int>(first - m_pszData));
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    const char* end = m_pszData + GetLength();
    const char* first = std::find_if(static_cast<const char*>(m_pszData), end, [chTarget](char ch) { return ch != chTarget; });
    Delete(0, static_cast<int>(first - m_pszData));
    return *this;
}

CString& CString::TrimLeft(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL)
        return *this;
    const char* end = m_pszData + GetLength();
    const char* first = std::find_if(static_cast<const char*>(m_pszData), end,
                                     [lpszTargets](char ch) { return !IsOneOf(ch, lpszTargets); });
    Delete(0, static_cast<int>(first - m_pszData));
    return *this;
}

CString& CString::TrimRight()
{
    int nLength = GetLength();
    while (nLength > 0 && IsWhiteSpace(m_pszData[nLength - 1]))
        --nLength;
    if (nLength != GetLength())
        SetLength(nLength);
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    int nLength = GetLength();
    while (nLength > 0 && m_pszData[nLength - 1] == chTarget)
        --nLength;
    if (nLength != GetLength())
        SetLength(nLength);
    return *this;
}

CString& CString::TrimRight(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL)
        return *this;
    int nLength = GetLength();
    while (nLength > 0 && IsOneOf(m_pszData[nLength - 1], lpszTargets))
        --nLength;
    if (nLength != GetLength())
        SetLength(nLength);
    return *this;
}

int CString::Find(char ch) const
{
    return Find(ch, 0);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t pos = std::string_view(m_pszData, GetLength()).find(ch, nStart);
    return pos != std::string_view::npos ? static_cast<int>(pos) : -1;
}

int CString::Find(LPCTSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL || nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = std::string_view(m_pszData, GetLength()).find(lpszSub, nStart);
    return pos != std::string_view::npos ? static_cast<int>(pos) : -1;
}

int CString::ReverseFind(char ch) const
{
    size_t pos = std::string_view(m_pszData, GetLength()).rfind(ch);
    return pos != std::string_view::npos ? static_cast<int>(pos) : -1;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    size_t pos = std::string_view(m_pszData, GetLength()).find_first_of(lpszCharSet);
    return pos != std::string_view::npos ? static_cast<int>(pos) : -1;
}

void CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...)
{
    CString format;
    if (!format.LoadString(nFormatID))
        AfxThrowResourceException();
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    CString result;
    result.AppendFormatV(lpszFormat, argList);
    *this = std::move(result);
}

void CString::AppendFormat(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    AppendFormatV(lpszFormat, args);
    va_end(args);
}

void CString::AppendFormatV(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
        AfxThrowInvalidArgException();
    va_list probe;
    va_copy(probe, argList);
    int nAdded = std::vsnprintf(nullptr, 0, lpszFormat, probe);
    va_end(probe);
    if (nAdded < 0)
        AfxThrowInvalidArgException();
    if (nAdded == 0)
        return;
    int nLength = GetLength();
    if (nAdded > maxCapacity - nLength)
        AfxThrowMemoryException();
    // Formatted into a new buffer: an argument may point into this string.
    char* pszNewData = AllocChars(nLength + nAdded);
    std::memcpy(pszNewData, m_pszData, nLength);
    std::vsnprintf(pszNewData + nLength, nAdded + 1, lpszFormat, argList);
    SetCharsLength(pszNewData, nLength + nAdded);
    ReplaceBuffer(pszNewData);
}

BOOL CString::LoadString(UINT nID)
{
#ifdef _WIN32
    HINSTANCE hInstance = AfxFindStringResourceHandle(nID);
    if (hInstance == NULL)
        return FALSE;
    // A string table block holds 16 strings, each a length word and that
    // many UTF-16 characters.
    HRSRC hBlock = FindResourceA(hInstance, MAKEINTRESOURCEA(nID / 16 + 1), RT_STRING);
    HGLOBAL hData = hBlock != NULL ? LoadResource(hInstance, hBlock) : NULL;
    const WCHAR* entry = hData != NULL ? static_cast<const WCHAR*>(LockResource(hData)) : nullptr;
    if (entry == nullptr)
        return FALSE;
    const WCHAR* end = entry + SizeofResource(hInstance, hBlock) / sizeof(WCHAR);
    for (UINT i = 0; i < nID % 16; ++i)
    {
        if (entry >= end)
            return FALSE;
        entry += 1 + *entry;
    }
    if (entry >= end || *entry == 0 || entry + 1 + *entry > end)
        return FALSE;
    AssignWide(entry + 1, *entry);
    return TRUE;
#else
    // The native build carries no resources.
    UNUSED_ALWAYS(nID);
    return FALSE;
#endif
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        AfxThrowInvalidArgException();
    Reserve(std::max(nMinBufLength, GetLength()));
    return m_pszData;
}

LPTSTR CString::GetBuffer()
{
    return GetBuffer(0);
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    GetBuffer(nNewLength);
    SetLength(nNewLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    int nCapacity = GetAllocLength();
    if (nNewLength == -1)
        nNewLength = static_cast<int>(strnlen(m_pszData, nCapacity));
    if (nNewLength < 0 || nNewLength > nCapacity)
        AfxThrowInvalidArgException();
    SetLength(nNewLength);
}

void CString::Preallocate(int nLength)
{
    GetBuffer(nLength);
}

void CString::FreeExtra()
{
    int nLength = GetLength();
    if (nLength == GetAllocLength())
        return;
    if (nLength == 0)
    {
        Empty();
        return;
    }
    char* pszNewData = AllocChars(nLength);
    std::memcpy(pszNewData, m_pszData, nLength);
    SetCharsLength(pszNewData, nLength);
    ReplaceBuffer(pszNewData);
}

int CString::GetAllocLength() const
{
    return DataOf(m_pszData)->nAllocLength;
}

LPTSTR CString::LockBuffer()
{
    return GetBuffer(0);
}

void CString::UnlockBuffer()
{
}

BSTR CString::AllocSysString() const
{
    int nLength = GetLength();
    int nWide = nLength > 0 ? MultiByteToWideChar(CP_ACP, 0, m_pszData, nLength, nullptr, 0) : 0;
    BSTR bstr = SysAllocStringLen(nullptr, nWide);
    if (bstr == nullptr)
        AfxThrowMemoryException();
    if (nWide > 0)
        MultiByteToWideChar(CP_ACP, 0, m_pszData, nLength, bstr, nWide);
    return bstr;
}

BSTR CString::SetSysString(BSTR* pbstr) const
{
    if (pbstr == NULL)
        AfxThrowInvalidArgException();
    int nLength = GetLength();
    int nWide = nLength > 0 ? MultiByteToWideChar(CP_ACP, 0, m_pszData, nLength, nullptr, 0) : 0;
    if (!SysReAllocStringLen(pbstr, nullptr, nWide))
        AfxThrowMemoryException();
    if (nWide > 0)
        MultiByteToWideChar(CP_ACP, 0, m_pszData, nLength, *pbstr, nWide);
    return *pbstr;
}

void CString::AssignCopy(LPCSTR lpch, int nLength)
{
    if (nLength == 0)
    {
        Empty();
        return;
    }
    if (m_pszData != EmptyChars() && GetAllocLength() >= nLength)
    {
        std::memmove(m_pszData, lpch, nLength);
        SetLength(nLength);
        return;
    }
    char* pszNewData = AllocChars(nLength);
    std::memcpy(pszNewData, lpch, nLength);
    SetCharsLength(pszNewData, nLength);
    ReplaceBuffer(pszNewData);
}

int CString::InsertCopy(int nIndex, LPCSTR lpch, int nCount)
{
    int nLength = GetLength();
    if (nCount == 0)
        return nLength;
    if (nCount > maxCapacity - nLength)
        AfxThrowMemoryException();
    nIndex = std::clamp(nIndex, 0, nLength);
    // Built in a new buffer: lpch may point into this string.
    char* pszNewData = AllocChars(nLength + nCount);
    std::memcpy(pszNewData, m_pszData, nIndex);
    std::memcpy(pszNewData + nIndex, lpch, nCount);
    std::memcpy(pszNewData + nIndex + nCount, m_pszData + nIndex, nLength - nIndex);
    SetCharsLength(pszNewData, nLength + nCount);
    ReplaceBuffer(pszNewData);
    return nLength + nCount;
}

void CString::AssignWide(LPCWSTR lpch, int nLength)
{
    int nBytes = nLength > 0 ? WideCharToMultiByte(CP_ACP, 0, lpch, nLength, nullptr, 0, nullptr, nullptr) : 0;
    if (nBytes == 0)
    {
        Empty();
        return;
    }
    char* pszNewData = AllocChars(nBytes);
    WideCharToMultiByte(CP_ACP, 0, lpch, nLength, pszNewData, nBytes, nullptr, nullptr);
    SetCharsLength(pszNewData, nBytes);
    ReplaceBuffer(pszNewData);
}

void CString::AppendCopy(LPCSTR lpch, int nLength)
{
    if (nLength == 0)
        return;
    int nOldLength = GetLength();
    if (nLength > maxCapacity - nOldLength)
        AfxThrowMemoryException();
    int nNewLength = nOldLength + nLength;
    if (m_pszData != EmptyChars() && GetAllocLength() >= nNewLength)
    {
        std::memmove(m_pszData + nOldLength, lpch, nLength);
        SetLength(nNewLength);
        return;
    }
    // lpch may point into the old buffer: it is freed only after the copy.
    int nCapacity = std::max(nNewLength, std::min(maxCapacity, GetAllocLength() + GetAllocLength() / 2));
    char* pszNewData = AllocChars(nCapacity);
    std::memcpy(pszNewData, m_pszData, nOldLength);
    std::memcpy(pszNewData + nOldLength, lpch, nLength);
    SetCharsLength(pszNewData, nNewLength);
    ReplaceBuffer(pszNewData);
}

void CString::Reserve(int nCapacity)
{
    if (m_pszData != EmptyChars() && GetAllocLength() >= nCapacity)
        return;
    int nLength = GetLength();
    char* pszNewData = AllocChars(nCapacity);
    std::memcpy(pszNewData, m_pszData, nLength);
    SetCharsLength(pszNewData, nLength);
    ReplaceBuffer(pszNewData);
}

void CString::ReplaceBuffer(char* pszNewData)
{
    char* pszOldData = m_pszData;
    m_pszData = pszNewData;
    FreeChars(pszOldData);
}

void CString::SetLength(int nLength)
{
    if (m_pszData == EmptyChars())
        return;
    SetCharsLength(m_pszData, nLength);
}

CString operator+(const CString& string1, const CString& string2)
{
    CString result;
    result.Preallocate(string1.GetLength() + string2.GetLength());
    result.Append(string1);
    result.Append(string2);
    return result;
}

CString operator+(const CString& string, LPCTSTR lpsz)
{
    CString result(string);
    result.Append(lpsz);
    return result;
}

CString operator+(LPCTSTR lpsz, const CString& string)
{
    CString result(lpsz);
    result.Append(string);
    return result;
}

CString operator+(const CString& string, char ch)
{
    CString result(string);
    result.AppendChar(ch);
    return result;
}

CString operator+(char ch, const CString& string)
{
    CString result(ch);
    result.Append(string);
    return result;
}
