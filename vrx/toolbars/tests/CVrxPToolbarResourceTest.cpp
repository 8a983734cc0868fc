#include "toolbars/CVrxPToolbarResource.h"

#include <gtest/gtest.h>

TEST(ToolbarResourceTest, ReadsTheSizesAndCommandsWithSeparators)
{
    // version 1, 16 x 15 images, ids 100, 0, 0x1234
    const unsigned char data[] = {1, 0, 16, 0, 15, 0, 3, 0, 100, 0, 0, 0, 0x34, 0x12};
    CVrxPToolbarResource resource;
    ASSERT_TRUE(resource.Parse(data, sizeof(data)));
    EXPECT_EQ(1, resource.version);
    EXPECT_EQ(16, resource.imageWidth);
    EXPECT_EQ(15, resource.imageHeight);
    EXPECT_EQ((std::vector<unsigned>{100, 0, 0x1234}), resource.commands);
}

TEST(ToolbarResourceTest, RefusesDataShorterThanItSaysAndKeepsWhatItHad)
{
    const unsigned char good[] = {1, 0, 16, 0, 15, 0, 1, 0, 7, 0};
    const unsigned char counted3[] = {1, 0, 16, 0, 15, 0, 3, 0, 100, 0, 0, 0};
    const unsigned char header[] = {1, 0, 16, 0, 15, 0};
    CVrxPToolbarResource resource;
    ASSERT_TRUE(resource.Parse(good, sizeof(good)));
    EXPECT_FALSE(resource.Parse(counted3, sizeof(counted3)));
    EXPECT_FALSE(resource.Parse(header, sizeof(header)));
    EXPECT_FALSE(resource.Parse(nullptr, 0));
    EXPECT_EQ(std::vector<unsigned>{7}, resource.commands);
    const unsigned char empty[] = {1, 0, 16, 0, 15, 0, 0, 0};
    ASSERT_TRUE(resource.Parse(empty, sizeof(empty)));
    EXPECT_TRUE(resource.commands.empty());
}
