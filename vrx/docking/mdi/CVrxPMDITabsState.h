#pragma once

// The arrangement of the MDI children as "MDITabsState" holds it, read and
// written without a window: the tab options, the client area's mode and
// either the single strip of MDI tabs, the tab groups, or the plain MDI
// children with their placements. Reading takes the whole state or nothing,
// so that a damaged value is found before any child is closed.

#include "core/CObject.h"
#include "strings/CString.h"

#include <memory>
#include <vector>

class CArchive;

class CVrxPMDITabsState
{
public:
    // More would not fit on any screen; a larger stored count is damage.
    static constexpr int maxTabs = 4096;
    static constexpr int maxGroups = 256;
    static constexpr int maxPaletteColors = 256;
    static constexpr int noColor = -1;
    static constexpr int noPane = -1;

    // The stored part of the MDI tab options, in their stored order.
    struct Options
    {
        int location = 1;
        int style = 3;
        int closeButton = TRUE;
        int icons = FALSE;
        int autoColors = FALSE;
        int tabListButton = FALSE;
        int reorderByDrag = TRUE;
        // -1 leaves it to the tab window.
        int borderSize = -1;
    };

    // A document with the object its child frame handed over with the name.
    struct Document
    {
        CString name;
        std::unique_ptr<CObject> object;
    };

    struct Tab
    {
        Document document;
        CString label;
        int resizeEdge = 0;
        int color = noColor;
        int paneId = noPane;
    };

    struct TabWindow
    {
        int active = -1;
        int activeGroup = FALSE;
        std::vector<Tab> tabs;
        int autoColors = FALSE;
        std::vector<COLORREF> palette;
        int tabListButton = FALSE;
        int reorderByDrag = TRUE;
        int borderSize = 0;
        RECT windowRect = {0, 0, 0, 0};
    };

    // A plain MDI child: its window placement, field by field.
    struct Child
    {
        Document document;
        int flags = 0;
        int length = placementLength;
        POINT maxPosition = {0, 0};
        POINT minPosition = {0, 0};
        RECT normalPosition = {0, 0, 0, 0};
        int showCmd = 1;
        int active = FALSE;
        int paneId = noPane;
    };

    // The size of the platform's window placement, stored with each child.
    static constexpr int placementLength = 44;
    static constexpr int showCmdMax = 11;

    Options options;
    int mdiTabsOn = FALSE;
    int groupsOn = FALSE;
    int tabsShown = FALSE;
    // 0: one group; 1: groups side by side; 2: stacked.
    int arrangement = 0;
    int resizeMargin = 40;
    int newGroupZone = 40;
    // The single strip when mdiTabsOn, else the groups when groupsOn.
    std::vector<TabWindow> tabWindows;
    // Plain MDI, bottom-most first.
    std::vector<Child> children;

    void Store(CArchive& ar) const;
    // Reads the state to its end; throws the archive's exception, leaving
    // this state as it was, when the bytes are short, damaged or followed by
    // more. bWithPaneIds: the entries hold the hosted pane's id (state of
    // this system always does; older state does not).
    void Load(CArchive& ar, BOOL bWithPaneIds);

    // The same over the registry value's bytes; FALSE leaves this state.
    BOOL Read(const std::vector<BYTE>& bytes, BOOL bWithPaneIds);
    std::vector<BYTE> Bytes() const;
};
