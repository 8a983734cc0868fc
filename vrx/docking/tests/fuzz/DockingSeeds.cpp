// Writes the seeds of the docking's harnesses with the records' own writers:
// docking_seeds <corpus root> makes <corpus root>/<harness>/<seed>. For
// bar_record_fuzz each value follows its length byte, 0xFF standing for a
// missing value; a dock_state_fuzz seed is a byte 1 (closed panes carried)
// or 0 and the stream; for mdi_tabs_state_fuzz a byte 1 (pane ids held)
// comes before the state.
#include "docking/CVrxPDockStateRecord.h"
#include "docking/CVrxPStoredBarRecord.h"
#include "docking/mdi/CVrxPMDITabsState.h"
#include "files/CArchive.h"
#include "files/CMemFile.h"
#include "foundation/tests/fuzz/SeedFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace
{
using Record = CVrxPStoredBarRecord;
using Bytes = std::vector<BYTE>;
const BYTE missing = 0xFF;

void Write(const std::string& root, const char* seed, const Bytes& bytes, const char* harness = "bar_record_fuzz")
{
    WriteSeedFile(root, harness, seed, bytes);
}

// The place's values as the bar writes them, those in leftOut missing, then
// "IsVisible" and the bar's docking archive.
Bytes Seed(const Record::Place& place, BOOL bVisible, std::initializer_list<Record::Value> leftOut = {})
{
    Bytes bytes;
    for (int i = 0; i < Record::valueCount; i++)
    {
        const auto value = static_cast<Record::Value>(i);
        if (std::find(leftOut.begin(), leftOut.end(), value) != leftOut.end())
        {
            bytes.push_back(missing);
            continue;
        }
        const Bytes valueBytes = Record::ValueBytes(value, 59400, place);
        bytes.push_back(static_cast<BYTE>(valueBytes.size()));
        bytes.insert(bytes.end(), valueBytes.begin(), valueBytes.end());
    }
    const Bytes visible = Record::VisibleBytes(bVisible);
    bytes.push_back(static_cast<BYTE>(visible.size()));
    bytes.insert(bytes.end(), visible.begin(), visible.end());
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        Record::StoreDockingState(ar, static_cast<DWORD>(place.alignment), bVisible);
    }
    const size_t nHead = bytes.size();
    bytes.resize(nHead + static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data() + nHead, static_cast<UINT>(file.GetLength()));
    return bytes;
}
using State = CVrxPDockStateRecord;

Bytes StateSeed(const State& state, BOOL bWithClosedPanes)
{
    Bytes bytes{static_cast<BYTE>(bWithClosedPanes ? 1 : 0)};
    const Bytes stream = state.Write();
    bytes.insert(bytes.end(), stream.begin(), stream.end());
    return bytes;
}

State::SliderRecord Slider(int nId, RECT rect, DWORD dwStyle, BOOL bDefault)
{
    State::SliderRecord slider;
    slider.barVisible = TRUE;
    slider.id = nId;
    slider.rect = rect;
    slider.visible = TRUE;
    slider.style = dwStyle;
    slider.thickness = 4;
    slider.isDefault = bDefault;
    return slider;
}

// Panes 301 and 302 stacked at the left, 303 beside 304 at the right, a tab
// group, a pane hidden at the bottom and a closed pane.
State TwoSides()
{
    State state;
    State::DockEntry left;
    left.kind = State::kindSlider;
    left.slider = Slider(1, {160, 0, 164, 316}, State::sliderVertical, TRUE);
    left.slider.barAlignment = State::alignLeft;
    left.slider.manager = std::make_shared<State::ManagerRecord>();
    auto stacked = std::make_shared<State::ContainerRecord>();
    stacked->firstPaneId = 301;
    stacked->secondPaneId = 302;
    stacked->sliderId = 2;
    stacked->slider = std::make_shared<State::SliderRecord>(Slider(2, {0, 150, 160, 154}, State::sliderHorizontal, FALSE));
    left.slider.manager->root.firstChild = stacked;
    left.slider.manager->panes = {{301, 0}, {302, 0}};
    State::DockEntry right;
    right.kind = State::kindSlider;
    right.slider = Slider(3, {436, 0, 440, 316}, State::sliderVertical, TRUE);
    right.slider.barAlignment = State::alignRight;
    right.slider.manager = std::make_shared<State::ManagerRecord>();
    right.slider.manager->root.firstPaneId = 303;
    right.slider.manager->root.secondPaneId = 304;
    right.slider.manager->root.sliderId = 4;
    right.slider.manager->root.slider =
        std::make_shared<State::SliderRecord>(Slider(4, {540, 0, 544, 316}, State::sliderVertical, FALSE));
    right.slider.manager->panes = {{303, 0}, {304, 0}, {State::tabbedPaneId, 305}};
    state.dockList = {left, right};
    for (State::PaneEntry pane : {State::PaneEntry{301, 0}, {302, 0}, {303, 0}, {304, 0}, {State::tabbedPaneId, 305}})
    {
        State::DockEntry entry;
        entry.pane = pane;
        state.dockList.push_back(entry);
    }
    State::AutoHideRecord hidden;
    hidden.id = 306;
    hidden.alignment = State::alignBottom;
    hidden.visible = TRUE;
    hidden.ids = {306, -1};
    hidden.rect = {0, 300, 640, 440};
    state.autoHide.push_back(hidden);
    state.closedPaneIds = {307, -1};
    return state;
}

using TabsState = CVrxPMDITabsState;

TabsState::TabWindow Strip(int nTabs, RECT rect, int nEdge)
{
    TabsState::TabWindow strip;
    strip.windowRect = rect;
    strip.active = nTabs - 1;
    strip.palette = {RGB(148, 180, 245), RGB(255, 208, 130)};
    strip.borderSize = 3;
    for (int i = 0; i < nTabs; i++)
    {
        TabsState::Tab tab;
        tab.document.name = ("c:\\work\\file" + std::to_string(i) + ".txt").c_str();
        tab.label = ("file" + std::to_string(i)).c_str();
        tab.resizeEdge = nEdge;
        tab.color = i == 0 ? TabsState::noColor : static_cast<int>(RGB(0, 128, 255));
        strip.tabs.push_back(std::move(tab));
    }
    return strip;
}

Bytes TabsStateSeed(const TabsState& state)
{
    Bytes bytes = {1};
    const Bytes written = state.Bytes();
    bytes.insert(bytes.end(), written.begin(), written.end());
    return bytes;
}

void WriteMdiTabsSeeds(const std::string& root)
{
    const char* const harness = "mdi_tabs_state_fuzz";
    TabsState tabs;
    tabs.mdiTabsOn = TRUE;
    tabs.tabsShown = TRUE;
    tabs.tabWindows.push_back(Strip(4, {0, 0, 800, 560}, 0));
    Write(root, "four-mdi-tabs", TabsStateSeed(tabs), harness);

    TabsState groups;
    groups.groupsOn = TRUE;
    groups.tabsShown = TRUE;
    groups.arrangement = 2;
    groups.tabWindows.push_back(Strip(2, {0, 0, 800, 280}, 2));
    groups.tabWindows.push_back(Strip(1, {0, 280, 800, 560}, 0));
    groups.tabWindows.back().activeGroup = TRUE;
    Write(root, "stacked-groups", TabsStateSeed(groups), harness);

    TabsState plain;
    for (int i = 0; i < 2; i++)
    {
        TabsState::Child child;
        child.document.name = i == 0 ? "c:\\work\\plain.txt" : "c:\\work\\max.txt";
        child.normalPosition = {20 * i, 20 * i, 400 + 20 * i, 300 + 20 * i};
        child.showCmd = i == 0 ? 1 : 3;
        child.active = i;
        plain.children.push_back(std::move(child));
    }
    Write(root, "plain-children", TabsStateSeed(plain), harness);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: docking_seeds <corpus root>\n");
        return 2;
    }
    const std::string root = argv[1];
    Write(root, "docked-top",
          Seed(Record::Place{{10, 20, 310, 220}, {0, 0, 120, 26}, Record::alignTop, 1, 0, Record::noMruWidth, 0},
               TRUE));
    Write(root, "floating-pinned",
          Seed(Record::Place{{-400, -30, -100, 270}, {0, 0, 26, 300}, Record::alignLeft, 0, 1, 180, 1}, FALSE));
    Write(root, "last-row-bottom",
          Seed(Record::Place{{0, 0, 0, 0}, {4, 2, 404, 28}, Record::alignBottom, Record::maxRowIndex, 0, 0, 0},
               TRUE));
    Write(root, "partly-missing",
          Seed(Record::Place{{5, 5, 205, 105}, {0, 0, 26, 200}, Record::alignRight, 3, 0, 90, 0}, TRUE,
               {Record::rectRecentFloat, Record::mruWidth, Record::pinState}));
    Write(root, "nothing-docked", StateSeed(State(), TRUE), "dock_state_fuzz");
    Write(root, "two-sides", StateSeed(TwoSides(), TRUE), "dock_state_fuzz");
    Write(root, "two-sides-older-version", StateSeed(TwoSides(), FALSE), "dock_state_fuzz");
    WriteMdiTabsSeeds(root);
    return 0;
}
