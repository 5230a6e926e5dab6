#include "form.h"

#include "dpi_win.h"
#include "geometry_restore.h"

namespace varnomel {

namespace {

UniqueFont createEffectFont(const DisplayScale& scale) {
    return UniqueFont(CreateFontW(scale.pixels(form::TRANSPARENT_LABEL_FONT_HEIGHT), 0, 0, 0, FW_BOLD, FALSE, FALSE,
                                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                                  DEFAULT_PITCH, L""));
}

// The system's dialog font, made for the system's DPI, taken at the display's.
UniqueFont createLabelFont(const DisplayScale& scale) {
    LOGFONTW look{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof look, &look);
    const int madeFor = systemDpi();
    look.lfHeight = mulDivRounded(look.lfHeight, scale.dpi(), madeFor);
    look.lfWidth = mulDivRounded(look.lfWidth, scale.dpi(), madeFor);
    return UniqueFont(CreateFontIndirectW(&look));
}

}  // namespace

bool Form::create(HINSTANCE instance) {
    if (!window_.create(instance, scaledRect(form::WINDOW_RECT, DisplayScale(systemDpi())))) return false;
    scale_ = DisplayScale(dpiOfWindow(window_.hwnd()));
    createFonts();
    for (const ControlSpec& entry : form::controls()) {
        if (!createControl(instance, entry)) return false;
    }
    window_.setPanel(panel_.get());
    stack(ParentWindow::MainWindow);
    stack(ParentWindow::Panel);
    showAsTheFormSays();
    return true;
}

bool Form::createControl(HINSTANCE instance, const ControlSpec& entry) {
    HWND parent = entry.parent == ParentWindow::Panel ? panel_->hwnd() : window_.hwnd();
    switch (entry.kind) {
    case ControlKind::GroupBox:
        panel_ = std::make_unique<GroupBox>(entry);
        return panel_->create(instance, parent, scaledRect(entry.rect, scale_));
    case ControlKind::Label: {
        auto label = std::make_unique<Label>(entry, events_);
        const bool created = label->create(instance, parent, scaledRect(entry.rect, scale_), labelFont_.get());
        controls_.push_back(std::move(label));
        return created;
    }
    case ControlKind::PictureBox: {
        auto box = std::make_unique<PictureBox>(entry, events_);
        const bool created = box->create(instance, parent, scaledRect(entry.rect, scale_));
        controls_.push_back(std::move(box));
        return created;
    }
    case ControlKind::TransparentLabel: {
        auto label = std::make_unique<TransparentLabel>(entry, events_);
        const bool created = label->create(instance, parent, scaledRect(entry.rect, scale_), effectFont_.get());
        controls_.push_back(std::move(label));
        return created;
    }
    }
    return false;
}

void Form::createFonts() {
    labelFont_ = createLabelFont(scale_);
    effectFont_ = createEffectFont(scale_);
}

void Form::changeScale(int dpi) {
    scale_ = DisplayScale(dpi);
    createFonts();
    for (auto& each : controls_) {
        const ControlKind kind = each->formEntry().kind;
        if (kind == ControlKind::Label) each->setFont(labelFont_.get());
        if (kind == ControlKind::TransparentLabel) each->setFont(effectFont_.get());
    }
    // The handle keeps its design rectangle at every window size, so only a new scale moves it.
    const DesignRect handle = scaledRect(form::byId(form::LABEL_1).rect, scale_);
    SetWindowPos(this->handle(form::LABEL_1), nullptr, handle.left, handle.top, handle.width, handle.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Form::handle(int id) {
    if (id == form::GROUP_BOX_1) return panel_->hwnd();
    return control(id).hwnd();
}

Control& Form::control(int id) {
    for (auto& each : controls_) {
        if (each->formEntry().id == id) return *each;
    }
    return *controls_.front();  // ids come from the form, so this is not reached
}

void Form::stack(ParentWindow parent) {
    HWND above = HWND_TOP;
    for (int id : form::stackingOrder(parent)) {
        SetWindowPos(handle(id), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = handle(id);
    }
}

void Form::showAsTheFormSays() {
    for (const ControlSpec& entry : form::controls()) {
        if (entry.shownAtStart) ShowWindow(handle(entry.id), SW_SHOWNA);
    }
}

bool Form::panelVisible() const { return panel_->visible(); }

void Form::setPanelVisible(bool visible) { panel_->setVisible(visible); }

void Form::setPicture(int pictureBox, ByteView png) {
    static_cast<PictureBox&>(control(form::pictureBoxId(pictureBox))).setPicture(png);
}

void Form::setEffectText(int row, std::string_view text) { control(form::transparentLabelId(row)).setText(text); }

void Form::showChanges() { RedrawWindow(window_.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

}  // namespace varnomel
