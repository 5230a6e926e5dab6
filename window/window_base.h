// A window of one of the program's own classes: `this` is stored at
// WM_NCCREATE and each message goes to the object's handleMessage.
#pragma once

#include <windows.h>

namespace varnomel {

class WindowBase {
public:
    WindowBase() = default;
    virtual ~WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    struct ClassLook {
        const wchar_t* name;
        HCURSOR cursor;
        HBRUSH background;
        HICON icon;
        HICON smallIcon;
    };
    static void registerClass(HINSTANCE instance, const ClassLook& look);

    struct Placement {
        DWORD exStyle;
        DWORD style;
        int left, top, width, height;
        HWND parent;
        int id;
    };
    HWND create(HINSTANCE instance, const wchar_t* className, const Placement& placement);

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

}  // namespace varnomel
