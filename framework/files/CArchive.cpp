#include "files/CArchive.h"

#include "core/CException.h"
#include "core/CObject.h"
#include "files/CFile.h"
#include "strings/CString.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Object tags.
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD dwBigClassTag = 0x80000000;
// Indexes stay well inside the 31 bits a big tag leaves them.
const DWORD nMaxMapCount = 0x3FFFFFFE;

// Length forms of strings and counts.
const BYTE byLongLength = 0xFF;
const WORD wWideMarker = 0xFFFE;
const WORD wLongerLength = 0xFFFF;
const WORD wCountEscape = 0xFFFF;

// Strings are read piece by piece, so a damaged length runs into the end of
// the data before it can ask for much memory.
const DWORD nTextPiece = 0x10000;

} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(NULL), m_pFile(pFile), m_nMode(nMode),
      m_bUserBuf(lpBuf != NULL && nBufSize > 0),
      m_nBufSize(nBufSize > 0 ? static_cast<UINT>(nBufSize) : defaultBufferSize),
      m_lpBufStart(NULL), m_lpBufCur(NULL), m_lpBufMax(NULL),
      m_nObjectSchema(static_cast<UINT>(-1)), m_nLoadDepth(0), m_nStoreCount(1)
{
    if (pFile == NULL)
        AfxThrowInvalidArgException();
    m_lpBufStart = m_bUserBuf ? static_cast<BYTE*>(lpBuf) : static_cast<BYTE*>(std::malloc(m_nBufSize));
    if (m_lpBufStart == NULL)
        AfxThrowMemoryException();
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    if (IsLoading())
        m_loaded.push_back(LoadedEntry{NULL, NULL, 0});
}

CArchive::~CArchive()
{
    // A destructor cannot report a failure: callers that care call Close.
    if (m_pFile != NULL && (m_nMode & bNoFlushOnDelete) == 0)
    {
        try
        {
            Flush();
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    if (!m_bUserBuf)
        std::free(m_lpBufStart);
}

void CArchive::ThrowException(int cause) const
{
    if (m_pFile == NULL)
        AfxThrowArchiveException(cause);
    AfxThrowArchiveException(cause, m_pFile->GetFilePath());
}

void CArchive::CheckLoading() const
{
    if (m_pFile == NULL)
        ThrowException(CArchiveException::genericException);
    if (!IsLoading())
        ThrowException(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const
{
    if (m_pFile == NULL)
        ThrowException(CArchiveException::genericException);
    if (!IsStoring())
        ThrowException(CArchiveException::readOnly);
}

// Buffer and raw bytes.

void CArchive::FillBuffer()
{
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + m_pFile->Read(m_lpBufStart, m_nBufSize);
}

void CArchive::FlushBuffer()
{
    if (m_lpBufCur > m_lpBufStart)
    {
        m_pFile->Write(m_lpBufStart, static_cast<UINT>(m_lpBufCur - m_lpBufStart));
        m_lpBufCur = m_lpBufStart;
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* lpOut = static_cast<BYTE*>(lpBuf);
    UINT nLeft = nMax;
    while (nLeft > 0)
    {
        if (m_lpBufCur == m_lpBufMax)
        {
            if (nLeft >= m_nBufSize)
            {
                // Large reads bypass the buffer.
                const UINT nRead = m_pFile->Read(lpOut, nLeft);
                if (nRead == 0)
                    break;
                lpOut += nRead;
                nLeft -= nRead;
                continue;
            }
            FillBuffer();
            if (m_lpBufCur == m_lpBufMax)
                break;
        }
        const UINT nCopy = std::min(nLeft, static_cast<UINT>(m_lpBufMax - m_lpBufCur));
        std::memcpy(lpOut, m_lpBufCur, nCopy);
        m_lpBufCur += nCopy;
        lpOut += nCopy;
        nLeft -= nCopy;
    }
    return nMax - nLeft;
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        ThrowException(CArchiveException::endOfFile);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    const BYTE* lpIn = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0)
    {
        if (m_lpBufCur == m_lpBufMax)
            FlushBuffer();
        if (m_lpBufCur == m_lpBufStart && nMax >= m_nBufSize)
        {
            // Large writes bypass the buffer.
            m_pFile->Write(lpIn, nMax);
            return;
        }
        const UINT nCopy = std::min(nMax, static_cast<UINT>(m_lpBufMax - m_lpBufCur));
        std::memcpy(m_lpBufCur, lpIn, nCopy);
        m_lpBufCur += nCopy;
        lpIn += nCopy;
        nMax -= nCopy;
    }
}

void CArchive::Flush()
{
    if (m_pFile == NULL)
        return;
    if (IsStoring())
    {
        FlushBuffer();
        return;
    }
    const UINT nUnread = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
    m_lpBufCur = m_lpBufMax = m_lpBufStart;
    if (nUnread > 0)
        m_pFile->Seek(-static_cast<LONGLONG>(nUnread), CFile::current);
}

void CArchive::Close()
{
    Flush();
    m_pFile = NULL;
}

void CArchive::Abort()
{
    m_pFile = NULL;
}

// Scalars lie in memory as the archive stores them: the target is little-endian.

CArchive& CArchive::operator<<(BYTE by) { Write(&by, sizeof by); return *this; }
CArchive& CArchive::operator<<(WORD w) { Write(&w, sizeof w); return *this; }
#ifdef _WIN32
CArchive& CArchive::operator<<(LONG l) { Write(&l, sizeof l); return *this; }
CArchive& CArchive::operator<<(DWORD dw) { Write(&dw, sizeof dw); return *this; }
#endif
CArchive& CArchive::operator<<(int i) { Write(&i, sizeof i); return *this; }
CArchive& CArchive::operator<<(unsigned u) { Write(&u, sizeof u); return *this; }
CArchive& CArchive::operator<<(short w) { Write(&w, sizeof w); return *this; }
CArchive& CArchive::operator<<(char ch) { Write(&ch, sizeof ch); return *this; }
CArchive& CArchive::operator<<(float f) { Write(&f, sizeof f); return *this; }
CArchive& CArchive::operator<<(double d) { Write(&d, sizeof d); return *this; }
CArchive& CArchive::operator<<(LONGLONG dwdw) { Write(&dwdw, sizeof dwdw); return *this; }
CArchive& CArchive::operator<<(ULONGLONG dwdw) { Write(&dwdw, sizeof dwdw); return *this; }

CArchive& CArchive::operator<<(bool b)
{
    return *this << static_cast<BYTE>(b ? 1 : 0);
}

CArchive& CArchive::operator>>(BYTE& by) { ReadExactly(&by, sizeof by); return *this; }
CArchive& CArchive::operator>>(WORD& w) { ReadExactly(&w, sizeof w); return *this; }
#ifdef _WIN32
CArchive& CArchive::operator>>(LONG& l) { ReadExactly(&l, sizeof l); return *this; }
CArchive& CArchive::operator>>(DWORD& dw) { ReadExactly(&dw, sizeof dw); return *this; }
#endif
CArchive& CArchive::operator>>(int& i) { ReadExactly(&i, sizeof i); return *this; }
CArchive& CArchive::operator>>(unsigned& u) { ReadExactly(&u, sizeof u); return *this; }
CArchive& CArchive::operator>>(short& w) { ReadExactly(&w, sizeof w); return *this; }
CArchive& CArchive::operator>>(char& ch) { ReadExactly(&ch, sizeof ch); return *this; }
CArchive& CArchive::operator>>(float& f) { ReadExactly(&f, sizeof f); return *this; }
CArchive& CArchive::operator>>(double& d) { ReadExactly(&d, sizeof d); return *this; }
CArchive& CArchive::operator>>(LONGLONG& dwdw) { ReadExactly(&dwdw, sizeof dwdw); return *this; }
CArchive& CArchive::operator>>(ULONGLONG& dwdw) { ReadExactly(&dwdw, sizeof dwdw); return *this; }

CArchive& CArchive::operator>>(bool& b)
{
    BYTE by;
    *this >> by;
    b = by != 0;
    return *this;
}

// Counts.

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < wCountEscape)
        *this << static_cast<WORD>(dwCount);
    else
        *this << wCountEscape << static_cast<DWORD>(dwCount);
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != wCountEscape)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

// Strings.

void CArchive::WriteText(LPCTSTR lpch, DWORD nLength)
{
    if (nLength < byLongLength)
        *this << static_cast<BYTE>(nLength);
    else if (nLength < wWideMarker)
        *this << byLongLength << static_cast<WORD>(nLength);
    else
        *this << byLongLength << wLongerLength << nLength;
    Write(lpch, nLength);
}

DWORD CArchive::ReadStringLength(bool& bWide)
{
    bWide = false;
    for (;;)
    {
        BYTE byLength;
        *this >> byLength;
        if (byLength < byLongLength)
            return byLength;
        WORD wLength;
        *this >> wLength;
        if (wLength < wWideMarker)
            return wLength;
        if (wLength == wLongerLength)
        {
            DWORD dwLength;
            *this >> dwLength;
            return dwLength;
        }
        // The wide marker comes once, and is followed by the length itself.
        if (bWide)
            ThrowException(CArchiveException::genericException);
        bWide = true;
    }
}

void CArchive::ReadText(CString& string)
{
    CheckLoading();
    bool bWide;
    const DWORD nLength = ReadStringLength(bWide);
    if (nLength > INT_MAX)
        ThrowException(CArchiveException::genericException);
    if (bWide)
    {
        std::basic_string<WCHAR> text;
        while (text.size() < nLength)
        {
            const size_t nOld = text.size();
            text.resize(nOld + std::min<size_t>(nLength - nOld, nTextPiece));
            ReadExactly(&text[nOld], static_cast<UINT>((text.size() - nOld) * sizeof(WCHAR)));
        }
        string = CString(text.data(), static_cast<int>(text.size()));
    }
    else
    {
        std::string text;
        while (text.size() < nLength)
        {
            const size_t nOld = text.size();
            text.resize(nOld + std::min<size_t>(nLength - nOld, nTextPiece));
            ReadExactly(&text[nOld], static_cast<UINT>(text.size() - nOld));
        }
        string = CString(text.data(), static_cast<int>(text.size()));
    }
}

CArchive& CArchive::operator<<(LPCTSTR lpsz)
{
    CheckStoring();
    WriteText(lpsz, lpsz != NULL ? static_cast<DWORD>(std::strlen(lpsz)) : 0);
    return *this;
}

CArchive& operator<<(CArchive& ar, const CString& string)
{
    ar.CheckStoring();
    ar.WriteText(string, static_cast<DWORD>(string.GetLength()));
    return ar;
}

CArchive& operator>>(CArchive& ar, CString& string)
{
    ar.ReadText(string);
    return ar;
}

// Text lines.

void CArchive::WriteString(LPCTSTR lpsz)
{
    CheckStoring();
    if (lpsz != NULL)
        Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}

BOOL CArchive::ReadString(CString& rString)
{
    CheckLoading();
    std::string line;
    char ch;
    bool bReadAny = false;
    while (Read(&ch, 1) == 1)
    {
        bReadAny = true;
        if (ch == '\n')
            break;
        line += ch;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    rString = CString(line.data(), static_cast<int>(line.size()));
    return bReadAny;
}

LPTSTR CArchive::ReadString(LPTSTR lpsz, UINT nMax)
{
    CheckLoading();
    if (nMax == 0)
        return NULL;
    UINT nLength = 0;
    char ch;
    bool bReadAny = false;
    while (nLength + 1 < nMax && Read(&ch, 1) == 1)
    {
        bReadAny = true;
        if (ch == '\n' && nLength > 0 && lpsz[nLength - 1] == '\r')
        {
            lpsz[nLength - 1] = '\n';
            break;
        }
        lpsz[nLength++] = ch;
        if (ch == '\n')
            break;
    }
    lpsz[nLength] = '\0';
    return bReadAny ? lpsz : NULL;
}

// Objects and classes.

DWORD CArchive::NextStoreIndex()
{
    if (m_nStoreCount > nMaxMapCount)
        ThrowException(CArchiveException::badIndex);
    return m_nStoreCount++;
}

void CArchive::WriteIndexTag(DWORD nIndex, bool bClass)
{
    if (nIndex < wBigObjectTag)
        *this << static_cast<WORD>(bClass ? (wClassTag | nIndex) : nIndex);
    else
        *this << wBigObjectTag << (bClass ? (dwBigClassTag | nIndex) : nIndex);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (pClassRef == NULL || pClassRef->m_wSchema == AFX_NOT_SERIALIZABLE_SCHEMA)
        ThrowException(CArchiveException::badClass);
    const auto stored = m_storedClasses.find(pClassRef);
    if (stored != m_storedClasses.end())
    {
        WriteIndexTag(stored->second, true);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    m_storedClasses.emplace(pClassRef, NextStoreIndex());
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (pOb == NULL)
    {
        *this << wNullTag;
        return;
    }
    const auto stored = m_storedObjects.find(pOb);
    if (stored != m_storedObjects.end())
    {
        WriteIndexTag(stored->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    // Mapped before Serialize, so that the object can refer to itself.
    m_storedObjects.emplace(pOb, NextStoreIndex());
    const_cast<CObject*>(pOb)->Serialize(*this);
}

void CArchive::MapLoaded(CRuntimeClass* pClass, CObject* pObject, UINT nSchema)
{
    if (m_loaded.size() > nMaxMapCount)
        ThrowException(CArchiveException::badIndex);
    m_loaded.push_back(LoadedEntry{pClass, pObject, nSchema});
}

CArchive::LoadedEntry CArchive::LoadedEntryAt(DWORD nIndex) const
{
    if (nIndex == 0 || nIndex >= m_loaded.size())
        ThrowException(CArchiveException::badIndex);
    return m_loaded[nIndex];
}

CRuntimeClass* CArchive::ReadClassRecord(UINT& nSchema)
{
    CRuntimeClass* pClass = CRuntimeClass::Load(*this, &nSchema);
    if (pClass == NULL || pClass->m_wSchema == AFX_NOT_SERIALIZABLE_SCHEMA)
        ThrowException(CArchiveException::badClass);
    if ((pClass->m_wSchema & VERSIONABLE_SCHEMA) == 0 && pClass->m_wSchema != nSchema)
        ThrowException(CArchiveException::badSchema);
    MapLoaded(pClass, NULL, nSchema);
    return pClass;
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    CheckLoading();
    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else if (wTag & wClassTag)
        obTag = dwBigClassTag | (wTag & ~wClassTag);
    else
        obTag = wTag;

    if ((obTag & dwBigClassTag) == 0)
    {
        if (pObTag != NULL)
            *pObTag = obTag;
        else if (obTag != wNullTag)
            ThrowException(CArchiveException::badClass);
        return NULL;
    }

    CRuntimeClass* pClass;
    UINT nSchema;
    if (wTag == wNewClassTag)
        pClass = ReadClassRecord(nSchema);
    else
    {
        const LoadedEntry entry = LoadedEntryAt(obTag & ~dwBigClassTag);
        if (entry.pClass == NULL)
            ThrowException(CArchiveException::badIndex);
        pClass = entry.pClass;
        nSchema = entry.nSchema;
    }
    if (pClassRefRequested != NULL && !pClass->IsDerivedFrom(pClassRefRequested))
        ThrowException(CArchiveException::badClass);

    if (pSchema != NULL)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != NULL)
        *pObTag = obTag;
    return pClass;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    return LoadObject(pClassRefRequested, false);
}

CObject* CArchive::ReadOwnedObject(const CRuntimeClass* pClassRefRequested)
{
    return LoadObject(pClassRefRequested, true);
}

CObject* CArchive::LoadObject(const CRuntimeClass* pClassRefRequested, bool bOwned)
{
    CheckLoading();
    UINT nSchema;
    DWORD obTag;
    CRuntimeClass* pClass = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClass == NULL)
    {
        if (obTag == wNullTag)
            return NULL;
        // An owner may already have deleted the object the tag names: it is
        // refused before being touched.
        if (bOwned)
            ThrowException(CArchiveException::badIndex);
        CObject* pOb = LoadedEntryAt(obTag).pObject;
        if (pOb == NULL)
            ThrowException(CArchiveException::badIndex);
        if (pClassRefRequested != NULL && !pOb->IsKindOf(pClassRefRequested))
            ThrowException(CArchiveException::badClass);
        return pOb;
    }

    if (m_nLoadDepth >= maxLoadDepth)
        ThrowException(CArchiveException::genericException);
    // The index is taken before the object exists, as the writer took it;
    // an object that cannot be made leaves an entry that no tag may use.
    MapLoaded(NULL, NULL, 0);
    const size_t nIndex = m_loaded.size() - 1;
    CObject* pOb = pClass->CreateObject();
    if (pOb == NULL)
        ThrowException(CArchiveException::badClass);
    m_loaded[nIndex].pObject = pOb;

    const UINT nOuterSchema = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    ++m_nLoadDepth;
    try
    {
        pOb->Serialize(*this);
    }
    catch (...)
    {
        // The half-loaded object goes, and later tags cannot reach it.
        m_loaded[nIndex].pObject = NULL;
        m_nObjectSchema = nOuterSchema;
        --m_nLoadDepth;
        delete pOb;
        throw;
    }
    m_nObjectSchema = nOuterSchema;
    --m_nLoadDepth;
    return pOb;
}

UINT CArchive::GetObjectSchema()
{
    const UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return nSchema;
}

CArchive& CArchive::operator<<(const CObject* pOb)
{
    WriteObject(pOb);
    return *this;
}

CArchive& CArchive::operator>>(CObject*& pOb)
{
    pOb = ReadObject(NULL);
    return *this;
}

CArchive& CArchive::operator>>(const CObject*& pOb)
{
    pOb = ReadObject(NULL);
    return *this;
}
