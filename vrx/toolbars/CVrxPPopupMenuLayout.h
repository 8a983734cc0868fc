#pragma once

// The geometry and keyboard walk of a popup menu's items, on items already
// measured: the size of the menu with its columns (a menu break starts a
// new one), each item's rectangle for a scroll offset, and the item that
// Up, Down, Home and End move to. No window is touched here.

#include "core/Platform.h"

#include <vector>

struct VrxPMenuItemMetrics
{
    int cx = 0;
    int cy = 0;
    bool separator = false;
    // The item starts a new column.
    bool columnBreak = false;
    // The item's text holds an accelerator after a tab.
    bool accelerator = false;
    // Items the keyboard may land on: no separator, label or empty item.
    bool selectable = true;
};

class CVrxPPopupMenuLayout
{
public:
    static constexpr int separatorHeight = 8;
    static constexpr int acceleratorGap = 10;
    // A menu without items measures emptyWidth + 2 by emptyHeight + 2.
    static constexpr int emptyWidth = 50;
    static constexpr int emptyHeight = 20;

    enum Key
    {
        keyUp,
        keyDown,
        keyHome,
        keyEnd
    };

    CVrxPPopupMenuLayout(std::vector<VrxPMenuItemMetrics> items, bool customizeMode);

    // nMaxWidth 0 or less: no limit. Fills the column edges and the
    // text-fits flags.
    SIZE Measure(int nMaxWidth);
    const std::vector<int>& ColumnEdges() const { return m_columnEdges; }
    // FALSE for an item wider than the maximum width − 2: it draws its
    // text shortened.
    bool TextFits(size_t nIndex) const { return m_textFits[nIndex]; }

    // The items' rectangles in a client area nClientWidth wide, the first
    // visible row scrolled to the top; separators are inset by the given
    // amounts.
    std::vector<RECT> Place(int nClientWidth, int nRowHeight, int nFirstVisibleRow, int nSeparatorLeft,
                            int nSeparatorRight) const;

    // The item the key moves to from nCurrent (-1: none); nCurrent itself
    // when nothing is found. A list does not wrap around its ends.
    int NextIndex(int nCurrent, Key key, bool listMode) const;

private:
    std::vector<VrxPMenuItemMetrics> m_items;
    bool m_bCustomizeMode;
    std::vector<int> m_columnEdges;
    std::vector<bool> m_textFits;
};
