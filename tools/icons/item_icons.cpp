#include "item_icons.h"

#include "symbols.h"

namespace icons {
namespace {

const Colour kWhite{255, 255, 255};
// Near black with a blue cast: no blend of it with a symbol's colours is a
// neutral grey, which the overlay would punch out as a hole.
const Colour kInk{14, 10, 30};

struct Tones {
    Colour main;
    Colour light;
    Colour dark;
    Colour field;
};

Tones tonesOf(Colour colour) {
    return {colour, mix(colour, kWhite, 0.55), darkened(colour, 0.14), darkened(colour, 0.3)};
}

Colour toneColour(const Tones& tones, Tone tone) {
    switch (tone) {
    case Tone::Light: return tones.light;
    case Tone::Dark: return tones.dark;
    case Tone::Main: break;
    }
    return tones.main;
}

void paintSymbol(Canvas& canvas, const Symbol& symbol, Placement placement, double outline) {
    const Tones tones = tonesOf(symbol.colour);
    std::vector<Shape> silhouette;
    for (const Part& part : symbol.parts) silhouette.push_back(part.shape);
    canvas.paint(unite(silhouette), tones.dark, placement, outline);
    for (const Part& part : symbol.parts) {
        if (part.outlined) canvas.paint(part.shape, tones.dark, placement, outline * 0.6);
        canvas.paint(part.shape, toneColour(tones, part.tone), placement);
    }
}

const Shape kTile = roundedBox({ICON_SIZE / 2.0, ICON_SIZE / 2.0}, {ICON_SIZE / 2.0 - 2, ICON_SIZE / 2.0 - 2}, 7);

// A base item's symbol fills its icon; in a combined icon each ingredient
// takes one half, drawn smaller and with a thinner outline.
const Placement kWholeIcon{{32, 32}, 27};
const Placement kTopLeftHalf{{19, 19}, 15.5};
const Placement kBottomRightHalf{{45, 45}, 15.5};
constexpr double WHOLE_OUTLINE = 2.5;
constexpr double HALF_OUTLINE = 2;
// Half the width of the dark seam between the two halves, along an axis.
constexpr double SEAM = 1.5;

}  // namespace

int combinedItemNumber(int first, int second) {
    const int pairsInEarlierRows = (first - 1) * (2 * BASE_ITEM_COUNT - first + 2) / 2;
    return pairsInEarlierRows + second - first + 1;
}

Canvas drawBaseIcon(int item) {
    const Symbol symbol = baseSymbol(item);
    Canvas canvas(ICON_SIZE);
    canvas.fill(kInk);
    canvas.paint(kTile, tonesOf(symbol.colour).field);
    paintSymbol(canvas, symbol, kWholeIcon, WHOLE_OUTLINE);
    return canvas;
}

Canvas drawCombinedIcon(int first, int second) {
    const Symbol topLeft = baseSymbol(first);
    const Symbol bottomRight = baseSymbol(second);
    Canvas canvas(ICON_SIZE);
    canvas.fill(kInk);
    canvas.paint(intersect(kTile, halfPlane({ICON_SIZE - SEAM, 0}, {1, 1})), tonesOf(topLeft.colour).field);
    canvas.paint(intersect(kTile, halfPlane({ICON_SIZE + SEAM, 0}, {-1, -1})), tonesOf(bottomRight.colour).field);
    paintSymbol(canvas, topLeft, kTopLeftHalf, HALF_OUTLINE);
    paintSymbol(canvas, bottomRight, kBottomRightHalf, HALF_OUTLINE);
    return canvas;
}

}  // namespace icons
