#include "screen.h"

#include <cstdlib>

#include "png_image.h"

namespace varnomel::e2e {

namespace {

// A 32-bit top-down DIB section selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    Pixels pixels() const {
        GdiFlush();
        const auto* data = static_cast<const std::uint32_t*>(bits_);
        Pixels result{width_, height_, {}};
        result.values.reserve(static_cast<std::size_t>(width_) * height_);
        for (int i = 0; i < width_ * height_; ++i) result.values.push_back(data[i] & 0xFFFFFF);
        return result;
    }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    void* bits_ = nullptr;
};

int screenBitsPerPixel() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    return bits;
}

}  // namespace

Pixels captureScreen(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.pixels();
}

Pixels drawIconLikeAPictureBox(ByteView png, int width, int height) {
    Canvas canvas(width, height);
    RECT all{0, 0, width, height};
    FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const auto image = decodePng(png.data, png.size, Rgb{0, 0, 0});
    if (image) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = image->width;
        info.bmiHeader.biHeight = -image->height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetStretchBltMode(canvas.dc(), screenBitsPerPixel() > 16 ? HALFTONE : COLORONCOLOR);
        SetBrushOrgEx(canvas.dc(), 0, 0, nullptr);
        StretchDIBits(canvas.dc(), 0, 0, width, height, 0, 0, image->width, image->height, image->pixels.data(), &info,
                      DIB_RGB_COLORS, SRCCOPY);
    }
    return canvas.pixels();
}

int differingPixels(const Pixels& a, const Pixels& b, int tolerance) {
    if (a.width != b.width || a.height != b.height) return a.width * a.height + 1;
    int count = 0;
    for (std::size_t i = 0; i < a.values.size(); ++i) {
        for (int shift : {0, 8, 16}) {
            const int difference = static_cast<int>((a.values[i] >> shift) & 0xFF) - static_cast<int>((b.values[i] >> shift) & 0xFF);
            if (std::abs(difference) > tolerance) {
                ++count;
                break;
            }
        }
    }
    return count;
}

RECT imageArea(HWND pictureBox) {
    RECT client{};
    GetClientRect(pictureBox, &client);
    MapWindowPoints(pictureBox, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

std::uint32_t pixelAt(POINT point) {
    return captureScreen({point.x, point.y, point.x + 1, point.y + 1}).at(0, 0);
}

void pumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

namespace {

const wchar_t kBackdropClass[] = L"VarnomelE2eBackdrop";

void registerBackdropClass(WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kBackdropClass;
    RegisterClassW(&windowClass);  // fails harmlessly once it exists
}

}  // namespace

Backdrop::Backdrop(const RECT& area, COLORREF colour) : brush_(CreateSolidBrush(colour)) {
    registerBackdropClass(procedure);
    window_ = CreateWindowExW(0, kBackdropClass, L"backdrop", WS_POPUP, area.left, area.top, area.right - area.left,
                              area.bottom - area.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    pumpMessages();
}

Backdrop::~Backdrop() {
    DestroyWindow(window_);
    pumpMessages();
    DeleteObject(brush_);
}

void Backdrop::raise() const {
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    pumpMessages();
}

LRESULT CALLBACK Backdrop::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<Backdrop*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Wine without a window manager raises an activated window above every
    // other on the X display, topmost ones included, while its own z-order
    // keeps them above; not activating keeps the screen as Windows shows it.
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (self && message == WM_LBUTTONDOWN) ++self->leftPresses_;
    if (self && message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, self->brush_);
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace varnomel::e2e
