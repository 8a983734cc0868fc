#pragma once

// The base of the library's tab windows, in its first form: the tabs and
// the settings the looks draw them from. Laying the tabs out, scrolling,
// dragging and the concrete tab windows come with the library's tabs.

#include "gdi/CImageList.h"
#include "strings/CRect.h"
#include "strings/CSize.h"
#include "strings/CString.h"
#include "windows/CWnd.h"

#include <vector>

class CVrxPBaseTabWnd : public CWnd
{
public:
    // Style codes: 1, 2 flat; 4, 5 slanted; 6, 7 stepped; any other 3-D.
    enum Location
    {
        locationBottom = 0,
        locationTop = 1
    };
    // Space between a tab's image and its edges, for every tab window.
    static int tabImageMargin;

    struct Tab
    {
        CString label;
        int image = -1;
        HICON icon = NULL;
        // -1: none.
        COLORREF color = static_cast<COLORREF>(-1);
        COLORREF textColor = static_cast<COLORREF>(-1);
    };

    BOOL IsFlatStyle() const { return styleCode == 1 || styleCode == 2; }
    BOOL IsSlantedStyle() const { return styleCode == 4 || styleCode == 5; }
    BOOL IsSteppedStyle() const { return styleCode == 6 || styleCode == 7; }
    const Tab* TabAt(int nIndex) const
    {
        return nIndex >= 0 && nIndex < static_cast<int>(tabs.size()) ? &tabs[static_cast<size_t>(nIndex)] : nullptr;
    }
    COLORREF TabColor(int nIndex) const
    {
        const Tab* pTab = TabAt(nIndex);
        return pTab != nullptr ? pTab->color : static_cast<COLORREF>(-1);
    }

    int styleCode = 0;
    Location location = locationBottom;
    int tabAreaHeight = 0;
    // Where the tabs lie, in client coordinates.
    CRect tabArea;
    std::vector<Tab> tabs;
    int activeTab = -1;
    int firstShownTab = 0;
    CSize imageSize = CSize(0, 0);
    CImageList* images = nullptr;
    // Drawn in the button (dialog) colours rather than the bar colours.
    BOOL buttonColors = FALSE;
    BOOL noPrefix = FALSE;
};
