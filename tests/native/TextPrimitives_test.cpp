#include "style/TextPrimitives.h"

#include <gtest/gtest.h>

TEST(TextPrimitives, FindFailsFromFailedOrOutOfRangeStart)
{
    const std::string text = "body{\r\n}\r\n";
    EXPECT_EQ(Find(text, "}", 0), 7);
    EXPECT_EQ(Find(text, "}", -1), -1);
    EXPECT_EQ(Find(text, "", static_cast<TextPosition>(text.size())), static_cast<TextPosition>(text.size()));
    EXPECT_EQ(Find(text, "b", static_cast<TextPosition>(text.size()) + 1), -1);
    EXPECT_EQ(Find(text, "BODY", 0), -1) << "search is case sensitive";
    // A chain of searches started from a failure keeps failing.
    EXPECT_EQ(Find(text, "}", Find(text, "missing", 0)), -1);
}

TEST(TextPrimitives, InsertClampsPosition)
{
    std::string text = "bc";
    Insert(text, -1, "a");
    EXPECT_EQ(text, "abc");
    Insert(text, 99, "d");
    EXPECT_EQ(text, "abcd");
    Insert(text, 2, "_");
    EXPECT_EQ(text, "ab_cd");
}

TEST(TextPrimitives, DeleteAndExtractClampPositionAndCount)
{
    std::string text = "abcdef";
    EXPECT_EQ(Extract(text, -3, 2), "ab");
    EXPECT_EQ(Extract(text, 4, 99), "ef");
    EXPECT_EQ(Extract(text, 2, -5), "");
    EXPECT_EQ(Extract(text, 99, 2), "");
    Delete(text, 4, 99);
    EXPECT_EQ(text, "abcd");
    Delete(text, 1, -2);
    EXPECT_EQ(text, "abcd");
    Delete(text, -7, 1);
    EXPECT_EQ(text, "bcd");
    Delete(text, 10, 1);
    EXPECT_EQ(text, "bcd");
}
