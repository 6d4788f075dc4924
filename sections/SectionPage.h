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
#include "sections/ProgramMessages.h"
#include "sections/SectionCatalogue.h"
#include "sections/WindowPageControls.h"

#include <memory>
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
    bool Complete() const { return Handle() && !steps_; }

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
    LRESULT OnDpiChangedBeforeParent(Message& message);
    LRESULT OnDpiChangedAfterParent(Message& message);

    void BindControls();
    void SetInitialValues();
    // Moves the content so that it stands where the scroll position says.
    void FollowScrollPosition();
    // Gives the bound controls the page's font for the page's DPI.
    void SetControlFont();

    SectionPageId page_;
    // The template's controls still to make while the page is made in steps.
    std::unique_ptr<DialogInSteps> steps_;
    WindowPageControls controls_;
    std::vector<std::unique_ptr<Owned<ColorPickerButton>>> buttons_;
    Owned<AccessibleName> pictureName_; // the picture has no text to be named by
    std::vector<HWND> bound_;       // every bound control, in template order
    int contentOffset_ = 0;         // how far the content is scrolled left, in pixels
    int dpi_ = kDefaultDpi;         // the DPI the page's layout and font are for
    GdiObject<HFONT> font_;         // the controls' font away from the system's DPI
};

} // namespace sections
