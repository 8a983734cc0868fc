#pragma once

// The library's one process-wide record of what its windows read while they
// lay out and paint: cached system colours (with a bar group that the looks
// overwrite), the brushes, pens and fonts made from them, operating-system
// facts, screen metrics, shared cursors, and the entry points of optional
// system libraries loaded by name. Reached through VrxPGlobals().
//
// Optional libraries that do not load leave their features off: every
// wrapper takes its fallback (plain DrawText, WM_ERASEBKGND, no layering,
// composition reported off).

#include "gdi/CBrush.h"
#include "gdi/CDC.h"
#include "gdi/CFont.h"
#include "gdi/CPen.h"
#include "strings/CRect.h"
#include "strings/CString.h"

#include <uxtheme.h>

class CWnd;

class CVrxPGlobals
{
public:
    // Docking constants.
    static constexpr int defaultDragWidthFirst = 4;
    static constexpr int defaultDragWidthNext = 3;
    static constexpr int defaultAutoHideRowExtent = 14;
    static constexpr int defaultAutoHideRowOffset = 4;
    static constexpr int defaultDockStretchPercent = 50;
    // Screen edges that hold an auto-hide task bar.
    static constexpr int edgeLeft = 1;
    static constexpr int edgeRight = 2;
    static constexpr int edgeTop = 4;
    static constexpr int edgeBottom = 8;
    // Library resources.
    static constexpr UINT idCursorHand = 16919;
    static constexpr UINT idCursorTabMove = 17047;
    static constexpr UINT idCursorTabNewGroup = 17048;
    static constexpr UINT idCursorCalendar = 17066;
    static constexpr UINT idIconUserTool = 16931;
    // The framework's split-bar cursors.
    static constexpr UINT idCursorSplitHorz = 30980;
    static constexpr UINT idCursorSplitVert = 30981;

    typedef BOOL(WINAPI* SetLayeredWindowAttributesProc)(HWND, COLORREF, BYTE, DWORD);
    typedef HRESULT(WINAPI* DrawThemeParentBackgroundProc)(HWND, HDC, const RECT*);
    typedef HRESULT(WINAPI* DrawThemeTextExProc)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, LPRECT, const void*);
    typedef HANDLE(WINAPI* BeginBufferedPaintProc)(HDC, const RECT*, DWORD, void*, HDC*);
    typedef HRESULT(WINAPI* EndBufferedPaintProc)(HANDLE, BOOL);
    typedef HRESULT(WINAPI* DwmExtendFrameIntoClientAreaProc)(HWND, const void*);
    typedef BOOL(WINAPI* DwmDefWindowProcProc)(HWND, UINT, WPARAM, LPARAM, LRESULT*);
    typedef HRESULT(WINAPI* DwmCompositionQueryProc)(BOOL*);

    CVrxPGlobals();
    ~CVrxPGlobals();
    CVrxPGlobals(const CVrxPGlobals&) = delete;
    CVrxPGlobals& operator=(const CVrxPGlobals&) = delete;

    HBRUSH sysBrushLightEdge;
    HBRUSH sysBrushShade;
    HBRUSH sysBrushWindow;

    COLORREF colorFace;
    COLORREF colorShade;
    COLORREF colorLightEdge;
    COLORREF colorButtonText;
    COLORREF colorWindowFrame;
    COLORREF colorDarkShade;
    COLORREF colorLight;
    COLORREF colorGrayText;
    COLORREF colorSelection;
    COLORREF colorSelectionText;
    COLORREF colorLink;
    COLORREF colorLinkHot;
    // The bar group: the looks overwrite it between two refreshes.
    COLORREF colorBarWindow;
    COLORREF colorBarFace;
    COLORREF colorBarShade;
    COLORREF colorBarLightEdge;
    COLORREF colorBarDarkShade;
    COLORREF colorBarLight;
    COLORREF colorBarText;
    COLORREF colorWindow;
    COLORREF colorWindowText;
    COLORREF colorCaptionText;
    COLORREF colorMenuText;
    COLORREF colorActiveCaption;
    COLORREF colorInactiveCaption;
    COLORREF colorInactiveCaptionText;
    COLORREF colorActiveBorder;
    COLORREF colorInactiveBorder;

    CBrush brushFace;
    CBrush brushSelection;
    // Halfway between face and light edge; a checkerboard of the two at 8
    // bits per pixel or fewer.
    CBrush brushHalftone;
    CBrush brushDarkShade;
    CBrush brushActiveCaption;
    CBrush brushInactiveCaption;
    CBrush brushWindow;
    CBrush brushBarFace;
    CPen penSelection;
    CPen penBarFace;
    CPen penBarShade;

    // Loaded by the code that uses them, shared, never destroyed.
    HCURSOR cursorSplitHorz;
    HCURSOR cursorSplitVert;
    HCURSOR cursorHand;
    HCURSOR cursorMove;
    HCURSOR cursorTabMove;
    HCURSOR cursorTabNewGroup;
    HCURSOR cursorCalendar;
    HICON iconUserTool;
    int smallIconWidth;
    int smallIconHeight;

    CFont fontRegular;
    CFont fontTooltip;
    CFont fontBold;
    CFont fontGuiBold;
    CFont fontUnderline;
    CFont fontGuiUnderline;
    CFont fontVertical;
    CFont fontVerticalUp;
    CFont fontSmall;
    CFont fontSymbol;

    BOOL isOldNT;
    BOOL isWin9x;
    BOOL isVistaOrLater;
    // The library does not use desktop composition.
    BOOL dwmDisabled;
    int bitsPerPixel;
    BOOL isRemoteSession;
    BOOL layeredWindowsAvailable;
    int dragWidthFirst;
    int dragWidthNext;
    int autoHideRowExtent;
    int autoHideRowOffset;
    int dockStretchPercent;
    // Handed to tooltip controls; -1 = not set.
    int maxTipWidth;
    BOOL highContrastBlack;
    BOOL highContrastWhite;
    BOOL highColorImagesAllowed;
    // The union of the work areas of all monitors.
    CRect workArea;
    int menuAnimation;
    int menuFade;
    int autoHideTaskbarEdges;
    int textHeight;
    int verticalTextHeight;
    int textWidth;
    int verticalTextWidth;

    HMODULE moduleTheme;
    HMODULE moduleUser32;
    HMODULE moduleDwm;
    SetLayeredWindowAttributesProc pfnSetLayeredWindowAttributes;
    DrawThemeParentBackgroundProc pfnDrawThemeParentBackground;
    DrawThemeTextExProc pfnDrawThemeTextEx;
    BeginBufferedPaintProc pfnBeginBufferedPaint;
    EndBufferedPaintProc pfnEndBufferedPaint;
    DwmExtendFrameIntoClientAreaProc pfnDwmExtendFrameIntoClientArea;
    DwmDefWindowProcProc pfnDwmDefWindowProc;
    DwmCompositionQueryProc pfnDwmCompositionQuery;

    // Re-reads the colours, the high-contrast flags and the colour depth, and
    // re-creates the brushes and pens.
    void RefreshSysColors();
    // Re-creates the ten fonts and the text metrics, and has every toolbar
    // re-measure its buttons.
    void RefreshFonts();
    // Re-reads the work area, the menu animation and the task-bar edges.
    void RefreshShellSettings();
    // The cached value of the colours the record keeps (outside the bar
    // group); the live system colour of any other index.
    COLORREF CachedSysColor(int nIndex) const;
    BOOL CanShowHighColorImages() const;
    BOOL DwmCompositionActive() const;
    BOOL SetLayeredAttributes(HWND hWnd, COLORREF colorKey, BYTE alpha, DWORD dwFlags) const;
    // Paints the parent's background under a child window.
    BOOL PaintParentBackground(CWnd* pChild, CDC* pDC, const RECT* pClip = NULL) const;
    // Composited theme text where desktop composition allows it (TRUE);
    // otherwise plain DrawText (FALSE).
    BOOL PaintThemedText(HTHEME hTheme, CDC* pDC, int nPart, int nState, const CString& text, CRect rect,
                         UINT nFormat, int nGlowSize, COLORREF colorText) const;
    // Frees the fonts and brushes that only the record holds and the
    // optional libraries.
    void ReleaseResources();

private:
    void MakeHalftoneBrush();
    // An 8 x 8 one-pixel checkerboard of the face and light-edge colours.
    HBITMAP CreateHalftoneBitmap(CDC* pDC) const;
    void ComputeTextMetrics();
    void LoadOptionalLibraries(const OSVERSIONINFO& version);
    DWORD m_dwMajorVersion;
};

// The one record; the first call starts the library (VrxPStartLibrary).
CVrxPGlobals& VrxPGlobals();
