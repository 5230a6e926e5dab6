// Varnomel: a reference card of item recipes that floats beside the game.
#include <windows.h>

#include "app.h"

// The standard classes the window uses need no InitCommonControlsEx: the
// manifest's request for common controls 6 is enough, and the call would
// load comctl32 before the first frame.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    varnomel::App app(instance);
    return app.run();
}
