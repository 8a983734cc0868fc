// The Windows XP theme look's bars, captions, frames, buttons and menus:
// the theme's parts where the class is open, else the XP (or base) look.

#include "themes/winxp/CVrxPWinXPVisualManager.h"

#include "docking/CVrxPBaseControlBar.h"
#include "docking/frames/CVrxPCaptionBar.h"
#include "docking/CVrxPDockingControlBar.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/CVrxPPainter.h"
#include "gdi/CDC.h"
#include "panes/CVrxPButton.h"
#include "panes/navigation/CVrxPOutlookButton.h"
#include "toolbars/CVrxPMenuBar.h"
#include "toolbars/CVrxPPopupMenu.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPStatusPaneInfo.h"
#include "toolbars/CVrxPToolBar.h"
#include "toolbars/CVrxPToolbarMenuButton.h"

namespace
{
const UINT kChecked = CVrxPToolbarButton::styleChecked;
const UINT kPressed = CVrxPToolbarButton::stylePressed;
const UINT kDisabled = CVrxPToolbarButton::styleDisabled;

// Parts and states of the visual-style classes.
const int kRebarGripper = 1;
const int kRebarGripperVert = 2;
const int kToolbarButton = 1;
const int kToolbarSeparator = 5;
const int kToolbarSeparatorVert = 6;
const int kExplorerHeaderBackground = 1;
const int kExplorerHeaderClose = 2;
const int kExplorerHeaderPin = 3;
const int kWindowSmallCaption = 2;
const int kWindowMdiMinButton = 16;
const int kWindowSmallCloseButton = 19;
const int kWindowMdiCloseButton = 20;
const int kWindowMdiRestoreButton = 22;
const int kStatusPane = 1;
const int kScrollSizeBox = 10;
const int kSizeBoxRightAlign = 1;
const int kComboDropButton = 1;
const int kButtonPush = 1;
const int kStateNormal = 1;
const int kStateHot = 2;
const int kStatePressed = 3;
const int kStateDisabled = 4;
const int kStateChecked = 5;
const int kStateHotChecked = 6;

void Ring(CDC* pDC, const CRect& rect, COLORREF color)
{
    pDC->Draw3dRect(&rect, color, color);
}

// The pane's title over its gripper, as the XP look also writes it.
void PaintPaneTitle(CDC* pDC, CVrxPDockingControlBar* pPane, const CRect& rect, BOOL bAcross)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CString strTitle;
    pPane->GetWindowText(strTitle);
    strTitle = " " + strTitle + " ";
    const int nOldMode = pDC->SetBkMode(OPAQUE);
    const COLORREF colorOldText = pDC->SetTextColor(globals.colorButtonText);
    CFont* pOldFont = pDC->SelectObject(bAcross ? &globals.fontRegular : &globals.fontVertical);
    CRect rectText = rect;
    if (bAcross)
    {
        rectText.top += (rect.Height() - globals.textHeight - 1) / 2;
        pDC->DrawText(strTitle, &rectText, 0);
    }
    else
    {
        rectText.left = rect.right - (rect.Width() - globals.verticalTextHeight + 1) / 2;
        rectText.bottom = rectText.top;
        pDC->DrawText(strTitle, &rectText, DT_NOCLIP);
    }
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(colorOldText);
    pDC->SetBkMode(nOldMode);
}
} // namespace

void CVrxPWinXPVisualManager::PaintBarBackground(CDC* pDC, CWnd* pBar, CRect rectClient, CRect rectClip,
                                                 BOOL bNonClient)
{
    const CVrxPBaseControlBar* pControlBar = dynamic_cast<CVrxPBaseControlBar*>(pBar);
    const BOOL bInDialog = pControlBar != nullptr && pControlBar->dialogParent;
    // Without a window there is no frame to stretch the rebar background over.
    if (GetEntryPoints().drawThemeBackground == nullptr || !IsOpen(themeRebar) || bInDialog || pBar == nullptr)
    {
        CVrxPVisualManagerXP::PaintBarBackground(pDC, pBar, rectClient, rectClip, bNonClient);
        return;
    }
    if (dynamic_cast<CVrxPCaptionBar*>(pBar) != nullptr)
    {
        CVrxPVisualManagerXP::PaintBarBackground(pDC, pBar, rectClient, rectClip, bNonClient);
        return;
    }
    if (dynamic_cast<CVrxPPopupMenuBar*>(pBar) != nullptr)
    {
        if (themeOfficeMenus)
            CVrxPVisualManagerXP::PaintBarBackground(pDC, pBar, rectClient, rectClip, bNonClient);
        else
            pDC->FillRect(&rectClient, CBrush::FromHandle(::GetSysColorBrush(COLOR_MENU)));
        return;
    }
    PaintThemeRebarBackground(pDC, pBar, rectClient);
}

void CVrxPWinXPVisualManager::PaintBarBorder(CDC* pDC, CVrxPBaseControlBar* pBar, CRect& rect)
{
    CVrxPVisualManager::PaintBarBorder(pDC, pBar, rect);
}

void CVrxPWinXPVisualManager::PaintBarGripper(CDC* pDC, CRect rect, BOOL bHorizontal, CVrxPBaseControlBar* pBar)
{
    if (!IsOpen(themeRebar) || pBar == nullptr || pBar->GetSafeHwnd() == NULL)
    {
        CVrxPVisualManagerXP::PaintBarGripper(pDC, rect, bHorizontal, pBar);
        return;
    }
    CVrxPGlobals& globals = VrxPGlobals();
    CVrxPDockingControlBar* pPane = dynamic_cast<CVrxPDockingControlBar*>(pBar);
    const BOOL bAcross = pPane != nullptr ? !bHorizontal : bHorizontal;
    const COLORREF colorOldText = pDC->SetTextColor(globals.colorShade);
    const COLORREF colorOldBack = pDC->SetBkColor(globals.colorFace);
    CRect rectGrip = rect;
    if (bAcross)
    {
        rectGrip.DeflateRect(0, 2);
        rectGrip.OffsetRect(2, 0);
        rectGrip.right = rectGrip.left + 6;
    }
    else
    {
        rectGrip.DeflateRect(2, 0);
        rectGrip.OffsetRect(0, 2);
        rectGrip.bottom = rectGrip.top + 6;
    }
    PaintPart(themeRebar, pDC, bAcross ? kRebarGripper : kRebarGripperVert, 0, rectGrip);
    if (pPane != nullptr)
        PaintPaneTitle(pDC, pPane, rect, bAcross);
    pDC->SetBkColor(colorOldBack);
    pDC->SetTextColor(colorOldText);
}

void CVrxPWinXPVisualManager::PaintSeparator(CDC* pDC, CVrxPBaseControlBar* pBar, CRect rect, BOOL bHorizontal)
{
    if (!IsOpen(themeToolbar) || (pBar != nullptr && pBar->dialogParent))
    {
        CVrxPVisualManagerXP::PaintSeparator(pDC, pBar, rect, bHorizontal);
        return;
    }
    PaintPart(themeToolbar, pDC, bHorizontal ? kToolbarSeparator : kToolbarSeparatorVert, 0, rect);
}

COLORREF CVrxPWinXPVisualManager::PaintBarCaption(CDC* pDC, CVrxPDockingControlBar* pBar, BOOL bActive,
                                                  CRect rectCaption, CRect rectButtons)
{
    if (!IsOpen(themeExplorerBar) || GetEntryPoints().getThemeColor == nullptr)
        return CVrxPVisualManagerXP::PaintBarCaption(pDC, pBar, bActive, rectCaption, rectButtons);
    PaintPart(themeExplorerBar, pDC, kExplorerHeaderBackground, 0, rectCaption);
    COLORREF colorText = VrxPGlobals().colorInactiveCaptionText;
    ReadThemeColor(themeExplorerBar, kExplorerHeaderBackground, 0, propertyTextColor, colorText);
    if (bActive)
    {
        const BOOL bDarkText = GetRValue(colorText) <= 128 || GetGValue(colorText) <= 128 || GetBValue(colorText) <= 128;
        CVrxPPainter(*pDC).LightenRect(rectCaption, bDarkText ? 110 : 80);
    }
    return colorText;
}

void CVrxPWinXPVisualManager::PaintCaptionButton(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, BOOL bActive,
                                                 BOOL bHorizontal, BOOL bMaximized, BOOL bDisabled, int nGlyph)
{
    if (!IsOpen(themeToolbar))
    {
        CVrxPVisualManagerXP::PaintCaptionButton(pDC, pButton, bActive, bHorizontal, bMaximized, bDisabled, nGlyph);
        return;
    }
    int nState = kStateNormal;
    if (bDisabled)
        nState = kStateDisabled;
    else if (pButton->highlighted || pButton->dropped)
        nState = pButton->pushed ? kStatePressed : kStateHot;
    CRect rect = pButton->GetRect();
    if (pButton->addedByFrame)
    {
        rect.bottom -= 3;
        rect.right -= 2;
    }
    if (nGlyph == -1)
    {
        ThemeClass nClass = themeClassCount;
        int nPart = 0;
        int nPartState = nState;
        if (pButton->HitCode() == CVrxPMiniFrameTitleButton::hitPin)
        {
            nClass = themeExplorerBar;
            nPart = kExplorerHeaderPin;
            // The selected pin's states follow the plain ones.
            if (!bMaximized)
                nPartState = nState + 3;
        }
        else if (pButton->HitCode() == CVrxPMiniFrameTitleButton::hitPaneClose ||
                 pButton->HitCode() == CVrxPMiniFrameTitleButton::hitFrameClose)
        {
            nClass = pButton->addedByFrame ? themeWindow : themeExplorerBar;
            nPart = pButton->addedByFrame ? kWindowSmallCloseButton : kExplorerHeaderClose;
        }
        if (nClass != themeClassCount && PaintPart(nClass, pDC, nPart, nPartState, rect))
            return;
    }
    if (!pButton->addedByFrame)
        rect.DeflateRect(1, 2);
    PaintPart(themeToolbar, pDC, kToolbarButton, nState, rect);
    if (nGlyph == -1)
        nGlyph = pButton->GetImageIndex(bHorizontal, bMaximized);
    if (nGlyph == -1)
        return;
    const CSize sizeGlyph = CVrxPMenuGlyphs::GetImageSize();
    const CPoint point(rect.left + (rect.Width() - sizeGlyph.cx) / 2, rect.top + (rect.Height() - sizeGlyph.cy) / 2);
    PaintCaptionButtonGlyph(pDC, pButton, nGlyph, bActive, bDisabled, point);
}

void CVrxPWinXPVisualManager::PaintCaptionButtonGlyph(CDC* pDC, CVrxPMiniFrameTitleButton* pButton, int nGlyph,
                                                      BOOL bActive, BOOL bDisabled, CPoint location)
{
    if (IsOpen(themeButton) && (pButton->highlighted || pButton->dropped))
    {
        CVrxPMenuGlyphs::DrawGlyph(pDC, nGlyph, location, CVrxPMenuGlyphs::black);
        return;
    }
    CVrxPVisualManagerXP::PaintCaptionButtonGlyph(pDC, pButton, nGlyph, bActive, bDisabled, location);
}

void CVrxPWinXPVisualManager::PaintMdiControlButton(CDC* pDC, CRect rect, UINT nCommand, UINT nStyle,
                                                    BOOL bHighlighted)
{
    if (!IsOpen(themeWindow))
    {
        CVrxPVisualManagerXP::PaintMdiControlButton(pDC, rect, nCommand, nStyle, bHighlighted);
        return;
    }
    int nPart = 0;
    switch (nCommand)
    {
    case SC_MINIMIZE:
        nPart = kWindowMdiMinButton;
        break;
    case SC_CLOSE:
        nPart = kWindowMdiCloseButton;
        break;
    case SC_RESTORE:
        nPart = kWindowMdiRestoreButton;
        break;
    default:
        return;
    }
    int nState = kStateNormal;
    if (nStyle & kDisabled)
        nState = kStateDisabled;
    else if ((nStyle & kPressed) && bHighlighted)
        nState = kStatePressed;
    else if (bHighlighted)
        nState = kStateHot;
    PaintPart(themeWindow, pDC, nPart, nState, rect);
}

void CVrxPWinXPVisualManager::PaintStatusPaneBorder(CDC* pDC, CVrxPStatusBar* pBar, CRect rect, int nPane,
                                                    UINT nStyle)
{
    if (!IsOpen(themeStatus))
    {
        CVrxPVisualManagerXP::PaintStatusPaneBorder(pDC, pBar, rect, nPane, nStyle);
        return;
    }
    if ((nStyle & CVrxPStatusPaneInfo::styleNoBorders) == 0)
        PaintPart(themeStatus, pDC, kStatusPane, 0, rect);
}

void CVrxPWinXPVisualManager::PaintStatusProgress(CDC* pDC, CVrxPStatusBar* pBar, CRect rect, int nRange, int nPos,
                                                  COLORREF colorFill, COLORREF colorFillEnd, COLORREF colorText,
                                                  BOOL bShowPercent)
{
    if (!PaintThemeProgress(pDC, nullptr, rect, nRange, nPos, colorFill, colorFillEnd,
                            colorText, bShowPercent))
        CVrxPVisualManager::PaintStatusProgress(pDC, pBar, rect, nRange, nPos, colorFill, colorFillEnd, colorText,
                                                bShowPercent);
}

void CVrxPWinXPVisualManager::PaintSizeGrip(CDC* pDC, CVrxPStatusBar* pBar, CRect rect)
{
    if (!PaintPart(themeScrollBar, pDC, kScrollSizeBox, kSizeBoxRightAlign, rect))
        CVrxPVisualManager::PaintSizeGrip(pDC, pBar, rect);
}

COLORREF CVrxPWinXPVisualManager::PaintMiniFrameCaption(CDC* pDC, CRect rect, CVrxPMiniFrameWnd* pFrame,
                                                        BOOL bActive)
{
    // Under a theme the window keeps its system caption.
    if (IsOpen(themeWindow))
        return VrxPGlobals().colorCaptionText;
    return CVrxPVisualManager::PaintMiniFrameCaption(pDC, rect, pFrame, bActive);
}

void CVrxPWinXPVisualManager::PaintMiniFrameBorder(CDC* pDC, CVrxPMiniFrameWnd* pFrame, CRect rect,
                                                   CRect rectBorderSize)
{
    if (!PaintPart(themeWindow, pDC, kWindowSmallCaption, 0, rect))
        CVrxPVisualManager::PaintMiniFrameBorder(pDC, pFrame, rect, rectBorderSize);
}

void CVrxPWinXPVisualManager::PaintFloatingToolbarBorder(CDC* pDC, CVrxPMiniFrameWnd* pFrame, CRect rect,
                                                         CRect rectBorderSize)
{
    if (!PaintPart(themeWindow, pDC, kWindowSmallCaption, 0, rect))
        CVrxPVisualManager::PaintFloatingToolbarBorder(pDC, pFrame, rect, rectBorderSize);
}

void CVrxPWinXPVisualManager::PaintMenuFrame(CDC* pDC, CVrxPPopupMenu* pMenu, CRect rect)
{
    if (IsOpen(themeWindow) && !themeOfficeMenus)
    {
        CVrxPVisualManager::PaintMenuFrame(pDC, pMenu, rect);
        return;
    }
    // Without a theme the XP look joins every top-level menu to its button;
    // with one, only a menu opened from the menu bar outside customise mode.
    const BOOL bSavedJoin = joinMenuToButton;
    if (IsOpen(themeWindow))
    {
        const CVrxPPopupMenu* pActive = CVrxPPopupMenu::ActivePopup();
        const BOOL bFromMenuBar = pActive != nullptr && pActive == pMenu && pMenu->GetSafeHwnd() != NULL &&
                                  dynamic_cast<CVrxPMenuBar*>(pMenu->GetParent()) != nullptr;
        joinMenuToButton = !CVrxPToolBar::customizeMode && bFromMenuBar;
    }
    else
    {
        joinMenuToButton = TRUE;
    }
    CVrxPVisualManagerXP::PaintMenuFrame(pDC, pMenu, rect);
    joinMenuToButton = bSavedJoin;
}

void CVrxPWinXPVisualManager::PaintComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                                                   CVrxPToolbarComboBoxButton* pCombo)
{
    int nState = kStateNormal;
    if (bDisabled)
        nState = kStateDisabled;
    else if (bDropped)
        nState = kStatePressed;
    else if (bHot)
        nState = kStateHot;
    if (!PaintPart(themeComboBox, pDC, kComboDropButton, nState, rect))
        CVrxPVisualManagerXP::PaintComboDropButton(pDC, rect, bDisabled, bDropped, bHot, pCombo);
}

void CVrxPWinXPVisualManager::PaintComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bDropped, BOOL bHot,
                                               CVrxPToolbarComboBoxButton* pCombo)
{
    if (!IsOpen(themeWindow))
    {
        CVrxPVisualManagerXP::PaintComboBorder(pDC, rect, bDisabled, bDropped, bHot, pCombo);
        return;
    }
    if (!bHot && !bDropped)
        return;
    rect.DeflateRect(1, 1);
    Ring(pDC, rect, VrxPGlobals().colorSelection);
}

void CVrxPWinXPVisualManager::PaintEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bHighlighted,
                                              CVrxPToolbarEditBoxButton* pEdit)
{
    if (!IsOpen(themeWindow))
    {
        CVrxPVisualManagerXP::PaintEditBorder(pDC, rect, bDisabled, bHighlighted, pEdit);
        return;
    }
    if (bHighlighted)
        Ring(pDC, rect, VrxPGlobals().colorLightEdge);
}

void CVrxPWinXPVisualManager::PaintButtonFace(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState)
{
    if (!IsOpen(themeToolbar))
    {
        CVrxPVisualManagerXP::PaintButtonFace(pDC, pButton, rect, nState);
        return;
    }
    CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<CVrxPToolbarMenuButton*>(pButton);
    const BOOL bOnMenuBar = pMenuButton != nullptr && dynamic_cast<CVrxPMenuBar*>(pMenuButton->parent) != nullptr;
    const BOOL bInPopup = pMenuButton != nullptr && dynamic_cast<CVrxPPopupMenuBar*>(pMenuButton->parent) != nullptr;
    if (themeOfficeMenus && (bOnMenuBar || bInPopup))
    {
        CVrxPVisualManagerXP::PaintButtonFace(pDC, pButton, rect, nState);
        return;
    }
    if (bInPopup && nState != statePressed && nState != stateHighlighted)
        return;
    const UINT nStyle = pButton != nullptr ? pButton->style : 0;
    int nThemeState = kStateNormal;
    if (nStyle & kDisabled)
        nThemeState = kStateDisabled;
    else if ((nStyle & kPressed) && nState == stateHighlighted)
        nThemeState = kStatePressed;
    else if (nStyle & kChecked)
        nThemeState = nState == stateHighlighted ? kStateHotChecked : kStateChecked;
    else if (nState == stateHighlighted)
    {
        nThemeState = kStateHot;
        if (pMenuButton != nullptr && pMenuButton->IsPopupOpen())
        {
            nThemeState = kStatePressed;
            rect.bottom--;
        }
    }
    PaintPart(themeToolbar, pDC, kToolbarButton, nThemeState, rect);
}

void CVrxPWinXPVisualManager::PaintButtonFrame(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect, int nState)
{
    if (!IsOpen(themeToolbar))
    {
        CVrxPVisualManagerXP::PaintButtonFrame(pDC, pButton, rect, nState);
        return;
    }
    const CVrxPToolbarMenuButton* pMenuButton = dynamic_cast<CVrxPToolbarMenuButton*>(pButton);
    const BOOL bMenu = pMenuButton != nullptr && (dynamic_cast<CVrxPMenuBar*>(pMenuButton->parent) != nullptr ||
                                                  dynamic_cast<CVrxPPopupMenuBar*>(pMenuButton->parent) != nullptr);
    if (themeOfficeMenus && bMenu)
        CVrxPVisualManagerXP::PaintButtonFrame(pDC, pButton, rect, nState);
}

void CVrxPWinXPVisualManager::PaintMenuButtonFrame(CDC* pDC, CVrxPToolbarMenuButton* pButton, CRect rect, int nState,
                                                   BOOL bHorizontal)
{
    if (!IsOpen(themeToolbar))
    {
        CVrxPVisualManagerXP::PaintMenuButtonFrame(pDC, pButton, rect, nState, bHorizontal);
        return;
    }
    rect.InflateRect(2, 2);
    PaintPart(themeToolbar, pDC, bHorizontal ? kToolbarSeparator : kToolbarSeparatorVert, 0, rect);
}

void CVrxPWinXPVisualManager::PaintMenuItemHighlight(CDC* pDC, CVrxPToolbarButton* pButton, CRect rect,
                                                     COLORREF* pText)
{
    if (IsOpen(themeWindow) && !themeOfficeMenus)
        CVrxPVisualManager::PaintMenuItemHighlight(pDC, pButton, rect, pText);
    else
        CVrxPVisualManagerXP::PaintMenuItemHighlight(pDC, pButton, rect, pText);
}

COLORREF CVrxPWinXPVisualManager::QueryMenuItemTextColor(CVrxPToolbarButton* pButton)
{
    CVrxPGlobals& globals = VrxPGlobals();
    if (IsOpen(themeWindow) && !themeOfficeMenus)
        return pButton != nullptr && (pButton->style & kDisabled) ? globals.colorGrayText : globals.colorSelectionText;
    return CVrxPVisualManagerXP::QueryMenuItemTextColor(pButton);
}

void CVrxPWinXPVisualManager::PaintRarelyUsedBand(CDC* pDC, CRect rect)
{
    if (!IsOpen(themeWindow) || themeOfficeMenus)
    {
        CVrxPVisualManagerXP::PaintRarelyUsedBand(pDC, rect);
        return;
    }
    const CRect rectColumn(rect.left - 1, rect.top, rect.left + 1 + 2 * QueryMenuTextMargin() + MenuImageWidth(),
                           rect.bottom);
    CVrxPPainter(*pDC).LightenRect(rectColumn, 94);
}

COLORREF CVrxPWinXPVisualManager::QueryButtonTextColor(CVrxPToolbarButton* pButton, int nState)
{
    if (IsOpen(themeToolbar) && dynamic_cast<CVrxPOutlookButton*>(pButton) == nullptr)
        return CVrxPVisualManager::QueryButtonTextColor(pButton, nState);
    return CVrxPVisualManagerXP::QueryButtonTextColor(pButton, nState);
}

void CVrxPWinXPVisualManager::PaintPushButtonFace(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed,
                                                  COLORREF* pText)
{
    if (!IsOpen(themeButton))
    {
        CVrxPVisualManager::PaintPushButtonFace(pDC, pRect, bHighlighted, bPushed, pText);
        return;
    }
    int nState = kStateNormal;
    if (bHighlighted)
        nState = kStatePressed;
    else if (bPushed)
        nState = kStateHot;
    CRect rect = *pRect;
    rect.InflateRect(1, 1);
    PaintPart(themeButton, pDC, kButtonPush, nState, rect);
}

void CVrxPWinXPVisualManager::PaintPushButtonFrame(CDC* pDC, CRect* pRect, BOOL bHighlighted, BOOL bPushed)
{
    if (!IsOpen(themeButton))
        CVrxPVisualManager::PaintPushButtonFrame(pDC, pRect, bHighlighted, bPushed);
}

COLORREF CVrxPWinXPVisualManager::PaintCustomizeSelection(CDC* pDC, CRect rect, BOOL bSelected)
{
    if (!IsOpen(themeWindow) || themeOfficeMenus)
        return CVrxPVisualManagerXP::PaintCustomizeSelection(pDC, rect, bSelected);
    CVrxPGlobals& globals = VrxPGlobals();
    pDC->FillRect(&rect, CBrush::FromHandle(::GetSysColorBrush(COLOR_MENU)));
    if (!bSelected)
        return globals.colorMenuText;
    pDC->FillRect(&rect, &globals.brushSelection);
    Ring(pDC, rect, globals.colorMenuText);
    return globals.colorSelectionText;
}

void CVrxPWinXPVisualManager::PaintButtonBackground(CDC* pDC, CRect rect, CWnd* pButton)
{
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    if (!IsOpen(themeButton) || (pLibraryButton != nullptr && pLibraryButton->closeButton))
    {
        CVrxPVisualManagerXP::PaintButtonBackground(pDC, rect, pButton);
        return;
    }
    CWnd* pParent = pButton != nullptr && pButton->GetSafeHwnd() != NULL ? pButton->GetParent() : nullptr;
    if (pParent == nullptr)
    {
        PaintControlBackground(pDC, rect);
        return;
    }
    CRect rectParent;
    pParent->GetClientRect(&rectParent);
    pParent->MapWindowPoints(pButton, &rectParent);
    PaintControlBackground(pDC, rectParent);
}

void CVrxPWinXPVisualManager::PaintButtonBorder(CDC* pDC, CRect rect, CWnd* pButton)
{
    const CVrxPButton* pLibraryButton = dynamic_cast<CVrxPButton*>(pButton);
    int nState = kStateNormal;
    if (pButton != nullptr && pButton->GetSafeHwnd() != NULL && !pButton->IsWindowEnabled())
        nState = kStateDisabled;
    else if ((pLibraryButton != nullptr && pLibraryButton->pushed && pLibraryButton->highlighted) ||
             (pButton != nullptr && pButton->GetSafeHwnd() != NULL && pButton->SendMessage(BM_GETCHECK, 0, 0) != 0))
        nState = kStatePressed;
    else if (pLibraryButton != nullptr && pLibraryButton->highlighted)
        nState = kStateHot;
    if (IsOpen(themeWindow) && pLibraryButton != nullptr && pLibraryButton->IsThemed() && pLibraryButton->closeButton)
    {
        PaintPart(themeWindow, pDC, kWindowSmallCloseButton, nState, rect);
        return;
    }
    if (!IsOpen(themeButton))
    {
        CVrxPVisualManagerXP::PaintButtonBorder(pDC, rect, pButton);
        return;
    }
    if (pButton != nullptr)
        VrxPGlobals().PaintParentBackground(pButton, pDC, &rect);
    PaintPart(themeButton, pDC, kButtonPush, nState, rect);
}
