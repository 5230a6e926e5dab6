// Varnomel: a reference card of item recipes that floats beside the game.
#include <windows.h>

#include <commctrl.h>

#include "app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    varnomel::App app(instance);
    return app.run();
}
