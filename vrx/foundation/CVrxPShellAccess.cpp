#include "foundation/CVrxPShellAccess.h"

#include "windows/CWnd.h"

#include <shlobj.h>

namespace
{
CVrxPShellAccess* s_pShellAccess = nullptr;
} // namespace

CVrxPShellAccess::CVrxPShellAccess()
{
    SHGetMalloc(&m_pMalloc);
    s_pShellAccess = this;
}

CVrxPShellAccess::~CVrxPShellAccess()
{
    if (m_pMalloc != nullptr)
        m_pMalloc->Release();
    if (s_pShellAccess == this)
        s_pShellAccess = nullptr;
}

CVrxPShellAccess* CVrxPShellAccess::Instance()
{
    return s_pShellAccess;
}

int CALLBACK CVrxPShellAccess::BrowseCallback(HWND hWnd, UINT nMessage, LPARAM, LPARAM lpData)
{
    const CVrxPShellAccess* pThis = reinterpret_cast<const CVrxPShellAccess*>(lpData);
    if (nMessage == BFFM_INITIALIZED && pThis->m_lpszInitialFolder != nullptr && *pThis->m_lpszInitialFolder != '\0')
        SendMessage(hWnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(pThis->m_lpszInitialFolder));
    return 0;
}

BOOL CVrxPShellAccess::PickFolder(CString& path, CWnd* pOwner, LPCTSTR lpszInitialFolder, LPCTSTR lpszTitle,
                                  UINT nFlags, int* pImageIndex)
{
    char szDisplayName[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = pOwner->GetSafeHwnd();
    info.pszDisplayName = szDisplayName;
    info.lpszTitle = lpszTitle != nullptr ? lpszTitle : "";
    info.ulFlags = nFlags;
    info.iImage = -1;
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);
    m_lpszInitialFolder = lpszInitialFolder;
    LPITEMIDLIST pItems = SHBrowseForFolderA(&info);
    BOOL bChosen = FALSE;
    if (pItems != nullptr)
    {
        char szPath[MAX_PATH] = {};
        if (SHGetPathFromIDListA(pItems, szPath))
        {
            path = szPath;
            if (pImageIndex != nullptr)
                *pImageIndex = info.iImage;
            bChosen = TRUE;
        }
        if (m_pMalloc != nullptr)
            m_pMalloc->Free(pItems);
    }
    m_lpszInitialFolder = nullptr;
    return bChosen;
}
