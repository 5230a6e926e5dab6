// Builds the window and its 39 controls from the form's description and
// offers the panel's operations on them.
#pragma once

#include <memory>
#include <vector>

#include "controls.h"
#include "display_scale.h"
#include "main_window.h"
#include "recipe_panel.h"

namespace varnomel {

class Form : public PanelView {
public:
    explicit Form(WindowEvents& events) : window_(events), events_(events) {}

    // Creates the window hidden with every control, stacked and shown as the
    // form says. False when any of them could not be created.
    bool create(HINSTANCE instance);
    void destroy() { window_.destroy(); }

    // The scale of the display the window is on; the form's sizes are taken at it.
    const DisplayScale& scale() const { return scale_; }
    // Fonts, the handle and every text drawn anew for a display of `dpi`.
    void changeScale(int dpi);

    MainWindow& window() { return window_; }
    GroupBox& panel() { return *panel_; }
    Control& control(int id);
    HWND handle(int id);

    bool panelVisible() const override;
    void setPanelVisible(bool visible) override;
    void setPicture(int pictureBox, ByteView png) override;
    void setEffectText(int row, std::string_view text) override;
    void showChanges() override;

private:
    bool createControl(HINSTANCE instance, const ControlSpec& entry);
    void createFonts();
    void stack(ParentWindow parent);
    void showAsTheFormSays();

    MainWindow window_;
    WindowEvents& events_;
    std::unique_ptr<GroupBox> panel_;
    std::vector<std::unique_ptr<Control>> controls_;
    DisplayScale scale_;
    UniqueFont labelFont_;
    UniqueFont effectFont_;
};

}  // namespace varnomel
