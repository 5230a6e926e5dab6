// The game's nine base items, the forty-five combined items that pairs of them
// make, their icons and the effect texts. Pure data with one lookup.
#pragma once

#include <string>
#include <string_view>

#include "embedded_file.h"

namespace varnomel {

using BaseItem = int;      // 1..9, the place in the top row from the left
using CombinedItem = int;  // 1..45, numbered pair by pair: (1,1), (1,2) … (1,9), (2,2) … (9,9)

constexpr int BASE_ITEM_COUNT = 9;
constexpr int COMBINED_ITEM_COUNT = 45;

struct IconId {
    enum class Kind { Base, Combined };
    Kind kind;
    int number;

    // "base_3" or "combo_07": the asset's file name without extension.
    std::string name() const;
};

IconId baseIcon(BaseItem item);
IconId combinedIcon(CombinedItem item);

// The combined item that two base items make; the order of the two does not matter.
CombinedItem recipe(BaseItem a, BaseItem b);

// The combined item's effect text as GBK (code page 936) bytes.
std::string_view effectText(CombinedItem item);

// The PNG bytes of an icon, compiled into the program; empty if it is missing.
ByteView iconBytes(IconId id);

}  // namespace varnomel
