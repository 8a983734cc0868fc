#include "LookSampler.h"

#include "app/AfxRegisterWndClass.h"
#include "docking/CVrxPBaseControlBar.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/CVrxPGlobals.h"
#include "gdi/CDC.h"
#include "gdi/CPaintDC.h"
#include "panes/CVrxPBaseTabWnd.h"
#include "panes/CVrxPHeaderCtrl.h"
#include "panes/CVrxPToolBoxButton.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPStatusPaneInfo.h"

namespace
{
void PaintCaptionSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    const CRect rectCaption(40, 10, 300, 28);
    const COLORREF colorText = pLook->PaintBarCaption(pDC, nullptr, TRUE, rectCaption, CRect());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(colorText);
    CRect rectText = rectCaption;
    rectText.left += 6;
    pDC->DrawText("Active pane", -1, &rectText, DT_SINGLELINE | DT_VCENTER);
    const UINT hits[3] = {CVrxPMiniFrameTitleButton::hitMenu, CVrxPMiniFrameTitleButton::hitPin,
                          CVrxPMiniFrameTitleButton::hitPaneClose};
    for (int i = 0; i < 3; i++)
    {
        CVrxPMiniFrameTitleButton button(hits[i]);
        button.rect = CRect(rectCaption.right - 18 * (3 - i), rectCaption.top + 1, rectCaption.right - 18 * (2 - i) - 2,
                            rectCaption.bottom - 1);
        button.highlighted = i == 0;
        pLook->PaintCaptionButton(pDC, &button, TRUE, TRUE, FALSE, FALSE);
    }
    const CRect rectInactive(40, 32, 300, 50);
    pLook->PaintBarCaption(pDC, nullptr, FALSE, rectInactive, CRect());
    CVrxPMiniFrameTitleButton pin(CVrxPMiniFrameTitleButton::hitPin);
    pin.rect = CRect(rectInactive.right - 36, rectInactive.top + 1, rectInactive.right - 20, rectInactive.bottom - 1);
    pin.pinnedOut = TRUE;
    pLook->PaintCaptionButton(pDC, &pin, FALSE, TRUE, FALSE, FALSE);
    CVrxPMiniFrameTitleButton close(CVrxPMiniFrameTitleButton::hitPaneClose);
    close.rect = CRect(rectInactive.right - 18, rectInactive.top + 1, rectInactive.right - 2, rectInactive.bottom - 1);
    pLook->PaintCaptionButton(pDC, &close, FALSE, TRUE, FALSE, TRUE);
}

void PaintControlSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    for (int nState = 0; nState < 3; nState++)
        pLook->PaintCheckBox(pDC, LookSampler::CheckBoxRect(nState), nState, FALSE, FALSE, TRUE);
    pLook->PaintSpinButton(pDC, LookSampler::SpinRect(), 0x1, FALSE, nullptr);
    pLook->PaintSpinButton(pDC, CRect(130, 58, 160, 72), 0x12, TRUE, nullptr);
    CRect rectPush(170, 56, 230, 80);
    COLORREF colorText = 0;
    pLook->PaintPushButtonFace(pDC, &rectPush, FALSE, FALSE, &colorText);
    pLook->PaintPushButtonFrame(pDC, &rectPush, FALSE, FALSE);
    CRect rectPushed(236, 56, 296, 80);
    pLook->PaintPushButtonFace(pDC, &rectPushed, TRUE, TRUE, &colorText);
    pLook->PaintPushButtonFrame(pDC, &rectPushed, TRUE, TRUE);
    pLook->PaintStatusProgress(pDC, nullptr, LookSampler::ProgressRect(), 100, 60, VrxPGlobals().colorSelection,
                               static_cast<COLORREF>(-1), static_cast<COLORREF>(-1), TRUE);
    pLook->PaintStatusPaneBorder(pDC, nullptr, CRect(300, 80, 400, 96), 0, 0);
    pLook->PaintStatusPaneBorder(pDC, nullptr, CRect(404, 80, 500, 96), 1, CVrxPStatusPaneInfo::stylePopOut);
    pLook->PaintSizeGrip(pDC, nullptr, CRect(504, 80, 520, 96));
}

void PaintTabSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    CVrxPBaseTabWnd tabs;
    tabs.location = CVrxPBaseTabWnd::locationTop;
    tabs.tabArea = LookSampler::TabAreaRect();
    tabs.tabAreaHeight = tabs.tabArea.Height();
    const char* labels[3] = {"Output", "Tasks", "Coloured"};
    tabs.tabs.resize(3);
    for (int i = 0; i < 3; i++)
        tabs.tabs[static_cast<size_t>(i)].label = labels[i];
    tabs.tabs[2].color = RGB(255, 220, 160);
    tabs.activeTab = 0;
    CRect rectBody(tabs.tabArea.left, tabs.tabArea.bottom + 2, tabs.tabArea.right, tabs.tabArea.bottom + 30);
    pLook->PaintTabAreaBackground(pDC, rectBody, &tabs);
    pDC->SetBkMode(TRANSPARENT);
    for (int i = 2; i >= 0; i--)
    {
        const CRect rectTab(tabs.tabArea.left + 4 + 90 * i, tabs.tabArea.top, tabs.tabArea.left + 90 + 90 * i,
                            tabs.tabArea.bottom);
        pLook->PaintTab(pDC, rectTab, i, i == tabs.activeTab, &tabs);
    }
    CVrxPBaseTabWnd flat;
    flat.styleCode = 1;
    flat.location = CVrxPBaseTabWnd::locationBottom;
    flat.tabArea = CRect(350, 110, 550, 128);
    flat.tabAreaHeight = flat.tabArea.Height();
    flat.tabs.resize(2);
    flat.tabs[0].label = "Sheet 1";
    flat.tabs[1].label = "Sheet 2";
    flat.activeTab = 0;
    pDC->FillSolidRect(&flat.tabArea, VrxPGlobals().colorWindow);
    pLook->PaintTab(pDC, CRect(350, 110, 440, 128), 1, FALSE, &flat);
    pLook->PaintTab(pDC, CRect(420, 110, 510, 128), 0, TRUE, &flat);
}

void PaintMenuSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    const CRect rectMenu(10, 170, 170, 280);
    pDC->FillRect(&rectMenu, &VrxPGlobals().brushBarFace);
    pLook->PaintMenuFrame(pDC, nullptr, rectMenu);
    const COLORREF colorTitle = pLook->PaintMenuTitle(pDC, CRect(12, 172, 168, 192));
    pDC->SetTextColor(colorTitle);
    CRect rectTitle(16, 172, 168, 190);
    pDC->DrawText("Menu title", -1, &rectTitle, DT_SINGLELINE | DT_VCENTER);
    const CRect rectItem(14, 198, 166, 216);
    COLORREF colorItem = 0;
    pLook->PaintMenuItemHighlight(pDC, nullptr, rectItem, &colorItem);
    pDC->SetTextColor(VrxPGlobals().colorSelectionText);
    CRect rectItemText = rectItem;
    rectItemText.left += 24;
    pDC->DrawText("Highlighted item", -1, &rectItemText, DT_SINGLELINE | DT_VCENTER);
    pLook->PaintRarelyUsedBand(pDC, CRect(14, 220, 166, 238));
    pLook->PaintShowAllButton(pDC, CRect(14, 242, 166, 256), 0);
    pLook->PaintDropDownArrow(pDC, CRect(14, 258, 166, 276), FALSE);
}

void PaintFrameSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    for (int nMode = 0; nMode < 3; nMode++)
    {
        CVrxPMiniFrameWnd frame;
        frame.pendingDockMode = nMode;
        const CRect rect(190 + 60 * nMode, 170, 240 + 60 * nMode, 220);
        pDC->FillSolidRect(&rect, VrxPGlobals().colorBarFace);
        pLook->PaintMiniFrameBorder(pDC, &frame, rect, CRect(4, 4, 4, 4));
    }
    CVrxPHeaderCtrl header;
    CRect rectHeader(190, 230, 290, 250);
    pLook->PaintHeaderBackground(&header, pDC, rectHeader);
    pLook->PaintHeaderItem(&header, pDC, &rectHeader, FALSE, FALSE);
    CRect rectArrow(270, 236, 280, 244);
    pLook->PaintHeaderSortArrow(&header, pDC, &rectArrow, TRUE);
    CRect rectPressed(292, 230, 360, 250);
    pLook->PaintHeaderBackground(&header, pDC, rectPressed);
    pLook->PaintHeaderItem(&header, pDC, &rectPressed, TRUE, FALSE);
    pLook->PaintPlusMinusBox(pDC, CRect(190, 258, 199, 267), FALSE, VrxPGlobals().colorBarShade);
    pLook->PaintPlusMinusBox(pDC, CRect(204, 258, 213, 267), TRUE, VrxPGlobals().colorBarShade);
    for (int nState = 0; nState < 3; nState++)
        pLook->PaintCalculatorButton(pDC, CRect(380 + 32 * nState, 170, 408 + 32 * nState, 194), nullptr, nState, 0,
                                     nullptr);
    pLook->PaintCalculatorDisplay(pDC, CRect(380, 200, 500, 220), nullptr, FALSE, nullptr);
    pLook->PaintBrowseButton(pDC, CRect(480, 230, 500, 250), nullptr, 0, nullptr);
    CVrxPToolBoxButton item;
    item.checked = TRUE;
    CRect rectItem(380, 230, 470, 250);
    pLook->PaintToolItemFace(pDC, rectItem, &item);
    pLook->PaintToolItemBorder(pDC, &rectItem, &item, 0);
    pLook->PaintTearOffCaption(pDC, CRect(380, 258, 500, 266), TRUE);
    pLook->PaintAutoHideButtonFace(pDC, CRect(380, 270, 470, 292), nullptr);
    pLook->PaintAutoHideButtonFrame(pDC, CRect(380, 270, 470, 292), CRect(1, 0, 1, 2), nullptr);
}
} // namespace

BOOL LookSampler::Create(CWnd* pParent, const CRect& rect)
{
    return CreateEx(0, AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW), "", WS_CHILD | WS_VISIBLE, rect, pParent, 1);
}

void LookSampler::PaintSamples(CDC* pDC)
{
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    const CRect rectAll(0, 0, width, height);
    pLook->PaintBarBackground(pDC, nullptr, rectAll, rectAll);
    CVrxPBaseControlBar bar;
    pLook->PaintBarGripper(pDC, GripperRect(), TRUE, &bar);
    pLook->PaintSeparator(pDC, &bar, CRect(22, 10, 30, 50), TRUE);
    const int nSaved = pDC->SaveDC();
    pDC->SelectObject(&VrxPGlobals().fontRegular);
    PaintCaptionSamples(pLook, pDC);
    PaintControlSamples(pLook, pDC);
    PaintTabSamples(pLook, pDC);
    PaintMenuSamples(pLook, pDC);
    PaintFrameSamples(pLook, pDC);
    pDC->RestoreDC(nSaved);
}

LRESULT LookSampler::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
    {
        CPaintDC dc(this);
        PaintSamples(&dc);
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;
    return CWnd::WindowProc(message, wParam, lParam);
}
