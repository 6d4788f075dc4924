// The scroll arithmetic of a section page: a content 1000 pixels wide with
// 300 in view (the scroll bar's last position is 701), lines of 40 pixels.
#include "sections/PageScroll.h"

#include <gtest/gtest.h>

using namespace sections;
using R = ScrollRequest;

TEST(PageScroll, RequestsMoveByALineOrAPageAndStopAtTheirEnds)
{
    const struct { int position; R request; int expected; } cases[] = {
        {100, R::LineLeft, 60}, {30, R::LineLeft, 0}, {660, R::LineRight, 700}, {661, R::LineRight, 701},
        {690, R::LineRight, 701}, {350, R::PageLeft, 50}, {250, R::PageLeft, 0}, {300, R::PageRight, 600},
        {400, R::PageRight, 700}, {450, R::PageRight, 700}, {123, R::ThumbTrack, 555}, {123, R::ThumbPosition, 555},
        {450, R::Left, 0}, {0, R::Right, 701}, {450, static_cast<R>(8), 450}};
    for (const auto& c : cases)
        EXPECT_EQ(RequestedPosition({c.position, 1000, 300}, c.request, 555, 40), c.expected)
            << "from " << c.position << ", request " << static_cast<int>(c.request);
}

// -1: the position stays. From the scroll bar's end a wider view keeps the
// end there; otherwise growing by more than the hidden part less one puts
// the end one pixel short of the edge, or home when all fits.
TEST(PageScroll, AWiderViewKeepsTheEndInSightAndANarrowerOneChangesNothing)
{
    const struct { int position, width, expected; } cases[] = {
        {701, 500, 501}, {701, 200, -1}, {701, 1000, 0}, {600, 400, 599}, {601, 400, 599},
        {599, 400, -1},  {0, 400, -1},   {0, 1000, 0},   {500, 1200, 0},  {0, 200, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(PositionAfterResize({c.position, 1000, 300}, c.width).value_or(-1), c.expected)
            << "at " << c.position << ", width " << c.width;
    EXPECT_EQ(ContentShift(0, 40), -40);
    EXPECT_EQ(ContentShift(701, 0), 701);
}

// Laid out again for another DPI (the content 1000 pixels wide, 300 in view,
// before): the end stays the end, home stays home, any other position keeps
// its share of the content, within the new last position.
TEST(PageScroll, ANewLayoutKeepsTheEndTheStartOrTheShareOfTheContent)
{
    const struct { int position, range, page, expected; } cases[] = {
        {701, 1500, 450, 1051}, {701, 800, 240, 561}, {0, 1500, 450, 0}, {350, 1500, 450, 525},
        {350, 800, 240, 280},   {600, 1000, 900, 101}, {500, 1000, 1200, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(PositionAfterNewLayout({c.position, 1000, 300}, c.range, c.page), c.expected)
            << "at " << c.position << ", now " << c.range << " wide with " << c.page << " in view";
}
