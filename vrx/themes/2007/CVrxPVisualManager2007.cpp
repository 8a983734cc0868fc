#include "themes/2007/CVrxPVisualManager2007.h"

#include "foundation/CVrxPGlobals.h"
#include "gdi/CFont.h"
#include "themes/2007/CVrxPStyleReader.h"
#include "themes/VrxPLookObjects.h"
#include "windows/CWnd.h"

IMPLEMENT_DYNCREATE(CVrxPVisualManager2007, CVrxPVisualManager2003)

namespace
{

// The caption metrics of the structure's form without the padded border.
const UINT nonClientMetricsSize = 340;

// A fresh reader over one section's content; an empty one when missing.
BOOL OpenSection(CVrxPStyleReader& style, LPCTSTR lpszName, CVrxPStyleReader& section)
{
    CString text;
    if (!style.ExtractTag(lpszName, text))
        return FALSE;
    section.SetText(text);
    return TRUE;
}

} // namespace

CVrxPVisualManager2007::CVrxPVisualManager2007(BOOL bTemporary) : CVrxPVisualManager2003(bTemporary)
{
}

CVrxPVisualManager2007::~CVrxPVisualManager2007() = default;

BOOL CVrxPVisualManager2007::IsStyleInForce() const
{
    const CVrxPGlobals& globals = VrxPGlobals();
    return globals.bitsPerPixel > 8 && !globals.highContrastWhite && !globals.highContrastBlack && m_bStyleLoaded;
}

BOOL CVrxPVisualManager2007::IsFrameActive(CWnd* pFrame) const
{
    if (pFrame == NULL || pFrame->GetSafeHwnd() == NULL)
        return FALSE;
    const auto found = m_mapFrameActive.find(pFrame->GetSafeHwnd());
    return found == m_mapFrameActive.end() ? TRUE : found->second;
}

void CVrxPVisualManager2007::ReleaseStyleResources()
{
    m_rndFrameBorder.CleanUp();
    m_rndCaptionBorder.CleanUp();
    m_fntCaption.DeleteObject();
    m_brMainClientArea.DeleteObject();
    m_toolTipOptions = CVrxPToolTipOptions();
    m_bToolTipOptionsLoaded = FALSE;
    m_mapFrameActive.clear();
    m_bStyleLoaded = FALSE;
}

void CVrxPVisualManager2007::ReloadPalette()
{
    ReleaseStyleResources();
    CVrxPVisualManager2003::ReloadPalette();

    const CVrxPGlobals& globals = VrxPGlobals();
    if (globals.isWin9x || !globals.layeredWindowsAvailable || globals.highContrastWhite ||
        globals.highContrastBlack || globals.bitsPerPixel <= 8)
        return;
    menuBorderSize = 1;

    CVrxPStyleReader style;
    if (!style.LoadFromResource(styleResourceId, styleResourceType))
        return;
    CString text;
    style.SetText(style.ExtractTag("STYLE", text) ? static_cast<LPCTSTR>(text) : "");

    m_nStyleType = 2;
    CString version;
    if (!style.GetText().IsEmpty() && style.ExtractTag("VERSION", version))
    {
        CVrxPStyleReader versionReader(version);
        int nNumber = 0;
        versionReader.ReadInt("NUMBER", nNumber);
        if (nNumber == styleVersion)
        {
            versionReader.ReadInt("TYPE", m_nStyleType);
            m_bStyleLoaded = TRUE;
        }
    }
    if (!m_bStyleLoaded)
        return;

    ReadGlobals(style);
    ReadMainWindow(style);
}

void CVrxPVisualManager2007::ReadGlobals(CVrxPStyleReader& style)
{
    CVrxPStyleReader section;
    if (!OpenSection(style, "GLOBALS", section))
        return;
    CVrxPGlobals& globals = VrxPGlobals();
    section.ReadColor("BarText", globals.colorBarText);
    if (section.ReadColor("BarFace", globals.colorBarFace))
        RemakeBrush(globals.brushBarFace, globals.colorBarFace);
    if (section.ReadColor("ActiveCaption", globals.colorActiveCaption))
    {
        globals.colorInactiveCaption = globals.colorActiveCaption;
        RemakeBrush(globals.brushActiveCaption, globals.colorActiveCaption);
    }
    if (section.ReadColor("CaptionText", globals.colorCaptionText))
        globals.colorInactiveCaptionText = globals.colorCaptionText;
    section.ReadColor("InactiveCaption", globals.colorInactiveCaption);
    RemakeBrush(globals.brushInactiveCaption, globals.colorInactiveCaption);
    section.ReadColor("InactiveCaptionText", globals.colorInactiveCaptionText);
    section.ReadColor("BarShadow", globals.colorBarShade);
    section.ReadColor("BarDkShadow", globals.colorBarDarkShade);
    section.ReadColor("BarLight", globals.colorBarLight);

    COLORREF selection = 0, selectionText = 0;
    const BOOL bSelection = section.ReadColor("Highlight", selection);
    if (section.ReadColor("HighlightText", selectionText) && bSelection)
    {
        globals.colorSelection = selection;
        globals.colorSelectionText = selectionText;
        RemakeBrush(globals.brushSelection, selection);
    }
    m_bToolTipOptionsLoaded = section.ReadToolTipOptions("TOOLTIP", m_toolTipOptions);
}

void CVrxPVisualManager2007::ReadMainWindow(CVrxPStyleReader& style)
{
    CVrxPStyleReader section;
    if (!OpenSection(style, "MAINWND", section))
        return;
    CVrxPStyleReader caption;
    if (OpenSection(section, "CAPTION", caption))
    {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = nonClientMetricsSize;
        CString fontText;
        if (caption.ExtractTag("FONT", fontText) &&
            ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, nonClientMetricsSize, &metrics, 0))
        {
            CVrxPStyleReader::ParseFont(fontText, metrics.lfCaptionFont);
            m_fntCaption.DeleteObject();
            m_fntCaption.CreateFontIndirect(&metrics.lfCaptionFont);
        }
        caption.ReadColor("ActiveStart", m_clrCaptionActiveStart);
        caption.ReadColor("ActiveFinish", m_clrCaptionActiveFinish);
        caption.ReadColor("InactiveStart", m_clrCaptionInactiveStart);
        caption.ReadColor("InactiveFinish", m_clrCaptionInactiveFinish);
        caption.ReadColor("ActiveText", m_clrCaptionActiveText);
        caption.ReadColor("InactiveText", m_clrCaptionInactiveText);
        caption.ReadColor("ActiveTitleText", m_clrCaptionActiveTitleText);
        caption.ReadColor("InactiveTitleText", m_clrCaptionInactiveTitleText);
        caption.ReadBool("TextCenter", m_bCaptionTextCenter);
        caption.ReadRenderer("BORDER", m_rndCaptionBorder, captionBorderBitmap);
        m_szCaptionButton = {::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CYSIZE)};
        m_szCaptionButtonSmall = {::GetSystemMetrics(SM_CXSMSIZE), ::GetSystemMetrics(SM_CYSMSIZE)};
    }
    section.ReadRenderer("BORDER", m_rndFrameBorder, frameBorderBitmap);
    if (section.ReadColor("MainClientArea", m_clrMainClientArea))
        RemakeBrush(m_brMainClientArea, m_clrMainClientArea);
}
