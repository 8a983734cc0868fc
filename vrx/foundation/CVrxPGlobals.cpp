#include "foundation/CVrxPGlobals.h"

#include "docking/VrxPSmartDocking.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/VrxPEntryPoint.h"
#include "foundation/VrxPLibrary.h"
#include "foundation/VrxPSectionNames.h"
#include "gdi/CBitmap.h"
#include "gdi/CRgn.h"
#include "toolbars/CVrxPToolBar.h"
#include "windows/CWnd.h"

#include <shellapi.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <vector>

namespace
{
// DTTOPTS of the visual-styles library: 56 bytes, then a callback and its
// argument (64 bytes in a 32-bit process, 72 in a 64-bit one).
struct ThemeTextOptions
{
    DWORD dwSize;
    DWORD dwFlags;
    COLORREF crText;
    COLORREF crBorder;
    COLORREF crShadow;
    int iTextShadowType;
    POINT ptShadowOffset;
    int iBorderSize;
    int iFontPropId;
    int iColorPropId;
    int iStateId;
    BOOL fApplyOverlay;
    int iGlowSize;
    void* pfnDrawTextCallback;
    LPARAM lParam;
};
static_assert(offsetof(ThemeTextOptions, pfnDrawTextCallback) == 56 &&
                  sizeof(ThemeTextOptions) == 56 + 2 * sizeof(void*),
              "the theme text options record is laid out as the visual-styles library reads it");

const DWORD textColorOption = 0x0001;
const DWORD glowSizeOption = 0x0800;
const DWORD compositedOption = 0x2000;
const int boldWeight = 700;
const int verticalEscapement = 2700;
const int verticalUpEscapement = 900;
const int verticalOrientation = 900;

int CALLBACK VrxPFindFaceProc(const LOGFONT* pLogFont, const TEXTMETRIC*, DWORD, LPARAM lParam)
{
    if (lstrcmpi(pLogFont->lfFaceName, VrxPFaceTahoma) == 0)
    {
        *reinterpret_cast<BOOL*>(lParam) = TRUE;
        return 0;
    }
    return 1;
}

BOOL CALLBACK VrxPUnionWorkAreaProc(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (GetMonitorInfo(hMonitor, &info))
    {
        CRect& workArea = *reinterpret_cast<CRect*>(lParam);
        if (workArea.IsRectEmpty())
            workArea = info.rcWork;
        else
        {
            workArea.left = std::min(workArea.left, info.rcWork.left);
            workArea.top = std::min(workArea.top, info.rcWork.top);
            workArea.right = std::max(workArea.right, info.rcWork.right);
            workArea.bottom = std::max(workArea.bottom, info.rcWork.bottom);
        }
    }
    return TRUE;
}

void RecreateBrush(CBrush& brush, COLORREF color)
{
    brush.DeleteObject();
    brush.CreateSolidBrush(color);
}

void RecreatePen(CPen& pen, COLORREF color)
{
    pen.DeleteObject();
    pen.CreatePen(PS_SOLID, 1, color);
}

void FreeOptionalModule(HMODULE& hModule)
{
    if (hModule != NULL)
        FreeLibrary(hModule);
    hModule = NULL;
}

int Brightness(COLORREF color)
{
    return (299 * GetRValue(color) + 587 * GetGValue(color) + 114 * GetBValue(color)) / 1000;
}

// Some desktops set the hot-tracking colour close to the face (a pale grey on
// near-white), which leaves links unreadable.
bool ReadableOn(COLORREF text, COLORREF background)
{
    return std::abs(Brightness(text) - Brightness(background)) >= 64;
}
} // namespace

CVrxPGlobals::CVrxPGlobals()
    : sysBrushLightEdge(NULL), sysBrushShade(NULL), sysBrushWindow(NULL), cursorSplitHorz(NULL),
      cursorSplitVert(NULL), cursorHand(NULL), cursorMove(NULL), cursorTabMove(NULL), cursorTabNewGroup(NULL),
      cursorCalendar(NULL), iconUserTool(NULL), smallIconWidth(0), smallIconHeight(0), isOldNT(FALSE),
      isWin9x(FALSE), isVistaOrLater(FALSE), dwmDisabled(FALSE), bitsPerPixel(0), isRemoteSession(FALSE),
      layeredWindowsAvailable(FALSE), dragWidthFirst(defaultDragWidthFirst), dragWidthNext(defaultDragWidthNext),
      autoHideRowExtent(defaultAutoHideRowExtent), autoHideRowOffset(defaultAutoHideRowOffset),
      dockStretchPercent(defaultDockStretchPercent), maxTipWidth(-1), highContrastBlack(FALSE),
      highContrastWhite(FALSE), highColorImagesAllowed(TRUE), menuAnimation(0), menuFade(0),
      autoHideTaskbarEdges(0), textHeight(0), verticalTextHeight(0), textWidth(0), verticalTextWidth(0),
      moduleTheme(NULL), moduleUser32(NULL), moduleDwm(NULL), pfnSetLayeredWindowAttributes(nullptr),
      pfnDrawThemeParentBackground(nullptr), pfnDrawThemeTextEx(nullptr), pfnBeginBufferedPaint(nullptr),
      pfnEndBufferedPaint(nullptr), pfnDwmExtendFrameIntoClientArea(nullptr), pfnDwmDefWindowProc(nullptr),
      pfnDwmCompositionQuery(nullptr)
{
    // The version facts come first: the shell settings depend on them.
    OSVERSIONINFO version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionEx(&version);
    m_dwMajorVersion = version.dwMajorVersion;
    isOldNT = version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion < 5;
    isWin9x = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    layeredWindowsAvailable =
        !isOldNT && (version.dwMajorVersion > 4 || (version.dwMajorVersion == 4 && version.dwMinorVersion > 0));
    isRemoteSession = version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5 &&
                      GetSystemMetrics(SM_REMOTESESSION) != 0;
    isVistaOrLater = version.dwMajorVersion >= 6;

    RefreshSysColors();
    RefreshFonts();
    RefreshShellSettings();
    smallIconWidth = GetSystemMetrics(SM_CXSMICON);
    smallIconHeight = GetSystemMetrics(SM_CYSMICON);
    LoadOptionalLibraries(version);
}

CVrxPGlobals::~CVrxPGlobals()
{
    ReleaseResources();
}

void CVrxPGlobals::LoadOptionalLibraries(const OSVERSIONINFO& version)
{
    moduleTheme = LoadLibrary("UxTheme.dll");
    pfnDrawThemeParentBackground = VrxPEntryPoint<DrawThemeParentBackgroundProc>(moduleTheme, "DrawThemeParentBackground");
    pfnDrawThemeTextEx = VrxPEntryPoint<DrawThemeTextExProc>(moduleTheme, "DrawThemeTextEx");
    pfnBeginBufferedPaint = VrxPEntryPoint<BeginBufferedPaintProc>(moduleTheme, "BeginBufferedPaint");
    pfnEndBufferedPaint = VrxPEntryPoint<EndBufferedPaintProc>(moduleTheme, "EndBufferedPaint");
    if (layeredWindowsAvailable)
    {
        moduleUser32 = LoadLibrary("USER32.DLL");
        pfnSetLayeredWindowAttributes =
            VrxPEntryPoint<SetLayeredWindowAttributesProc>(moduleUser32, "SetLayeredWindowAttributes");
    }
    moduleDwm = LoadLibrary("dwmapi.dll");
    pfnDwmExtendFrameIntoClientArea =
        VrxPEntryPoint<DwmExtendFrameIntoClientAreaProc>(moduleDwm, "DwmExtendFrameIntoClientArea");
    pfnDwmDefWindowProc = VrxPEntryPoint<DwmDefWindowProcProc>(moduleDwm, "DwmDefWindowProc");
    pfnDwmCompositionQuery = VrxPEntryPoint<DwmCompositionQueryProc>(moduleDwm, "DwmIsCompositionEnabled");
}

void CVrxPGlobals::RefreshSysColors()
{
    highContrastBlack = GetSysColor(COLOR_3DLIGHT) == RGB(255, 255, 255) && GetSysColor(COLOR_BTNFACE) == 0;
    highContrastWhite = GetSysColor(COLOR_3DDKSHADOW) == 0 && GetSysColor(COLOR_BTNFACE) == RGB(255, 255, 255);
    HDC hScreen = GetDC(NULL);
    bitsPerPixel = GetDeviceCaps(hScreen, BITSPIXEL);
    ReleaseDC(NULL, hScreen);

    colorFace = colorBarFace = GetSysColor(COLOR_BTNFACE);
    colorShade = colorBarShade = GetSysColor(COLOR_BTNSHADOW);
    colorLightEdge = colorBarLightEdge = GetSysColor(COLOR_BTNHIGHLIGHT);
    colorButtonText = colorBarText = GetSysColor(COLOR_BTNTEXT);
    colorWindowFrame = GetSysColor(COLOR_WINDOWFRAME);
    colorDarkShade = colorBarDarkShade = GetSysColor(COLOR_3DDKSHADOW);
    colorLight = colorBarLight = GetSysColor(COLOR_3DLIGHT);
    colorGrayText = GetSysColor(COLOR_GRAYTEXT);
    colorSelection = GetSysColor(COLOR_HIGHLIGHT);
    colorSelectionText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    colorWindow = colorBarWindow = GetSysColor(COLOR_WINDOW);
    colorWindowText = GetSysColor(COLOR_WINDOWTEXT);
    colorCaptionText = GetSysColor(COLOR_CAPTIONTEXT);
    colorMenuText = GetSysColor(COLOR_MENUTEXT);
    colorActiveCaption = GetSysColor(COLOR_ACTIVECAPTION);
    colorInactiveCaption = GetSysColor(COLOR_INACTIVECAPTION);
    colorInactiveCaptionText = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
    colorActiveBorder = GetSysColor(COLOR_ACTIVEBORDER);
    colorInactiveBorder = GetSysColor(COLOR_INACTIVEBORDER);

    if (highContrastBlack)
        colorLink = colorLinkHot = colorWindowText;
    else if (m_dwMajorVersion >= 5)
    {
        colorLink = GetSysColor(COLOR_HOTLIGHT);
        colorLinkHot = RGB(0, 0, 255);
        if (!ReadableOn(colorLink, colorFace))
            colorLink = ReadableOn(colorLinkHot, colorFace) ? colorLinkHot : colorButtonText;
    }
    else
    {
        colorLink = RGB(0, 0, 255);
        colorLinkHot = RGB(255, 0, 255);
    }

    sysBrushShade = GetSysColorBrush(COLOR_BTNSHADOW);
    sysBrushLightEdge = GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    sysBrushWindow = GetSysColorBrush(COLOR_WINDOW);

    RecreateBrush(brushFace, colorFace);
    RecreateBrush(brushBarFace, colorBarFace);
    RecreateBrush(brushActiveCaption, colorActiveCaption);
    RecreateBrush(brushInactiveCaption, colorInactiveCaption);
    RecreateBrush(brushSelection, colorSelection);
    RecreateBrush(brushDarkShade, colorDarkShade);
    RecreateBrush(brushWindow, colorWindow);
    RecreatePen(penSelection, colorSelection);
    RecreatePen(penBarFace, colorBarFace);
    RecreatePen(penBarShade, colorBarShade);
    MakeHalftoneBrush();

    CVrxPMenuGlyphs::ReleaseAll();
    VrxPSmartDockingRebuild = 1;
}

void CVrxPGlobals::MakeHalftoneBrush()
{
    brushHalftone.DeleteObject();
    if (bitsPerPixel > 8)
    {
        auto halfway = [](int face, int lightEdge) { return face + (lightEdge - face) / 2; };
        brushHalftone.CreateSolidBrush(RGB(halfway(GetRValue(colorFace), GetRValue(colorLightEdge)),
                                           halfway(GetGValue(colorFace), GetGValue(colorLightEdge)),
                                           halfway(GetBValue(colorFace), GetBValue(colorLightEdge))));
        return;
    }
    CDC screen;
    screen.Attach(GetDC(NULL));
    CBitmap pattern;
    pattern.Attach(CreateHalftoneBitmap(&screen));
    brushHalftone.CreatePatternBrush(&pattern);
    ReleaseDC(NULL, screen.Detach());
}

HBITMAP CVrxPGlobals::CreateHalftoneBitmap(CDC* pDC) const
{
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = 8;
    info.header.biHeight = 8;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    const COLORREF lightEdge = GetSysColor(COLOR_BTNHIGHLIGHT);
    info.colors[0] = {GetBValue(colorFace), GetGValue(colorFace), GetRValue(colorFace), 0};
    info.colors[1] = {GetBValue(lightEdge), GetGValue(lightEdge), GetRValue(lightEdge), 0};
    // Rows are padded to 4 bytes.
    BYTE rows[8 * 4] = {};
    for (int row = 0; row < 8; row++)
        rows[row * 4] = row % 2 == 0 ? 0xAA : 0x55;
    return CreateDIBitmap(pDC->GetSafeHdc(), &info.header, CBM_INIT, rows, reinterpret_cast<BITMAPINFO*>(&info),
                          DIB_RGB_COLORS);
}

void CVrxPGlobals::RefreshFonts()
{
    for (CFont* pFont : {&fontRegular, &fontTooltip, &fontBold, &fontGuiBold, &fontUnderline, &fontGuiUnderline,
                         &fontVertical, &fontVerticalUp, &fontSmall, &fontSymbol})
        pFont->DeleteObject();

    NONCLIENTMETRICS metrics = {};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const LOGFONT& menuFont = metrics.lfMenuFont;

    HDC hScreen = GetDC(NULL);
    LOGFONT font = {};
    font.lfHeight = menuFont.lfHeight;
    font.lfWeight = menuFont.lfWeight;
    font.lfItalic = menuFont.lfItalic;
    lstrcpyn(font.lfFaceName, menuFont.lfFaceName, LF_FACESIZE);
    font.lfCharSet = static_cast<BYTE>(GetTextCharsetInfo(hScreen, NULL, 0));
    if (menuFont.lfCharSet == ANSI_CHARSET || menuFont.lfCharSet == DEFAULT_CHARSET ||
        menuFont.lfCharSet == SYMBOL_CHARSET)
    {
        BOOL bTahomaFound = FALSE;
        EnumFontFamilies(hScreen, NULL, &VrxPFindFaceProc, reinterpret_cast<LPARAM>(&bTahomaFound));
        lstrcpyn(font.lfFaceName, bTahomaFound ? VrxPFaceTahoma : VrxPFaceMSSansSerif, LF_FACESIZE);
    }
    ReleaseDC(NULL, hScreen);

    fontRegular.CreateFontIndirect(&font);

    const int nSmallHeight = (std::abs(static_cast<int>(font.lfHeight)) + 1) * 2 / 3;
    font.lfHeight = menuFont.lfHeight < 0 ? -nSmallHeight : nSmallHeight;
    fontSmall.CreateFontIndirect(&font);
    font.lfHeight = menuFont.lfHeight;

    NONCLIENTMETRICS statusMetrics = {};
    statusMetrics.cbSize = sizeof(statusMetrics);
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(statusMetrics), &statusMetrics, 0);
    font.lfWeight = statusMetrics.lfStatusFont.lfWeight;
    font.lfItalic = statusMetrics.lfStatusFont.lfItalic;
    fontTooltip.CreateFontIndirect(&font);

    font.lfWeight = menuFont.lfWeight;
    font.lfItalic = menuFont.lfItalic;
    font.lfUnderline = TRUE;
    fontUnderline.CreateFontIndirect(&font);

    font.lfUnderline = FALSE;
    font.lfWeight = boldWeight;
    fontBold.CreateFontIndirect(&font);

    const BYTE charSet = font.lfCharSet;
    font.lfCharSet = SYMBOL_CHARSET;
    font.lfWeight = 0;
    font.lfHeight = GetSystemMetrics(SM_CYMENUCHECK) - 1;
    lstrcpyn(font.lfFaceName, VrxPFaceMarlett, LF_FACESIZE);
    fontSymbol.CreateFontIndirect(&font);
    font.lfCharSet = charSet;

    HGDIOBJ hGuiFont = GetStockObject(DEFAULT_GUI_FONT);
    if (GetObject(hGuiFont, sizeof(font), &font) != 0)
    {
        font.lfHeight = menuFont.lfHeight;
        font.lfWeight = menuFont.lfWeight;
        font.lfItalic = menuFont.lfItalic;
        lstrcpyn(font.lfFaceName, VrxPFaceArial, LF_FACESIZE);
        font.lfOrientation = verticalOrientation;
        font.lfEscapement = verticalEscapement;
        fontVertical.CreateFontIndirect(&font);
        font.lfEscapement = verticalUpEscapement;
        fontVerticalUp.CreateFontIndirect(&font);
    }

    if (GetObject(hGuiFont, sizeof(font), &font) != 0)
    {
        font.lfUnderline = TRUE;
        fontGuiUnderline.CreateFontIndirect(&font);
        font.lfUnderline = FALSE;
        font.lfWeight = boldWeight;
        fontGuiBold.CreateFontIndirect(&font);
    }

    ComputeTextMetrics();

    CObList& toolbars = VrxPAllToolBars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != NULL;)
    {
        CVrxPToolBar* pBar = static_cast<CVrxPToolBar*>(toolbars.GetNext(pos));
        if (CWnd::FromHandlePermanent(pBar->GetSafeHwnd()) != nullptr)
            pBar->RefreshButtonFonts();
    }
}

void CVrxPGlobals::ComputeTextMetrics()
{
    CDC screen;
    screen.Attach(GetDC(NULL));
    auto measure = [&screen](CFont& font, int& nHeight, int& nWidth) {
        if (font.GetSafeHandle() == NULL)
            return;
        CFont* pOldFont = screen.SelectObject(&font);
        TEXTMETRIC metrics = {};
        screen.GetTextMetrics(&metrics);
        const int nMargin = metrics.tmHeight >= 15 ? 5 : 2;
        nHeight = metrics.tmHeight + nMargin;
        nWidth = metrics.tmMaxCharWidth + nMargin;
        screen.SelectObject(pOldFont);
    };
    measure(fontRegular, textHeight, textWidth);
    measure(fontVertical, verticalTextHeight, verticalTextWidth);
    ReleaseDC(NULL, screen.Detach());
}

void CVrxPGlobals::RefreshShellSettings()
{
    workArea.SetRectEmpty();
    if (!EnumDisplayMonitors(NULL, NULL, &VrxPUnionWorkAreaProc, reinterpret_cast<LPARAM>(&workArea)))
        SystemParametersInfo(SPI_GETWORKAREA, 0, &workArea, 0);

    menuAnimation = menuFade = 0;
    if (!isRemoteSession && !isWin9x && m_dwMajorVersion >= 5)
    {
        BOOL bValue = FALSE;
        SystemParametersInfo(SPI_GETMENUANIMATION, 0, &bValue, 0);
        menuAnimation = bValue;
        if (menuAnimation != 0)
        {
            bValue = FALSE;
            SystemParametersInfo(SPI_GETMENUFADE, 0, &bValue, 0);
            menuFade = bValue;
        }
    }

    autoHideTaskbarEdges = 0;
    if (!isWin9x && !isOldNT)
    {
        const struct
        {
            UINT edge;
            int bit;
        } edges[] = {{ABE_BOTTOM, edgeBottom}, {ABE_TOP, edgeTop}, {ABE_LEFT, edgeLeft}, {ABE_RIGHT, edgeRight}};
        for (const auto& edge : edges)
        {
            APPBARDATA data = {};
            data.cbSize = sizeof(data);
            data.uEdge = edge.edge;
            if (SHAppBarMessage(ABM_GETAUTOHIDEBAR, &data) != 0)
                autoHideTaskbarEdges |= edge.bit;
        }
    }
}

COLORREF CVrxPGlobals::CachedSysColor(int nIndex) const
{
    switch (nIndex)
    {
    case COLOR_ACTIVECAPTION: return colorActiveCaption;
    case COLOR_INACTIVECAPTION: return colorInactiveCaption;
    case COLOR_WINDOW: return colorWindow;
    case COLOR_WINDOWFRAME: return colorWindowFrame;
    case COLOR_MENUTEXT: return colorMenuText;
    case COLOR_WINDOWTEXT: return colorWindowText;
    case COLOR_CAPTIONTEXT: return colorCaptionText;
    case COLOR_ACTIVEBORDER: return colorActiveBorder;
    case COLOR_INACTIVEBORDER: return colorInactiveBorder;
    case COLOR_HIGHLIGHT: return colorSelection;
    case COLOR_HIGHLIGHTTEXT: return colorSelectionText;
    case COLOR_BTNFACE: return colorFace;
    case COLOR_BTNSHADOW: return colorShade;
    case COLOR_GRAYTEXT: return colorGrayText;
    case COLOR_BTNTEXT: return colorButtonText;
    case COLOR_INACTIVECAPTIONTEXT: return colorInactiveCaptionText;
    case COLOR_BTNHIGHLIGHT: return colorLightEdge;
    case COLOR_3DDKSHADOW: return colorDarkShade;
    case COLOR_3DLIGHT: return colorLight;
    default: return GetSysColor(nIndex);
    }
}

BOOL CVrxPGlobals::CanShowHighColorImages() const
{
    return highColorImagesAllowed && bitsPerPixel >= 16 && !highContrastBlack && !highContrastWhite;
}

BOOL CVrxPGlobals::DwmCompositionActive() const
{
    if (pfnDwmCompositionQuery == nullptr || dwmDisabled)
        return FALSE;
    BOOL bEnabled = FALSE;
    pfnDwmCompositionQuery(&bEnabled);
    return bEnabled;
}

BOOL CVrxPGlobals::SetLayeredAttributes(HWND hWnd, COLORREF colorKey, BYTE alpha, DWORD dwFlags) const
{
    if (pfnSetLayeredWindowAttributes == nullptr)
        return FALSE;
    return pfnSetLayeredWindowAttributes(hWnd, colorKey, alpha, dwFlags);
}

BOOL CVrxPGlobals::PaintParentBackground(CWnd* pChild, CDC* pDC, const RECT* pClip) const
{
    CRgn clip;
    if (pClip != NULL && clip.CreateRectRgnIndirect(pClip))
        pDC->SelectClipRgn(&clip);
    BOOL bResult = FALSE;
    const HWND hChild = pChild->GetSafeHwnd();
    if (pfnDrawThemeParentBackground != nullptr && pfnDrawThemeParentBackground(hChild, *pDC, pClip) == S_OK)
        bResult = TRUE;
    else
    {
        const HWND hParent = ::GetParent(hChild);
        POINT origin = {0, 0};
        MapWindowPoints(hChild, hParent, &origin, 1);
        const CPoint oldOrigin = pDC->OffsetWindowOrg(origin.x, origin.y);
        bResult = static_cast<BOOL>(SendMessage(hParent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(pDC->m_hDC), 0));
        pDC->SetWindowOrg(oldOrigin);
    }
    pDC->SelectClipRgn(NULL);
    return bResult;
}

BOOL CVrxPGlobals::PaintThemedText(HTHEME hTheme, CDC* pDC, int nPart, int nState, const CString& text, CRect rect,
                                   UINT nFormat, int nGlowSize, COLORREF colorText) const
{
    if (hTheme != NULL && pfnDrawThemeTextEx != nullptr && DwmCompositionActive())
    {
        const int nWide = MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
        std::vector<WCHAR> wide(static_cast<size_t>(std::max(nWide, 1)), L'\0');
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), nWide);
        ThemeTextOptions options = {};
        options.dwSize = sizeof(options);
        options.dwFlags = compositedOption;
        if (nGlowSize > 0)
        {
            options.dwFlags |= glowSizeOption;
            options.iGlowSize = nGlowSize;
        }
        if (colorText != static_cast<COLORREF>(-1))
        {
            options.dwFlags |= textColorOption;
            options.crText = colorText;
        }
        pfnDrawThemeTextEx(hTheme, pDC->m_hDC, nPart, nState, wide.data(), -1, nFormat, &rect, &options);
        return TRUE;
    }
    pDC->DrawText(text, text.GetLength(), &rect, nFormat);
    return FALSE;
}

// The entry points of a library go with it: none is left pointing into a
// module that was freed.
void CVrxPGlobals::ReleaseResources()
{
    for (CGdiObject* pObject : std::initializer_list<CGdiObject*>{&brushHalftone, &fontRegular, &fontTooltip,
                                                                  &fontBold, &fontUnderline, &fontVertical,
                                                                  &fontVerticalUp})
        pObject->DeleteObject();
    FreeOptionalModule(moduleTheme);
    FreeOptionalModule(moduleUser32);
    FreeOptionalModule(moduleDwm);
    pfnSetLayeredWindowAttributes = nullptr;
    pfnDrawThemeParentBackground = nullptr;
    pfnDrawThemeTextEx = nullptr;
    pfnBeginBufferedPaint = nullptr;
    pfnEndBufferedPaint = nullptr;
    pfnDwmExtendFrameIntoClientArea = nullptr;
    pfnDwmDefWindowProc = nullptr;
    pfnDwmCompositionQuery = nullptr;
}
