#pragma once

// A frame's docking layout as its "DockingCBAndSliders" value holds it, read
// and written without a window. Every number is a 32-bit integer, low byte
// first; a rectangle is four of them (left, top, right, bottom).
//
//   count of fixed tabbed bars (always 0: their tab data cannot be followed)
//   count of dock entries; each: kind 1 and a pane id (-1: then the id of
//     the pane on its first tab), or kind 0 and a default slider's record
//   count of mini frames (always 0: not stored in this form)
//   count of auto-hide records; each: id, side, visible, count and ids,
//     rectangle, three toolbar state words
//   count of closed MDI-tab panes and their ids (only from the version on
//     that carries them; bytes after a stream without them are not read)
//
// Slider record: the base bar's side bits and visible flag; id, step,
// rectangle, visible, style (1 horizontal, 2 vertical), thickness, default,
// min offset, max offset; a default slider's container manager follows.
// Manager record: the root container, then the count of its panes and each
// pane's id (-1: then its first tab's id).
// Container record: first pane id, second pane id (0: none), inner slider id
// (0: none) and that slider's record, then 1 and the first child's record or
// 0, and the same for the second child.
//
// Read takes the whole stream or nothing: a count past the end, a kind,
// flag, side or style that is none of the stored ones, an edge pair that
// runs backwards, a tree nested deeper than any dock site, or bytes left
// after the last section refuse it and leave the record as it was.

#include "core/Platform.h"

#include <memory>
#include <vector>

class CVrxPDockStateRecord
{
public:
    // The base bar's side bits, as a docking archive holds them.
    static constexpr DWORD alignmentMask = 0xF000;
    static constexpr int alignLeft = 0x1000;
    static constexpr int alignTop = 0x2000;
    static constexpr int alignRight = 0x4000;
    static constexpr int alignBottom = 0x8000;
    static constexpr int kindSlider = 0;
    static constexpr int kindPane = 1;
    // The id written for a tabbed pane made at run time.
    static constexpr int tabbedPaneId = -1;
    static constexpr DWORD sliderHorizontal = 1;
    static constexpr DWORD sliderVertical = 2;
    // No dock site splits its panes this deep; the bound keeps a damaged
    // stream from recursing without end.
    static constexpr int maxTreeDepth = 32;

    // A pane as a list names it: its id, or tabbedPaneId and the id of the
    // pane on its first tab.
    struct PaneEntry
    {
        int id = 0;
        int firstTabId = 0;
    };

    struct ManagerRecord;

    struct SliderRecord
    {
        DWORD barAlignment = 0;
        BOOL barVisible = FALSE;
        int id = 0;
        int step = -1;
        RECT rect = {0, 0, 0, 0};
        BOOL visible = FALSE;
        DWORD style = sliderVertical;
        int thickness = 0;
        BOOL isDefault = FALSE;
        int minOffset = 0;
        int maxOffset = 0;
        // A default slider's panes; none for an inner slider.
        std::shared_ptr<ManagerRecord> manager;
    };

    struct ContainerRecord
    {
        int firstPaneId = 0;
        int secondPaneId = 0;
        int sliderId = 0;
        std::shared_ptr<SliderRecord> slider;
        std::shared_ptr<ContainerRecord> firstChild;
        std::shared_ptr<ContainerRecord> secondChild;
    };

    struct ManagerRecord
    {
        ContainerRecord root;
        std::vector<PaneEntry> panes;
    };

    struct DockEntry
    {
        int kind = kindPane;
        PaneEntry pane;
        SliderRecord slider;
    };

    struct AutoHideRecord
    {
        int id = -1;
        int alignment = 0;
        BOOL visible = FALSE;
        std::vector<int> ids;
        RECT rect = {0, 0, 0, 0};
        int state[3] = {1, 1, 1};
    };

    std::vector<DockEntry> dockList;
    std::vector<AutoHideRecord> autoHide;
    std::vector<int> closedPaneIds;

    // FALSE, leaving this record as it was, unless the bytes are one whole
    // stream; bWithClosedPanes reads the last section.
    BOOL Read(const BYTE* pBytes, size_t nSize, BOOL bWithClosedPanes);
    std::vector<BYTE> Write() const;
};
