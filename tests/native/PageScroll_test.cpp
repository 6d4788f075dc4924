// The scroll arithmetic of a section page: a content 1000 pixels wide with
// 300 in view (the scroll bar's last position is 701), lines of 40 pixels.
#include "sections/PageScroll.h"

#include <gtest/gtest.h>

#include <optional>

using namespace sections;

TEST(PageScroll, RequestsMoveByALineOrAPageAndStopAtTheirEnds)
{
    using R = ScrollRequest;
    const struct {
        int position;
        R request;
        int expected;
    } cases[] = {
        {100, R::LineLeft, 60},   {30, R::LineLeft, 0},     {660, R::LineRight, 700}, {661, R::LineRight, 701},
        {690, R::LineRight, 701}, {350, R::PageLeft, 50},   {250, R::PageLeft, 0},    {300, R::PageRight, 600},
        {400, R::PageRight, 700}, {450, R::PageRight, 700}, {123, R::ThumbTrack, 555}, {123, R::ThumbPosition, 555},
        {450, R::Left, 0},        {0, R::Right, 701},       {450, static_cast<R>(8), 450},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RequestedPosition({c.position, 1000, 300}, c.request, 555, 40), c.expected)
            << "from " << c.position << ", request " << static_cast<int>(c.request);
    }
}

TEST(PageScroll, AWiderViewKeepsTheEndInSightAndANarrowerOneChangesNothing)
{
    const struct {
        int position, width;
        std::optional<int> expected;
    } cases[] = {
        {701, 500, 501},            // at the scroll bar's end: there for the new width
        {701, 200, std::nullopt},   // narrower
        {701, 1000, 0},             // all of it fits
        {600, 400, 599},            // grown by the hidden 100: the end one pixel short of the edge
        {601, 400, 599},
        {599, 400, std::nullopt},   // grown by less than the hidden 101, less one
        {0, 400, std::nullopt},
        {0, 1000, 0},
        {500, 1200, 0},
        {0, 200, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PositionAfterResize({c.position, 1000, 300}, c.width), c.expected)
            << "at " << c.position << ", width " << c.width;
    // The content follows the position by exactly its change.
    EXPECT_EQ(ContentShift(0, 40), -40);
    EXPECT_EQ(ContentShift(701, 0), 701);
}
