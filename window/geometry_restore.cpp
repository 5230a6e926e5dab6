#include "geometry_restore.h"

#include "form_layout.h"

namespace varnomel {

ScreenRect restoredRect(const ScreenRect& current, const GeometrySettings& saved) {
    ScreenRect target = current;
    target.left = saved.left;
    target.top = saved.top;
    if (saved.width != -1) target.width = saved.width;
    if (saved.height != -1) target.height = saved.height;
    return target;
}

ScreenRect handleRectInWindow() {
    const DesignRect& handle = form::byId(form::LABEL_1).rect;
    return {handle.left, handle.top, handle.width, handle.height};
}

}  // namespace varnomel
