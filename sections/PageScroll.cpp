#include "sections/PageScroll.h"

#include <algorithm>

namespace sections {

int RequestedPosition(const PageScroll& scroll, ScrollRequest request, int thumb, int lineStep)
{
    switch (request) {
    case ScrollRequest::LineLeft: return std::max(scroll.position - lineStep, 0);
    case ScrollRequest::LineRight: return std::min(scroll.position + lineStep, scroll.LastPosition());
    case ScrollRequest::PageLeft: return std::max(scroll.position - scroll.page, 0);
    case ScrollRequest::PageRight: return std::min(scroll.position + scroll.page, scroll.LastPosition() - 1);
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack: return thumb;
    case ScrollRequest::Left: return 0;
    case ScrollRequest::Right: return scroll.LastPosition();
    }
    return scroll.position;   // the end of a scroll, or a request of no meaning here
}

std::optional<int> PositionAfterResize(const PageScroll& scroll, int width)
{
    const int growth = width - scroll.page;
    const int hiddenRight = scroll.range - scroll.page - scroll.position;
    const bool fits = width >= scroll.range;
    if (scroll.position == scroll.LastPosition() && !fits) {
        if (growth > 0) return scroll.range - width + 1;
        return std::nullopt;
    }
    if (growth > hiddenRight - 1) return fits ? 0 : scroll.range - width - 1;
    return std::nullopt;
}

int PositionAfterNewLayout(const PageScroll& before, int range, int page)
{
    const PageScroll after{0, range, page};
    const int last = std::max(after.LastPosition(), 0);
    if (before.position <= 0 || before.range <= 0) return 0;
    if (before.position >= before.LastPosition()) return last;
    const long long share = (static_cast<long long>(before.position) * range * 2 + before.range) / (2LL * before.range);
    return static_cast<int>(std::min<long long>(share, last));
}

} // namespace sections
