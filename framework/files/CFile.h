#pragma once

#include "core/CException.h"
#include "core/CObject.h"
#include "files/CFileStatus.h"
#include "strings/CString.h"

// A file on disk, opened with CreateFile. Every failure throws a
// CFileException* carrying the system's error code and the file's path,
// except Open, which reports through its optional CFileException.
class FRAMEWORK_API CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
        osNoBuffer = 0x10000,
        osWriteThrough = 0x20000,
        osRandomAccess = 0x40000,
        osSequentialScan = 0x80000
    };

    enum Attribute
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };

    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile();
    // Wraps a handle opened elsewhere; the file does not close it.
    explicit CFile(HANDLE hFile);
    // Opens the file or throws.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    // FALSE on failure, with the reason in *pError when given. The text and
    // binary type flags mean something to CStdioFile only.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);

    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    // The position stays where it was.
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG GetLength() const;

    // Returns the number of bytes read: fewer than asked at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Flush();
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();

    BOOL GetStatus(CFileStatus& rStatus) const;
    // FALSE when the file does not exist.
    static BOOL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);
    static void Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static void Remove(LPCTSTR lpszFileName);

    // The full path given at Open, its last component, and that without
    // its extension.
    virtual CString GetFilePath() const;
    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual void SetFilePath(LPCTSTR lpszNewName);

    operator HANDLE() const { return m_hFile; }

    HANDLE m_hFile;

protected:
    BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    [[noreturn]] void ThrowLastError() const;

    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
