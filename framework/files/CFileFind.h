#pragma once

#include "core/CObject.h"
#include "strings/CString.h"

// Lists the files that match a pattern, in the order the file system gives
// them:
//     CFileFind finder;
//     BOOL bWorking = finder.FindFile("*.dll");
//     while (bWorking)
//     {
//         bWorking = finder.FindNextFile();
//         ... finder.GetFileName() ...
//     }
// The getters describe the file that FindNextFile moved to; before the first
// FindNextFile there is none, and they answer empty values.
class FRAMEWORK_API CFileFind : public CObject
{
    DECLARE_DYNAMIC(CFileFind)
public:
    CFileFind();
    ~CFileFind() override;

    // TRUE when something matches. Without a pattern, everything in the
    // current folder matches.
    virtual BOOL FindFile(LPCTSTR pstrName = NULL, DWORD dwUnused = 0);
    // Moves to the next match; TRUE when yet another follows it.
    virtual BOOL FindNextFile();
    void Close();

    ULONGLONG GetLength() const;
    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    virtual CString GetFileTitle() const;
    // The folder being searched, as a full path.
    virtual CString GetRoot() const;

    // "." or "..".
    BOOL IsDots() const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL MatchesMask(DWORD dwMask) const;

private:
    HANDLE m_hContext;
    bool m_bHasFound;
    bool m_bHasNext;
    WIN32_FIND_DATAA m_found;
    WIN32_FIND_DATAA m_next;
    CString m_strRoot;
};
