#pragma once

// The base of the library's tab windows: an ordered list of tabs, each
// showing one child window, with at most one active. It keeps everything
// that does not depend on how the tabs look: the tab list and its records,
// activation and its notifications, images and icons, explicit and
// automatic colours. The tab strip (CVrxPTabWnd) lays out and paints them.
//
// The looks read the public state below when they draw a tab.

#include "gdi/CImageList.h"
#include "panes/CVrxPStoredTabs.h"
#include "strings/CRect.h"
#include "strings/CSize.h"
#include "strings/CString.h"
#include "windows/CWnd.h"

#include <vector>

class CVrxPTabRecord
{
public:
    CString label;
    // Index into the tab image list; -1 none.
    int image = -1;
    // Own copy, shown instead of the image.
    HICON icon = NULL;
    // Where the tab is drawn, in client coordinates; empty when not shown.
    CRect rect;
    BOOL visible = TRUE;
    // Not owned, unless the tab window destroys windows on removal.
    CWnd* window = nullptr;
    // Width the image and label need, from the last layout.
    int fullWidth = 0;
    int id = 0;
    // -1: the default, or an automatic colour.
    COLORREF color = static_cast<COLORREF>(-1);
    COLORREF textColor = static_cast<COLORREF>(-1);
    BOOL labelHidden = FALSE;
    BOOL detachable = FALSE;
};

class CEdit;

class CVrxPBaseTabWnd : public CWnd
{
    DECLARE_DYNAMIC(CVrxPBaseTabWnd)
public:
    enum Location
    {
        locationBottom = 0,
        locationTop = 1
    };
    using Tab = CVrxPTabRecord;
    // Space on each side of a label and between an image and its label.
    static int tabTextMargin;
    static int tabImageMargin;
    // The size a torn-off pane floats at when it has no floating size yet.
    static constexpr SIZE tearOffMinimum = {300, 200};

    CVrxPBaseTabWnd();
    ~CVrxPBaseTabWnd() override;

    // Tabs. An index below 0 or past the end appends.
    virtual void InsertTabAt(CWnd* pWnd, LPCTSTR lpszLabel, int nIndex, int nImage = -1, BOOL bDetachable = FALSE);
    void AppendTab(CWnd* pWnd, LPCTSTR lpszLabel, int nImage = -1, BOOL bDetachable = FALSE);
    virtual BOOL RemoveTabAt(int nIndex, BOOL bReactivate = TRUE);
    virtual void ClearTabs();
    virtual BOOL ShowTabAt(int nIndex, BOOL bShow, BOOL bRearrange = TRUE, BOOL bActivate = FALSE);
    // FALSE, and nothing moved, for a bad index or without an active tab.
    virtual BOOL MoveTabTo(int nIndex, int nNewIndex);
    virtual void SwapTabRecords(int nFirst, int nSecond);
    // Entry j names the old index of the tab that goes to position j; FALSE,
    // and nothing changed, unless the entries are the old indexes once each.
    BOOL ReorderTabs(const std::vector<int>& order);
    virtual BOOL ActivateTab(int nIndex);

    int CountTabs() const { return static_cast<int>(tabs.size()); }
    int CountVisibleTabs() const;
    BOOL IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < CountTabs(); }
    int ActiveTabIndex() const { return activeTab; }
    CWnd* ActiveTabWindow() const { return TabWindowAt(activeTab); }
    CWnd* TabWindowAt(int nIndex) const { return IsValidIndex(nIndex) ? TabAt(nIndex)->window : nullptr; }
    BOOL TabRectAt(int nIndex, CRect& rect) const;
    BOOL TabLabelAt(int nIndex, CString& label) const;
    BOOL SetTabLabelAt(int nIndex, LPCTSTR lpszLabel);
    int TabIdAt(int nIndex) const { return IsValidIndex(nIndex) ? TabAt(nIndex)->id : -1; }
    int TabImageAt(int nIndex) const { return IsValidIndex(nIndex) ? TabAt(nIndex)->image : -1; }
    BOOL SetTabImageAt(int nIndex, int nImage);
    BOOL SetTabIconAt(int nIndex, HICON hIcon);
    BOOL IsTabVisibleAt(int nIndex) const { return IsValidIndex(nIndex) && TabAt(nIndex)->visible; }
    BOOL HideTabLabel(int nIndex, BOOL bHide);
    // The explicit colour, else (with automatic colours) the palette's, which
    // the tab then keeps when it moves.
    COLORREF TabColorAt(int nIndex);
    BOOL SetTabColorAt(int nIndex, COLORREF color);
    BOOL SetTabTextColorAt(int nIndex, COLORREF color);
    BOOL TabHasIcon(int nIndex) const;
    // The visible tab whose rectangle holds the client point; -1 none.
    virtual int TabIndexFromPoint(CPoint point) const;
    int TabIndexFromHwnd(HWND hWnd) const;
    int TabIndexFromId(int nId) const;
    // The first visible tab at or after nStart, searching again from 0 when
    // there is none; -1 none.
    int NextVisibleTabFrom(int nStart) const;
    int LastVisibleTab() const;
    // The widest and the tallest of the tabs' windows, taken apart; a bar
    // counts with its docked horizontal size.
    CSize LargestTabWindowSize() const;

    void UseAutoTabColors(BOOL bOn);
    BOOL UsesAutoTabColors() const { return m_bAutoColors; }
    // An empty palette restores the built-in one.
    void AssignAutoColorPalette(const std::vector<COLORREF>& palette);
    const std::vector<COLORREF>& AutoColorPalette() const { return m_palette; }
    void BuildDefaultAutoColors();

    // -1 gives the library's default (the window colours).
    void ChangeActiveTabBackground(COLORREF color) { m_activeBackground = color; }
    void ChangeActiveTabForeground(COLORREF color) { m_activeForeground = color; }
    COLORREF ActiveTabBackground() const;
    COLORREF ActiveTabForeground() const;

    BOOL AssignImageList(CImageList* pImages);
    virtual void RecalcTabHeight();
    virtual int TabAreaHeight() const { return tabAreaHeight; }
    int TabBorderSize() const { return TabAreaHeight() == 0 ? 0 : m_nBorderSize; }
    void SetTabBorderSize(int nSize);
    virtual void ArrangeTabs() {}
    virtual BOOL EnsureTabVisible(int) { return FALSE; }
    void HideSingleTab(BOOL bHide);
    BOOL HidesSingleTab() const { return m_bHideSingleTab; }
    virtual void SetTabLocation(Location newLocation);

    // The tab archive. Loading changes no tab: it keeps the saved tabs for
    // ReapplySavedTabs, and a failed load keeps the saved tabs it had.
    void Serialize(CArchive& ar) override;
    const std::vector<CVrxPSavedTab>& SavedTabs() const { return m_saved.GetTabs(); }
    // The saved labels, colours and visibility go to the tabs whose windows
    // have the saved control ids; with bReorder those tabs also take their
    // saved places. The saved active tab becomes active.
    virtual BOOL ReapplySavedTabs(BOOL bReorder);

    // In-place renaming of a tab's label (a double click on the active tab
    // starts it when renaming is allowed); Enter takes the new label, Escape
    // or a click elsewhere keeps the old one.
    virtual void AllowTabRename(BOOL bAllow) { m_bRenameEnabled = bAllow; }
    BOOL IsRenameEnabled() const { return m_bRenameEnabled; }
    virtual BOOL BeginTabRename(int nIndex);
    virtual BOOL EndTabRename();
    virtual BOOL AcceptNewTabLabel(int, const CString&) { return TRUE; }
    BOOL IsRenaming() const { return m_pRenameEdit != nullptr; }
    CEdit* RenameEdit() const { return m_pRenameEdit; }
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL IsReorderDragging() const { return m_bReorderDrag; }

    // Sends "VrxM_ONCHANGE_ACTIVE_TAB" to the parent, then the top-level
    // frame.
    LRESULT NotifyActiveTabChanged(int nIndex);
    // TRUE when the parent or the top-level frame refuses the change.
    BOOL AskActiveTabChanging(int nIndex);

    BOOL IsFlatStyle() const { return styleCode == 1 || styleCode == 2; }
    BOOL IsSlantedStyle() const { return styleCode == 4 || styleCode == 5; }
    BOOL IsSteppedStyle() const { return styleCode == 6 || styleCode == 7; }
    const Tab* TabAt(int nIndex) const
    {
        return nIndex >= 0 && nIndex < static_cast<int>(tabs.size()) ? &tabs[static_cast<size_t>(nIndex)] : nullptr;
    }
    Tab* TabAt(int nIndex)
    {
        return nIndex >= 0 && nIndex < static_cast<int>(tabs.size()) ? &tabs[static_cast<size_t>(nIndex)] : nullptr;
    }
    COLORREF TabColor(int nIndex) const
    {
        const Tab* pTab = TabAt(nIndex);
        return pTab != nullptr ? pTab->color : static_cast<COLORREF>(-1);
    }

    // 1, 2 flat; 3 rectangular scrolled; 4, 5 slanted; 6, 7 stepped; 0 3-D.
    int styleCode = 0;
    Location location = locationBottom;
    int tabAreaHeight = 0;
    // Where the tabs lie, in client coordinates.
    CRect tabArea;
    std::vector<Tab> tabs;
    int activeTab = -1;
    int firstShownTab = 0;
    // The tab under the mouse where the look highlights it, else -1.
    int highlightedTab = -1;
    CSize imageSize = CSize(0, 0);
    CImageList* images = nullptr;
    // Drawn in the button (dialog) colours rather than the bar colours.
    BOOL buttonColors = FALSE;
    BOOL noPrefix = FALSE;
    // Options the owners set.
    BOOL activateLastOnRemove = FALSE;
    BOOL destroyWindowsOnRemove = FALSE;
    BOOL hideInactiveWindows = TRUE;
    BOOL reactivatePreviousOnRemove = FALSE;
    BOOL allowDragReorder = TRUE;

protected:
    virtual void OnTabListChanged() {}
    virtual void AdjustRenameEditRect(CRect&) {}
    virtual BOOL IsPtInTabArea(CPoint point) const { return tabArea.PtInRect(point); }
    void CloseRenameEdit();
    void EndReorderDrag();
    BOOL TearOffActiveTab(CPoint point);
    // Every tab's window goes (with destroyWindowsOnRemove) and every record
    // with it; no notification is sent.
    void ReleaseTabs();
    void SetHighlightedTab(int nIndex);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSysColorChange();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();

    DECLARE_MESSAGE_MAP()

    int m_nBorderSize;
    BOOL m_bHideSingleTab;
    int m_nNextTabId;
    int m_nActiveBeforeInsertion;
    BOOL m_bAutoColors;
    BOOL m_bDefaultPalette;
    std::vector<COLORREF> m_palette;
    COLORREF m_activeBackground = static_cast<COLORREF>(-1);
    COLORREF m_activeForeground = static_cast<COLORREF>(-1);
    CVrxPStoredTabs m_saved;
    BOOL m_bRenameEnabled = FALSE;
    int m_nRenameIndex = -1;
    CEdit* m_pRenameEdit = nullptr;
    BOOL m_bReorderDrag = FALSE;
    int m_nIndexAtPress = -1;
    int m_nCursorOffset = 0;

private:
    LRESULT SendToParentAndFrame(UINT message, WPARAM wParam, BOOL bStopAtRefusal);
};
