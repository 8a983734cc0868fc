#pragma once

#include "strings/CString.h"

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const CString& Path() const { return m_strPath; }
    // The full path of a name inside the folder.
    CString operator/(LPCTSTR lpszName) const;
    // Creates or replaces a file holding exactly these bytes.
    void WriteBytes(LPCTSTR lpszName, const CString& text) const;
    // The file's bytes, as they lie on disk.
    CString ReadBytes(LPCTSTR lpszName) const;

private:
    CString m_strPath;
};
