// Owners of Win32 handles: each frees its handle exactly once and cannot be copied.
#pragma once

#include <windows.h>

#include <utility>

namespace varnomel {

template <typename Handle, auto Free>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) Free(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

inline void deleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }
inline void destroyWindow(HWND window) { ::DestroyWindow(window); }
inline void destroyMenu(HMENU menu) { ::DestroyMenu(menu); }

using UniqueBrush = UniqueHandle<HBRUSH, deleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, deleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, deleteGdiObject>;
using UniqueWindow = UniqueHandle<HWND, destroyWindow>;
using UniqueMenu = UniqueHandle<HMENU, destroyMenu>;

// A device context borrowed from a window for the length of a scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() { ::ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around one paint of a window.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
    ~PaintScope() { ::EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects a GDI object into a device context and puts the old one back.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~SelectScope() { ::SelectObject(dc_, old_); }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace varnomel
