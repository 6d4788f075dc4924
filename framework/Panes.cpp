#include "framework/Panes.h"

void RequestNeighbourPane(HWND from, bool forward)
{
    if (HWND root = GetAncestor(from, GA_ROOT))
        SendMessageW(root, WM_COMMAND, MAKEWPARAM(forward ? kNextPaneCommand : kPreviousPaneCommand, 0), 0);
}

int NeighbourPane(const std::vector<HWND>& panes, HWND focus, bool forward)
{
    const int count = static_cast<int>(panes.size());
    int current = forward ? -1 : count;
    for (int i = 0; i < count; ++i)
        if (panes[i] && focus && (panes[i] == focus || IsChild(panes[i], focus))) current = i;
    for (int step = 1; step <= count; ++step) {
        const int next = ((current + (forward ? step : -step)) % count + count) % count;
        if (panes[next] && IsWindowVisible(panes[next])) return next;
    }
    return -1;
}
