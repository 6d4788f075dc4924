// The property handlers' view of a live section page (sections/PageControls.h)
// over its real controls: the bindings that the page makes at
// initialisation, one colour picker button per colour button, and the main
// frame window that the refresh message goes to with what the frame does
// with the result of the change's stores. Ids that are not bound
// read as empty and ignore changes.
#pragma once

#include <windows.h>

#include "controls/ColorPickerButton.h"
#include "sections/PageControls.h"

#include <functional>
#include <map>

namespace sections {

class WindowPageControls : public PageControls {
public:
    void Bind(int id, HWND control) { controls_[id] = control; }
    void BindColorButton(int id, ColorPickerButton* button) { buttons_[id] = button; }
    void Clear();

    HWND Control(int id) const;
    ColorPickerButton* ColorButton(int id) const;

    void SetMainFrame(HWND frame, std::function<void(StoreResult)> storeNotice)
    {
        mainFrame_ = frame;
        storeNotice_ = std::move(storeNotice);
    }
    HWND MainFrame() const { return mainFrame_; }

    ColorValue ButtonColor(int id) const override;
    void SetButtonColor(int id, ColorValue color) override;
    std::string ControlText(int id) const override;
    void SetControlText(int id, const std::string& text) override;
    bool IsChecked(int id) const override;
    std::uint32_t UpDownRange(int id) const override;
    void EnableControl(int id) override;
    void DisableControl(int id) override;
    bool IsControlEnabled(int id) const override;
    void SendRefresh(StoreResult stored) override;

private:
    std::map<int, HWND> controls_;
    std::map<int, ColorPickerButton*> buttons_;
    HWND mainFrame_ = nullptr;
    std::function<void(StoreResult)> storeNotice_;
};

} // namespace sections
