#include "scaled_picture.h"

#include "png_image.h"

namespace varnomel {

namespace {

BITMAPINFO topDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A memory device context holding `bitmap` for the length of a scope.
class BitmapDc {
public:
    BitmapDc(HDC compatibleWith, HBITMAP bitmap) : dc_(CreateCompatibleDC(compatibleWith)) {
        old_ = SelectObject(dc_, bitmap);
    }
    ~BitmapDc() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

void ScaledPicture::build(HDC screen, ByteView png, int width, int height) {
    bitmap_.reset();
    if (width <= 0 || height <= 0) return;
    const auto image = decodePng(png.data, png.size, Rgb{0, 0, 0});
    if (!image) return;
    const BITMAPINFO target = topDownInfo(width, height);
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(screen, &target, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return;
    {
        BitmapDc dc(screen, bitmap.get());
        // The stretch mode follows the display the picture is shown on.
        SetStretchBltMode(dc.get(), GetDeviceCaps(screen, BITSPIXEL) > 16 ? HALFTONE : COLORONCOLOR);
        SetBrushOrgEx(dc.get(), 0, 0, nullptr);
        const BITMAPINFO source = topDownInfo(image->width, image->height);
        StretchDIBits(dc.get(), 0, 0, width, height, 0, 0, image->width, image->height, image->pixels.data(), &source,
                      DIB_RGB_COLORS, SRCCOPY);
    }
    bitmap_ = std::move(bitmap);
    width_ = width;
    height_ = height;
}

bool ScaledPicture::draw(HDC dc) const {
    if (!bitmap_) return false;
    BitmapDc source(dc, bitmap_.get());
    return BitBlt(dc, 0, 0, width_, height_, source.get(), 0, 0, SRCCOPY) != FALSE;
}

}  // namespace varnomel
