#include "panes/navigation/CVrxPTasksPaneHistory.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// One step of a navigation: a page shown, back or forward, or a menu's
// chosen entry; then the history and position it must leave.
struct Step
{
    enum Kind
    {
        show,
        back,
        forward,
        backBy,
        forwardBy
    } kind;
    int argument;
    bool changed;
    std::vector<int> entries;
    int position;
};

struct Case
{
    const char* name;
    int pages;
    std::vector<Step> steps;
};

bool Apply(CVrxPTasksPaneHistory& history, const Step& step, int nPages)
{
    switch (step.kind)
    {
    case Step::show:
        return history.ShowPage(step.argument, nPages);
    case Step::back:
        return history.GoBack();
    case Step::forward:
        return history.GoForward();
    case Step::backBy:
        return history.GoBackBy(step.argument);
    case Step::forwardBy:
        return history.GoForwardBy(step.argument);
    }
    return false;
}

TEST(CVrxPTasksPaneHistory, NavigationTable)
{
    const std::vector<Case> cases = {
        {"a new page from the middle drops the entries after the position",
         4,
         {{Step::show, 1, true, {0, 1}, 1},
          {Step::show, 2, true, {0, 1, 2}, 2},
          {Step::back, 0, true, {0, 1, 2}, 1},
          {Step::back, 0, true, {0, 1, 2}, 0},
          {Step::show, 3, true, {0, 3}, 1}}},
        {"the current page records nothing",
         3,
         {{Step::show, 0, false, {0}, 0}, {Step::show, 2, true, {0, 2}, 1}, {Step::show, 2, false, {0, 2}, 1}}},
        {"back and forward stop at the ends",
         2,
         {{Step::back, 0, false, {0}, 0},
          {Step::show, 1, true, {0, 1}, 1},
          {Step::forward, 0, false, {0, 1}, 1},
          {Step::back, 0, true, {0, 1}, 0},
          {Step::back, 0, false, {0, 1}, 0},
          {Step::forward, 0, true, {0, 1}, 1}}},
        {"pages outside are ignored",
         2,
         {{Step::show, -1, false, {0}, 0},
          {Step::show, 2, false, {0}, 0},
          {Step::show, 0x7FFFFFFF, false, {0}, 0},
          {Step::show, 1, true, {0, 1}, 1}}},
        {"menu entries count from the position, newest first back",
         5,
         {{Step::show, 1, true, {0, 1}, 1},
          {Step::show, 2, true, {0, 1, 2}, 2},
          {Step::show, 3, true, {0, 1, 2, 3}, 3},
          {Step::backBy, 1, true, {0, 1, 2, 3}, 1},
          {Step::forwardBy, 0, true, {0, 1, 2, 3}, 2},
          {Step::backBy, 0, true, {0, 1, 2, 3}, 1},
          {Step::forwardBy, 1, true, {0, 1, 2, 3}, 3}}},
        {"menu entries outside the history are ignored",
         3,
         {{Step::show, 1, true, {0, 1}, 1},
          {Step::backBy, 1, false, {0, 1}, 1},
          {Step::backBy, -1, false, {0, 1}, 1},
          {Step::backBy, -2, false, {0, 1}, 1},
          {Step::forwardBy, 0, false, {0, 1}, 1},
          {Step::forwardBy, -2, false, {0, 1}, 1},
          {Step::backBy, 0x7FFFFFFF, false, {0, 1}, 1}}},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.name);
        CVrxPTasksPaneHistory history;
        for (size_t i = 0; i < test.steps.size(); i++)
        {
            SCOPED_TRACE(i);
            const Step& step = test.steps[i];
            EXPECT_EQ(step.changed, Apply(history, step, test.pages));
            EXPECT_EQ(step.entries, history.Entries());
            EXPECT_EQ(step.position, history.Position());
            EXPECT_EQ(step.entries[static_cast<size_t>(step.position)], history.CurrentPage());
            EXPECT_EQ(step.position > 0, history.CanGoBack());
            EXPECT_EQ(step.position < static_cast<int>(step.entries.size()) - 1, history.CanGoForward());
        }
    }
}

TEST(CVrxPTasksPaneHistory, ElevenPagesKeepTheNewestTen)
{
    CVrxPTasksPaneHistory history;
    for (int nPage = 1; nPage <= 11; nPage++)
        ASSERT_TRUE(history.ShowPage(nPage, 12));
    EXPECT_EQ((std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), history.Entries());
    EXPECT_EQ(9, history.Position());
    EXPECT_EQ(11, history.CurrentPage());
}

TEST(CVrxPTasksPaneHistory, BackAndForwardPagesListFromThePosition)
{
    CVrxPTasksPaneHistory history;
    for (int nPage : {3, 1, 4, 2})
        history.ShowPage(nPage, 5);
    history.GoBack();
    history.GoBack();
    EXPECT_EQ((std::vector<int>{3, 0}), history.BackPages());
    EXPECT_EQ((std::vector<int>{4, 2}), history.ForwardPages());
    history.GoBackBy(1);
    EXPECT_TRUE(history.BackPages().empty());
    EXPECT_EQ((std::vector<int>{3, 1, 4, 2}), history.ForwardPages());
}
} // namespace
