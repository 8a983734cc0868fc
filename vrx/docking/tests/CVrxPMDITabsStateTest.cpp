#include "docking/mdi/CVrxPMDITabsState.h"

#include "collections/CStringArray.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{
using State = CVrxPMDITabsState;
using Bytes = std::vector<BYTE>;

void PutInt(Bytes& bytes, int n)
{
    for (int i = 0; i < 4; i++)
        bytes.push_back(static_cast<BYTE>(static_cast<unsigned>(n) >> (8 * i)));
}

void PutString(Bytes& bytes, const std::string& text)
{
    bytes.push_back(static_cast<BYTE>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
}

// One strip of MDI tabs with one tab, written out by hand.
Bytes OneTabStrip()
{
    Bytes bytes;
    for (int n : {1, 3, 1, 0, 0, 1, 1, 3})
        PutInt(bytes, n);
    for (int n : {1, 0, 1, 0, 40, 40})
        PutInt(bytes, n);
    for (int n : {1, 0, 0})
        PutInt(bytes, n);
    PutString(bytes, "c:\\a.txt");
    PutInt(bytes, 0);
    PutString(bytes, "A");
    for (int n : {0, -1, 7, 0, 0, 1, 1, 3, 10, 20, 610, 450})
        PutInt(bytes, n);
    return bytes;
}

State TwoGroups()
{
    State state;
    state.groupsOn = TRUE;
    state.tabsShown = TRUE;
    state.arrangement = 1;
    for (int g = 0; g < 2; g++)
    {
        State::TabWindow group;
        group.activeGroup = g == 1;
        group.windowRect = {g * 300, 0, g * 300 + 300, 400};
        group.palette = {RGB(1, 2, 3), RGB(200, 100, 50)};
        for (int t = 0; t < 2; t++)
        {
            State::Tab tab;
            tab.document.name = ("doc" + std::to_string(g) + std::to_string(t)).c_str();
            tab.label = ("Doc " + std::to_string(t)).c_str();
            tab.resizeEdge = g == 0 ? 1 : 0;
            tab.color = t == 0 ? State::noColor : static_cast<int>(RGB(9, 8, 7));
            tab.paneId = t == 0 ? State::noPane : 32804;
            group.tabs.push_back(std::move(tab));
        }
        group.active = 1;
        state.tabWindows.push_back(std::move(group));
    }
    auto* pNames = new CStringArray;
    pNames->Add("first view");
    pNames->Add("second view");
    state.tabWindows[0].tabs[1].document.object.reset(pNames);
    return state;
}

State PlainChildren()
{
    State state;
    for (int i = 0; i < 3; i++)
    {
        State::Child child;
        child.document.name = ("file" + std::to_string(i)).c_str();
        child.normalPosition = {10 * i, 10 * i, 200 + 10 * i, 150 + 10 * i};
        child.showCmd = i == 2 ? 3 : 1;
        child.active = i == 2;
        child.paneId = State::noPane;
        state.children.push_back(std::move(child));
    }
    return state;
}
} // namespace

TEST(MDITabsStateTest, ReadsAStripOfTabsWrittenByHandAndWritesTheSameBytes)
{
    State state;
    ASSERT_TRUE(state.Read(OneTabStrip(), TRUE));
    EXPECT_EQ(1, state.options.location);
    EXPECT_EQ(3, state.options.style);
    EXPECT_EQ(3, state.options.borderSize);
    EXPECT_TRUE(state.mdiTabsOn);
    EXPECT_FALSE(state.groupsOn);
    EXPECT_EQ(40, state.newGroupZone);
    ASSERT_EQ(1u, state.tabWindows.size());
    const State::TabWindow& strip = state.tabWindows[0];
    EXPECT_EQ(0, strip.active);
    ASSERT_EQ(1u, strip.tabs.size());
    EXPECT_STREQ("c:\\a.txt", strip.tabs[0].document.name);
    EXPECT_EQ(nullptr, strip.tabs[0].document.object);
    EXPECT_STREQ("A", strip.tabs[0].label);
    EXPECT_EQ(State::noColor, strip.tabs[0].color);
    EXPECT_EQ(7, strip.tabs[0].paneId);
    EXPECT_TRUE(strip.tabListButton);
    EXPECT_EQ(610, strip.windowRect.right);
    EXPECT_EQ(OneTabStrip(), state.Bytes());
}

TEST(MDITabsStateTest, GroupsAndPlainChildrenComeBackAsTheyWereWritten)
{
    const State groups = TwoGroups();
    State read;
    ASSERT_TRUE(read.Read(groups.Bytes(), TRUE));
    EXPECT_EQ(groups.Bytes(), read.Bytes());
    EXPECT_EQ(-1, read.options.borderSize) << "the base look's border size, left to the tab window";
    ASSERT_EQ(2u, read.tabWindows.size());
    EXPECT_TRUE(read.tabWindows[1].activeGroup);
    const auto* pNames = dynamic_cast<const CStringArray*>(read.tabWindows[0].tabs[1].document.object.get());
    ASSERT_NE(nullptr, pNames) << "the document's object is read back as its class";
    EXPECT_STREQ("second view", pNames->GetAt(1));
    EXPECT_EQ(32804, read.tabWindows[1].tabs[1].paneId);

    const State plain = PlainChildren();
    ASSERT_TRUE(read.Read(plain.Bytes(), TRUE));
    EXPECT_EQ(plain.Bytes(), read.Bytes());
    EXPECT_TRUE(read.tabWindows.empty()) << "nothing of the earlier state stays";
    ASSERT_EQ(3u, read.children.size());
    EXPECT_EQ(3, read.children[2].showCmd);
    EXPECT_EQ(170, read.children[2].normalPosition.bottom);
}

TEST(MDITabsStateTest, OlderStateWithoutPaneIdsReadsThemAsNone)
{
    State one;
    one.children.push_back(std::move(PlainChildren().children[0]));
    one.children[0].paneId = 32804;
    const Bytes current = one.Bytes();
    // The only child's pane id is the last four bytes; without them the
    // state is as an older writer left it.
    const Bytes older(current.begin(), current.end() - 4);
    State read;
    ASSERT_TRUE(read.Read(older, FALSE));
    ASSERT_EQ(1u, read.children.size());
    EXPECT_EQ(State::noPane, read.children[0].paneId);
    EXPECT_STREQ("file0", read.children[0].document.name);
    EXPECT_FALSE(read.Read(current, FALSE)) << "pane ids are more than an older reader takes";
    EXPECT_FALSE(read.Read(older, TRUE)) << "and an older state is short for a current reader";
    EXPECT_EQ(State::noPane, read.children[0].paneId) << "a refused read leaves the state";
}

TEST(MDITabsStateTest, DamagedStateIsRefusedWholeAndLeavesTheStateAsItWas)
{
    const Bytes good = OneTabStrip();
    // Offsets in OneTabStrip: the options take 0-31, the modes 32-55, the
    // strip's count, active and active-group flag 56-67, the document name
    // 68-76, hasObject 77-80, the label 81-82, then edge, colour, pane id,
    // automatic colours, palette count, list button, reorder, border and the
    // rectangle, four bytes each.
    struct Case
    {
        const char* what;
        std::function<void(Bytes&)> damage;
    };
    auto setInt = [](size_t offset, int n) {
        return [offset, n](Bytes& bytes) {
            for (int i = 0; i < 4; i++)
                bytes[offset + i] = static_cast<BYTE>(static_cast<unsigned>(n) >> (8 * i));
        };
    };
    const std::vector<Case> cases = {
        {"a byte more", [](Bytes& bytes) { bytes.push_back(0); }},
        {"close button neither 0 nor 1", setInt(8, 2)},
        {"a border size below the look's default", setInt(28, -2)},
        {"arrangement 3", setInt(44, 3)},
        {"negative tab count", setInt(56, -1)},
        {"a tab count beyond any screen", setInt(56, 0x7FFFFFFF)},
        {"active tab past the tabs", setInt(60, 1)},
        {"no active tab among tabs", setInt(60, -1)},
        {"hasObject 2", setInt(77, 2)},
        {"hasObject 1 without an object", setInt(77, 1)},
        {"resize edge 3", setInt(83, 3)},
        {"a colour with a high byte", setInt(87, 0x01000000)},
        {"pane id below none", setInt(91, -2)},
        {"palette count past the data", setInt(99, 1000)},
        {"right edge left of the left", setInt(123, 5)},
    };
    for (const Case& one : cases)
    {
        Bytes bytes = good;
        one.damage(bytes);
        State state;
        ASSERT_TRUE(state.Read(good, TRUE));
        EXPECT_FALSE(state.Read(bytes, TRUE)) << one.what;
        EXPECT_EQ(good, state.Bytes()) << one.what;
    }
    for (size_t n = 0; n < good.size(); n++)
    {
        State state;
        EXPECT_FALSE(state.Read(Bytes(good.begin(), good.begin() + n), TRUE)) << "cut at " << n;
        EXPECT_EQ(State().Bytes(), state.Bytes()) << "cut at " << n;
    }
}

TEST(MDITabsStateTest, DamageAcrossEntriesIsRefused)
{
    struct Case
    {
        const char* what;
        std::function<void(State&)> damage;
    };
    const std::vector<Case> cases = {
        {"two active groups", [](State& state) { state.tabWindows[0].activeGroup = TRUE; }},
        {"a strip's entries disagree on its edge", [](State& state) { state.tabWindows[0].tabs[1].resizeEdge = 2; }},
        {"two active children",
         [](State& state) {
             state.groupsOn = FALSE;
             state.tabWindows.clear();
             state.children = PlainChildren().children;
             state.children[0].active = TRUE;
         }},
        {"a placement of another length",
         [](State& state) {
             state.groupsOn = FALSE;
             state.tabWindows.clear();
             state.children = PlainChildren().children;
             state.children[1].length = 40;
         }},
        {"show command 12",
         [](State& state) {
             state.groupsOn = FALSE;
             state.tabWindows.clear();
             state.children = PlainChildren().children;
             state.children[1].showCmd = 12;
         }},
    };
    for (const Case& one : cases)
    {
        State damaged = TwoGroups();
        one.damage(damaged);
        State state;
        EXPECT_FALSE(state.Read(damaged.Bytes(), TRUE)) << one.what;
        EXPECT_TRUE(state.tabWindows.empty() && state.children.empty()) << one.what;
    }
}
