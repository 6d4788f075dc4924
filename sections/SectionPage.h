// One section page: a modeless child dialog from its catalogue template
// that binds its controls, fills its lists, scrolls horizontally, colours
// its read-only number fields, routes control changes to the property
// handlers and reflects everything else to the controls. All sixteen pages
// are this class; they differ only in the catalogue entry they are made from.
// Create pages as Owned<SectionPage> (framework/Owned.h).
#pragma once

#include <windows.h>

#include "controls/ColorPickerButton.h"
#include "framework/AccessibleName.h"
#include "framework/Dialog.h"
#include "framework/DialogInSteps.h"
#include "framework/Dpi.h"
#include "framework/GdiHandles.h"
#include "framework/Owned.h"
#include "sections/PageScroll.h"
#include "sections/ProgramMessages.h"
#include "sections/SectionCatalogue.h"
#include "sections/WindowPageControls.h"

#include <memory>
#include <optional>
#include <vector>

namespace sections {

class SectionPage : public BaseDialog<SectionPage> {
public:
    explicit SectionPage(SectionPageId page);

    // Every page is made from its template in steps (framework/DialogInSteps.h):
    // CreateInSteps makes the page's window without controls (hidden, a
    // child of parent, with no title yet), and each MakeMoreControls makes
    // more of them until `deadline`; the call after the one that made the
    // last control initialises the page (WM_INITDIALOG), or with no
    // deadline the same call. False when a control cannot be made; the page
    // is then of no use. Create makes a page needed at once: the window,
    // then all the rest now (nullptr, and no window, when that fails).
    HWND CreateInSteps(HWND parent);
    bool MakeMoreControls(const StepDeadline& deadline = {});
    HWND Create(HWND parent);
    // True once the page is initialised.
    bool Complete() const { return Handle() && steps_ && steps_->Done(); }

    // The page works at the DPI its frame decided on (framework/Dpi.h): it
    // takes it when it is made, and a new one from kUseDpiMessage, which
    // its container passes on. The controls are placed again from the
    // template for that DPI with the template's font for it (half a page
    // only the controls made so far; the rest follow at that DPI), take
    // their fonts and the picture for it, and stay the same windows with
    // what the user chose in them. Once the frame is laid out
    // (kDpiLaidOutMessage) the scroll position comes back: a page scrolled
    // to its end stays there, any other keeps its share of the content.
    void SetDpi(int dpi);
    int Dpi() const { return dpi_; }

    // The window that receives kPageChangedMessage after every change the
    // handlers write, and what it is handed then: whether the change was
    // stored.
    void SetMainFrame(HWND frame, std::function<void(StoreResult)> storeNotice = {})
    {
        controls_.SetMainFrame(frame, std::move(storeNotice));
    }
    HWND MainFrame() const { return controls_.MainFrame(); }

    SectionPageId Page() const { return page_; }

    // The bound control with an id (colour buttons included), or nullptr.
    HWND Control(int id) const { return controls_.Control(id); }
    ColorPickerButton* ColorButton(int id) const { return controls_.ColorButton(id); }

    // The page's controls as its handlers see them.
    PageControls& Controls() { return controls_; }

    static const MessageMap<SectionPage> kMessageMap;

private:
    LRESULT OnInitDialog(Message& message);
    LRESULT OnCommand(Message& message);
    LRESULT OnNotify(Message& message);
    LRESULT OnHScroll(Message& message);
    LRESULT OnSize(Message& message);
    LRESULT OnGetMinMaxInfo(Message& message);
    LRESULT OnPlaced(Message& message);
    LRESULT OnCtlColorStatic(Message& message);
    LRESULT OnDestroy(Message& message);
    LRESULT OnShowWindow(Message& message);
    LRESULT OnUseDpi(Message& message);
    LRESULT OnDpiLaidOut(Message& message);

    void BindControls();
    void SetInitialValues();
    // Moves the content so that it stands where the scroll position says.
    void FollowScrollPosition();
    // Gives the bound controls the page's font for the page's DPI.
    void SetControlFont();
    // A page its container has never placed has the template's size, as
    // the dialog manager makes a page, for the page's DPI.
    void FitTemplateSize();
    // The controls made since the last call are left to the program's
    // layout at every DPI.
    void KeepControlsFromSystemLayout();

    SectionPageId page_;
    // The template, its controls made in steps and placed for the page's DPI.
    std::unique_ptr<DialogInSteps> steps_;
    std::size_t keptFromSystem_ = 0;  // controls left to the program's layout so far
    WindowPageControls controls_;
    std::vector<std::unique_ptr<Owned<ColorPickerButton>>> buttons_;
    Owned<AccessibleName> pictureName_; // the picture has no text to be named by
    std::vector<HWND> bound_;       // every bound control, in template order
    int contentOffset_ = 0;         // how far the content is scrolled left, in pixels
    int dpi_ = kDefaultDpi;         // the DPI the page's layout and font are for
    GdiObject<HFONT> font_;         // the controls' font away from the system's DPI
    bool shown_ = false;            // placed by its container at least once
    bool fittingTemplate_ = false;  // while it takes the template's size
    // The scroll state before a new layout, until the frame is laid out.
    std::optional<PageScroll> scrollBeforeLayout_;
};

} // namespace sections
