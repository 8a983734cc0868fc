#include "OutputRing.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(OutputRingTest, BlocksFollowEachOther)
{
  OutputRing ring;
  EXPECT_EQ(0, ring.place("abc", 3));
  EXPECT_EQ(3, ring.place("de", 2));
  EXPECT_EQ(std::string("abcde"), std::string(ring.data(), 5));
  EXPECT_EQ(5u, ring.unshown());
}

TEST(OutputRingTest, ABlockThatWouldPassTheEndGoesToTheStart)
{
  OutputRing ring;
  std::vector<char> filler(1048570, 'x');
  ASSERT_EQ(0, ring.place(filler.data(), filler.size()));
  ring.shown(0, filler.size());
  EXPECT_EQ(0, ring.place("0123456789", 10));
  EXPECT_EQ(std::string("0123456789"), std::string(ring.data(), 10));
  EXPECT_EQ(10u, ring.write_offset());
}

TEST(OutputRingTest, AWholeRingBlockGoesToTheStart)
{
  OutputRing ring;
  ring.place("abc", 3);
  ring.shown(0, 3);
  std::vector<char> block(kOutputRingSize, 'y');
  EXPECT_EQ(0, ring.place(block.data(), block.size()));
}

TEST(OutputRingTest, ALongerBlockIsCutToTheRing)
{
  OutputRing ring;
  std::vector<char> block(kOutputRingSize + 100, 'z');
  EXPECT_EQ(0, ring.place(block.data(), block.size()));
  EXPECT_EQ(kOutputRingSize, ring.unshown());
}

TEST(OutputRingTest, TextNotYetShownIsNotOverwritten)
{
  OutputRing ring;
  std::vector<char> first(1048570, 'a');
  ASSERT_EQ(0, ring.place(first.data(), first.size()));
  // Wrapping to the start would overwrite the first block, still unshown.
  EXPECT_EQ(-1, ring.place("0123456789", 10));
  EXPECT_EQ('a', ring.data()[0]);
  ring.shown(0, first.size());
  EXPECT_EQ(0, ring.place("0123456789", 10));
}

TEST(OutputRingTest, AfterAWrapOnlyTheShownPartIsReused)
{
  OutputRing ring;
  std::vector<char> half(kOutputRingSize / 2, 'h');
  ASSERT_EQ(0, ring.place(half.data(), half.size()));
  ASSERT_EQ(static_cast<long>(half.size()), ring.place(half.data(), half.size() - 10));
  ring.shown(0, half.size());
  // The first half is free again, the second still waits to be shown.
  EXPECT_EQ(0, ring.place(half.data(), 100));
  std::vector<char> big(kOutputRingSize / 2, 'b');
  EXPECT_EQ(-1, ring.place(big.data(), big.size()));
}

TEST(OutputRingTest, HoldsTellsRingPointersFromOthers)
{
  OutputRing ring;
  char outside = 0;
  EXPECT_TRUE(ring.holds(ring.data() + 5));
  EXPECT_FALSE(ring.holds(&outside));
}

}  // namespace
