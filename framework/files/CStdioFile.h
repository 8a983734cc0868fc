#pragma once

#include "files/CFile.h"

#include <cstdio>

// A CFile read and written through a C runtime stream, for text. Opened
// with typeBinary it translates nothing; otherwise (typeText, or neither)
// a line feed is written as CR LF, CR LF reads as a line feed, and Ctrl+Z
// ends the data on reading.
class FRAMEWORK_API CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    // Wraps a stream opened elsewhere; the file does not close it.
    explicit CStdioFile(FILE* pOpenStream);
    // Opens the file or throws.
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CStdioFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL) override;

    // Writes the text as it is; line ends come from the "\n" it holds.
    virtual void WriteString(LPCTSTR lpsz);
    // The next line with its line end, as the stream gives it, in at most
    // nMax - 1 characters; NULL at the end of the file.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    // The next line without its line end (LF or CR LF);
    // FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    void SetLength(ULONGLONG dwNewLen) override;
    ULONGLONG GetLength() const override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    FILE* m_pStream;

private:
    [[noreturn]] void ThrowStreamError() const;
};
