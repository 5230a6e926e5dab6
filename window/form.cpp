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
        return panel_->create(instance, parent);
    case ControlKind::Label: {
        auto label = std::make_unique<Label>(entry, events_);
        const bool created = label->create(instance, parent);
        controls_.push_back(std::move(label));
        return created;
    }
    case ControlKind::PictureBox: {
        auto box = std::make_unique<PictureBox>(entry, events_);
        const bool created = box->create(instance, parent);
        controls_.push_back(std::move(box));
        return created;
    }
    case ControlKind::TransparentLabel: {
        auto label = std::make_unique<TransparentLabel>(entry, events_);
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
