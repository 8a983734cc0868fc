#include "foundation/CVrxPUserTool.h"

#include "app/AfxMessageBox.h"
#include "app/CWinThread.h"
#include "core/CException.h"
#include "files/CArchive.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/VrxPLibraryResources.h"
#include "gdi/CBitmap.h"
#include "windows/CWnd.h"

#include <shellapi.h>

#include <algorithm>

IMPLEMENT_SERIAL(CVrxPUserTool, CObject, CVrxPUserToolRecord::storedSchema)

namespace
{
const INT_PTR shellSuccessAbove = 32;

HWND MainWindow()
{
    return AfxGetMainWnd()->GetSafeHwnd();
}
} // namespace

CVrxPUserTool::CVrxPUserTool() : m_hIcon(NULL)
{
}

CVrxPUserTool::~CVrxPUserTool()
{
    FreeIcon();
}

void CVrxPUserTool::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        StoreFields(ar);
    else
        ChangeCommand(LoadFields(ar));
}

BOOL CVrxPUserTool::Launch()
{
    if (m_strCommand.IsEmpty())
        return FALSE;
    const HINSTANCE hResult = ShellExecuteA(MainWindow(), NULL, m_strCommand, arguments, initialDirectory, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(hResult) > shellSuccessAbove;
}

HICON CVrxPUserTool::FetchIcon()
{
    CString path = m_strCommand;
    if (path.FindOneOf("\\/:") < 0)
    {
        char szFound[MAX_PATH] = {};
        if (SearchPathA(NULL, m_strCommand, NULL, MAX_PATH, szFound, NULL) == 0)
            return GetDefaultIcon();
        path = szFound;
    }
    SHFILEINFOA info = {};
    if (SHGetFileInfoA(path, 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SHELLICONSIZE | SHGFI_SMALLICON) == 0 ||
        info.hIcon == NULL)
        return GetDefaultIcon();
    return info.hIcon;
}

HICON CVrxPUserTool::GetDefaultIcon()
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (globals.iconUserTool == NULL)
        globals.iconUserTool = static_cast<HICON>(LoadImage(GetModuleHandle(NULL), MAKEINTRESOURCE(VrxPIdiUserTool),
                                                            IMAGE_ICON, globals.smallIconWidth,
                                                            globals.smallIconHeight, LR_SHARED));
    return globals.iconUserTool;
}

void CVrxPUserTool::FreeIcon()
{
    if (m_hIcon != NULL && m_hIcon != VrxPGlobals().iconUserTool)
        DestroyIcon(m_hIcon);
    m_hIcon = NULL;
}

void CVrxPUserTool::ChangeCommand(LPCTSTR lpszCommand)
{
    if (m_strCommand == lpszCommand)
        return;
    m_strCommand = lpszCommand;
    FreeIcon();
    m_hIcon = FetchIcon();
}

void CVrxPUserTool::PaintIcon(CDC* pDC, const CRect& rect)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    const int x = rect.left + std::max(0, (rect.Width() - globals.smallIconWidth) / 2);
    const int y = rect.top + std::max(0, (rect.Height() - globals.smallIconHeight) / 2);
    DrawIconEx(pDC->GetSafeHdc(), x, y, m_hIcon, 0, 0, 0, NULL, DI_NORMAL);
}

BOOL CVrxPUserTool::PutIconOnClipboard()
{
    try
    {
        const CVrxPGlobals& globals = VrxPGlobals();
        CDC screen;
        screen.Attach(GetDC(NULL));
        CDC memoryDC;
        CBitmap bitmap;
        const BOOL bMade = memoryDC.CreateCompatibleDC(&screen) &&
                           bitmap.CreateCompatibleBitmap(&screen, globals.smallIconWidth, globals.smallIconHeight);
        ReleaseDC(NULL, screen.Detach());
        if (!bMade)
        {
            AfxMessageBox(VrxPIdsCantCopyBitmap);
            return FALSE;
        }
        CBitmap* pOld = memoryDC.SelectObject(&bitmap);
        CRect rect(0, 0, globals.smallIconWidth, globals.smallIconHeight);
        memoryDC.FillRect(&rect, const_cast<CBrush*>(&globals.brushFace));
        PaintIcon(&memoryDC, rect);
        memoryDC.SelectObject(pOld);
        if (!OpenClipboard(MainWindow()))
        {
            AfxMessageBox(VrxPIdsCantCopyBitmap);
            return FALSE;
        }
        const BOOL bPlaced = EmptyClipboard() && SetClipboardData(CF_BITMAP, bitmap.m_hObject) != NULL;
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
