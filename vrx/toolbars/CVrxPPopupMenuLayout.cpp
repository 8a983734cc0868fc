#include "toolbars/CVrxPPopupMenuLayout.h"

#include <algorithm>
#include <utility>

CVrxPPopupMenuLayout::CVrxPPopupMenuLayout(std::vector<VrxPMenuItemMetrics> items, bool customizeMode)
    : m_items(std::move(items)), m_bCustomizeMode(customizeMode), m_textFits(m_items.size(), true)
{
}

SIZE CVrxPPopupMenuLayout::Measure(int nMaxWidth)
{
    m_columnEdges.clear();
    int nColumnWidth = m_items.empty() ? emptyWidth : 0;
    int nColumnHeight = m_items.empty() ? emptyHeight : 0;
    int nTallest = 0;
    for (size_t i = 0; i < m_items.size(); i++)
    {
        const VrxPMenuItemMetrics& item = m_items[i];
        if (item.columnBreak && !m_bCustomizeMode && nColumnWidth > 0 && nColumnHeight > 0)
        {
            nTallest = std::max(nTallest, nColumnHeight);
            const int nPrevious = m_columnEdges.empty() ? 0 : m_columnEdges.back();
            m_columnEdges.push_back(nPrevious + nColumnWidth + 1);
            nColumnWidth = nColumnHeight = 0;
        }
        if (item.separator)
        {
            nColumnHeight += separatorHeight;
            continue;
        }
        const int nWidth = item.cx + (item.accelerator ? acceleratorGap : 0);
        m_textFits[i] = !(nMaxWidth > 0 && nWidth > nMaxWidth - 2);
        nColumnWidth = std::max(nColumnWidth, nWidth);
        nColumnHeight += item.cy;
    }
    nTallest = std::max(nTallest, nColumnHeight);
    int nWidth = (m_columnEdges.empty() ? 0 : m_columnEdges.back()) + nColumnWidth + 2;
    if (nMaxWidth > 0)
        nWidth = std::min(nWidth, nMaxWidth);
    m_columnEdges.push_back(nWidth);
    return SIZE{nWidth, nTallest + 2};
}

std::vector<RECT> CVrxPPopupMenuLayout::Place(int nClientWidth, int nRowHeight, int nFirstVisibleRow,
                                              int nSeparatorLeft, int nSeparatorRight) const
{
    std::vector<RECT> rects;
    const int nTop = -nRowHeight * nFirstVisibleRow + 1;
    const bool bColumns = !m_columnEdges.empty() && !m_bCustomizeMode;
    size_t nColumn = 0;
    int nRight = bColumns ? m_columnEdges[0] : nClientWidth;
    int x = 0;
    int y = nTop;
    for (const VrxPMenuItemMetrics& item : m_items)
    {
        if (item.columnBreak && y != nTop && !m_bCustomizeMode)
        {
            y = nTop;
            x = nRight + 1;
            ++nColumn;
            nRight = bColumns && nColumn < m_columnEdges.size() ? m_columnEdges[nColumn] : nClientWidth;
        }
        RECT rect = item.separator ? RECT{x + nSeparatorLeft, y, nRight - nSeparatorRight, y + separatorHeight}
                                   : RECT{x, y, nRight, y + item.cy};
        rects.push_back(rect);
        y = rect.bottom;
    }
    return rects;
}

int CVrxPPopupMenuLayout::NextIndex(int nCurrent, Key key, bool listMode) const
{
    const int nCount = static_cast<int>(m_items.size());
    const bool bForward = key == keyDown || key == keyHome;
    const bool bStep = key == keyUp || key == keyDown;
    int nIndex = key == keyHome ? 0 : key == keyEnd ? nCount - 1 : (bForward ? nCurrent + 1 : nCurrent - 1);
    for (int nExamined = 0; nExamined < nCount; nExamined++)
    {
        if (nIndex < 0 || nIndex >= nCount)
        {
            if (listMode && bStep)
                return nCurrent;
            nIndex = bForward ? 0 : nCount - 1;
        }
        if (bStep && nIndex == nCurrent)
            return nCurrent;
        if (m_items[static_cast<size_t>(nIndex)].selectable)
            return nIndex;
        nIndex += bForward ? 1 : -1;
    }
    return nCurrent;
}
