// The horizontal scrolling of a section page as plain numbers, apart from
// its window: the scroll bar's state and what a scroll request or a new
// width makes of the position. The page sets what these give and moves its
// content by the change of the position (ContentShift), so that the controls
// always stand where the position says.
#pragma once

#include <optional>

namespace sections {

// The requests of WM_HSCROLL, with the values of their SB_ codes.
enum class ScrollRequest {
    LineLeft = 0,
    LineRight = 1,
    PageLeft = 2,
    PageRight = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Left = 6,
    Right = 7,
};

struct PageScroll {
    int position = 0;   // nPos: how far the content is scrolled left, in pixels
    int range = 0;      // nMax: the content's width (the template's, in pixels)
    int page = 0;       // nPage: the width in view

    // The furthest position the scroll bar takes. Its range counts nMax as
    // a position of its own, so this is one past the content's end
    // (range - page): the last pixel column shows empty there.
    int LastPosition() const { return range - page + 1; }
};

// The position a request asks for; the scroll bar may still clamp it. A line
// is `lineStep` pixels, a page the width in view; `thumb` is where the thumb
// was dragged. A page to the right stops at the content's end, one short of
// LastPosition; a line to the right and "Right" go to LastPosition itself.
int RequestedPosition(const PageScroll& scroll, ScrollRequest request, int thumb, int lineStep);

// The position to set once the width in view has become `width` (the page
// size becomes `width` in any case), or none when the position stays.
// Scrolled to LastPosition, a wider view keeps the end at LastPosition for
// the new width; otherwise a view grown by more than the hidden part on the
// right, less one, puts the content's end one pixel short of the view's
// right edge, or the content home when it fits. A narrower view changes
// nothing.
std::optional<int> PositionAfterResize(const PageScroll& scroll, int width);

// The position once the content has been laid out again for another DPI,
// `range` wide with `page` in view: a page scrolled to its end stays at
// its end; any other position keeps its share of the content, rounded,
// within what the scroll bar takes.
int PositionAfterNewLayout(const PageScroll& before, int range, int page);

// How far the content moves to the right (left when negative) to go from
// being scrolled `offset` pixels left to standing where `position` says.
inline int ContentShift(int offset, int position)
{
    return offset - position;
}

} // namespace sections
