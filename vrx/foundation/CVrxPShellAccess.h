#pragma once

// The system's browse-for-folder dialog with a folder preselected.

#include "strings/CString.h"

#include <objidl.h>

class CWnd;

class CVrxPShellAccess
{
public:
    CVrxPShellAccess();
    virtual ~CVrxPShellAccess();
    CVrxPShellAccess(const CVrxPShellAccess&) = delete;
    CVrxPShellAccess& operator=(const CVrxPShellAccess&) = delete;

    // The object, or NULL when none exists.
    static CVrxPShellAccess* Instance();

    // TRUE with the chosen folder in path (and its image index when asked);
    // FALSE, path untouched, when the dialog was cancelled.
    BOOL PickFolder(CString& path, CWnd* pOwner, LPCTSTR lpszInitialFolder, LPCTSTR lpszTitle, UINT nFlags,
                    int* pImageIndex = nullptr);

private:
    static int CALLBACK BrowseCallback(HWND hWnd, UINT nMessage, LPARAM lParam, LPARAM lpData);

    IMalloc* m_pMalloc = nullptr;
    LPCTSTR m_lpszInitialFolder = nullptr;
};
