// The nine base items' symbols: each a few bold parts in one colour of its
// own, and a silhouette that differs from every other symbol's, so that the
// items can be told apart without colour vision too.
#pragma once

#include <vector>

#include "canvas.h"
#include "shapes.h"

namespace icons {

constexpr int BASE_ITEM_COUNT = 9;

enum class Tone { Main, Light, Dark };

struct Part {
    Shape shape;
    Tone tone;
    // An outlined part is set off from the parts painted before it.
    bool outlined = false;
};

struct Symbol {
    Colour colour;
    std::vector<Part> parts;  // painted in this order
};

// The symbol of base item 1..9.
Symbol baseSymbol(int item);

}  // namespace icons
