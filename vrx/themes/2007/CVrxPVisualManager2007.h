#pragma once

// The 2007 look: the 2003 look whose colours, fonts and bitmap parts come
// from a style markup resource ("STYLE_XML" 18000) and its strips. Without
// one, or on a screen that cannot show it, it stays the 2003 look with
// thinner menu borders. The style so far gives the library's global colours,
// the tooltip options and the frame's caption and border parts; every part
// is still drawn as the 2003 look draws it.

#include <map>

#include "foundation/CVrxPToolTipOptions.h"
#include "gdi/CBrush.h"
#include "gdi/CFont.h"
#include "themes/2003/CVrxPVisualManager2003.h"
#include "themes/2007/CVrxPControlRenderer.h"

class CVrxPStyleReader;

class CVrxPVisualManager2007 : public CVrxPVisualManager2003
{
    DECLARE_DYNCREATE(CVrxPVisualManager2007)
public:
    static constexpr UINT styleResourceId = 18000;
    static constexpr LPCTSTR styleResourceType = "STYLE_XML";
    static constexpr int styleVersion = 2007;
    static constexpr UINT frameBorderBitmap = 18004;
    static constexpr UINT captionBorderBitmap = 18005;
    static constexpr COLORREF noColor = 0xFF000000;

    explicit CVrxPVisualManager2007(BOOL bTemporary = FALSE);
    ~CVrxPVisualManager2007() override;

    void ReloadPalette() override;
    // Back to the unloaded state: every style resource released.
    virtual void ReleaseStyleResources();

    // More than 8 bits per pixel, no high contrast, and a style loaded.
    BOOL IsStyleInForce() const;
    BOOL IsStyleLoaded() const { return m_bStyleLoaded; }
    int GetStyleType() const { return m_nStyleType; }
    // A frame never announced counts as active; no frame is never active.
    BOOL IsFrameActive(CWnd* pFrame) const;

protected:
    BOOL m_bStyleLoaded = FALSE;
    CFont m_fntCaption;
    COLORREF m_clrCaptionActiveStart = noColor;
    COLORREF m_clrCaptionActiveFinish = noColor;
    COLORREF m_clrCaptionInactiveStart = noColor;
    COLORREF m_clrCaptionInactiveFinish = noColor;
    COLORREF m_clrCaptionActiveText = noColor;
    COLORREF m_clrCaptionInactiveText = noColor;
    COLORREF m_clrCaptionActiveTitleText = noColor;
    COLORREF m_clrCaptionInactiveTitleText = noColor;
    BOOL m_bCaptionTextCenter = FALSE;
    SIZE m_szCaptionButton = {};
    SIZE m_szCaptionButtonSmall = {};
    COLORREF m_clrMainClientArea = noColor;
    CBrush m_brMainClientArea;
    CVrxPControlRenderer m_rndFrameBorder;
    CVrxPControlRenderer m_rndCaptionBorder;
    int m_nStyleType = 2;
    CVrxPToolTipOptions m_toolTipOptions;
    BOOL m_bToolTipOptionsLoaded = FALSE;
    std::map<HWND, BOOL> m_mapFrameActive;

private:
    void ReadGlobals(CVrxPStyleReader& style);
    void ReadMainWindow(CVrxPStyleReader& style);
};
