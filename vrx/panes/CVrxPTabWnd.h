#pragma once

// The library's tab strip: a tab window that draws its tabs in one
// horizontal strip at the top or the bottom, in one of eight styles, shows
// the active tab's window in the rest of its client area, and offers scroll
// buttons, a close button and a drop-down list of its tabs. The current look
// paints the tabs.

#include "panes/CVrxPBaseTabWnd.h"
#include "panes/CVrxPTabStripButton.h"

#include <map>
#include <vector>

class CDC;

class CVrxPTabWnd : public CVrxPBaseTabWnd
{
    DECLARE_DYNCREATE(CVrxPTabWnd)
public:
    enum TabStyle
    {
        TabStyleRectangular = 0,
        TabStyleFlat = 1,
        TabStyleFlatSharedScroll = 2,
        TabStyleRectangularScrolled = 3,
        TabStyleSlanted = 4,
        TabStyleSlantedNarrow = 5,
        TabStyleRounded = 6,
        TabStyleRoundedScrolled = 7
    };
    // Pixels one press of a scroll button moves styles 0 to 3.
    static constexpr int scrollStep = 20;
    static constexpr int buttonSpacing = 3;
    // A tab-list menu item's command is this less the tab's index.
    static constexpr int tabListFirstCommand = -100;

    CVrxPTabWnd();

    BOOL Create(int nStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, Location tabLocation = locationBottom,
                BOOL bCloseButton = FALSE);
    BOOL SwitchTabStyle(int nStyle);

    void RecalcTabHeight() override;
    int TabAreaHeight() const override;
    void ArrangeTabs() override;
    BOOL ActivateTab(int nIndex) override;
    BOOL EnsureTabVisible(int nIndex) override;
    BOOL MoveTabTo(int nIndex, int nNewIndex) override;
    void SwapTabRecords(int nFirst, int nSecond) override;
    void AllowTabRename(BOOL bAllow) override;
    int TabIndexFromPoint(CPoint point) const override;
    virtual void RecalcTabRects();
    virtual void UpdateScrollState();
    // Paints the window as WM_PAINT does, into any DC.
    void PaintStrip(CDC* pDC);

    // The next button drops down the list of tabs, and tabs that do not fit
    // leave the strip instead of scrolling. Not in the flat styles, whose
    // first and last buttons stay.
    void UseTabListButton(BOOL bOn = TRUE);
    BOOL IsListMode() const { return m_bListMode; }
    BOOL TabsHiddenInListMode() const { return m_bTabsHiddenInListMode; }
    // Drops the tab-list menu at (x, y) on the screen and activates the tab
    // chosen; nothing without the context-menu manager.
    virtual void ShowTabListMenu(int x, int y);
    // The visible tabs' labels ordered without case, every ampersand shown
    // as one; their icons go into the icon map. The caller destroys the menu.
    HMENU MakeTabListMenu();
    // The icon of a tab-list menu item while the menu is open, else null.
    static HICON LookupTabMenuIcon(UINT nCommand);

    // The strip buttons, as a user presses them.
    void ScrollPrevious();
    void ScrollNext();
    void ScrollToFirst();
    void ScrollToLast();

    BOOL HasScrollButtons() const { return m_bScrollButtons; }
    BOOL IsStripHidden() const;
    const CRect& StripRect() const { return tabArea; }
    const CRect& ContentRect() const { return m_rectContent; }
    int ScrollOffset() const { return m_nScrollOffset; }
    int LargestOffset() const { return m_nLargestOffset; }
    int TabsWidth() const { return m_nTabsWidth; }
    CVrxPTabStripButton& PreviousButton() { return m_buttons[buttonPrevious]; }
    CVrxPTabStripButton& NextButton() { return m_buttons[buttonNext]; }
    CVrxPTabStripButton& CloseButton() { return m_buttons[buttonClose]; }

    BOOL hasCloseButton;
    BOOL hasContentFrame;
    BOOL positionTabWindows;
    BOOL hideWhenNoTabs;

protected:
    enum ButtonKind
    {
        buttonFirst = 0,
        buttonPrevious,
        buttonNext,
        buttonLast,
        buttonClose,
        buttonKindCount
    };

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void AdjustRenameEditRect(CRect& rect) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void ApplyButtonGlyphs();
    void PositionButtons(int x, int y, int nSize, BOOL bHidden);
    void UpdateButtonStates();
    // Overlap of two neighbouring tabs in the slanted and stepped styles.
    int WholeTabOverlap() const;
    void AfterScroll(int nOldOffset);
    void ActivateNeighbour(BOOL bForward);
    void DropTabList();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

    BOOL m_bFlat;
    BOOL m_bSlanted;
    BOOL m_bSlantedNarrow;
    BOOL m_bRounded;
    BOOL m_bScrollButtons;
    CRect m_rectContent;
    CVrxPTabStripButton m_buttons[buttonKindCount];
    std::vector<ButtonKind> m_buttonOrder;
    int m_nScrollOffset;
    int m_nLargestOffset;
    int m_nTabsWidth;
    int m_nButtonSize;
    BOOL m_bListMode;
    BOOL m_bTabsHiddenInListMode;
    // The tab-list menu's icons by command, filled while it is open.
    static std::map<UINT, HICON> s_tabMenuIcons;
};
