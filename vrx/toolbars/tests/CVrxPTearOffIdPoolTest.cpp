#include "toolbars/CVrxPTearOffIdPool.h"

#include <gtest/gtest.h>

TEST(CVrxPTearOffIdPool, TextTagsRoundTrip)
{
    CString text = "&Tools";
    CVrxPTearOffIdPool::BuildTearOffText(1234, text);
    EXPECT_STREQ("\x01" "1234" "\x01" "&Tools", text);
    EXPECT_EQ(1234u, CVrxPTearOffIdPool::ParseTearOffId(text));
    EXPECT_STREQ("&Tools", text);

    struct Case
    {
        const char* text;
        UINT id;
        const char* after;
    };
    const Case cases[] = {
        {"&Tools", 0, "&Tools"},
        {"", 0, ""},
        {"\x01" "77", 77, "77"},
        {"\x01" "5" "\x01" "a" "\x01" "b", 5, "b"},
    };
    for (const Case& c : cases)
    {
        CString parsed = c.text;
        EXPECT_EQ(c.id, CVrxPTearOffIdPool::ParseTearOffId(parsed)) << c.text;
        EXPECT_STREQ(c.after, parsed);
    }
}

TEST(CVrxPTearOffIdPool, HandsOutFreeIdsOfItsRange)
{
    CVrxPTearOffIdPool pool(100, 102);
    EXPECT_EQ(100u, pool.NextFreeId());
    EXPECT_EQ(101u, pool.NextFreeId());
    EXPECT_EQ(102u, pool.NextFreeId());
    EXPECT_EQ(0u, pool.NextFreeId());
    pool.UpdateUseCount(101, FALSE);
    EXPECT_EQ(101u, pool.NextFreeId());

    pool.UpdateUseCount(102, TRUE);
    EXPECT_EQ(2, pool.UseCount(102));
    pool.UpdateUseCount(102, FALSE);
    pool.UpdateUseCount(102, FALSE);
    pool.UpdateUseCount(102, FALSE);
    EXPECT_EQ(0, pool.UseCount(102));

    pool.UpdateUseCount(99, TRUE);
    pool.UpdateUseCount(103, TRUE);
    EXPECT_EQ(102u, pool.NextFreeId());
    EXPECT_EQ(0u, pool.NextFreeId());

    CVrxPTearOffIdPool empty(0, 10);
    EXPECT_EQ(0u, empty.NextFreeId());
}
