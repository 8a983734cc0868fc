#pragma once

#include "core/Platform.h"

#include <cstdarg>

// The framework's ANSI string. Its layout is one pointer to the characters
// (length and capacity are kept in a header in front of them), the same in
// every module; all of it lives in the framework DLL, so a string made in
// one module is grown and freed by the same code in any other. Copies never
// share a buffer. The characters may contain NULs; the text is always
// terminated.
//
// Index arguments of the substring functions are clamped to the string;
// GetAt/SetAt/operator[] with an index outside it throw CInvalidArgException.
// Failing allocations throw CMemoryException.
class FRAMEWORK_API CString
{
public:
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    // A NULL pointer gives an empty string; a resource id made with
    // MAKEINTRESOURCE loads that string resource.
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* lpsz);
    explicit CString(char ch, int nRepeat = 1);
    // Converted to the ANSI code page.
    CString(LPCWSTR lpsz);
    CString(LPCWSTR lpch, int nLength);
    ~CString();

    CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    CString& operator=(LPCSTR lpsz);
    CString& operator=(const unsigned char* lpsz);
    CString& operator=(LPCWSTR lpsz);
    CString& operator=(char ch);

    CString& operator+=(const CString& string);
    CString& operator+=(LPCSTR lpsz);
    CString& operator+=(char ch);
    CString& Append(const CString& string);
    CString& Append(LPCSTR lpsz);
    CString& Append(LPCSTR lpch, int nLength);
    CString& AppendChar(char ch);

    operator LPCTSTR() const { return m_pszData; }
    LPCTSTR GetString() const { return m_pszData; }
    int GetLength() const;
    BOOL IsEmpty() const;
    void Empty();

    char GetAt(int nIndex) const;
    char operator[](int nIndex) const;
    void SetAt(int nIndex, char ch);

    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;
    int Collate(LPCTSTR lpsz) const;
    int CollateNoCase(LPCTSTR lpsz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;
    // The next token after iStart, skipping leading delimiters; iStart moves
    // past it, or becomes -1 (with an empty result) when none is left.
    CString Tokenize(LPCTSTR lpszTokens, int& iStart) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Each returns the number of characters replaced or removed.
    int Replace(char chOld, char chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(char chRemove);
    // Each returns the new length.
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCTSTR lpsz);
    int Delete(int nIndex, int nCount = 1);

    // Without an argument, white space is trimmed.
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCTSTR lpszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCTSTR lpszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCTSTR lpszTargets);

    // Each returns a zero-based index, or -1.
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(LPCTSTR lpszSub) const;
    int Find(LPCTSTR lpszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    // printf formatting, any length. Pass strings as (LPCTSTR)str.
    void Format(LPCTSTR lpszFormat, ...);
    void Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR lpszFormat, va_list argList);
    void AppendFormat(LPCTSTR lpszFormat, ...);
    void AppendFormatV(LPCTSTR lpszFormat, va_list argList);

    // Loads a string resource from the first module of the resource chain
    // that has it; FALSE (and the string unchanged) when none has.
    BOOL LoadString(UINT nID);

    // Direct access: at least nMinBufLength characters plus a terminator may
    // be written. ReleaseBuffer(-1) takes the length up to the first NUL.
    LPTSTR GetBuffer(int nMinBufLength);
    LPTSTR GetBuffer();
    LPTSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void Preallocate(int nLength);
    void FreeExtra();
    int GetAllocLength() const;
    // Buffers are never shared between strings, so a locked buffer is simply
    // the string's own one and unlocking has nothing to undo.
    LPTSTR LockBuffer();
    void UnlockBuffer();

    // A new BSTR holding the text in UTF-16; the caller frees it.
    BSTR AllocSysString() const;
    // Reallocates *pbstr to hold the text; returns the new BSTR.
    BSTR SetSysString(BSTR* pbstr) const;

private:
    void AssignCopy(LPCSTR lpch, int nLength);
    void AssignWide(LPCWSTR lpch, int nLength);
    void AppendCopy(LPCSTR lpch, int nLength);
    int InsertCopy(int nIndex, LPCSTR lpch, int nCount);
    void Reserve(int nCapacity);
    void ReplaceBuffer(char* pszNewData);
    void SetLength(int nLength);

    LPTSTR m_pszData;
};

FRAMEWORK_API CString operator+(const CString& string1, const CString& string2);
FRAMEWORK_API CString operator+(const CString& string, LPCTSTR lpsz);
FRAMEWORK_API CString operator+(LPCTSTR lpsz, const CString& string);
FRAMEWORK_API CString operator+(const CString& string, char ch);
FRAMEWORK_API CString operator+(char ch, const CString& string);

inline bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
inline bool operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
inline bool operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
inline bool operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }
