#include "toolbars/CVrxPToolbarLayout.h"

#include <algorithm>
#include <utility>

CVrxPToolbarLayout::CVrxPToolbarLayout(std::vector<VrxPLaidButton> buttons, int buttonWidth, int buttonHeight,
                                       bool horizontal)
    : m_buttons(std::move(buttons)), m_nButtonWidth(buttonWidth), m_nButtonHeight(buttonHeight),
      m_bHorizontal(horizontal)
{
}

int CVrxPToolbarLayout::LengthAlong(const VrxPLaidButton& button, bool bRowStart) const
{
    if (button.separator && bRowStart)
        return 0;
    return m_bHorizontal ? button.cx : button.cy;
}

int CVrxPToolbarLayout::Wrap(int nWidth, bool bDocked, int nHeightLimit)
{
    int nRows = 0;
    int nRowLength = 0;
    int nRowTop = 0;
    VrxPLaidButton* pPrevious = nullptr;
    for (VrxPLaidButton& button : m_buttons)
    {
        button.wrap = false;
        if (!button.visible)
            continue;
        const int nLength = LengthAlong(button, nRowLength == 0);
        if (nRowLength + nLength > nWidth && !button.separator && pPrevious != nullptr &&
            (!bDocked || nRowTop + m_nButtonHeight < nHeightLimit))
        {
            pPrevious->wrap = true;
            nRows++;
            nRowLength = 0;
            nRowTop += m_nButtonHeight + rowGap;
        }
        nRowLength += nLength;
        pPrevious = &button;
    }
    return nRows + 1;
}

CVrxPToolbarLayout::Extent CVrxPToolbarLayout::MeasureExtent() const
{
    Extent extent = {m_nButtonWidth, m_nButtonHeight};
    if (m_buttons.empty())
        return extent;
    int nPosition = 1;
    int nRowTop = 0;
    bool bRowStart = true;
    for (const VrxPLaidButton& button : m_buttons)
    {
        if (!button.visible)
            continue;
        const int nLength = LengthAlong(button, bRowStart);
        bRowStart = false;
        nPosition += nLength;
        if (m_bHorizontal)
        {
            extent.cx = std::max(extent.cx, nPosition);
            extent.cy = std::max(extent.cy, nRowTop + m_nButtonHeight);
            if (button.wrap)
            {
                nRowTop += m_nButtonHeight + rowGap;
                nPosition = 1;
                bRowStart = true;
            }
        }
        else
        {
            extent.cx = std::max(extent.cx, button.cx + 1);
            extent.cy = std::max(extent.cy, nPosition);
        }
    }
    return extent;
}

void CVrxPToolbarLayout::FitToLength(int nLength, bool bByHeight)
{
    int nWidth = nLength;
    if (bByHeight)
    {
        Wrap(unlimited);
        const int nOneRow = MeasureExtent().cx;
        if (MeasureExtent().cy < nLength && m_nButtonWidth > 0)
        {
            // Fewer rows as the width grows; one row always fits.
            for (int nButtons = 1;; nButtons++)
            {
                nWidth = nButtons * m_nButtonWidth;
                Wrap(nWidth);
                if (MeasureExtent().cy <= nLength || nWidth >= nOneRow)
                    break;
            }
        }
        else
            nWidth = unlimited;
    }
    else
    {
        const int nRowsWanted = Wrap(nLength);
        if (Wrap(0) != nRowsWanted)
        {
            int nLow = 0;
            int nHigh = nLength;
            while (nHigh - nLow > 1)
            {
                const int nMiddle = nLow + (nHigh - nLow) / 2;
                if (Wrap(nMiddle) == nRowsWanted)
                    nHigh = nMiddle;
                else
                    nLow = nMiddle;
            }
            nWidth = nHigh;
        }
    }
    Wrap(nWidth);
}
