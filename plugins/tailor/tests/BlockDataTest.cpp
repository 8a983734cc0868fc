#include "BlockData.h"
#include "ImageBytes.h"

#include <gtest/gtest.h>

TEST(BlockData, CopiesShareUntilOneEditsAndAnUnsharedEditCopiesNothing)
{
  BlockData original(std::vector<uint8_t>{ 1, 2, 3 });
  BlockData copy = original;
  EXPECT_TRUE(copy.shares_bytes_with(original));

  copy.edit().push_back(4);
  EXPECT_FALSE(copy.shares_bytes_with(original));
  EXPECT_EQ((std::vector<uint8_t>{ 1, 2, 3 }), original);
  EXPECT_EQ((std::vector<uint8_t>{ 1, 2, 3, 4 }), copy);

  const uint8_t* own = copy.data();
  copy.edit()[0] = 9;
  EXPECT_EQ(own, copy.data()) << "bytes of its own are changed in place";
  EXPECT_EQ(9, copy[0]);
}

TEST(BlockData, ARunOfTheImageBecomesItsOwnBytesOnTheFirstEdit)
{
  ImageBytes image(std::vector<uint8_t>{ 10, 11, 12, 13, 14, 15 });
  BlockData run(image.share(), 2, 3);
  EXPECT_EQ(image.data() + 2, run.data());
  EXPECT_EQ((std::vector<uint8_t>{ 12, 13, 14 }), run);

  run.edit().resize(1);
  EXPECT_EQ((std::vector<uint8_t>{ 12 }), run);
  EXPECT_EQ((std::vector<uint8_t>{ 10, 11, 12, 13, 14, 15 }), image.bytes());

  BlockData empty;
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(std::vector<uint8_t>(), empty.bytes());
  empty.edit().push_back(5);
  EXPECT_EQ(1u, empty.size());
}

TEST(ImageBytes, AChangedImageLeavesTheRunsItGaveOutAsTheyWere)
{
  ImageBytes image(std::vector<uint8_t>(16, 0xAA));
  const uint8_t* before = image.data();
  image.edit()[0] = 1;
  EXPECT_EQ(before, image.data()) << "an image nobody shares is changed in place";

  BlockData run(image.share(), 4, 4);
  image.edit()[4] = 2;
  EXPECT_NE(before, image.data());
  EXPECT_EQ(std::vector<uint8_t>(4, 0xAA), run);
  EXPECT_EQ(2, image[4]);
}
