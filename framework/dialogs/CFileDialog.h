#pragma once

// The system's dialog for choosing a file to open or a name to save under.
// The filter is given as pairs "description|pattern|" ending with "||", for
// example "Images (*.bin)|*.bin|All Files (*.*)|*.*||". With
// OFN_ALLOWMULTISELECT, m_ofn.lpstrFile may be pointed at a larger buffer
// before DoModal, and GetStartPosition/GetNextPathName go through the files
// chosen.

#include "collections/Position.h"
#include "dialogs/CCommonDialog.h"

#include <commdlg.h>

class FRAMEWORK_API CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = NULL,
                         CWnd* pParentWnd = NULL);

    OPENFILENAME m_ofn;

    // IDOK when a file was chosen, else IDCANCEL.
    INT_PTR DoModal() override;

    // The chosen file's full path; with several files chosen, their folder.
    CString GetPathName() const;
    // The file's name with its extension, the extension alone, the name
    // without it.
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const;

    // NULL when no file was chosen.
    POSITION GetStartPosition() const;
    // The full path of the file at pos; pos moves on, to NULL after the last.
    CString GetNextPathName(POSITION& pos) const;

protected:
    BOOL m_bOpenFileDialog;
    // The filter with NULs for its bars, and the default extension.
    CString m_strFilter;
    CString m_strDefExt;
    TCHAR m_szFileName[MAX_PATH];
};
