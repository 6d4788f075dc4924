#include "framework/Dpi.h"

#include "framework/GdiHandles.h"
#include "framework/SystemLibraries.h"

namespace {

// The property in which a top-level window keeps the DPI it decided on.
constexpr wchar_t kDecidedDpiProperty[] = L"Glimmerpatch.DecidedDpi";

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using SetDialogBehaviorFunction = BOOL(WINAPI*)(HWND, int, int);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// user32 is loaded by every program that has windows, so its handle stays
// valid for the whole run.
template <typename Function>
Function User32Function(const char* name)
{
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

int ScreenDpi()
{
    WindowDC screen(nullptr);
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

// The icon-title font (action SPI_GETICONTITLELOGFONT), or one of the
// non-client metrics' fonts (SPI_GETNONCLIENTMETRICS, the member names it).
bool FontForDpi(UINT action, LOGFONTW& font, int dpi, LOGFONTW NONCLIENTMETRICSW::*member = nullptr)
{
    static const auto forDpi = User32Function<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
    if (action == SPI_GETICONTITLELOGFONT) {
        if (forDpi && forDpi(action, sizeof font, &font, 0, static_cast<UINT>(dpi))) return true;
        if (!SystemParametersInfoW(action, sizeof font, &font, 0)) return false;
    } else {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (!(forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) &&
            !SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            return false;
        font = metrics.*member;
        if (forDpi) return true;
    }
    // Without the DPI-aware query the font comes at the system's DPI.
    const int system = SystemDpi();
    if (system != dpi) font.lfHeight = MulDiv(font.lfHeight, dpi, system);
    return true;
}

} // namespace

int SystemDpi()
{
    static const auto forSystem = User32Function<GetDpiForSystemFunction>("GetDpiForSystem");
    const int dpi = forSystem ? static_cast<int>(forSystem()) : 0;
    return dpi > 0 ? dpi : ScreenDpi();
}

int MonitorDpi(HWND window)
{
    if (!window) return SystemDpi();
    static const auto forWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (forWindow) {
        const int dpi = static_cast<int>(forWindow(window));
        if (IsUsableDpi(dpi)) return dpi;
    }
    // Windows 8.1 and Windows 10 before 1607: the monitor's effective DPI.
    static const auto forMonitor = [] {
        HMODULE shcore = LoadSystemLibrary(L"shcore.dll");
        return shcore ? reinterpret_cast<GetDpiForMonitorFunction>(
                            reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                      : nullptr;
    }();
    UINT x = 0, y = 0;
    if (forMonitor && SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), 0, &x, &y)) &&
        IsUsableDpi(static_cast<int>(y)))
        return static_cast<int>(y);
    return SystemDpi();
}

int WindowDpi(HWND window)
{
    if (!window) return SystemDpi();
    HWND top = GetAncestor(window, GA_ROOT);
    if (!top) top = window;
    const int decided = static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(top, kDecidedDpiProperty)));
    return IsUsableDpi(decided) ? decided : MonitorDpi(top);
}

void SetDecidedDpi(HWND topLevel, int dpi)
{
    if (topLevel && IsUsableDpi(dpi))
        SetPropW(topLevel, kDecidedDpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
}

void ForgetDecidedDpi(HWND topLevel)
{
    if (topLevel) RemovePropW(topLevel, kDecidedDpiProperty);
}

void LayOutDialogWithoutSystemHelp(HWND dialog)
{
    // DDC_DISABLE_ALL: no resize, no relayout, no font of the system's.
    static const auto behaviour = User32Function<SetDialogBehaviorFunction>("SetDialogDpiChangeBehavior");
    if (dialog && behaviour) behaviour(dialog, 0x0001, 0x0001);
}

void LayOutControlWithoutSystemHelp(HWND control)
{
    // DCDC_DISABLE_FONT_UPDATE | DCDC_DISABLE_RELAYOUT.
    static const auto behaviour = User32Function<SetDialogBehaviorFunction>("SetDialogControlDpiChangeBehavior");
    if (control && behaviour) behaviour(control, 0x0003, 0x0003);
}

int SystemMetricForDpi(int index, int dpi)
{
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
    const int system = SystemDpi();
    const int value = GetSystemMetrics(index);
    return system == dpi ? value : MulDiv(value, dpi, system);
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi)
{
    using AdjustFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto forDpi = User32Function<AdjustFunction>("AdjustWindowRectExForDpi");
    if (forDpi && forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) return;
    RECT system = rect;
    if (!AdjustWindowRectEx(&system, style, FALSE, exStyle)) return;
    // The frame of the system's DPI, scaled.
    const int own = SystemDpi();
    rect.left -= MulDiv(rect.left - system.left, dpi, own);
    rect.top -= MulDiv(rect.top - system.top, dpi, own);
    rect.right += MulDiv(system.right - rect.right, dpi, own);
    rect.bottom += MulDiv(system.bottom - rect.bottom, dpi, own);
}

bool IconTitleFontForDpi(LOGFONTW& font, int dpi)
{
    return FontForDpi(SPI_GETICONTITLELOGFONT, font, dpi);
}

bool MessageFontForDpi(LOGFONTW& font, int dpi)
{
    return FontForDpi(SPI_GETNONCLIENTMETRICS, font, dpi, &NONCLIENTMETRICSW::lfMessageFont);
}

bool MenuFontForDpi(LOGFONTW& font, int dpi)
{
    return FontForDpi(SPI_GETNONCLIENTMETRICS, font, dpi, &NONCLIENTMETRICSW::lfMenuFont);
}

bool StatusFontForDpi(LOGFONTW& font, int dpi)
{
    return FontForDpi(SPI_GETNONCLIENTMETRICS, font, dpi, &NONCLIENTMETRICSW::lfStatusFont);
}

HFONT StockFontForDpi(int stockFont, int dpi)
{
    const int system = SystemDpi();
    if (dpi == system) return nullptr;
    LOGFONTW font{};
    if (!GetObjectW(GetStockObject(stockFont), sizeof font, &font)) return nullptr;
    font.lfHeight = MulDiv(font.lfHeight, dpi, system);
    font.lfWidth = MulDiv(font.lfWidth, dpi, system);
    return CreateFontIndirectW(&font);
}
