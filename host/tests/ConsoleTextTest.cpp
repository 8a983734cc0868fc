#include "ConsoleText.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// What the console shows after the blocks, with backspaces applied.
std::string shown_after(ConsoleText& text, const std::vector<std::string>& blocks, int* beeps = nullptr)
{
  std::string shown;
  for (const std::string& block : blocks) {
    for (const ConsoleStep& step : text.take(block.data(), block.size())) {
      if (step.kind == ConsoleStep::kAppend) {
        shown += step.text;
      } else if (step.kind == ConsoleStep::kDeleteLast && !shown.empty()) {
        shown.pop_back();
      } else if (step.kind == ConsoleStep::kBeep && beeps != nullptr) {
        ++*beeps;
      }
    }
  }
  return shown;
}

struct Case {
  const char* name;
  std::string filter;
  std::vector<std::string> blocks;
  std::string shown;
};

class ConsoleTextCases : public ::testing::TestWithParam<Case> {};

TEST_P(ConsoleTextCases, ShowsWhatTheRulesGive)
{
  ConsoleText text;
  text.set_filter(GetParam().filter);
  EXPECT_EQ(GetParam().shown, shown_after(text, GetParam().blocks));
}

const Case kCases[] = {
    {"LineFeedEndsALineCarriageReturnIsDropped", "", {"ab\r\ncd"}, "ab\r\ncd"},
    {"ACarriageReturnAloneIsDropped", "", {"a\rb"}, "ab"},
    {"BackspaceInALaterBlockDeletesTheLastCharacter", "", {"abc", "\b"}, "ab"},
    {"BackspaceAfterALineEndDeletesTheLineFeed", "", {"a\n\b"}, "a\r"},
    {"NulBytesAreSkipped", "", {std::string("a\0b", 3)}, "ab"},
    {"HighBytesAndControlsStay", "", {"\x01\xC8x"}, "\x01\xC8x"},
    {"FilterKeepsLinesThatBeginWithIt", "OK", {"OK 1\r\nNO 2\r\nOK 3"}, "OK 1\r\nOK 3"},
    {"FilterAfterTheFirstCharacterIsNotAMatch", "OK", {"xOK\r\n"}, ""},
    {"ALineSplitAcrossBlocksIsJudgedAsOne", "OK", {"OK fir", "st half\r\nNO", " more\r\n"}, "OK first half\r\n"},
    {"AFilterSplitAcrossBlocksStillMatches", "OK", {"O", "K\r\n"}, "OK\r\n"},
    {"AShortLineThatIsOnlyAFilterPrefixIsDropped", "OK", {"O\r\nOK\r\n"}, "OK\r\n"},
    {"BackspaceInsideAHeldLineEditsIt", "OKAY", {"OKX\bAY\r\n"}, "OKAY\r\n"},
    {"BackspaceInADroppedLineLeavesTheShownText", "OK", {"OK\r\nNO\b\r\n"}, "OK\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Table, ConsoleTextCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(ConsoleTextTest, BellBeepsAndAddsNothing)
{
  ConsoleText text;
  int beeps = 0;
  EXPECT_EQ("ab", shown_after(text, {"a\ab"}, &beeps));
  EXPECT_EQ(1, beeps);
}

TEST(ConsoleTextTest, ClearingTheFilterShowsEverythingAgain)
{
  ConsoleText text;
  text.set_filter("OK");
  EXPECT_EQ("", shown_after(text, {"NO\r\n"}));
  text.set_filter("");
  EXPECT_EQ("NO\r\n", shown_after(text, {"NO\r\n"}));
}

TEST(ConsoleTextTest, TrimStartsAtFourFifthsOfTheLimitAndTakesFifthsUntilBelow)
{
  EXPECT_EQ(0u, ConsoleText::trim_count(239999));
  EXPECT_EQ(60000u, ConsoleText::trim_count(240000));
  EXPECT_EQ(60000u, ConsoleText::trim_count(299999));
  // More than the edit can hold at once: the newest text stays.
  EXPECT_EQ(120000u, ConsoleText::trim_count(300000));
  EXPECT_EQ(780000u, ConsoleText::trim_count(1000000));
  EXPECT_EQ(20u, ConsoleText::trim_count(80, 100));
  EXPECT_EQ(4u, ConsoleText::trim_count(4, 4));
}

}  // namespace
