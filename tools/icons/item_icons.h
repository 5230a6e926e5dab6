// The 64 × 64 icons of the base items and of the combined items.
#pragma once

#include "canvas.h"

namespace icons {

constexpr int ICON_SIZE = 64;

// The number 1..45 of the combined item that base items first ≤ second make:
// pairs counted row by row, (1,1), (1,2) … (1,9), (2,2) … (9,9).
int combinedItemNumber(int first, int second);

Canvas drawBaseIcon(int item);
// Both ingredients on a field split along the diagonal in their two colours:
// `first` top left, `second` bottom right.
Canvas drawCombinedIcon(int first, int second);

}  // namespace icons
