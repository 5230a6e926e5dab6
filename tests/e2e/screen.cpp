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

}  // namespace varnomel::e2e
