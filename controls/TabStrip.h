// The strip window of the tab strip (window class "GlimmerpatchTabStrip"):
// a row of flat tabs with the selected one set off, scrolled by two buttons
// when the tabs do not fit. It tells its parent about clicks (NM_CLICK) and
// selection changes (TCN_SELCHANGING, which the parent may veto by
// answering 1, then TCN_SELCHANGE) and asks it about painting (NM_CUSTOMDRAW).
//
// From the keyboard, as the system's tab control: the strip takes the focus
// (a pane of its own, reached by F6 or Tab) and shows it with a focus
// rectangle on the selected tab unless the window hides focus cues; Left
// and Right select the tab beside, Home and End the first and the last, and
// Tab and Shift+Tab go on to the next or previous pane (framework/Panes.h).
// Screen readers read it as a page tab list (controls/TabStripAccessible.h)
// and hear of every selection, and of the focus on the selected tab.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "controls/TabStripMetrics.h"
#include "framework/AccessibleObject.h"
#include "framework/GdiHandles.h"
#include "framework/Window.h"

// Strip styles: the low bits of the strip's window style.
constexpr DWORD kTabStripScrollButtons = 0x0001; // scroll buttons when the tabs do not fit
constexpr DWORD kTabStripBottom = 0x0002;        // along the bottom edge, the page above it
constexpr DWORD kTabStripCloseButton = 0x0008;   // a close button (not drawn by this strip)
constexpr DWORD kTabStripHotTrack = 0x0040;      // the tab under the mouse is drawn as hot
constexpr DWORD kTabStripEdgeVariant = 0x0100;   // a variant of the selected tab's edge lines
constexpr DWORD kTabStripDragTabs = 0x0400;      // dragging tabs (not supported by this strip)
constexpr DWORD kTabStripBoldSelected = 0x2000;  // the selected title in bold
constexpr DWORD kTabStripTooltips = 0x4000;      // tooltips of the buttons active
constexpr DWORD kTabStripStyleMask = 0xFFFF;

// TCN_SELCHANGING and TCN_SELCHANGE.
struct TabStripNotification {
    NMHDR header;
    int oldIndex;
    int newIndex;
    POINT point; // (-1, -1)
};

// Sent to the parent (as WM_NOTIFY with a plain NMHDR) when the strip's
// height changed because its DPI did: the parent lays itself out again.
constexpr UINT kTabStripHeightChanged = static_cast<UINT>(TCN_FIRST - 20);

// NM_CLICK.
struct TabStripClick {
    NMHDR header;
    int index; // the tab under the point, or -1
    POINT point;
};

// How fast a held scroll button repeats, in milliseconds.
enum class TabScrollSpeed : UINT { Slow = 100, Normal = 25, Fast = 10 };

class TabStrip : public BaseWindow<TabStrip> {
public:
    TabStrip();

    // style: WS_ flags together with the strip styles above.
    HWND Create(HWND parent, const RECT& rect, DWORD style, UINT id);

    // Appends a tab; returns its index. The strip does not select it.
    int AppendTab(const std::wstring& title, int image, HWND page);
    int FindTab(HWND page) const;
    // Gives a tab the page it stands for (a tab may be added before its page
    // exists); the selection and the layout stay as they are.
    void SetTabPage(int index, HWND page);
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    HWND TabPage(int index) const;
    std::wstring TabTitle(int index) const;
    int SelectedIndex() const { return selected_; }
    int HotIndex() const { return hot_; }
    // Selects with the notifications; an index past the end keeps the selection.
    bool SelectTab(int index);
    // True while a key of the strip's own selects a tab: the focus stays on
    // the strip then, as it does on the system's tab control.
    bool SelectingByKey() const { return selectingByKey_; }

    HIMAGELIST Images() const { return images_.Get(); }
    // The height the strip wants, from its font.
    int StripHeight() const { return stripHeight_; }
    // The DPI the strip is drawn for (that of its window, from its creation
    // on and after every DPI change), and its sizes at that DPI.
    int Dpi() const { return metrics_.dpi; }
    const tabstrip::Metrics& Metrics() const { return metrics_; }
    // Draws the strip for another DPI: remakes its fonts and sizes, lays it
    // out and, when its height changed, tells the parent. The strip does so
    // itself with the DPI its parent passes on (kUseDpiMessage), and with
    // its window's DPI on WM_DPICHANGED_AFTERPARENT.
    void SetDpi(int dpi);
    void SetScrollSpeed(TabScrollSpeed speed) { repeatMilliseconds_ = static_cast<UINT>(speed); }

    // Geometry, in client coordinates (for tests and hosts).
    RECT TabRect(int index) const; // after the scroll offset
    int ScrollOffset() const { return offset_; }
    int VisibleWidth() const { return visibleWidth_; }
    bool ScrollButtonsShown() const { return buttonsShown_; }
    bool CanScrollLeft() const { return canScrollLeft_; }
    bool CanScrollRight() const { return canScrollRight_; }
    RECT ScrollLeftButton() const { return scrollLeftButton_; }
    RECT ScrollRightButton() const { return scrollRightButton_; }

    static const WindowClass kWindowClass;
    static const MessageMap<TabStrip> kMessageMap;

private:
    struct Tab {
        std::wstring title;
        int image;
        HWND page;
        int width;
    };
    enum class Button { None, ScrollLeft, ScrollRight };

    DWORD StripStyle() const;
    void MakeFonts();
    void MakeColors();
    void MeasureTabs();
    void LayOut();
    void ScrollOnce(Button button);
    int HitTestTab(POINT point) const;
    std::vector<int> Edges() const;
    void UpdateTooltips();
    LRESULT SendNotify(NMHDR& header);

    void Paint(HDC dc, const RECT& client);
    void PaintTab(HDC dc, int index, const RECT& rect);
    void PaintScrollButton(HDC dc, const RECT& rect, bool pointsLeft, bool enabled);

    LRESULT OnCreate(Message& message);
    LRESULT OnDestroy(Message& message);
    LRESULT OnSize(Message& message);
    LRESULT OnPaint(Message& message);
    LRESULT OnEraseBackground(Message& message);
    LRESULT OnLeftButtonDown(Message& message);
    LRESULT OnLeftButtonUp(Message& message);
    LRESULT OnMouseMove(Message& message);
    LRESULT OnMouseLeave(Message& message);
    LRESULT OnCaptureChanged(Message& message);
    LRESULT OnTimer(Message& message);
    LRESULT OnSettingChange(Message& message);
    LRESULT OnSysColorChange(Message& message);
    LRESULT OnDpiChangedAfterParent(Message& message);
    LRESULT OnUseDpi(Message& message);
    LRESULT OnGetObject(Message& message);
    LRESULT OnKeyDown(Message& message);
    LRESULT OnFocusChanged(Message& message);
    LRESULT OnUpdateUiState(Message& message);
    // The focus rectangle shows: the strip has the focus and its window
    // does not hide focus cues.
    bool ShowsFocus() const;

    std::vector<Tab> tabs_;
    int selected_ = -1;
    int hot_ = -1;
    int offset_ = 0;
    tabstrip::Metrics metrics_;
    int stripHeight_;
    ImageList images_;
    GdiObject<HFONT> font_;     // the stock GUI font when no font could be made
    GdiObject<HFONT> boldFont_;
    GdiObject<HBRUSH> background_;
    COLORREF glyphColor_ = 0;
    HWND tooltip_ = nullptr;

    int visibleWidth_ = 0;
    bool buttonsShown_ = false;
    bool canScrollLeft_ = false;
    bool canScrollRight_ = false;
    RECT scrollLeftButton_{};
    RECT scrollRightButton_{};
    Button pressedButton_ = Button::None;
    bool trackingLeave_ = false;
    UINT repeatMilliseconds_ = static_cast<UINT>(TabScrollSpeed::Normal);
    bool selectingByKey_ = false;
    AccessibleServer accessible_;
};
