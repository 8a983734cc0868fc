#include "panes/colours/CVrxPColorsDialog.h"

#include "app/CWinThread.h"
#include "foundation/CVrxPGlobals.h"
#include "gdi/CClientDC.h"
#include "panes/colours/CVrxPColorBar.h"
#include "panes/colours/CVrxPPickOverlayWnd.h"
#include "panes/colours/VrxPColoursResources.h"

#include <cstdio>
#include <cstring>
#include <vector>

BEGIN_MESSAGE_MAP(CVrxPColorsDialog, CVrxPDialog)
    ON_BN_CLICKED(VrxPIdcColorSelect, PickFromScreen)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
    ON_WM_CANCELMODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
constexpr int paletteSize = 256;
constexpr int cursorSide = 32;
constexpr int cursorHot = 15;

// A cross with an open centre, black on a white rim, so the pixel under the
// hot spot stays visible.
HCURSOR MakePickCursor()
{
    constexpr int nBytes = cursorSide * cursorSide / 8;
    BYTE andMask[nBytes];
    BYTE xorMask[nBytes] = {};
    std::memset(andMask, 0xFF, sizeof(andMask));
    auto plot = [&](int x, int y, bool bWhite) {
        const int nBit = y * cursorSide + x;
        andMask[nBit / 8] &= static_cast<BYTE>(~(0x80 >> (nBit % 8)));
        if (bWhite)
            xorMask[nBit / 8] |= static_cast<BYTE>(0x80 >> (nBit % 8));
    };
    for (int i = 2; i < cursorSide - 3; i++)
    {
        if (i > cursorHot - 4 && i < cursorHot + 4)
            continue;
        for (int rim = -1; rim <= 1; rim += 2)
        {
            plot(i, cursorHot + rim, true);
            plot(cursorHot + rim, i, true);
        }
    }
    for (int i = 2; i < cursorSide - 3; i++)
        if (i <= cursorHot - 4 || i >= cursorHot + 4)
        {
            plot(i, cursorHot, false);
            plot(cursorHot, i, false);
        }
    return ::CreateCursor(::GetModuleHandle(NULL), cursorHot, cursorHot, cursorSide, cursorSide, andMask, xorMask);
}
} // namespace

CVrxPColorsDialog::CVrxPColorsDialog(COLORREF colorInitial, DWORD, CWnd* pParentWnd, HPALETTE hPalette)
    : CVrxPDialog(VrxPIddColorsDialog, pParentWnd), initialColor(colorInitial), newColor(colorInitial),
      palette(hPalette), ownsPalette(hPalette == NULL), isPicking(FALSE), pickCursor(NULL), m_pOverlay(nullptr)
{
    standardPage.dialog = this;
    customPage.dialog = this;
}

CVrxPColorsDialog::~CVrxPColorsDialog()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
    if (pickCursor != NULL)
        ::DestroyCursor(pickCursor);
}

BOOL CVrxPColorsDialog::ChooseColor(COLORREF colorInitial, COLORREF& colorOut)
{
    CVrxPColorsDialog dialog(colorInitial);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    colorOut = dialog.newColor;
    return TRUE;
}

BOOL CVrxPColorsDialog::OnInitDialog()
{
    CVrxPDialog::OnInitDialog();
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != nullptr && pMain->GetSafeHwnd() != NULL && (pMain->GetExStyle() & WS_EX_LAYOUTRTL) != 0)
        ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    if (VrxPGlobals().bitsPerPixel < 8)
    {
        RunPlatformDialog();
        return TRUE;
    }
    if (palette == NULL)
        MakeSystemPalette();

    preview.SetMode(CVrxPColorSelectorCtrl::modePreview);
    preview.SubclassDlgItem(VrxPIdcColorPreview, this);
    preview.SetPalette(palette);
    preview.SetOriginalColor(initialColor);
    SetNewColor(newColor);

    if (sheet.GetPageCount() == 0)
    {
        sheet.AddPage(&standardPage, VrxPIddColorPageStandard, "Standard");
        sheet.AddPage(&customPage, VrxPIddColorPageCustom, "Custom");
    }
    CRect rectPlace;
    GetDlgItem(VrxPIdcColorSheetPlace)->GetWindowRect(&rectPlace);
    ScreenToClient(&rectPlace);
    if (sheet.Create(this, rectPlace, VrxPIdcColorSheetPlace + 1))
        sheet.SetWindowPos(nullptr, rectPlace.left, rectPlace.top, rectPlace.Width(), rectPlace.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);

    SyncStandardPage(GetRValue(initialColor), GetGValue(initialColor), GetBValue(initialColor));
    SyncCustomPage(GetRValue(initialColor), GetGValue(initialColor), GetBValue(initialColor));

    selectButton.SubclassDlgItem(VrxPIdcColorSelect, this);
    pickCursor = MakePickCursor();
    return TRUE;
}

void CVrxPColorsDialog::RunPlatformDialog()
{
    COLORREF colorChosen = initialColor;
    const BOOL bChosen = CVrxPColorBar::OpenPlatformColorDialog(this, initialColor, colorChosen);
    if (bChosen)
        newColor = colorChosen;
    EndDialog(bChosen ? IDOK : IDCANCEL);
}

void CVrxPColorsDialog::MakeSystemPalette()
{
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * paletteSize);
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = paletteSize;
    CClientDC dc(this);
    ::GetSystemPaletteEntries(dc.GetSafeHdc(), 0, paletteSize, pLog->palPalEntry);
    palette = ::CreatePalette(pLog);
    ownsPalette = TRUE;
}

void CVrxPColorsDialog::SetNewColor(COLORREF color)
{
    newColor = color;
    COLORREF colorShown = color;
    if (VrxPGlobals().bitsPerPixel == 8 && palette != NULL)
        colorShown = PALETTEINDEX(::GetNearestPaletteIndex(palette, color));
    preview.SetColor(colorShown);
    if (preview.GetSafeHwnd() != NULL)
        preview.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CVrxPColorsDialog::SyncStandardPage(BYTE red, BYTE green, BYTE blue)
{
    standardPage.hexagons.SetRGB(red, green, blue);
    standardPage.greys.SetRGB(red, green, blue);
}

void CVrxPColorsDialog::SyncCustomPage(BYTE red, BYTE green, BYTE blue)
{
    customPage.SetRGB(red, green, blue);
}

BOOL CVrxPColorsDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == 'C' || pMsg->wParam == VK_INSERT) &&
        (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0)
        CopyColorText();
    return CVrxPDialog::PreTranslateMessage(pMsg);
}

BOOL CVrxPColorsDialog::CopyColorText()
{
    if (!::OpenClipboard(m_hWnd))
        return FALSE;
    char text[32];
    const int nLength = std::snprintf(text, sizeof(text), "RGB (%d, %d, %d)", GetRValue(newColor),
                                      GetGValue(newColor), GetBValue(newColor));
    BOOL bCopied = FALSE;
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, static_cast<SIZE_T>(nLength) + 1);
    if (hText != NULL)
    {
        std::memcpy(::GlobalLock(hText), text, static_cast<size_t>(nLength) + 1);
        ::GlobalUnlock(hText);
        ::EmptyClipboard();
        bCopied = ::SetClipboardData(CF_TEXT, hText) != NULL;
        if (!bCopied)
            ::GlobalFree(hText);
    }
    ::CloseClipboard();
    return bCopied;
}

void CVrxPColorsDialog::PickFromScreen()
{
    if (isPicking || AfxGetThread() == nullptr)
        return;
    isPicking = TRUE;
    ::SetCursor(pickCursor);
    m_pOverlay = new CVrxPPickOverlayWnd(this);
    if (!m_pOverlay->Open(pickCursor))
    {
        delete m_pOverlay;
        m_pOverlay = nullptr;
        isPicking = FALSE;
        return;
    }
    SetForegroundWindow();
    BringWindowToTop();
    SetCapture();
    RunPickLoop(newColor);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    delete m_pOverlay;
    m_pOverlay = nullptr;
    isPicking = FALSE;
}

void CVrxPColorsDialog::RunPickLoop(COLORREF colorBefore)
{
    CWinThread* pThread = AfxGetThread();
    while (isPicking)
    {
        MSG msg;
        if (!::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::WaitMessage();
            continue;
        }
        switch (msg.message)
        {
        case WM_QUIT:
            // The application's own loop must still see it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            isPicking = FALSE;
            continue;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                SetNewColor(colorBefore);
            if (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN)
                isPicking = FALSE;
            continue;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            isPicking = FALSE;
            continue;
        default:
            break;
        }
        if (!pThread->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        pThread->OnIdle(0);
    }
}

void CVrxPColorsDialog::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!isPicking)
    {
        CVrxPDialog::OnMouseMove(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    HDC hScreen = ::GetDC(NULL);
    const COLORREF color = ::GetPixel(hScreen, point.x, point.y);
    ::ReleaseDC(NULL, hScreen);
    if (color != CLR_INVALID)
        SetNewColor(color);
}

void CVrxPColorsDialog::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!isPicking)
    {
        CVrxPDialog::OnLButtonDown(nFlags, point);
        return;
    }
    isPicking = FALSE;
    SyncStandardPage(GetRValue(newColor), GetGValue(newColor), GetBValue(newColor));
    SyncCustomPage(GetRValue(newColor), GetGValue(newColor), GetBValue(newColor));
}

BOOL CVrxPColorsDialog::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (isPicking)
    {
        ::SetCursor(pickCursor);
        return TRUE;
    }
    return CVrxPDialog::OnSetCursor(pWnd, nHitTest, message);
}

void CVrxPColorsDialog::OnCaptureChanged(CWnd* pWnd)
{
    // Without the capture the dialog would not see the click that ends
    // picking.
    if (isPicking && (pWnd == nullptr || pWnd->GetSafeHwnd() != m_hWnd))
        isPicking = FALSE;
    CVrxPDialog::OnCaptureChanged(pWnd);
}

void CVrxPColorsDialog::OnCancelMode()
{
    isPicking = FALSE;
    CVrxPDialog::OnCancelMode();
}

void CVrxPColorsDialog::OnSysColorChange()
{
    CVrxPDialog::OnSysColorChange();
    VrxPGlobals().RefreshSysColors();
    if (!ownsPalette)
        return;
    if (VrxPGlobals().bitsPerPixel >= 8)
    {
        if (palette != NULL)
            ::DeleteObject(palette);
        palette = NULL;
        MakeSystemPalette();
        Invalidate();
        return;
    }
    ShowWindow(SW_HIDE);
    RunPlatformDialog();
}

void CVrxPColorsDialog::OnDestroy()
{
    if (ownsPalette && palette != NULL)
    {
        ::DeleteObject(palette);
        palette = NULL;
    }
    CVrxPDialog::OnDestroy();
}
