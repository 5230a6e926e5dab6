// A picture box's icon, already stretched to the box's image area: made once
// when the picture or the area's size changes, then copied on each paint.
// Neither the PNG's decoded pixels nor a stretch per paint are kept.
#pragma once

#include <windows.h>

#include "embedded_file.h"
#include "handles.h"

namespace varnomel {

class ScaledPicture {
public:
    // Whether the stretched picture is there, of this size.
    bool fits(int width, int height) const { return bitmap_ && width == width_ && height == height_; }
    // Decodes `png` over black and stretches it as the box draws it; `screen`
    // is a device context of the window it will be shown in. An undecodable
    // picture leaves nothing.
    void build(HDC screen, ByteView png, int width, int height);
    void clear() { bitmap_.reset(); }
    // Copies the picture to (0, 0); false when there is none.
    bool draw(HDC dc) const;

private:
    UniqueBitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace varnomel
