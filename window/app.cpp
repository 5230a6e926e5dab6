#include "app.h"

#include <string>

#include "geometry_restore.h"
#include "message_box.h"
#include "reachable_position.h"
#include "recipe_panel.h"
#include "work_areas_win.h"

namespace varnomel {

namespace {

void enterExecutableDirectory() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path);
    const auto cut = directory.find_last_of(L'\\');
    if (cut != std::wstring::npos) SetCurrentDirectoryW(directory.substr(0, cut + 1).c_str());
}

}  // namespace

App::App(HINSTANCE instance) : instance_(instance) {}

App::~App() {
    holdEventsForGood();
    form_.destroy();
    scaler_.reset();
}

int App::run() {
    if (!start()) fatalError();
    MSG message{};
    int exitCode = 0;
    if (IsWindow(form_.window().hwnd())) {
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        exitCode = static_cast<int>(message.wParam);
    }
    holdEventsForGood();
    form_.destroy();
    scaler_.reset();
    return exitCode;
}

bool App::start() {
    enterExecutableDirectory();
    scaler_ = std::make_unique<LayoutScaler>(windowSystem_);
    ++eventHold_;  // creating the window and its controls raises nothing
    const bool built = form_.create(instance_);
    --eventHold_;
    if (!built) return false;
    if (eventHold_ == 0) creationHandler();
    sizeChanged();
    ShowWindow(form_.window().hwnd(), SW_SHOW);
    return true;
}

void App::creationHandler() {
    startupGeometry_ = loadGeometry(profile_);
    restoreGeometry();
    setUpTransparency();
    recipe_panel::prepare(form_);
    scaler_->bindWindow(toWindowHandle(form_.window().hwnd()));
    registerScaledControls();
}

void App::restoreGeometry() {
    const ScreenRect current = form_.window().geometry();
    const DisplayScale& scale = form_.scale();
    const ScreenRect target = reachableWindow(restoredRect(current, startupGeometry_, scale),
                                              handleRectInWindow(scale), monitorWorkAreas());
    if (target == current) return;  // nothing to move, and no size change from it
    SetWindowPos(form_.window().hwnd(), nullptr, target.left, target.top, target.width, target.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void App::registerScaledControls() {
    // The drag handle is left out: it keeps its place and size at every window size.
    for (int number = 1; number <= form::PICTURE_BOX_COUNT; ++number) {
        scaler_->addControl(toWindowHandle(form_.handle(form::pictureBoxId(number))));
    }
    scaler_->addControl(toWindowHandle(form_.handle(form::LABEL_2)));
    for (int row = 1; row <= form::PANEL_ROWS; ++row) {
        scaler_->addControl(toWindowHandle(form_.handle(form::transparentLabelId(row))));
    }
    scaler_->addControl(toWindowHandle(form_.handle(form::GROUP_BOX_1)));
}

void App::sizeChanged() {
    if (eventHold_ > 0) return;
    enforceMinimumSize();
    scaler_->rescale();
}

void App::destroying() {
    if (eventHold_ > 0) return;
    // A close request keeps the size read at start-up and stores the live position.
    const ScreenRect live = form_.window().geometry();
    saveGeometry(profile_, startupGeometry_.width, startupGeometry_.height, live.left, live.top);
}

void App::commandChosen(int command) {
    if (eventHold_ > 0) return;
    switch (command) {
    case COMMAND_ALWAYS_ON_TOP: toggleAlwaysOnTop(); break;
    case COMMAND_RESIZE_MODE: toggleResizeMode(); break;
    case COMMAND_DEFAULT_SIZE: restoreDefaultSize(); break;
    case COMMAND_ABOUT: showAbout(); break;
    case COMMAND_EXIT: exitFromMenu();
    default: break;
    }
}

void App::pressed(int controlId, MouseButton button) {
    if (eventHold_ > 0) return;
    if (controlId == form::LABEL_1) {
        button == MouseButton::Left ? beginDrag() : openContextMenu();
    } else if (controlId == form::LABEL_2 && button == MouseButton::Left) {
        beginResize();
    } else if (button == MouseButton::Left && controlId >= form::pictureBoxId(1) && controlId <= form::pictureBoxId(9)) {
        recipe_panel::pressed(form_, controlId - form::pictureBoxId(0));
    }
}

// Moved to a display of another DPI: fonts and the handle are made anew for
// it, the scaler's records are taken at the new scale, and the window takes
// the rectangle the system suggests, so the proportions the user set are kept.
void App::displayScaleChanged(int dpi, const ScreenRect& suggested) {
    if (eventHold_ > 0) return;
    const int previous = form_.scale().dpi();
    form_.changeScale(dpi);
    scaler_->changeScale(previous, dpi);
    SetWindowPos(form_.window().hwnd(), nullptr, suggested.left, suggested.top, suggested.width, suggested.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    scaler_->rescale();  // also when the suggested size is the present one
}

void App::endProgram(int exitCode) {
    holdEventsForGood();
    form_.destroy();
    scaler_.reset();
    ExitProcess(static_cast<UINT>(exitCode));
}

void App::fatalError() {
    holdEventsForGood();
    showMessageBox(nullptr, fatalErrorText(), errorCaption(), MB_OK | MB_ICONERROR);
    endProgram(-1);
}

}  // namespace varnomel
