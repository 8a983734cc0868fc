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
    CVrxPControlRenderer* const renderers[] = {
        &m_rndFrameBorder,        &m_rndCaptionBorder,   &m_rndComboButtonImage,   &m_rndToolbarBorder,
        &m_rndStatusBack,         &m_rndStatusBackExt,   &m_rndPopupBorder,        &m_rndPopupResizeBarBack,
        &m_rndMenuBarButton,      &m_rndMenuItemBack,    &m_rndMenuItemShowAll,    &m_rndMenuHighlighted[0],
        &m_rndMenuHighlighted[1], &m_rndMenuButtonBorder, &m_rndToolbarButton};
    for (CVrxPControlRenderer* pRenderer : renderers)
        pRenderer->CleanUp();
    CVrxPToolbarImageList* const imageLists[] = {&m_imgToolbarGripper,    &m_imgToolbarTear,       &m_imgStatusPaneBorder,
                                                 &m_imgStatusSizeBox,     &m_imgPopupResizeIconHV, &m_imgPopupResizeIconV,
                                                 &m_imgMenuItemCheck,     &m_imgMenuItemRadio};
    for (CVrxPToolbarImageList* pImages : imageLists)
        pImages->RemoveAllImages();
    COLORREF* const colors[] = {
        &m_clrMenuBarGradientLight, &m_clrMenuBarGradientDark, &m_clrMenuBarGradientVertLight,
        &m_clrMenuBarGradientVertDark, &m_clrMenuBarTextNormal, &m_clrMenuBarTextHighlighted,
        &m_clrMenuBarTextDisabled, &m_clrToolbarTextNormal, &m_clrToolbarTextHighlighted, &m_clrToolbarTextDisabled,
        &m_clrMenuTextNormal, &m_clrMenuTextHighlighted, &m_clrMenuTextDisabled, &m_clrStatusTextNormal,
        &m_clrStatusTextDisabled, &m_clrStatusTextExtendedDisabled, &m_clrEditBorderNormal, &m_clrEditBorderDisabled,
        &m_clrEditBorderHighlighted, &m_clrEditSelection, &m_clrComboBorderNormal, &m_clrComboBorderDisabled,
        &m_clrComboBorderPressed, &m_clrComboBorderHighlighted, &m_clrComboButtonGradientStartNormal,
        &m_clrComboButtonGradientFinishNormal, &m_clrComboButtonBorderNormal, &m_clrComboButtonGradientStartDisabled,
        &m_clrComboButtonGradientFinishDisabled, &m_clrComboButtonGradientStartPressed,
        &m_clrComboButtonGradientFinishPressed, &m_clrComboButtonBorderPressed,
        &m_clrComboButtonGradientStartHighlighted, &m_clrComboButtonGradientFinishHighlighted,
        &m_clrComboButtonBorderHighlighted, &m_clrComboSelection, &m_clrMenuSeparator1, &m_clrMenuSeparator2,
        &m_clrCaptionBarText, &m_clrTabTextActive, &m_clrTabTextInactive};
    for (COLORREF* pColor : colors)
        *pColor = noColor;
    m_clrComboButtonBorderDisabled = static_cast<COLORREF>(-1);
    m_penMenuSeparator2.DeleteObject();
    m_penToolbarBottomLineLight.DeleteObject();
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
    // Disabled text is answered with or without a style: the 2003 answer
    // until a style gives its own.
    m_clrToolbarTextDisabled = CVrxPVisualManager2003::QueryDisabledTextColor();

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
    ReadMenu(style);
    ReadBars(style);
    ReadEdit(style);
    ReadCombo(style);
    ReadTabs(style);
}

void CVrxPVisualManager2007::ReadGlobals(CVrxPStyleReader& style)
{
    CVrxPStyleReader section;
    if (!style.ReadSection("GLOBALS", section))
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
    COLORREF floatingBorder = 0;
    if (section.ReadColor("FloatToolBarBorder", floatingBorder))
        RemakeBrush(floatingFrameBrush, floatingBorder);
    section.ReadColor("HighlightGradientDark", hotGradientBottom);
    section.ReadColor("HighlightGradientLight", hotGradientTop);
    pressedGradientBottom = hotGradientTop;
    section.ReadColor("HighlightDnGradientDark", pressedGradientBottom);
    pressedGradientTop = hotGradientBottom;
    section.ReadColor("HighlightDnGradientLight", pressedGradientTop);
    checkedGradientBottom = pressedGradientTop;
    section.ReadColor("HighlightCheckedGradientDark", checkedGradientBottom);
    checkedGradientTop = pressedGradientBottom;
    section.ReadColor("HighlightCheckedGradientLight", checkedGradientTop);
    section.ReadColor("PressedButtonBorder", pressedFrameColor);

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
    if (!style.ReadSection("MAINWND", section))
        return;
    CVrxPStyleReader caption;
    if (section.ReadSection("CAPTION", caption))
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
