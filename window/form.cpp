#include "form.h"

namespace varnomel {

namespace {

UniqueFont createEffectFont() {
    return UniqueFont(CreateFontW(form::TRANSPARENT_LABEL_FONT_HEIGHT, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                                  DEFAULT_PITCH, L""));
}

}  // namespace

bool Form::create(HINSTANCE instance) {
    if (!window_.create(instance)) return false;
    effectFont_ = createEffectFont();
    for (const ControlSpec& spec : form::controls()) {
        if (!createControl(instance, spec)) return false;
    }
    window_.setPanel(panel_.get());
    stack(ParentWindow::MainWindow);
    stack(ParentWindow::Panel);
    showAsTheFormSays();
    return true;
}

bool Form::createControl(HINSTANCE instance, const ControlSpec& spec) {
    HWND parent = spec.parent == ParentWindow::Panel ? panel_->hwnd() : window_.hwnd();
    switch (spec.kind) {
    case ControlKind::GroupBox:
        panel_ = std::make_unique<GroupBox>(spec);
        return panel_->create(instance, parent);
    case ControlKind::Label: {
        auto label = std::make_unique<Label>(spec, events_);
        const bool created = label->create(instance, parent);
        controls_.push_back(std::move(label));
        return created;
    }
    case ControlKind::PictureBox: {
        auto box = std::make_unique<PictureBox>(spec, events_);
        const bool created = box->create(instance, parent);
        controls_.push_back(std::move(box));
        return created;
    }
    case ControlKind::TransparentLabel: {
        auto label = std::make_unique<TransparentLabel>(spec, events_);
        const bool created = label->create(instance, parent, effectFont_.get());
        controls_.push_back(std::move(label));
        return created;
    }
    }
    return false;
}

HWND Form::handle(int id) {
    if (id == form::GROUP_BOX_1) return panel_->hwnd();
    return control(id).hwnd();
}

Control& Form::control(int id) {
    for (auto& each : controls_) {
        if (each->spec().id == id) return *each;
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
    for (const ControlSpec& spec : form::controls()) {
        if (spec.shownAtStart) ShowWindow(handle(spec.id), SW_SHOWNA);
    }
}

bool Form::panelVisible() const { return panel_->visible(); }

void Form::setPanelVisible(bool visible) { panel_->setVisible(visible); }

void Form::setPicture(int pictureBox, ByteView png) {
    static_cast<PictureBox&>(control(form::pictureBoxId(pictureBox))).setPicture(png);
}

void Form::setEffectText(int row, std::string_view text) { control(form::transparentLabelId(row)).setText(text); }

}  // namespace varnomel
