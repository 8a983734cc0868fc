#include "panes/CVrxPTabWnd.h"

#include "foundation/CVrxPContextMenuManager.h"
#include "foundation/CVrxPGlobals.h"
#include "foundation/CVrxPMemoryDC.h"
#include "foundation/CVrxPMenuGlyphs.h"
#include "foundation/VrxPMakeWindowClass.h"
#include "gdi/CClientDC.h"
#include "gdi/CPaintDC.h"
#include "themes/CVrxPVisualManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CVrxPTabWnd, CVrxPBaseTabWnd)

std::map<UINT, HICON> CVrxPTabWnd::s_tabMenuIcons;

BEGIN_MESSAGE_MAP(CVrxPTabWnd, CVrxPBaseTabWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
// Shared menu glyphs of the strip buttons.
const int glyphClose = 5;
const int glyphFlatNext = 14;
const int glyphFlatPrevious = 17;
const int glyphFlatFirst = 18;
const int glyphFlatLast = 19;
const int glyphNext = 20;
const int glyphPrevious = 21;
const int glyphNextDisabled = 22;
const int glyphPreviousDisabled = 23;
const int glyphList = 13;
const int glyphListWithHidden = 33;
const int scrollRepeatDelay = 50;
} // namespace

CVrxPTabWnd::CVrxPTabWnd()
    : hasCloseButton(FALSE), hasContentFrame(TRUE), positionTabWindows(TRUE), hideWhenNoTabs(FALSE),
      m_bFlat(FALSE), m_bSlanted(FALSE), m_bSlantedNarrow(FALSE), m_bRounded(FALSE), m_bScrollButtons(FALSE),
      m_nScrollOffset(0), m_nLargestOffset(0), m_nTabsWidth(0), m_nButtonSize(0), m_bListMode(FALSE),
      m_bTabsHiddenInListMode(FALSE)
{
    destroyWindowsOnRemove = TRUE;
}

BOOL CVrxPTabWnd::Create(int nStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, Location tabLocation,
                         BOOL bCloseButton)
{
    styleCode = nStyle;
    m_bFlat = nStyle == TabStyleFlat || nStyle == TabStyleFlatSharedScroll;
    m_bSlanted = nStyle == TabStyleSlanted;
    m_bSlantedNarrow = nStyle == TabStyleSlantedNarrow;
    m_bRounded = nStyle == TabStyleRounded || nStyle == TabStyleRoundedScrolled;
    m_bScrollButtons = nStyle != TabStyleRectangular && nStyle != TabStyleRounded;
    location = tabLocation;
    hasCloseButton = bCloseButton;
    const CString className = VrxPMakeWindowClass("VrxPTabWnd");
    return CWnd::Create(className, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, pParentWnd,
                        nID);
}

// The buttons and scroll bar stay as the window was created with.
BOOL CVrxPTabWnd::SwitchTabStyle(int nStyle)
{
    styleCode = nStyle;
    m_bFlat = nStyle == TabStyleFlat;
    m_bSlanted = nStyle == TabStyleSlanted;
    m_bSlantedNarrow = nStyle == TabStyleSlantedNarrow;
    m_bRounded = nStyle == TabStyleRounded || nStyle == TabStyleRoundedScrolled;
    ApplyButtonGlyphs();
    RecalcTabHeight();
    return TRUE;
}

int CVrxPTabWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CVrxPBaseTabWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_bScrollButtons)
    {
        m_buttonOrder = m_bFlat ? std::vector<ButtonKind>{buttonFirst, buttonPrevious, buttonNext, buttonLast,
                                                          buttonClose}
                                : std::vector<ButtonKind>{buttonPrevious, buttonNext, buttonClose};
        for (ButtonKind kind : m_buttonOrder)
        {
            CVrxPTabStripButton& button = m_buttons[kind];
            button.borderStyle = CVrxPButton::borderFlat;
            button.drawFocus = FALSE;
            if (!button.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, static_cast<UINT>(-1)))
                return -1;
        }
        if (m_bFlat)
        {
            m_buttons[buttonFirst].UseMenuGlyph(glyphFlatFirst, 0, 0);
            m_buttons[buttonPrevious].UseMenuGlyph(glyphFlatPrevious, 0, 0);
            m_buttons[buttonNext].UseMenuGlyph(glyphFlatNext, 0, 0);
            m_buttons[buttonLast].UseMenuGlyph(glyphFlatLast, 0, 0);
            m_buttons[buttonClose].UseMenuGlyph(glyphClose, 0, 0);
            m_buttons[buttonPrevious].SetRepeatDelay(scrollRepeatDelay);
            m_buttons[buttonNext].SetRepeatDelay(scrollRepeatDelay);
        }
        else
        {
            ApplyButtonGlyphs();
            m_buttons[buttonClose].AssignTooltipText("Close");
            m_buttons[buttonPrevious].AssignTooltipText("Scroll Left");
            m_buttons[buttonNext].AssignTooltipText("Scroll Right");
        }
    }
    RecalcTabHeight();
    return 0;
}

void CVrxPTabWnd::ApplyButtonGlyphs()
{
    if (!m_bScrollButtons || m_bFlat)
        return;
    const int nVariant = styleCode >= TabStyleSlanted ? 0 : 4;
    m_buttons[buttonPrevious].UseMenuGlyph(glyphPrevious, nVariant, glyphPreviousDisabled);
    if (m_bListMode)
        m_buttons[buttonNext].UseMenuGlyph(glyphList, nVariant, glyphList);
    else
        m_buttons[buttonNext].UseMenuGlyph(glyphNext, nVariant, glyphNextDisabled);
    m_buttons[buttonClose].UseMenuGlyph(glyphClose, nVariant, 0);
    const int nRepeat = styleCode == TabStyleSlanted || m_bListMode ? 0 : scrollRepeatDelay;
    m_buttons[buttonPrevious].SetRepeatDelay(nRepeat);
    m_buttons[buttonNext].SetRepeatDelay(nRepeat);
}

void CVrxPTabWnd::RecalcTabHeight()
{
    const CVrxPGlobals& globals = VrxPGlobals();
    if (m_bFlat)
        tabAreaHeight = ::GetSystemMetrics(SM_CYHSCROLL) + tabTextMargin / 2;
    else if (m_bSlantedNarrow)
        tabAreaHeight = std::max(globals.textHeight + 2, imageSize.cy > 0 ? static_cast<int>(imageSize.cy) + 4 : 0);
    else
        CVrxPBaseTabWnd::RecalcTabHeight();
}

BOOL CVrxPTabWnd::IsStripHidden() const
{
    const int nVisible = CountVisibleTabs();
    return (m_bHideSingleTab && nVisible < 2) || (hideWhenNoTabs && nVisible == 0);
}

int CVrxPTabWnd::TabAreaHeight() const
{
    return IsStripHidden() && styleCode != TabStyleFlatSharedScroll ? 0 : tabAreaHeight;
}

void CVrxPTabWnd::ArrangeTabs()
{
    if (GetSafeHwnd() == NULL)
        return;
    const int h = TabAreaHeight();
    const int b = TabBorderSize();
    const BOOL bHidden = IsStripHidden();
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect strip = rectClient;
    strip.DeflateRect(2, 0);

    int nButtonsWidth = 0;
    if (m_bScrollButtons)
    {
        m_nButtonSize = CVrxPMenuGlyphs::GetImageSize().cx + CVrxPVisualManager::Instance()->QueryButtonExtraSize().cx + 4;
        if (!m_bFlat)
            m_nButtonSize = std::min(m_nButtonSize + 2, h - 4);
        const int nShown = static_cast<int>(m_buttonOrder.size()) - (hasCloseButton ? 0 : 1) - (m_bListMode ? 1 : 0);
        nButtonsWidth = bHidden ? 0 : nShown * (m_nButtonSize + buttonSpacing);
    }

    if (m_bFlat)
    {
        if (location == locationTop)
            strip.top += b > 1 ? b - 1 : 0;
        else
            strip.top = rectClient.bottom - h - (b > 1 ? b - 1 : 0);
        strip.bottom = strip.top + h;
        strip.left += nButtonsWidth + 1;
        strip.right -= 1;
        if (strip.left >= strip.right)
        {
            strip.left = rectClient.left + (b < 1 ? 0 : b + 1);
            strip.right = rectClient.right - (b < 1 ? 0 : b + 1);
        }
        const BOOL bNoRoom = rectClient.Height() < h + b;
        if (bNoRoom)
            strip.left = strip.right = 0;
        if (m_bScrollButtons)
            PositionButtons(rectClient.left + b + 1, strip.top + std::max(0, (h - m_nButtonSize) / 2),
                            bNoRoom ? 0 : m_nButtonSize, bHidden);
    }
    else
    {
        if (location == locationTop)
        {
            strip.bottom = strip.top + h;
        }
        else
        {
            strip.top = rectClient.bottom - h;
            strip.bottom = rectClient.bottom;
        }
        if (m_bScrollButtons)
        {
            strip.right -= nButtonsWidth;
            if (styleCode >= TabStyleSlanted && !m_bListMode)
                strip.left += m_nButtonSize;
            PositionButtons(strip.right + 1, strip.top + std::max(0, (h - m_nButtonSize) / 2), m_nButtonSize,
                            bHidden);
        }
    }
    tabArea = strip;

    m_rectContent = rectClient;
    if (b > 0)
        m_rectContent.DeflateRect(b + 1, b + 1);
    if (location == locationTop)
        m_rectContent.top = strip.bottom + b;
    else
        m_rectContent.bottom = m_bFlat ? strip.top : strip.top - b;

    // Windows already in place are left alone: moving a hundred of them is
    // most of a layout's time.
    if (positionTabWindows)
    {
        for (const Tab& tab : tabs)
        {
            if (!tab.visible || tab.window == nullptr || tab.window->GetSafeHwnd() == NULL)
                continue;
            CRect rectNow;
            tab.window->GetWindowRect(&rectNow);
            ScreenToClient(&rectNow);
            if (rectNow != m_rectContent)
                tab.window->SetWindowPos(nullptr, m_rectContent.left, m_rectContent.top, m_rectContent.Width(),
                                         m_rectContent.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    RecalcTabRects();
    UpdateScrollState();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CVrxPTabWnd::PositionButtons(int x, int y, int nSize, BOOL bHidden)
{
    for (ButtonKind kind : m_buttonOrder)
    {
        CVrxPTabStripButton& button = m_buttons[kind];
        if (button.GetSafeHwnd() == NULL)
            continue;
        if (bHidden || (kind == buttonClose && !hasCloseButton) || (m_bListMode && kind == m_buttonOrder.front()))
        {
            button.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
            continue;
        }
        if (kind == buttonPrevious && styleCode >= TabStyleSlanted && !m_bFlat)
        {
            button.SetWindowPos(nullptr, tabArea.left - nSize - 1, y, nSize, nSize, SWP_NOZORDER | SWP_NOACTIVATE);
            continue;
        }
        button.SetWindowPos(nullptr, x, y, nSize, nSize, SWP_NOZORDER | SWP_NOACTIVATE);
        x += nSize + buttonSpacing;
    }
}

void CVrxPTabWnd::RecalcTabRects()
{
    m_bTabsHiddenInListMode = FALSE;
    const int nVisible = CountVisibleTabs();
    const int h = tabArea.Height();
    if (nVisible == 0 || h <= 0)
        return;
    if (m_bHideSingleTab && nVisible <= 1)
    {
        for (Tab& tab : tabs)
            tab.rect.SetRectEmpty();
        return;
    }
    CClientDC dc(this);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), m_bFlat ? VrxPGlobals().fontBold.GetSafeHandle()
                                                              : VrxPGlobals().fontRegular.GetSafeHandle());
    const int nTopShift = location == locationTop ? 2 : 0;
    auto layRect = [&](Tab& tab, int x, int nWidth) {
        tab.rect.SetRect(x, tabArea.top + nTopShift, x + nWidth, tabArea.bottom - 2 + nTopShift);
    };
    int x = tabArea.left - m_nScrollOffset;
    m_nTabsWidth = 0;
    BOOL bFirst = TRUE;
    for (int i = 0; i < CountTabs(); i++)
    {
        Tab& tab = tabs[static_cast<size_t>(i)];
        if (!tab.visible)
        {
            tab.fullWidth = 0;
            tab.rect.SetRectEmpty();
            continue;
        }
        CSize label(0, 0);
        if (!tab.labelHidden)
            ::GetTextExtentPoint32(dc.GetSafeHdc(), tab.label, tab.label.GetLength(), &label);
        int nWidth = label.cx + 2 * tabTextMargin + tabImageMargin + (TabHasIcon(i) ? imageSize.cx : 0);
        int nOverlap = 0;
        if (m_bRounded)
        {
            nWidth += h / 2;
            nOverlap = h / 2;
        }
        else if (m_bSlanted)
        {
            nWidth += h + 2 * tabImageMargin;
            nOverlap = h - tabImageMargin - 1;
        }
        else if (m_bSlantedNarrow)
        {
            nWidth += h - tabImageMargin;
            nOverlap = h - tabImageMargin - 1;
        }
        tab.fullWidth = nWidth;
        layRect(tab, x, nWidth);
        if (m_bListMode && tab.rect.right > tabArea.right)
        {
            // The active first tab stays, cut at the edge, while its label
            // still has room.
            if (bFirst && i == activeTab && tabArea.right - tab.rect.left >= nOverlap + 2 * tabTextMargin)
            {
                tab.rect.right = tabArea.right;
            }
            else
            {
                tab.rect.SetRectEmpty();
                m_bTabsHiddenInListMode = TRUE;
            }
        }
        x += nWidth - nOverlap + 1;
        m_nTabsWidth += nWidth + 1 - (bFirst ? 0 : nOverlap);
        bFirst = FALSE;
        if (m_bFlat && !tab.rect.IsRectEmpty())
            tab.rect.right += h / 2;
    }
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
    if (m_bScrollButtons || x < tabArea.right)
    {
        m_nTabsWidth += h / 2;
        return;
    }

    // Tabs that do not fit share the strip; those narrower than the share
    // keep their width and give the room left to the others.
    const int nStripWidth = tabArea.Width();
    const int nImageWidth = imageSize.cx;
    int nShare = m_bRounded ? std::max((nStripWidth - h / 3) / nVisible, static_cast<int>(nImageWidth) + h / 2)
                            : nStripWidth / nVisible - 1;
    int nRoomLeft = 0;
    int nWider = 0;
    for (const Tab& tab : tabs)
    {
        if (!tab.visible)
            continue;
        if (tab.fullWidth < nShare)
            nRoomLeft += nShare - tab.fullWidth;
        else
            nWider++;
    }
    if (nWider > 0)
        nShare += nRoomLeft / nWider;
    x = tabArea.left;
    for (Tab& tab : tabs)
    {
        if (!tab.visible)
            continue;
        int nWidth = std::min(tab.fullWidth, nShare);
        if (nShare < tabImageMargin + nImageWidth)
            nWidth = (nStripWidth + 2 * m_nBorderSize) / nVisible;
        if (tab.labelHidden || tab.label.IsEmpty())
            nWidth = nImageWidth + 2 * tabTextMargin;
        if (m_bRounded)
            nWidth += h / 2 - 1;
        layRect(tab, x, nWidth);
        x += nWidth - (m_bRounded ? h / 2 : 0) + (nRoomLeft > 0 ? 1 : 0);
    }
    m_nTabsWidth = x - tabArea.left;
}

int CVrxPTabWnd::WholeTabOverlap() const
{
    return tabArea.Height() - tabImageMargin - 1;
}

void CVrxPTabWnd::UpdateScrollState()
{
    if (!m_bScrollButtons || tabs.empty())
    {
        m_nScrollOffset = m_nLargestOffset = firstShownTab = 0;
        UpdateButtonStates();
        return;
    }
    m_nLargestOffset = std::max(0, static_cast<int>(tabArea.left) + m_nTabsWidth - static_cast<int>(tabArea.right));
    const int nOldOffset = m_nScrollOffset;
    m_nScrollOffset = std::max(0, m_nScrollOffset);
    if (styleCode <= TabStyleRectangularScrolled)
        m_nScrollOffset = std::min(m_nScrollOffset, m_nLargestOffset);
    if (m_nScrollOffset != nOldOffset)
    {
        RecalcTabRects();
        if (GetSafeHwnd() != NULL)
            InvalidateRect(&tabArea);
    }
    UpdateButtonStates();
}

void CVrxPTabWnd::UpdateButtonStates()
{
    if (!m_bScrollButtons || m_bFlat || PreviousButton().GetSafeHwnd() == NULL)
        return;
    BOOL bPrevious = FALSE;
    BOOL bNext = FALSE;
    if (!tabs.empty())
    {
        if (styleCode <= TabStyleRectangularScrolled)
        {
            bPrevious = m_nScrollOffset > 0;
            bNext = m_bListMode || m_nScrollOffset < m_nLargestOffset;
        }
        else
        {
            bPrevious = firstShownTab > 0;
            const Tab& last = tabs.back();
            bNext = m_bListMode || (last.rect.right > tabArea.right && firstShownTab < CountTabs() - 1);
        }
    }
    if (m_bListMode)
    {
        const int nVariant = styleCode >= TabStyleSlanted ? 0 : 4;
        NextButton().UseMenuGlyph(m_bTabsHiddenInListMode ? glyphListWithHidden : glyphList, nVariant, glyphList);
    }
    for (auto& entry : {std::make_pair(&PreviousButton(), bPrevious), std::make_pair(&NextButton(), bNext)})
    {
        if (!entry.second)
            entry.first->SendMessage(WM_CANCELMODE);
        entry.first->EnableWindow(entry.second);
    }
}

BOOL CVrxPTabWnd::EnsureTabVisible(int nIndex)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    if (!m_bScrollButtons || tabArea.IsRectEmpty())
        return TRUE;
    const CRect rectTab = tabs[static_cast<size_t>(nIndex)].rect;
    if (m_bListMode)
    {
        // A tab left out of the strip comes to its front.
        if (nIndex != 0 && (rectTab.IsRectEmpty() || rectTab.left >= tabArea.right))
            MoveTabTo(nIndex, 0);
        return TRUE;
    }
    const int nOldOffset = m_nScrollOffset;
    if (styleCode >= TabStyleSlanted)
    {
        if (rectTab.left >= tabArea.left && rectTab.right <= tabArea.right)
            return TRUE;
        const int nOverlap = WholeTabOverlap();
        int nSum = 0;
        for (int i = 0; i <= nIndex; i++)
            if (tabs[static_cast<size_t>(i)].visible)
                nSum += tabs[static_cast<size_t>(i)].fullWidth - nOverlap;
        int nFirst = 0;
        int nSkipped = 0;
        while (nFirst < nIndex && tabArea.Width() < nSum - nSkipped)
        {
            if (tabs[static_cast<size_t>(nFirst)].visible)
                nSkipped += tabs[static_cast<size_t>(nFirst)].fullWidth - nOverlap;
            nFirst++;
        }
        firstShownTab = nFirst;
        m_nScrollOffset = nSkipped;
    }
    else if (rectTab.left < tabArea.left)
    {
        m_nScrollOffset += rectTab.left - tabArea.left;
    }
    else if (rectTab.right > tabArea.right && rectTab.Width() <= tabArea.Width())
    {
        m_nScrollOffset += rectTab.right - tabArea.right;
    }
    if (m_nScrollOffset != nOldOffset)
        AfterScroll(nOldOffset);
    return TRUE;
}

void CVrxPTabWnd::AfterScroll(int nOldOffset)
{
    m_nScrollOffset = std::max(0, m_nScrollOffset);
    if (styleCode <= TabStyleRectangularScrolled)
        m_nScrollOffset = std::min(m_nScrollOffset, m_nLargestOffset);
    if (m_nScrollOffset == nOldOffset)
        return;
    RecalcTabRects();
    UpdateButtonStates();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// Previous takes back exactly what next added, so next then previous comes
// back to the same place.
void CVrxPTabWnd::ScrollPrevious()
{
    const int nOldOffset = m_nScrollOffset;
    if (styleCode >= TabStyleSlanted)
    {
        if (firstShownTab <= 0)
            return;
        firstShownTab--;
        const Tab& tab = tabs[static_cast<size_t>(firstShownTab)];
        if (tab.visible)
            m_nScrollOffset -= tab.fullWidth - WholeTabOverlap();
    }
    else
    {
        m_nScrollOffset -= scrollStep;
    }
    AfterScroll(nOldOffset);
}

void CVrxPTabWnd::ScrollNext()
{
    const int nOldOffset = m_nScrollOffset;
    if (styleCode >= TabStyleSlanted)
    {
        if (firstShownTab >= CountTabs())
            return;
        const Tab& tab = tabs[static_cast<size_t>(firstShownTab)];
        if (tab.visible)
            m_nScrollOffset += tab.fullWidth - WholeTabOverlap();
        firstShownTab++;
    }
    else
    {
        m_nScrollOffset += scrollStep;
    }
    AfterScroll(nOldOffset);
}

void CVrxPTabWnd::ScrollToFirst()
{
    const int nOldOffset = m_nScrollOffset;
    m_nScrollOffset = 0;
    firstShownTab = 0;
    AfterScroll(nOldOffset);
}

void CVrxPTabWnd::ScrollToLast()
{
    const int nOldOffset = m_nScrollOffset;
    m_nScrollOffset = m_nLargestOffset;
    AfterScroll(nOldOffset);
}

BOOL CVrxPTabWnd::MoveTabTo(int nIndex, int nNewIndex)
{
    if (!CVrxPBaseTabWnd::MoveTabTo(nIndex, nNewIndex))
        return FALSE;
    if (styleCode >= TabStyleSlanted)
    {
        m_nScrollOffset = firstShownTab = 0;
        RecalcTabRects();
        EnsureTabVisible(activeTab);
    }
    return TRUE;
}

void CVrxPTabWnd::SwapTabRecords(int nFirst, int nSecond)
{
    CVrxPBaseTabWnd::SwapTabRecords(nFirst, nSecond);
    if (styleCode >= TabStyleSlanted)
        m_nScrollOffset = firstShownTab = 0;
}

// A hidden tab is never made active: its window would show without its tab.
BOOL CVrxPTabWnd::ActivateTab(int nIndex)
{
    if (!IsValidIndex(nIndex) || !TabAt(nIndex)->visible)
        return FALSE;
    if (nIndex == activeTab)
        return TRUE;
    if (AskActiveTabChanging(nIndex))
        return FALSE;
    const BOOL bHadActive = activeTab >= 0;
    if (hideInactiveWindows)
        if (CWnd* pOld = ActiveTabWindow())
            if (pOld->GetSafeHwnd() != NULL)
                pOld->ShowWindow(SW_HIDE);
    activeTab = nIndex;
    CWnd* pWnd = ActiveTabWindow();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    pWnd->ShowWindow(SW_SHOWNOACTIVATE);
    if (!hideInactiveWindows)
        pWnd->BringWindowToTop();
    if (positionTabWindows)
    {
        pWnd->SetWindowPos(nullptr, 0, 0, m_rectContent.Width() + 1, m_rectContent.Height(),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        pWnd->SetWindowPos(nullptr, 0, 0, m_rectContent.Width(), m_rectContent.Height(),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EnsureTabVisible(nIndex);
    if (GetSafeHwnd() != NULL)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (bHadActive && ::IsChild(::GetActiveWindow(), m_hWnd))
        pWnd->SetFocus();
    if (CloseButton().GetSafeHwnd() != NULL)
    {
        HMENU hSystemMenu = ::GetSystemMenu(pWnd->GetSafeHwnd(), FALSE);
        const UINT nState = hSystemMenu != NULL ? ::GetMenuState(hSystemMenu, SC_CLOSE, MF_BYCOMMAND) : 0;
        CloseButton().EnableWindow(hSystemMenu == NULL || (nState != static_cast<UINT>(-1) && (nState & MF_GRAYED) == 0));
    }
    NotifyActiveTabChanged(activeTab);
    return TRUE;
}

BOOL CVrxPTabWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const HWND hControl = reinterpret_cast<HWND>(lParam);
    if (hControl == NULL || !m_bScrollButtons)
        return CVrxPBaseTabWnd::OnCommand(wParam, lParam);
    if (hControl == m_buttons[buttonClose].GetSafeHwnd())
    {
        if (CWnd* pWnd = ActiveTabWindow())
            pWnd->SendMessage(WM_CLOSE);
        return TRUE;
    }
    if (hControl == m_buttons[buttonPrevious].GetSafeHwnd())
        ScrollPrevious();
    else if (hControl == m_buttons[buttonNext].GetSafeHwnd() && m_bListMode)
        DropTabList();
    else if (hControl == m_buttons[buttonNext].GetSafeHwnd())
        ScrollNext();
    else if (hControl == m_buttons[buttonFirst].GetSafeHwnd())
        ScrollToFirst();
    else if (hControl == m_buttons[buttonLast].GetSafeHwnd())
        ScrollToLast();
    else
        return CVrxPBaseTabWnd::OnCommand(wParam, lParam);
    return TRUE;
}

// In the slanted and stepped styles the active tab lies over its
// neighbours, except for its cut top-left corner, where the tab before it
// shows.
int CVrxPTabWnd::TabIndexFromPoint(CPoint point) const
{
    if (!tabArea.PtInRect(point))
        return -1;
    if (styleCode >= TabStyleSlanted && activeTab >= 0 && tabs[static_cast<size_t>(activeTab)].visible)
    {
        const CRect& rect = tabs[static_cast<size_t>(activeTab)].rect;
        if (rect.PtInRect(point))
        {
            const int dx = point.x - rect.left;
            const int dy = point.y - rect.top;
            const int h = rect.Height();
            if (activeTab <= 0 || point.x >= rect.left + h || 2 * (dx * dx + dy * dy) >= h * h)
                return activeTab;
            for (int i = activeTab - 1; i >= 0; i--)
                if (tabs[static_cast<size_t>(i)].visible)
                    return i;
            return activeTab;
        }
    }
    return CVrxPBaseTabWnd::TabIndexFromPoint(point);
}

void CVrxPTabWnd::ActivateNeighbour(BOOL bForward)
{
    const int nCount = CountTabs();
    for (int nStep = 1; nStep < nCount; nStep++)
    {
        const int i = (activeTab + (bForward ? nStep : nCount - nStep)) % nCount;
        if (tabs[static_cast<size_t>(i)].visible)
        {
            ActivateTab(i);
            return;
        }
    }
}

BOOL CVrxPTabWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && activeTab >= 0 && (pMsg->wParam == VK_PRIOR || pMsg->wParam == VK_NEXT) &&
        (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0)
    {
        ActivateNeighbour(pMsg->wParam == VK_NEXT);
        return TRUE;
    }
    return CVrxPBaseTabWnd::PreTranslateMessage(pMsg);
}

// Only the flat styles rename their tabs in place.
void CVrxPTabWnd::AllowTabRename(BOOL bAllow)
{
    m_bRenameEnabled = m_bFlat && bAllow;
}

void CVrxPTabWnd::AdjustRenameEditRect(CRect& rect)
{
    rect.DeflateRect(tabArea.Height() / 2, 1);
}

void CVrxPTabWnd::OnSize(UINT, int, int)
{
    Default();
    if (styleCode >= TabStyleSlanted)
    {
        m_nScrollOffset = firstShownTab = 0;
        ArrangeTabs();
        EnsureTabVisible(activeTab);
        return;
    }
    ArrangeTabs();
}

BOOL CVrxPTabWnd::OnEraseBkgnd(CDC* pDC)
{
    if (CountVisibleTabs() == 0)
    {
        CRect rectClient;
        GetClientRect(&rectClient);
        pDC->FillRect(&rectClient, &VrxPGlobals().brushFace);
    }
    return TRUE;
}

void CVrxPTabWnd::OnPaint()
{
    CPaintDC dc(this);
    CVrxPMemoryDC buffer(dc, this);
    PaintStrip(&buffer.GetDC());
}

void CVrxPTabWnd::PaintStrip(CDC* pDC)
{
    CVrxPVisualManager* pLook = CVrxPVisualManager::Instance();
    COLORREF colorShadow, colorText, colorHighlight, colorFrame, colorDark, colorLight;
    CBrush* pBackground = nullptr;
    CBrush* pFlatBackground = nullptr;
    pLook->QueryTabColors(this, &colorShadow, &colorText, &colorHighlight, &colorFrame, &colorDark, &colorLight,
                          &pBackground, &pFlatBackground);
    CRect rectClient;
    GetClientRect(&rectClient);
    const int b = TabBorderSize();
    const BOOL bStripShown = TabAreaHeight() > 0;
    CRect band = rectClient;
    if (location == locationTop)
        band.bottom = tabArea.bottom;
    else
        band.top = tabArea.top;

    CPen penShadow(PS_SOLID, 1, colorShadow);
    CPen penText(PS_SOLID, 1, colorText);
    const int nSaved = pDC->SaveDC();
    if (pBackground != nullptr)
        pDC->SelectObject(pBackground);
    pDC->SelectObject(&penShadow);
    if (!tabs.empty() && activeTab >= 0)
        pDC->ExcludeClipRect(&m_rectContent);
    if (!pLook->PaintTabAreaColorFill(pDC, rectClient, this) && pBackground != nullptr)
        pDC->FillRect(&rectClient, pBackground);
    if (bStripShown)
        pLook->PaintTabAreaBackground(pDC, band, this);

    if (b > 0 && hasContentFrame)
    {
        CRect rectFrame = rectClient;
        if (location == locationTop)
            rectFrame.top = band.bottom;
        else
            rectFrame.bottom = band.top;
        pDC->Draw3dRect(&rectFrame, colorFrame, colorFrame);
        if (bStripShown)
            pDC->Draw3dRect(&rectFrame, colorShadow, colorShadow);
    }

    if (bStripShown && tabArea.Width() >= 6 && tabArea.Height() >= 6)
    {
        CRect rectClip = tabArea;
        rectClip.InflateRect(1, b);
        pDC->IntersectClipRect(&rectClip);
        HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), m_bFlat ? VrxPGlobals().fontBold.GetSafeHandle()
                                                                     : VrxPGlobals().fontRegular.GetSafeHandle());
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(VrxPGlobals().colorButtonText);
        auto draw = [&](int i, BOOL bActive) {
            const Tab& tab = tabs[static_cast<size_t>(i)];
            if (!tab.visible || tab.rect.IsRectEmpty())
                return;
            if (styleCode >= TabStyleSlanted && !m_bFlat && tab.rect.left < tabArea.left)
                return;
            pLook->PaintTab(pDC, tab.rect, i, bActive, this);
        };
        if (m_bFlat)
            pDC->SelectObject(&penText);
        for (int i = CountTabs() - 1; i >= 0; i--)
            if (i != activeTab)
                draw(i, FALSE);
        if (activeTab >= 0)
        {
            pDC->SetTextColor(VrxPGlobals().colorWindowText);
            CBrush activeBrush;
            if (m_bFlat)
            {
                activeBrush.CreateSolidBrush(ActiveTabBackground());
                pDC->SelectObject(&activeBrush);
                pDC->SetTextColor(ActiveTabForeground());
            }
            draw(activeTab, TRUE);
            if (pBackground != nullptr)
                pDC->SelectObject(pBackground);
        }
        ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    }
    pDC->RestoreDC(nSaved);
}

void CVrxPTabWnd::UseTabListButton(BOOL bOn)
{
    if (!m_bScrollButtons || m_bFlat)
        return;
    m_bListMode = bOn;
    NextButton().AssignTooltipText(bOn ? "Active Files" : "Scroll Right");
    ApplyButtonGlyphs();
    // The tabs are laid out from the strip's start in either mode.
    m_nScrollOffset = firstShownTab = 0;
    ArrangeTabs();
    if (activeTab >= 0)
        EnsureTabVisible(activeTab);
}

// The menu hangs from the button's left edge (its right one in a
// right-to-left layout) and its bottom.
void CVrxPTabWnd::DropTabList()
{
    CVrxPTabStripButton& button = NextButton();
    CRect rectButton;
    button.GetWindowRect(&rectButton);
    button.pushed = TRUE;
    button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    button.SendMessage(WM_CANCELMODE);
    const BOOL bRightToLeft = (GetExStyle() & WS_EX_LAYOUTRTL) != 0;
    const HWND hWnd = m_hWnd;
    ShowTabListMenu(bRightToLeft ? rectButton.right : rectButton.left, rectButton.bottom);
    if (!::IsWindow(hWnd) || button.GetSafeHwnd() == NULL)
        return;
    button.pushed = FALSE;
    button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

HMENU CVrxPTabWnd::MakeTabListMenu()
{
    const HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < CountTabs(); i++)
    {
        const Tab& tab = tabs[static_cast<size_t>(i)];
        if (!tab.visible)
            continue;
        CString label = tab.label;
        label.Replace("&&", "&");
        label.Replace("&", "&&");
        // Before the first item that sorts after it.
        const int nItems = ::GetMenuItemCount(hMenu);
        int nPlace = nItems;
        for (int j = 0; j < nItems; j++)
        {
            char szItem[512] = {};
            ::GetMenuStringA(hMenu, static_cast<UINT>(j), szItem, sizeof(szItem), MF_BYPOSITION);
            if (label.CompareNoCase(szItem) < 0)
            {
                nPlace = j;
                break;
            }
        }
        const UINT nCommand = static_cast<UINT>(tabListFirstCommand - i);
        ::InsertMenuA(hMenu, static_cast<UINT>(nPlace), MF_BYPOSITION | MF_STRING, nCommand, label);
        if (tab.window != nullptr && tab.window->GetSafeHwnd() != NULL)
        {
            HICON hIcon = reinterpret_cast<HICON>(tab.window->SendMessage(WM_GETICON, ICON_SMALL));
            if (hIcon == NULL)
                hIcon = reinterpret_cast<HICON>(::GetClassLongPtr(tab.window->GetSafeHwnd(), GCLP_HICONSM));
            s_tabMenuIcons[nCommand] = hIcon;
        }
    }
    return hMenu;
}

void CVrxPTabWnd::ShowTabListMenu(int x, int y)
{
    CVrxPContextMenuManager* pManager = CVrxPContextMenuManager::Instance();
    if (pManager == nullptr)
        return;
    const HMENU hMenu = MakeTabListMenu();
    const HWND hWnd = m_hWnd;
    const int nChosen = tabListFirstCommand - static_cast<int>(pManager->TrackPopup(hMenu, x, y, this, FALSE));
    s_tabMenuIcons.clear();
    ::DestroyMenu(hMenu);
    // The strip may have gone with the window the menu's choice closed.
    if (::IsWindow(hWnd) && nChosen >= 0 && nChosen < CountTabs())
        ActivateTab(nChosen);
}

HICON CVrxPTabWnd::LookupTabMenuIcon(UINT nCommand)
{
    const auto found = s_tabMenuIcons.find(nCommand);
    return found != s_tabMenuIcons.end() ? found->second : NULL;
}
