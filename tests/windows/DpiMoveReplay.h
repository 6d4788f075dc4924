// A move of a top-level window to a display of another DPI, replayed as
// Windows (per-monitor aware, version 2) sends it - Wine never moves a
// window between DPIs - and the window tree to compare with one made fresh
// at that DPI. Header-only; the replay tests and the move showcase use it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Dpi.h"
#include "style/Utf16.h"

namespace dpi_move {

// Every window below `top`, parents before children.
inline std::vector<HWND> Descendants(HWND top)
{
    std::vector<HWND> found;
    std::function<void(HWND)> walk = [&](HWND parent) {
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            found.push_back(child);
            walk(child);
        }
    };
    walk(top);
    return found;
}

// WM_DPICHANGED_BEFOREPARENT to every descendant from the bottom up (each
// child before its parent), WM_DPICHANGED to the window with the suggested
// rectangle, WM_DPICHANGED_AFTERPARENT to every descendant from the top
// down. A top-level dialog is first asked for its size at the new DPI
// (WM_GETDPISCALEDSIZE), which the rectangle then takes.
inline void Replay(HWND top, int dpi, RECT suggested)
{
    const std::vector<HWND> tree = Descendants(top);
    for (auto child = tree.rbegin(); child != tree.rend(); ++child)
        if (IsWindow(*child)) SendMessageW(*child, kDpiChangedBeforeParentMessage, 0, 0);
    SIZE size{};
    if (SendMessageW(top, kGetDpiScaledSizeMessage, static_cast<WPARAM>(dpi), reinterpret_cast<LPARAM>(&size))) {
        suggested.right = suggested.left + size.cx;
        suggested.bottom = suggested.top + size.cy;
    }
    SendMessageW(top, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    for (HWND child : Descendants(top)) SendMessageW(child, kDpiChangedAfterParentMessage, 0, 0);
}

// The rectangle at the window's place whose client area is `client`. The
// system suggests the window's size scaled with the DPI, the frame it draws
// included; Wine draws the frame as the session's DPI has it, so the
// rectangle keeps the frame there is around the client area scaled.
inline RECT AroundClient(HWND window, SIZE client)
{
    RECT place{}, inside{};
    GetWindowRect(window, &place);
    GetClientRect(window, &inside);
    place.right = place.left + place.right - place.left - inside.right + client.cx;
    place.bottom = place.top + place.bottom - place.top - inside.bottom + client.cy;
    return place;
}

// One line per window below `top`, parents before children, indented by
// depth: class, id, place in the parent's client area, whether it is
// visible of itself, the height of its font and what some classes show. A
// window scrolled sideways (a section page) says whether it is home or at
// its end, and its children stand where they stand in its content, so that
// a view a few pixels wider or narrower (the page's frame, which Wine draws
// at the session's DPI) changes nothing. A dialog's own font is the one
// the dialog manager made it with and draws nothing: its controls' fonts
// are in their lines. Numbers marked ~ may differ by a pixel.
inline std::vector<std::string> Tree(HWND top)
{
    std::vector<std::string> lines;
    std::function<void(HWND, int, int)> walk = [&](HWND parent, int depth, int shift) {
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            RECT place{};
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
            std::ostringstream line;
            line << std::string(static_cast<std::size_t>(depth) * 2, ' ') << NarrowToUtf8(name) << " "
                 << GetDlgCtrlID(child) << " at ~" << place.left + shift << " ~" << place.top << " ~"
                 << place.right - place.left << " ~" << place.bottom - place.top
                 << ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) ? " shown" : " hidden");
            const bool dialog = lstrcmpW(name, L"#32770") == 0;
            LOGFONTW font{};
            HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0));
            if (!dialog && handle && GetObjectW(handle, sizeof font, &font))
                line << " font " << NarrowToUtf8(font.lfFaceName) << " " << font.lfHeight;
            const DWORD style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
            if (lstrcmpiW(name, L"Static") == 0 && (style & SS_TYPEMASK) == SS_BITMAP) {
                BITMAP picture{};
                GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                           sizeof picture, &picture);
                line << " picture " << picture.bmWidth << " " << picture.bmHeight;
            }
            if (lstrcmpW(name, TOOLBARCLASSNAMEW) == 0) {
                int width = 0, height = 0;
                ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(child, TB_GETIMAGELIST, 0, 0)),
                                      &width, &height);
                line << " pictures " << width << " " << height;
                const int buttons = static_cast<int>(SendMessageW(child, TB_BUTTONCOUNT, 0, 0));
                for (int i = 0; i < buttons; ++i) {
                    RECT item{};
                    SendMessageW(child, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
                    line << " [~" << item.left << " ~" << item.right << " ~" << item.bottom << "]";
                }
            }
            if (lstrcmpW(name, REBARCLASSNAMEW) == 0) {
                const int bands = static_cast<int>(SendMessageW(child, RB_GETBANDCOUNT, 0, 0));
                for (int i = 0; i < bands; ++i)
                    line << " band ~" << SendMessageW(child, RB_GETROWHEIGHT, i, 0);
            }
            int inner = 0;
            if (dialog && (style & WS_HSCROLL)) {
                SCROLLINFO scroll{};
                scroll.cbSize = sizeof scroll;
                scroll.fMask = SIF_ALL;
                GetScrollInfo(child, SB_HORZ, &scroll);
                const int last = scroll.nMax - static_cast<int>(scroll.nPage) + 1;
                line << " range ~" << scroll.nMax << " "
                     << (scroll.nPos == 0 ? "home" : scroll.nPos >= last ? "end" : "between");
                inner = scroll.nPos;
            }
            lines.push_back(line.str());
            walk(child, depth + 1, inner);
        }
    };
    RECT client{};
    GetClientRect(top, &client);
    std::ostringstream first;
    first << "client ~" << client.right << " ~" << client.bottom;
    lines.push_back(first.str());
    walk(top, 1, 0);
    return lines;
}

// Where two trees differ, at most `most` lines of it; empty when they are
// the same, numbers marked ~ within a pixel.
inline std::string Differences(const std::vector<std::string>& expected, const std::vector<std::string>& actual,
                               int most = 12)
{
    auto same = [](const std::string& one, const std::string& other) {
        std::istringstream a(one), b(other);
        std::string x, y;
        while (a >> x) {
            if (!(b >> y)) return false;
            if (x == y) continue;
            if (x[0] != '~' || y[0] != '~') return false;
            if (std::abs(std::atoi(x.c_str() + 1) - std::atoi(y.c_str() + 1)) > 1) return false;
        }
        return !(b >> y);
    };
    std::ostringstream out;
    int shown = 0;
    if (expected.size() != actual.size())
        out << expected.size() << " windows expected, " << actual.size() << " found\n";
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()) && shown < most; ++i) {
        const std::string wanted = i < expected.size() ? expected[i] : "(none)";
        const std::string found = i < actual.size() ? actual[i] : "(none)";
        if (same(wanted, found)) continue;
        out << "line " << i << "\n  expected: " << wanted << "\n  found:    " << found << "\n";
        ++shown;
    }
    return out.str();
}

inline bool Save(const std::string& path, const std::vector<std::string>& tree)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : tree) file << line << "\n";
    return static_cast<bool>(file);
}

inline std::vector<std::string> Load(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> tree;
    for (std::string line; std::getline(file, line);) tree.push_back(line);
    return tree;
}

} // namespace dpi_move
