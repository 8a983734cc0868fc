#pragma once

#include "core/Platform.h"

#include <unordered_map>
#include <vector>

class CDocument;
class CFile;
class CObject;
class CString;
struct CRuntimeClass;

// Writes values and objects into a CFile through a buffer, or reads them
// back. The byte forms are fixed, because archives are kept in the registry
// and passed on the clipboard:
//  - scalars as they lie in memory on the (little-endian) target; BOOL is 4 bytes;
//  - a count as a WORD, or 0xFFFF and a DWORD from 0xFFFF up;
//  - a string as a length byte below 255, else 0xFF and a WORD below 0xFFFE,
//    else 0xFF, 0xFFFF and a DWORD; then the characters without terminator.
//    Reading also takes 0xFF 0xFFFE, a length in that same form and that many
//    UTF-16 characters;
//  - an object as a tag WORD: 0 for null, 0xFFFF for a class met for the first
//    time (followed by its schema WORD, its name length WORD and its name),
//    0x8000 | index for a class met before, index for an object met before;
//    indexes from 0x7FFF up are written as 0x7FFF and a DWORD (with bit 31
//    set for a class). Classes and objects share one index sequence from 1,
//    in the order they are first written.
// Every failure throws CArchiveException*: endOfFile on short data, readOnly
// when storing into a loading archive, writeOnly when loading from a storing
// one, badClass, badIndex and badSchema for damaged or foreign object data,
// genericException for other damage (among it objects nested deeper than
// maxLoadDepth, which would otherwise run the stack out).
class FRAMEWORK_API CArchive
{
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

    static const int defaultBufferSize = 4096;
    // How deep objects may nest inside objects while loading.
    static const UINT maxLoadDepth = 512;

    CArchive(CFile* pFile, UINT nMode, int nBufSize = defaultBufferSize, void* lpBuf = NULL);
    ~CArchive();

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }

    // Raw bytes. Read returns fewer bytes than asked only at the end of the data.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);

    // Storing: hands the buffered bytes to the file. Loading: gives the
    // unread buffered bytes back to the file, so its position is where the
    // archive stopped reading.
    void Flush();
    // Flushes and lets go of the file; the file itself stays open.
    void Close();
    // Lets go of the file without flushing and without throwing.
    void Abort();

    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    // Text lines: WriteString writes the characters alone; ReadString reads
    // up to a line feed. The CString form drops the line end and answers FALSE
    // at the end of the data; the buffer form keeps a "\n" and answers NULL at
    // the end of the data.
    void WriteString(LPCTSTR lpsz);
    LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    BOOL ReadString(CString& rString);

    void WriteObject(const CObject* pOb);
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // An object the caller will own: null when the archive holds null, else
    // a new object of the class (or one derived from it). A reference to an
    // object read before would give one object two owners and is refused
    // (badIndex), as is any other class (badClass).
    CObject* ReadOwnedObject(const CRuntimeClass* pClassRefRequested);
    void WriteClass(const CRuntimeClass* pClassRef);
    // Answers NULL for a null tag. An object reference is answered with NULL
    // and its tag in *pObTag; without pObTag it is refused (badClass). The
    // stored schema goes to *pSchema, or without pSchema to GetObjectSchema.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL,
        UINT* pSchema = NULL, DWORD* pObTag = NULL);
    void SerializeClass(const CRuntimeClass* pClassRef);
    // Loading: how many classes and objects the archive has met so far.
    DWORD GetLoadedCount() const { return static_cast<DWORD>(m_loaded.size()); }

    // While an object loads: the schema its archive was written with, once;
    // (UINT)-1 afterwards.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
#ifdef _WIN32
    // Elsewhere LONG and DWORD are the 32-bit int and unsigned.
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
#endif
    CArchive& operator<<(int i);
    CArchive& operator<<(unsigned u);
    CArchive& operator<<(short w);
    CArchive& operator<<(char ch);
    CArchive& operator<<(bool b);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator<<(LONGLONG dwdw);
    CArchive& operator<<(ULONGLONG dwdw);
    // In the string form, as a CString would be written.
    CArchive& operator<<(LPCTSTR lpsz);
    CArchive& operator<<(const CObject* pOb);
    // Any other pointer would quietly become a bool.
    CArchive& operator<<(const void*) = delete;

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
#ifdef _WIN32
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
#endif
    CArchive& operator>>(int& i);
    CArchive& operator>>(unsigned& u);
    CArchive& operator>>(short& w);
    CArchive& operator>>(char& ch);
    CArchive& operator>>(bool& b);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    CArchive& operator>>(LONGLONG& dwdw);
    CArchive& operator>>(ULONGLONG& dwdw);
    CArchive& operator>>(CObject*& pOb);
    CArchive& operator>>(const CObject*& pOb);

    friend FRAMEWORK_API CArchive& operator<<(CArchive& ar, const CString& string);
    friend FRAMEWORK_API CArchive& operator>>(CArchive& ar, CString& string);

    CDocument* m_pDocument;

private:
    // One entry of the loading side's index table: a class with the schema
    // it was stored with, or an object.
    struct LoadedEntry
    {
        CRuntimeClass* pClass;
        CObject* pObject;
        UINT nSchema;
    };

    [[noreturn]] void ThrowException(int cause) const;
    void CheckLoading() const;
    void CheckStoring() const;
    void FillBuffer();
    void FlushBuffer();
    void ReadExactly(void* lpBuf, UINT nCount);

    void WriteText(LPCTSTR lpch, DWORD nLength);
    void ReadText(CString& string);
    DWORD ReadStringLength(bool& bWide);

    DWORD NextStoreIndex();
    void WriteIndexTag(DWORD nIndex, bool bClass);
    void MapLoaded(CRuntimeClass* pClass, CObject* pObject, UINT nSchema);
    CRuntimeClass* ReadClassRecord(UINT& nSchema);
    CObject* LoadObject(const CRuntimeClass* pClassRefRequested, bool bOwned);
    LoadedEntry LoadedEntryAt(DWORD nIndex) const;

    CFile* m_pFile;
    UINT m_nMode;
    bool m_bUserBuf;
    UINT m_nBufSize;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;

    UINT m_nObjectSchema;
    // Loading: how many objects are in their Serialize right now.
    UINT m_nLoadDepth;
    // Storing: the index the next new class or object gets.
    DWORD m_nStoreCount;
    std::unordered_map<const CObject*, DWORD> m_storedObjects;
    std::unordered_map<const CRuntimeClass*, DWORD> m_storedClasses;
    // Loading: indexed by tag; entry 0 stands for the null tag.
    std::vector<LoadedEntry> m_loaded;
};

// The CString form described above.
FRAMEWORK_API CArchive& operator<<(CArchive& ar, const CString& string);
FRAMEWORK_API CArchive& operator>>(CArchive& ar, CString& string);
