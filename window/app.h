// The program's frame: start-up, the handlers bound to the window's events,
// and the end of the program. One window, one thread; handlers nest inside
// the calls that raise their events.
#pragma once

#include <windows.h>

#include <memory>

#include "form.h"
#include "geometry_file.h"
#include "layout_scaler.h"
#include "menu_model.h"
#include "profile_file_win.h"
#include "win32_window_system.h"
#include "window_drag.h"
#include "window_events.h"

namespace varnomel {

constexpr COLORREF TRANSPARENT_KEY = 0x808080;
constexpr int DEFAULT_WIDTH = 375;
constexpr int DEFAULT_HEIGHT = 380;

class App : private WindowEvents {
public:
    explicit App(HINSTANCE instance);
    ~App() override;
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The whole program: start-up, the message loop, the end. Returns the exit code.
    int run();
    // Start-up up to the shown window. False when the window could not be built.
    bool start();

    Form& form() { return form_; }
    const MenuModel& menu() const { return menu_; }
    const GeometrySettings& startupGeometry() const { return startupGeometry_; }
    const LayoutScaler& scaler() const { return *scaler_; }

private:
    // Events of the window and its controls; each is dropped while events are held.
    void sizeChanged() override;
    void destroying() override;
    void commandChosen(int command) override;
    void pressed(int controlId, MouseButton button) override;
    void displayScaleChanged(int dpi, const ScreenRect& suggested) override;

    void creationHandler();
    void restoreGeometry();
    void registerScaledControls();
    [[noreturn]] void endProgram(int exitCode);
    [[noreturn]] void fatalError();
    void holdEventsForGood() { ++eventHold_; }

    // The overlay's commands.
    void setUpTransparency();
    void enforceMinimumSize();
    void beginDrag();
    void beginResize();
    void openContextMenu();
    void toggleAlwaysOnTop();
    void toggleResizeMode();
    void restoreDefaultSize();
    void showAbout();
    [[noreturn]] void exitFromMenu();
    void giveTheForegroundBack() const;

    HINSTANCE instance_;
    int eventHold_ = 0;
    Win32WindowSystem windowSystem_;
    std::unique_ptr<LayoutScaler> scaler_;
    WindowsProfileFile profile_;
    GeometrySettings startupGeometry_;
    MenuModel menu_ = MenuModel::form();
    Form form_{*this};
    WindowDrag drag_{form_.window()};
    // The window that had the foreground before the context menu took it.
    HWND foregroundBeforeMenu_ = nullptr;
};

}  // namespace varnomel
