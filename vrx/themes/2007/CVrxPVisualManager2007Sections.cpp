// The 2007 look's style sections for menus, bars, edits, combos and tab
// labels. Defaults taken before a section apply whether or not the style
// has it, so a missing section leaves the look consistent.

#include "themes/2007/CVrxPVisualManager2007.h"

#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPPainter.h"
#include "themes/2007/CVrxPStyleReader.h"
#include "themes/VrxPLookObjects.h"

namespace
{

// Menu item highlights, enabled and disabled.
const UINT menuHighlightedBitmaps[2] = {18006, 18007};

} // namespace

void CVrxPVisualManager2007::ReadMenu(CVrxPStyleReader& style)
{
    CVrxPStyleReader section;
    if (!style.ReadSection("MENU", section))
        return;
    rarelyUsedColor = noColor;
    if (section.ReadColor("Light", menuColor))
        RemakeBrush(menuBrush, menuColor);
    section.ReadColor("Rarely", rarelyUsedColor);
    if (section.ReadColor("Separator1", m_clrMenuSeparator1))
        RemakePen(separatorPen, m_clrMenuSeparator1);
    if (section.ReadColor("Separator2", m_clrMenuSeparator2))
        RemakePen(m_penMenuSeparator2, m_clrMenuSeparator2);
    if (section.ReadColor("ItemBorder", highlightFrameColor))
        RemakePen(highlightFramePen, highlightFrameColor);
    section.ReadInt("BorderSize", menuBorderSize);
    section.ReadRenderer("ItemBack", m_rndMenuItemBack, 18008);
    section.ReadImageList("ItemCheck", m_imgMenuItemCheck, 18009);
    section.ReadImageList("ItemRadio", m_imgMenuItemRadio, 18010);
    section.ReadRenderer("ItemShowAll", m_rndMenuItemShowAll, 18011);
    section.ReadRenderer("Highlighted", m_rndMenuHighlighted[0], menuHighlightedBitmaps[0]);
    section.ReadRenderer("HighlightedDisabled", m_rndMenuHighlighted[1], menuHighlightedBitmaps[1]);
    section.ReadRenderer("ButtonBorder", m_rndMenuButtonBorder, 18216);
    section.ReadColor("TextNormal", m_clrMenuTextNormal);
    section.ReadColor("TextHighlighted", m_clrMenuTextHighlighted);
    section.ReadColor("TextDisabled", m_clrMenuTextDisabled);
}

void CVrxPVisualManager2007::ReadBars(CVrxPStyleReader& style)
{
    CVrxPStyleReader section;
    if (style.ReadSection("BARS", section))
    {
        CVrxPStyleReader defaults;
        if (section.ReadSection("DEFAULT", defaults))
        {
            if (defaults.ReadColor("Bkgnd", toolbarColor))
                RemakeBrush(toolbarBrush, toolbarColor);
            defaults.ReadColor("GradientLight", faceGradientLight);
            faceGradientDark = faceGradientLight;
            defaults.ReadColor("GradientDark", faceGradientDark);
        }
        ReadToolbar(section);
        ReadMenuBar(section);
        ReadPopupAndStatusBars(section);
    }
    // A MENU section without a Rarely colour gives the band the bars' colour.
    if (rarelyUsedColor == noColor)
        rarelyUsedColor = toolbarColor;
    RemakeBrush(rarelyUsedBrush, rarelyUsedColor);
}

void CVrxPVisualManager2007::ReadToolbar(CVrxPStyleReader& bars)
{
    m_clrToolbarTextNormal = m_clrToolbarTextHighlighted = VrxPGlobals().colorBarText;
    CVrxPStyleReader section;
    if (!bars.ReadSection("TOOLBAR", section))
        return;
    toolbarGradientLight = faceGradientLight;
    toolbarGradientDark = faceGradientDark;
    section.ReadColor("GradientLight", toolbarGradientLight);
    section.ReadColor("GradientDark", toolbarGradientDark);
    verticalGradientLight = toolbarGradientLight;
    verticalGradientDark = toolbarGradientDark;
    section.ReadColor("GradientVertLight", verticalGradientLight);
    section.ReadColor("GradientVertDark", verticalGradientDark);
    section.ReadColor("CustomizeButtonGradientLight", chevronGradientLight);
    section.ReadColor("CustomizeButtonGradientDark", chevronGradientDark);
    section.ReadImageList("GRIPPER", m_imgToolbarGripper, 18003);
    section.ReadImageList("TEAR", m_imgToolbarTear, 18057);
    section.ReadRenderer("BUTTON", m_rndToolbarButton, 18058);
    section.ReadRenderer("BORDER", m_rndToolbarBorder, 18059);
    section.ReadColor("TextNormal", m_clrToolbarTextNormal);
    section.ReadColor("TextHighlighted", m_clrToolbarTextHighlighted);
    section.ReadColor("TextDisabled", m_clrToolbarTextDisabled);
    if (section.ReadColor("BottomLineColor", toolbarShadowColor))
        RemakePen(toolbarShadowPen, toolbarShadowColor);
    RemakePen(m_penToolbarBottomLineLight, CVrxPPainter::BlendColors(toolbarShadowColor, RGB(255, 255, 255), 95));
    RemakePen(barHiliteLinePen, RGB(255, 255, 255));
}

void CVrxPVisualManager2007::ReadMenuBar(CVrxPStyleReader& bars)
{
    m_clrMenuBarTextNormal = m_clrToolbarTextNormal;
    m_clrMenuBarTextHighlighted = m_clrToolbarTextHighlighted;
    m_clrMenuBarTextDisabled = m_clrToolbarTextDisabled;
    CVrxPStyleReader section;
    if (!bars.ReadSection("MENUBAR", section))
        return;
    m_clrMenuBarGradientLight = toolbarGradientLight;
    m_clrMenuBarGradientDark = toolbarGradientDark;
    section.ReadColor("GradientLight", m_clrMenuBarGradientLight);
    section.ReadColor("GradientDark", m_clrMenuBarGradientDark);
    m_clrMenuBarGradientVertLight = m_clrMenuBarGradientLight;
    m_clrMenuBarGradientVertDark = m_clrMenuBarGradientDark;
    section.ReadColor("GradientVertLight", m_clrMenuBarGradientVertLight);
    section.ReadColor("GradientVertDark", m_clrMenuBarGradientVertDark);
    section.ReadColor("TextNormal", m_clrMenuBarTextNormal);
    section.ReadColor("TextHighlighted", m_clrMenuBarTextHighlighted);
    section.ReadColor("TextDisabled", m_clrMenuBarTextDisabled);
    section.ReadRenderer("BUTTON", m_rndMenuBarButton, 18012);
}

void CVrxPVisualManager2007::ReadPopupAndStatusBars(CVrxPStyleReader& bars)
{
    CVrxPStyleReader popup;
    if (bars.ReadSection("POPUPBAR", popup))
    {
        popup.ReadRenderer("BORDER", m_rndPopupBorder, 18013);
        CVrxPStyleReader resize;
        if (popup.ReadSection("RESIZEBAR", resize))
        {
            resize.ReadRenderer("BACK", m_rndPopupResizeBarBack, 18212);
            resize.ReadImageList("ICON_HV", m_imgPopupResizeIconHV, 18213);
            resize.ReadImageList("ICON_V", m_imgPopupResizeIconV, 18214);
        }
    }
    m_clrStatusTextNormal = m_clrMenuBarTextNormal;
    m_clrStatusTextDisabled = m_clrStatusTextExtendedDisabled = m_clrMenuBarTextDisabled;
    CVrxPStyleReader status;
    if (bars.ReadSection("STATUSBAR", status))
    {
        status.ReadRenderer("BACK", m_rndStatusBack, 18065);
        status.ReadRenderer("BACK_EXT", m_rndStatusBackExt, 18066);
        status.ReadImageList("PANEBORDER", m_imgStatusPaneBorder, 18043);
        status.ReadImageList("SIZEBOX", m_imgStatusSizeBox, 18044);
        status.ReadColor("TextNormal", m_clrStatusTextNormal);
        status.ReadColor("TextDisabled", m_clrStatusTextDisabled);
        status.ReadColor("TextExtendedDisabled", m_clrStatusTextExtendedDisabled);
    }
    CVrxPStyleReader captionBar;
    if (bars.ReadSection("CAPTIONBAR", captionBar))
    {
        captionBar.ReadColor("GradientLight", captionGradientLight);
        captionBar.ReadColor("GradientDark", captionGradientDark);
        captionBar.ReadColor("TextNormal", m_clrCaptionBarText);
    }
}

void CVrxPVisualManager2007::ReadEdit(CVrxPStyleReader& style)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    m_clrEditBorderNormal = globals.colorBarWindow;
    m_clrEditBorderDisabled = globals.colorShade;
    m_clrEditBorderHighlighted = highlightFrameColor;
    m_clrEditSelection = globals.colorSelection;
    CVrxPStyleReader section;
    if (!style.ReadSection("EDIT", section))
        return;
    section.ReadColor("BorderNormal", m_clrEditBorderNormal);
    section.ReadColor("BorderHighlighted", m_clrEditBorderHighlighted);
    section.ReadColor("BorderDisabled", m_clrEditBorderDisabled);
    section.ReadColor("Selection", m_clrEditSelection);
}

void CVrxPVisualManager2007::ReadCombo(CVrxPStyleReader& style)
{
    const CVrxPGlobals& globals = VrxPGlobals();
    m_clrComboBorderNormal = m_clrComboButtonBorderNormal = globals.colorBarWindow;
    m_clrComboBorderHighlighted = m_clrComboBorderPressed = highlightFrameColor;
    m_clrComboButtonBorderHighlighted = m_clrComboButtonBorderPressed = highlightFrameColor;
    m_clrComboBorderDisabled = globals.colorShade;
    m_clrComboSelection = globals.colorSelection;
    m_clrComboButtonGradientStartNormal = toolbarGradientDark;
    m_clrComboButtonGradientFinishNormal = toolbarGradientLight;
    m_clrComboButtonGradientStartDisabled = m_clrComboButtonGradientFinishDisabled = globals.colorFace;
    m_clrComboButtonGradientStartHighlighted = hotGradientBottom;
    m_clrComboButtonGradientFinishHighlighted = hotGradientTop;
    m_clrComboButtonGradientStartPressed = pressedGradientBottom;
    m_clrComboButtonGradientFinishPressed = pressedGradientTop;

    CVrxPStyleReader section;
    if (!style.ReadSection("COMBO", section))
        return;
    section.ReadColor("BorderNormal", m_clrComboBorderNormal);
    section.ReadColor("BorderHighlighted", m_clrComboBorderHighlighted);
    section.ReadColor("BorderDisabled", m_clrComboBorderDisabled);
    m_clrComboBorderPressed = m_clrComboBorderHighlighted;
    section.ReadColor("BorderPressed", m_clrComboBorderPressed);
    section.ReadColor("Selection", m_clrComboSelection);

    CVrxPStyleReader button;
    if (!section.ReadSection("BUTTON", button))
        return;
    button.ReadColor("GradientStartNormal", m_clrComboButtonGradientStartNormal);
    button.ReadColor("GradientFinishNormal", m_clrComboButtonGradientFinishNormal);
    button.ReadColor("BtnBorderNormal", m_clrComboButtonBorderNormal);
    if (!button.ReadRenderer("IMAGE", m_rndComboButtonImage, 18002) || !m_rndComboButtonImage.HasImages())
    {
        button.ReadColor("GradientStartHighlighted", m_clrComboButtonGradientStartHighlighted);
        button.ReadColor("GradientFinishHighlighted", m_clrComboButtonGradientFinishHighlighted);
        button.ReadColor("GradientStartDisabled", m_clrComboButtonGradientStartDisabled);
        button.ReadColor("GradientFinishDisabled", m_clrComboButtonGradientFinishDisabled);
        button.ReadColor("GradientStartPressed", m_clrComboButtonGradientStartPressed);
        button.ReadColor("GradientFinishPressed", m_clrComboButtonGradientFinishPressed);
        button.ReadColor("BtnBorderHighlighted", m_clrComboButtonBorderHighlighted);
        button.ReadColor("BtnBorderDisabled", m_clrComboButtonBorderDisabled);
    }
    m_clrComboButtonBorderPressed = m_clrComboButtonBorderHighlighted;
    button.ReadColor("BtnBorderPressed", m_clrComboButtonBorderPressed);
}

void CVrxPVisualManager2007::ReadTabs(CVrxPStyleReader& style)
{
    CVrxPStyleReader section;
    if (!style.ReadSection("TABS", section))
        return;
    section.ReadColor("TextColorActive", m_clrTabTextActive);
    section.ReadColor("TextColorInactive", m_clrTabTextInactive);
}
