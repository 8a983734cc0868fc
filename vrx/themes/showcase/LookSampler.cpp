#include "LookSampler.h"

#include "app/AfxRegisterWndClass.h"
#include "docking/CVrxPBaseControlBar.h"
#include "docking/frames/CVrxPCaptionBar.h"
#include "docking/CVrxPMiniFrameTitleButton.h"
#include "docking/CVrxPMiniFrameWnd.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMemoryDC.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "gdi/CDC.h"
#include "gdi/CPaintDC.h"
#include "panes/CVrxPBaseTabWnd.h"
#include "panes/CVrxPHeaderCtrl.h"
#include "panes/navigation/CVrxPOutlookBarPane.h"
#include "panes/navigation/CVrxPOutlookButton.h"
#include "panes/navigation/CVrxPTask.h"
#include "panes/navigation/CVrxPTasksGroup.h"
#include "panes/navigation/CVrxPTasksPane.h"
#include "panes/navigation/CVrxPToolBoxButton.h"
#include "themes/CVrxPVisualManager.h"
#include "toolbars/CVrxPPopupMenuBar.h"
#include "toolbars/CVrxPStatusPaneInfo.h"
#include "toolbars/CVrxPToolbarButton.h"

namespace
{
const COLORREF kNone = static_cast<COLORREF>(-1);

// A text in the colour the look answered for its cell.
void Label(CDC* pDC, const char* lpszText, CRect rect, COLORREF color, UINT nFormat = DT_CENTER)
{
    pDC->SetTextColor(color);
    pDC->DrawText(lpszText, -1, &rect, nFormat | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void PaintCaptionSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    const CRect rectCaption(40, 10, 300, 28);
    const COLORREF colorText = pLook->PaintBarCaption(pDC, nullptr, TRUE, rectCaption, CRect());
    Label(pDC, "Active pane", CRect(46, 10, 240, 28), colorText, DT_LEFT);
    // A highlighted menu button, a pressed pin and a disabled close button.
    const int hits[3] = {CVrxPMiniFrameTitleButton::hitMenu, CVrxPMiniFrameTitleButton::hitPin,
                         CVrxPMiniFrameTitleButton::hitPaneClose};
    for (int i = 0; i < 3; i++)
    {
        CVrxPMiniFrameTitleButton button(hits[i], FALSE);
        button.x = rectCaption.right - 18 * (3 - i);
        button.y = rectCaption.top + 1;
        button.highlighted = i < 2;
        button.pushed = i == 1;
        pLook->PaintCaptionButton(pDC, &button, TRUE, TRUE, i == 0, i == 2);
    }
    const CRect rectInactive(40, 32, 300, 50);
    const COLORREF colorInactive = pLook->PaintBarCaption(pDC, nullptr, FALSE, rectInactive, CRect());
    Label(pDC, "Inactive pane", CRect(46, 32, 240, 50), colorInactive, DT_LEFT);
    // The pin of a pane hidden at its side (state 1), then a close button.
    CVrxPMiniFrameTitleButton pin(CVrxPMiniFrameTitleButton::hitPin, FALSE);
    pin.x = rectInactive.right - 36;
    pin.y = rectInactive.top + 1;
    pLook->PaintCaptionButton(pDC, &pin, FALSE, TRUE, TRUE, FALSE);
    CVrxPMiniFrameTitleButton close(CVrxPMiniFrameTitleButton::hitPaneClose, FALSE);
    close.x = rectInactive.right - 18;
    close.y = rectInactive.top + 1;
    pLook->PaintCaptionButton(pDC, &close, FALSE, TRUE, FALSE, FALSE);
}

void PaintBarSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CVrxPCaptionBar captionBar;
    const CRect rectBar = LookSampler::CaptionBarRect();
    pLook->PaintBarBackground(pDC, &captionBar, rectBar, rectBar);
    Label(pDC, "Caption bar", rectBar, pLook->QueryCaptionBarTextColor(&captionBar));
    const CRect rectRaised(310, 32, 500, 50);
    pLook->PaintCaptionBarBackground(pDC, &captionBar, rectRaised, kNone, FALSE);
    Label(pDC, "Caption bar, raised", rectRaised, globals.colorBarText);

    CVrxPPopupMenuBar whiteMenu;
    whiteMenu.whiteBackground = TRUE;
    const CRect rectMenu(510, 8, 710, 52);
    pLook->PaintBarBackground(pDC, &whiteMenu, rectMenu, rectMenu);
    pLook->PaintMenuFrame(pDC, nullptr, rectMenu);
    CVrxPToolbarButton item;
    pLook->PaintMenuCheckMark(pDC, &item, CRect(514, 12, 532, 30), FALSE, FALSE);
    Label(pDC, "Checked item", CRect(536, 12, 640, 30), globals.colorBarText, DT_LEFT);
    item.style = CVrxPToolbarButton::styleDisabled;
    pLook->PaintMenuCheckMark(pDC, &item, CRect(514, 30, 532, 48), FALSE, TRUE);
    Label(pDC, "Disabled radio", CRect(536, 30, 640, 48), pLook->QueryMenuItemTextColor(&item), DT_LEFT);
    pLook->PaintSplitMenuSeparator(pDC, &item, CRect(660, 12, 690, 48), FALSE, FALSE);
}

void PaintToolbarButtonSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    // Plain, highlighted, pressed, checked and disabled.
    const int states[5] = {0, CVrxPVisualManager::stateHighlighted, CVrxPVisualManager::statePressed, 0, 0};
    const UINT styles[5] = {0, 0, 0, CVrxPToolbarButton::styleChecked, CVrxPToolbarButton::styleDisabled};
    for (int i = 0; i < 5; i++)
    {
        CVrxPToolbarButton button;
        button.style = styles[i];
        const CRect rect(530 + 36 * i, 56, 564 + 36 * i, 80);
        pLook->PaintButtonFace(pDC, &button, rect, states[i]);
        pLook->PaintButtonFrame(pDC, &button, rect, states[i]);
        Label(pDC, "Ab", rect, pLook->QueryButtonTextColor(&button, states[i]));
    }
    const CRect rectCombo(530, 84, 620, 104);
    pLook->PaintComboBorder(pDC, rectCombo, FALSE, FALSE, TRUE, nullptr);
    pLook->PaintComboDropButton(pDC, CRect(604, 86, 618, 102), FALSE, FALSE, TRUE, nullptr);
    Label(pDC, "Combo", CRect(534, 84, 600, 104), VrxPGlobals().colorBarText, DT_LEFT);
    const CRect rectEdit(626, 84, 710, 104);
    pLook->PaintEditBorder(pDC, rectEdit, FALSE, TRUE, nullptr);
    Label(pDC, "Edit", rectEdit, VrxPGlobals().colorBarText);
}

void PaintControlSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    CVrxPGlobals& globals = VrxPGlobals();
    for (int nState = 0; nState < 3; nState++)
        pLook->PaintCheckBox(pDC, LookSampler::CheckBoxRect(nState), nState, FALSE, FALSE, TRUE);
    pLook->PaintSpinButton(pDC, LookSampler::SpinRect(), 0x1, FALSE, nullptr);
    pLook->PaintSpinButton(pDC, CRect(130, 58, 160, 72), 0x12, TRUE, nullptr);
    CRect rectPush(170, 56, 230, 80);
    COLORREF colorText = 0;
    pLook->PaintPushButtonFace(pDC, &rectPush, FALSE, FALSE, &colorText);
    pLook->PaintPushButtonFrame(pDC, &rectPush, FALSE, FALSE);
    Label(pDC, "Push", rectPush, colorText);
    CRect rectPushed(236, 56, 296, 80);
    pLook->PaintPushButtonFace(pDC, &rectPushed, TRUE, TRUE, &colorText);
    pLook->PaintPushButtonFrame(pDC, &rectPushed, TRUE, TRUE);
    Label(pDC, "Pushed", rectPushed, colorText);
    pLook->PaintStatusProgress(pDC, nullptr, LookSampler::ProgressRect(), 100, 60, globals.colorSelection, kNone,
                               kNone, TRUE);
    CVrxPStatusPaneInfo pane;
    const CRect rectReady(300, 80, 400, 96);
    pLook->PaintStatusPaneBorder(pDC, nullptr, rectReady, 0, pane.style);
    Label(pDC, "Ready", rectReady, pLook->QueryStatusPaneTextColor(nullptr, &pane));
    pane.style = CVrxPStatusPaneInfo::stylePopOut | CVrxPStatusPaneInfo::styleDisabled;
    const CRect rectPopOut(404, 80, 500, 96);
    pLook->PaintStatusPaneBorder(pDC, nullptr, rectPopOut, 1, pane.style);
    Label(pDC, "Pop-out", rectPopOut, pLook->QueryStatusPaneTextColor(nullptr, &pane));
    pLook->PaintSizeGrip(pDC, nullptr, CRect(504, 80, 520, 96));
}

// Tabs left of the active one first, from the last, then the active one: a
// tab window's order, so that neighbours overlap as the style wants.
void PaintTabStrip(CVrxPVisualManager* pLook, CDC* pDC, CVrxPBaseTabWnd& tabs, int nWidth, int nStep)
{
    pLook->PaintTabAreaBackground(pDC, tabs.tabArea, &tabs);
    const int nCount = static_cast<int>(tabs.tabs.size());
    for (int i = nCount - 1; i >= -1; i--)
    {
        const int nIndex = i >= 0 ? i : tabs.activeTab;
        if (i >= 0 && i == tabs.activeTab)
            continue;
        const CRect rectTab(tabs.tabArea.left + nStep * nIndex, tabs.tabArea.top,
                            tabs.tabArea.left + nStep * nIndex + nWidth, tabs.tabArea.bottom);
        pLook->PaintTab(pDC, rectTab, nIndex, nIndex == tabs.activeTab, &tabs);
    }
}

void SetUpTabs(CVrxPBaseTabWnd& tabs, int nStyle, CVrxPBaseTabWnd::Location location, const CRect& area,
               std::initializer_list<const char*> labels, int nActive)
{
    tabs.styleCode = nStyle;
    tabs.location = location;
    tabs.tabArea = area;
    tabs.tabAreaHeight = area.Height();
    for (const char* label : labels)
    {
        CVrxPBaseTabWnd::Tab tab;
        tab.label = label;
        tabs.tabs.push_back(tab);
    }
    tabs.activeTab = nActive;
}

void PaintTabSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    CVrxPBaseTabWnd threeD;
    SetUpTabs(threeD, 0, CVrxPBaseTabWnd::locationTop, LookSampler::TabAreaRect(), {"Output", "Tasks", "Coloured"}, 0);
    threeD.tabs[2].color = RGB(255, 220, 160);
    PaintTabStrip(pLook, pDC, threeD, 86, 90);

    CVrxPBaseTabWnd flat;
    SetUpTabs(flat, 1, CVrxPBaseTabWnd::locationBottom, CRect(350, 110, 520, 128), {"Sheet 1", "Sheet 2"}, 0);
    PaintTabStrip(pLook, pDC, flat, 90, 70);

    CVrxPBaseTabWnd slanted;
    SetUpTabs(slanted, 4, CVrxPBaseTabWnd::locationBottom, CRect(10, 138, 250, 158), {"One", "Two", "Three"}, 1);
    PaintTabStrip(pLook, pDC, slanted, 100, 70);
    CVrxPBaseTabWnd straight;
    SetUpTabs(straight, 5, CVrxPBaseTabWnd::locationTop, CRect(260, 138, 510, 158), {"One", "Two", "Three"}, 0);
    straight.tabs[2].color = RGB(200, 230, 255);
    PaintTabStrip(pLook, pDC, straight, 100, 70);

    CVrxPBaseTabWnd stepped;
    SetUpTabs(stepped, 6, CVrxPBaseTabWnd::locationBottom, CRect(10, 166, 250, 188), {"Page", "Steps", "More"}, 0);
    PaintTabStrip(pLook, pDC, stepped, 76, 80);
    CVrxPBaseTabWnd steppedTop;
    SetUpTabs(steppedTop, 7, CVrxPBaseTabWnd::locationTop, CRect(260, 166, 510, 188), {"Page", "Steps", "More"}, 1);
    steppedTop.tabs[2].color = RGB(255, 220, 160);
    PaintTabStrip(pLook, pDC, steppedTop, 76, 80);
}

void PaintMenuSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    CVrxPGlobals& globals = VrxPGlobals();
    const CRect rectMenu(10, 196, 170, 306);
    pDC->FillRect(&rectMenu, &globals.brushBarFace);
    pLook->PaintMenuFrame(pDC, nullptr, rectMenu);
    const COLORREF colorTitle = pLook->PaintMenuTitle(pDC, CRect(12, 198, 168, 218));
    Label(pDC, "Menu title", CRect(16, 198, 168, 216), colorTitle, DT_LEFT);
    const CRect rectItem(14, 224, 166, 242);
    COLORREF colorItem = 0;
    pLook->PaintMenuItemHighlight(pDC, nullptr, rectItem, &colorItem);
    CVrxPToolbarButton item;
    Label(pDC, "Highlighted item", CRect(38, 224, 166, 242), pLook->QueryMenuItemTextColor(&item), DT_LEFT);
    const CRect rectRare(14, 246, 166, 264);
    pLook->PaintRarelyUsedBand(pDC, rectRare);
    Label(pDC, "Rarely used", CRect(38, 246, 166, 264), globals.colorBarText, DT_LEFT);
    pLook->PaintShowAllButton(pDC, CRect(14, 268, 166, 282), 0);
    pLook->PaintDropDownArrow(pDC, CRect(14, 284, 166, 302), FALSE);
}

void PaintFrameSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    CVrxPGlobals& globals = VrxPGlobals();
    for (int nMode = 0; nMode < 3; nMode++)
    {
        CVrxPMiniFrameWnd frame;
        frame.pendingDockMode = nMode;
        const CRect rect(190 + 60 * nMode, 196, 240 + 60 * nMode, 246);
        pDC->FillSolidRect(&rect, globals.colorBarFace);
        pLook->PaintMiniFrameBorder(pDC, &frame, rect, CRect(4, 4, 4, 4));
    }
    CVrxPHeaderCtrl header;
    CRect rectHeader(190, 256, 290, 276);
    pLook->PaintHeaderBackground(&header, pDC, rectHeader);
    pLook->PaintHeaderItem(&header, pDC, &rectHeader, FALSE, FALSE);
    Label(pDC, "Name", CRect(196, 256, 260, 276), globals.colorBarText, DT_LEFT);
    CRect rectArrow(270, 262, 280, 270);
    pLook->PaintHeaderSortArrow(&header, pDC, &rectArrow, TRUE);
    CRect rectPressed(292, 256, 360, 276);
    pLook->PaintHeaderBackground(&header, pDC, rectPressed);
    pLook->PaintHeaderItem(&header, pDC, &rectPressed, TRUE, FALSE);
    Label(pDC, "Size", rectPressed, globals.colorBarText);
    pLook->PaintPlusMinusBox(pDC, CRect(190, 284, 199, 293), FALSE, globals.colorBarShade);
    pLook->PaintPlusMinusBox(pDC, CRect(204, 284, 213, 293), TRUE, globals.colorBarShade);

    const char* keys[3] = {"7", "8", "9"};
    for (int nState = 0; nState < 3; nState++)
    {
        const CRect rectKey(380 + 32 * nState, 196, 408 + 32 * nState, 220);
        pLook->PaintCalculatorButton(pDC, rectKey, nullptr, nState, 0, nullptr);
        Label(pDC, keys[nState], rectKey, globals.colorBarText);
    }
    const CRect rectDisplay(380, 226, 500, 246);
    pLook->PaintCalculatorDisplay(pDC, rectDisplay, nullptr, FALSE, nullptr);
    Label(pDC, "0.  ", rectDisplay, globals.colorWindowText, DT_RIGHT);
    pLook->PaintBrowseButton(pDC, CRect(480, 256, 500, 276), nullptr, 0, nullptr);
    CVrxPMenuGlyphs::DrawGlyphCentered(pDC, CVrxPMenuGlyphs::arrowDown, CRect(480, 256, 500, 276),
                                       CVrxPMenuGlyphs::black);
    CVrxPToolBoxButton tool;
    tool.checked = TRUE;
    CRect rectTool(380, 256, 470, 276);
    pLook->PaintToolItemFace(pDC, rectTool, &tool);
    pLook->PaintToolItemBorder(pDC, &rectTool, &tool, 0);
    Label(pDC, "Pointer", rectTool, globals.colorBarText);
    pLook->PaintTearOffCaption(pDC, CRect(380, 284, 500, 292), TRUE);
    const CRect rectHidden(380, 296, 470, 318);
    pLook->PaintAutoHideButtonFace(pDC, rectHidden, nullptr);
    pLook->PaintAutoHideButtonFrame(pDC, rectHidden, CRect(1, 0, 1, 2), nullptr);
    Label(pDC, "Hidden", rectHidden, pLook->QueryAutoHideButtonTextColor(nullptr));
}

void PaintTasksPaneSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    CVrxPGlobals& globals = VrxPGlobals();
    CRect rectPane = LookSampler::TasksPaneRect();
    pLook->PaintTasksPaneBackground(pDC, rectPane);
    pLook->PaintTasksPaneBorder(pDC, &rectPane);

    CVrxPTasksPane pane;
    CVrxPTasksGroup special;
    special.pane = &pane;
    special.captionRect = CRect(rectPane.left + 6, rectPane.top + 6, rectPane.right - 6, rectPane.top + 31);
    special.name = "Common tasks";
    special.special = TRUE;
    special.icon = ::LoadIcon(NULL, IDI_INFORMATION);
    special.iconSize = CSize(globals.smallIconWidth, globals.smallIconHeight);
    pLook->PaintTaskGroupCaption(pDC, &special, TRUE, FALSE, TRUE);
    CRect rectGroup(special.captionRect.left, special.captionRect.bottom, special.captionRect.right,
                    special.captionRect.bottom + 72);
    pLook->PaintTaskGroupBackground(pDC, rectGroup, TRUE);
    pLook->PaintTaskGroupFrame(pDC, rectGroup, TRUE, FALSE);
    // A hot command, a disabled one, a separator and a bold label.
    const char* texts[4] = {"Open a file", "Close it", "", "A bold label"};
    for (int i = 0; i < 4; i++)
    {
        CVrxPTask task;
        task.group = &special;
        task.rect = CRect(rectGroup.left + 12, rectGroup.top + 4 + 16 * i, rectGroup.right - 4, rectGroup.top + 20 + 16 * i);
        task.text = texts[i];
        task.commandId = i < 2 ? 100 + static_cast<UINT>(i) : 0;
        task.enabled = i != 1;
        task.separator = i == 2;
        task.bold = i == 3;
        pLook->PaintTask(pDC, &task, nullptr, i == 0, 0);
    }

    CVrxPTasksGroup plain;
    plain.pane = &pane;
    plain.captionRect = CRect(rectGroup.left, rectGroup.bottom + 8, rectGroup.right, rectGroup.bottom + 33);
    plain.name = "Details";
    plain.collapsed = TRUE;
    pLook->PaintTaskGroupCaption(pDC, &plain, FALSE, FALSE, TRUE);

    CVrxPToolBoxEx toolBox;
    CVrxPTasksGroup page;
    page.pane = &toolBox;
    page.captionRect = CRect(plain.captionRect.left, plain.captionRect.bottom + 8, plain.captionRect.right,
                             plain.captionRect.bottom + 33);
    page.name = "Toolbox page";
    pLook->PaintTaskGroupCaption(pDC, &page, FALSE, FALSE, TRUE);

    CRect rectScroll(rectPane.left + 6, rectPane.bottom - 20, rectPane.right - 6, rectPane.bottom - 6);
    pLook->PaintTasksPaneScrollButton(pDC, &rectScroll, 0, CVrxPMenuGlyphs::arrowDown, TRUE);
}

// The outlook window's 2003 layout: the active page's caption, the page,
// the splitter bar and a page button below it.
void PaintOutlookSamples(CVrxPVisualManager* pLook, CDC* pDC)
{
    const CRect rectAll = LookSampler::OutlookPaneRect();
    const CRect rectCaption(rectAll.left, rectAll.top, rectAll.right, rectAll.top + 20);
    COLORREF colorCaption = VrxPGlobals().colorButtonText;
    pLook->PaintOutlookPageCaption(pDC, rectCaption, &colorCaption);
    Label(pDC, "Shortcuts", rectCaption, colorCaption);
    const CRect rectSplitter = LookSampler::OutlookSplitterRect();
    CRect rectPageButton(rectAll.left, rectSplitter.bottom, rectAll.right, rectAll.bottom);
    COLORREF colorPageButton = VrxPGlobals().colorButtonText;
    pLook->PaintPushButtonFace(pDC, &rectPageButton, FALSE, FALSE, &colorPageButton);
    pLook->PaintPushButtonFrame(pDC, &rectPageButton, FALSE, FALSE);
    Label(pDC, "Folders", rectPageButton, colorPageButton);

    CVrxPOutlookBarPane pane;
    const CRect rectPane(rectAll.left, rectCaption.bottom, rectAll.right, rectSplitter.top);
    pLook->PaintBarBackground(pDC, &pane, rectPane, rectPane);
    // A highlighted button, a plain one and a disabled one.
    const char* texts[3] = {"Inbox", "Calendar", "Archive"};
    for (int i = 0; i < 3; i++)
    {
        CVrxPOutlookButton button;
        button.style = i == 2 ? CVrxPToolbarButton::styleDisabled : 0;
        const int nState = i == 0 ? CVrxPVisualManager::stateHighlighted : 0;
        const CRect rect(rectPane.left + 30, rectPane.top + 2 + 16 * i, rectPane.right - 30, rectPane.top + 18 + 16 * i);
        pLook->PaintButtonFace(pDC, &button, rect, nState);
        pLook->PaintButtonFrame(pDC, &button, rect, nState);
        Label(pDC, texts[i], rect, pLook->QueryButtonTextColor(&button, nState));
    }
    pLook->PaintOutlookPageButton(pDC, rectSplitter);

    const CRect rectSheet(180, 330, 340, 348);
    Label(pDC, "Selected sheet", rectSheet, pLook->PaintSheetListItem(pDC, nullptr, rectSheet, TRUE, TRUE));
    // A row of the customise dialog's command list, in the list's own
    // coordinates: a look may start the selection at the list's left edge.
    const CRect rectRow = LookSampler::CustomizeRowRect();
    const CPoint oldOrigin = pDC->OffsetViewportOrg(rectRow.left, 0);
    const CRect rectInList(0, rectRow.top, rectRow.Width(), rectRow.bottom);
    Label(pDC, "Customize selection", rectInList, pLook->PaintCustomizeSelection(pDC, rectInList, TRUE));
    pDC->SetViewportOrg(oldOrigin);

    CVrxPBaseControlBar slider;
    slider.barStyle = 0x2000;
    pLook->PaintSliderBackground(pDC, &slider, CRect(350, 330, 520, 336), TRUE);
    const CRect rectAppBar(350, 344, 520, 398);
    pLook->PaintAppBarFrame(pDC, nullptr, rectAppBar, CRect(4, 4, 4, 4));
    pLook->PaintAppBarCaption(pDC, nullptr, CRect(354, 348, 516, 366), "Application bar");
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
    pDC->SetBkMode(TRANSPARENT);
    PaintCaptionSamples(pLook, pDC);
    PaintBarSamples(pLook, pDC);
    PaintControlSamples(pLook, pDC);
    PaintToolbarButtonSamples(pLook, pDC);
    PaintTabSamples(pLook, pDC);
    PaintMenuSamples(pLook, pDC);
    PaintFrameSamples(pLook, pDC);
    PaintTasksPaneSamples(pLook, pDC);
    PaintOutlookSamples(pLook, pDC);
    pDC->RestoreDC(nSaved);
}

LRESULT LookSampler::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
    {
        // Drawn off screen and put on it at once: every call on the
        // window's own DC costs a trip to the display.
        CPaintDC dc(this);
        CVrxPMemoryDC memory(dc, this);
        PaintSamples(&memory.GetDC());
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;
    return CWnd::WindowProc(message, wParam, lParam);
}
