#include "geometry_restore.h"

namespace varnomel {

ScreenRect restoredRect(const ScreenRect& current, const GeometrySettings& saved, const DisplayScale& scale) {
    ScreenRect target = current;
    target.left = saved.left;
    target.top = saved.top;
    if (saved.width != -1) target.width = scale.pixels(saved.width);
    if (saved.height != -1) target.height = scale.pixels(saved.height);
    return target;
}

GeometrySettings storedGeometry(const ScreenRect& live, const DisplayScale& scale) {
    return {scale.designUnits(live.width), scale.designUnits(live.height), live.left, live.top};
}

ScreenRect handleRectInWindow(const DisplayScale& scale) {
    const DesignRect handle = scaledRect(form::byId(form::LABEL_1).rect, scale);
    return {handle.left, handle.top, handle.width, handle.height};
}

DesignRect scaledRect(const DesignRect& design, const DisplayScale& scale) {
    return {scale.pixels(design.left), scale.pixels(design.top), scale.pixels(design.width),
            scale.pixels(design.height)};
}

}  // namespace varnomel
