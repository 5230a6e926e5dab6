// The application's own emblem: a reference card bearing a diamond.
#pragma once

#include "ico_writer.h"

namespace icons {

// The emblem at `size` × `size` pixels in the 16 colours of its palette.
PalettedImage drawAppIcon(int size);

}  // namespace icons
