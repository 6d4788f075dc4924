// The main frame's bars, built as the frame asks for them: the toolbar of
// five text buttons, the rebar that holds the command bar and the toolbar,
// the status bar with the menu help text, and the frame's layout.
//
// The wiring in the frame's creation (the bars are made as children of the
// frame; adding a bar to a band makes it the rebar's child):
//
//   commandBar.Create(frame, frame);
//   commandBar.AttachMenu(GetMenu(frame)); SetMenu(frame, nullptr);
//   toolBar.Create(frame);                                   // layout, labels, buttons, images
//   rebar.Create(frame);
//   rebar.AddBand(commandBar.Handle(), commandBar.IdealSize());   // FrameRebar::kCommandBarBand
//   rebar.AddBand(toolBar.Handle(), toolBar.IdealSize(), {.newRow = true, .gripper = true});
//                                                                 // FrameRebar::kToolBarBand
//   statusBar.Create(frame);
//   LayOutFrame(frame, rebar.Handle(), statusBar.Handle(), splitWindow);
//
// and in its message map: WM_SIZE -> LayOutFrame, WM_MENUSELECT ->
// statusBar.ShowMenuHelp(wParam, lParam), TBN_DROPDOWN from
// FrameToolBar::kWindowId for ID_GP_REVERT -> ShowRevertDropDown(...),
// ID_GP_VIEW_TOOLBAR -> rebar.ShowBand(FrameRebar::kToolBarBand, ...) then
// LayOutFrame.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/DpiPictures.h"
#include "framework/GdiHandles.h"
#include "resources/ResourceIds.h"

class CommandBar;

// The label of a toolbar label string: the text between its first and second
// vertical bar, blanks kept ("|  Open       ||" gives "  Open       ").
std::wstring ToolBarLabel(const std::wstring& resourceText);

// The toolbar: its buttons come from the toolbar layout resource
// (IDR_GP_TOOLBAR), so the order lives in one place beside the menu. It is
// flat, with tool tips and text to the right of the pictures, transparent
// over the rebar. The layout's placeholder goes; the five labels come from
// the string table and the nine buttons are Open, Revert... as a drop-down,
// Save, Show Code and Donate with separators between. The pictures are cut
// from one strip of 32 x 32, 24-bit pictures masked by their light grey,
// drawn for the toolbar's DPI (kPicture). It owns its image list.
class FrameToolBar {
public:
    // The toolbar window's id. It is the number of the command that shows
    // and hides the toolbar (ID_GP_VIEW_TOOLBAR, 59392), as a frame's
    // toolbar is numbered, but it names the window: the frame's notices
    // from the toolbar come with it.
    static constexpr UINT kWindowId = 59392;
    // The five button pictures side by side in bitmap IDB_GP_TOOLBAR (and its
    // drawings for 150 % and 200 %).
    static const PictureDescription kPicture;

    FrameToolBar() = default;
    ~FrameToolBar();
    FrameToolBar(const FrameToolBar&) = delete;
    FrameToolBar& operator=(const FrameToolBar&) = delete;

    // Creates the toolbar as a child of parent (normally the rebar). Returns
    // nullptr, creating nothing, when the toolbar layout cannot be found or
    // loaded.
    HWND Create(HWND parent);
    HWND Handle() const { return toolbar_; }
    // The size of all its buttons in one row.
    SIZE IdealSize() const;
    // Screen point under the bottom-left corner of a button (by command).
    POINT ButtonBottomLeft(UINT command) const;
    // A change of the system's settings, colours or theme, which the toolbar
    // window has had from its parent: the labels' font is made again and
    // the buttons take their new size.
    void OnSystemChange(UINT message);
    // Takes the pictures and the labels' font for dpi (the window's new DPI
    // when it moved to another display) and sizes its buttons, and its band
    // in the rebar, for them.
    void UseDpi(int dpi);
    // The DPI its pictures are made for.
    int Dpi() const { return dpi_; }

private:
    void FitBand() const;
    // Gives the labels the icon-title font for the DPI of the pictures.
    void ApplyLabelFont();

    HWND toolbar_ = nullptr;
    ImageList images_;
    int dpi_ = 96;
    GdiObject<HFONT> labelFont_;
};

// How a band of the rebar is added: on a row of its own or beside the band
// before it, with or without a gripper.
struct RebarBandOptions {
    bool newRow = false;
    bool gripper = false;
};

// The rebar at the top of the frame: variable height, band borders,
// automatic size, no divider. Bands keep their children visible when they
// do not fit (cut off, not hidden).
class FrameRebar {
public:
    // The frame's bands, in the order it adds them: the command bar's on the
    // first row, the toolbar's on the second.
    static constexpr int kCommandBarBand = 0;
    static constexpr int kToolBarBand = 1;

    // Creates the rebar as a child of frame. Returns nullptr (and leaves no
    // window) when it cannot take its bar information.
    HWND Create(HWND frame);
    HWND Handle() const { return rebar_; }

    // Adds a band holding child at the given size, after the others. Returns
    // the band's index or -1.
    int AddBand(HWND child, SIZE size, RebarBandOptions options = {});
    // Shows or hides a band (and with it its row when it is alone there).
    void ShowBand(int index, bool show);
    bool BandVisible(int index) const;
    // Gives the band that holds child the child's new size (after a change
    // of its font); false when no band holds it.
    bool FitBand(HWND child, SIZE size);
    // The frame has taken a new DPI: the rebar's own font (the message
    // font, as the rebar takes it when it is made) for it.
    void UseDpi(int dpi);

private:
    HWND rebar_ = nullptr;
    GdiObject<HFONT> font_;
};

// The status bar: size grip, "Ready" (IDS_GP_READY) when idle, the help text
// of a highlighted menu item while a menu is open, in the system's status
// font.
class FrameStatusBar {
public:
    // The status bar window's id: as the toolbar's, the number of the command
    // that shows and hides it (ID_GP_VIEW_STATUS_BAR, 59393).
    static constexpr UINT kWindowId = 59393;

    HWND Create(HWND frame, UINT id = kWindowId);
    HWND Handle() const { return status_; }

    // For WM_MENUSELECT of the frame: the text of the string resource whose
    // id is the highlighted item's command, up to its first line feed, or
    // nothing; "Ready" again when the menu closes.
    void ShowMenuHelp(WPARAM wParam, LPARAM lParam);
    void ShowIdleText();
    std::wstring Text() const;
    // A change of the system's settings, colours or theme, which the bar
    // window has had from the frame: the bar remakes its font; the frame's
    // layout gives it its height.
    void OnSystemChange(UINT message);
    // The frame has taken a new DPI: the bar takes the status font for it.
    void UseDpi(int dpi);

private:
    void SetText(const std::wstring& text);
    // Gives the bar the status font for its DPI.
    void ApplyFont();
    void ApplyMinHeight(int dpi);
    HWND status_ = nullptr;
    // The DPI given by the frame; until then, the window's own.
    int dpi_ = 0;
    GdiObject<HFONT> font_;
};

// Lays the frame's client area out: the rebar at the top and the status bar
// at the bottom (each when present and visible), the client window between.
// Returns the client window's rectangle.
RECT LayOutFrame(HWND frame, HWND rebar, HWND statusBar, HWND client);

// After the frame has passed a change of the system's settings, colours or
// theme on to its children (framework/SystemChanges.h), the rest for its
// bars: the bars in the rebar's bands hear of it too (the rebar passes
// nothing on), each remakes what depends on it, and the bands take the
// command bar's and the toolbar's new sizes. The frame lays itself out
// afterwards (LayOutFrame).
void PassSystemChangeToBars(UINT message, WPARAM wParam, LPARAM lParam, CommandBar& commandBar,
                            FrameToolBar& toolBar, FrameRebar& rebar, FrameStatusBar& statusBar);

// Shows the "Revert..." pop-up of the File menu through the command bar under
// the toolbar's Revert button (ID_GP_REVERT), as that button's drop-down, so
// the toolbar offers the same two choices as the menu.
void ShowRevertDropDown(CommandBar& commandBar, const FrameToolBar& toolBar);
