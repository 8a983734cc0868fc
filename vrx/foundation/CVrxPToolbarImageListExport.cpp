#include "foundation/CVrxPToolbarImageList.h"

#include "app/AfxMessageBox.h"
#include "app/CWinThread.h"
#include "core/CException.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/VrxPImageBitmaps.h"
#include "foundation/VrxPLibraryResources.h"
#include "windows/CWnd.h"

#include <commctrl.h>

#include <cstdlib>

BOOL CVrxPToolbarImageList::SaveToFile(LPCTSTR lpszPath)
{
    if (!m_bLoadedFromFile || m_bReadOnly || m_hStrip == nullptr)
        return FALSE;
    const CString target = lpszPath != NULL ? CString(lpszPath) : m_strFileName;
    if (!m_bModified && target.CompareNoCase(m_strFileName) == 0)
        return TRUE;
    DWORD dwSize = 0;
    BYTE* pDib = VrxPBitmapToDib(m_hStrip, BI_RGB, &dwSize);
    if (pDib == nullptr)
        return FALSE;
    const BOOL bWritten = VrxPWriteDibFile(pDib, dwSize, target);
    free(pDib);
    if (!bWritten)
        return FALSE;
    m_bModified = FALSE;
    return TRUE;
}

HICON CVrxPToolbarImageList::IconFromImage(int nIndex) const
{
    if (m_hStrip == nullptr || nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    UINT nFlags;
    switch (m_nBitsPerPixel)
    {
    case 32: nFlags = ILC_COLOR32; break;
    case 8: nFlags = ILC_COLOR8 | ILC_MASK; break;
    case 16: nFlags = ILC_COLOR16 | ILC_MASK; break;
    case 24: nFlags = ILC_COLOR24 | ILC_MASK; break;
    default: nFlags = ILC_COLOR4 | ILC_MASK; break;
    }
    HIMAGELIST hList = ImageList_Create(m_nImageWidth, m_nImageHeight, nFlags, 0, 0);
    if (hList == NULL)
        return NULL;
    HBITMAP hCopy = static_cast<HBITMAP>(CopyImage(m_hStrip, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HICON hIcon = NULL;
    if (hCopy != NULL)
    {
        const COLORREF key = KeyColor();
        const int nAdded = key == static_cast<COLORREF>(-1) ? ImageList_Add(hList, hCopy, NULL)
                                                            : ImageList_AddMasked(hList, hCopy, key);
        if (nAdded >= 0)
            hIcon = ImageList_GetIcon(hList, nIndex, ILD_NORMAL);
        DeleteObject(hCopy);
    }
    ImageList_Destroy(hList);
    return hIcon;
}

BOOL CVrxPToolbarImageList::PutImageOnClipboard(int nIndex)
{
    try
    {
        CDC memoryDC;
        CBitmap bitmap;
        CDC screen;
        screen.Attach(GetDC(NULL));
        const BOOL bMade = memoryDC.CreateCompatibleDC(&screen) &&
                           bitmap.CreateCompatibleBitmap(&screen, m_nImageWidth, m_nImageHeight);
        ReleaseDC(NULL, screen.Detach());
        BOOL bDrawn = FALSE;
        if (bMade)
        {
            CBitmap* pOld = memoryDC.SelectObject(&bitmap);
            CRect rect(0, 0, m_nImageWidth, m_nImageHeight);
            memoryDC.FillRect(&rect, &VrxPGlobals().brushFace);
            CVrxPImageDrawState state;
            if (BeginDraw(state))
            {
                bDrawn = DrawImage(&memoryDC, 0, 0, nIndex);
                EndDraw(state);
            }
            memoryDC.SelectObject(pOld);
        }
        CWnd* pMainWnd = AfxGetMainWnd();
        if (!bDrawn || !OpenClipboard(pMainWnd->GetSafeHwnd()))
        {
            AfxMessageBox(VrxPIdsCantCopyBitmap);
            return FALSE;
        }
        BOOL bPlaced = EmptyClipboard() && SetClipboardData(CF_BITMAP, bitmap.m_hObject) != NULL;
        CloseClipboard();
        if (!bPlaced)
        {
            AfxMessageBox(VrxPIdsCantCopyBitmap);
            return FALSE;
        }
        // The clipboard owns the bitmap now.
        bitmap.Detach();
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
        AfxMessageBox(VrxPIdsInternalError);
        return FALSE;
    }
}
