#include "symbols.h"

#include <cmath>

namespace icons {
namespace {

const double kDiagonal = std::sqrt(0.5);  // cosine and sine of an eighth turn

Symbol blade() {
    const Shape edge = polygon({{-0.17, 0.2}, {0.17, 0.2}, {0.17, -0.84}, {0, -1.1}, {-0.17, -0.84}});
    const Shape fuller = capsule({0, 0.1}, {0, -0.78}, 0.05);
    const Shape guard = roundedBox({0, 0.3}, {0.42, 0.1}, 0.05);
    const Shape grip = roundedBox({0, 0.6}, {0.09, 0.24}, 0.03);
    const Shape pommel = circle({0, 0.92}, 0.14);
    auto turn = [](Shape s) { return rotated(s, kDiagonal, kDiagonal); };
    return {{232, 48, 48},
            {{turn(edge), Tone::Main},
             {turn(fuller), Tone::Light},
             {turn(grip), Tone::Main, true},
             {turn(guard), Tone::Main, true},
             {turn(pommel), Tone::Light, true}}};
}

Symbol bow() {
    const double tipY = std::sqrt(1 - 0.4 * 0.4);
    const Shape arc = intersect(rim(circle({-0.7, 0}, 1.0), 0.28), halfPlane({-0.3, 0}, {-1, 0}));
    const Shape string = unite({capsule({-0.3, -tipY}, {-0.72, 0}, 0.045), capsule({-0.72, 0}, {-0.3, tipY}, 0.045)});
    const Shape shaft = capsule({-0.82, 0}, {0.6, 0}, 0.075);
    const Shape head = polygon({{0.44, -0.26}, {0.96, 0}, {0.44, 0.26}});
    const Shape fletching = unite({capsule({-0.68, 0}, {-0.88, -0.18}, 0.065), capsule({-0.68, 0}, {-0.88, 0.18}, 0.065)});
    return {{40, 190, 80},
            {{arc, Tone::Main},
             {string, Tone::Light},
             {fletching, Tone::Light, true},
             {shaft, Tone::Light, true},
             {head, Tone::Main, true}}};
}

Symbol rod() {
    const Shape shaft = capsule({0, -0.2}, {0, 0.92}, 0.14);
    const Shape collar = roundedBox({0, -0.18}, {0.26, 0.09}, 0.04);
    const Shape orb = circle({0, -0.56}, 0.4);
    const Shape glint = circle({-0.12, -0.68}, 0.1);
    return {{70, 110, 245},
            {{shaft, Tone::Main},
             {collar, Tone::Light, true},
             {orb, Tone::Main, true},
             {glint, Tone::Light}}};
}

Symbol tear() {
    const Vec2 centre{0, 0.3};
    const double radius = 0.62;
    const Vec2 apex{0, -0.98};
    // The apex's tangents touch the circle where its radius meets them at a right angle.
    const double cosine = radius / (centre.y - apex.y);
    const double sine = std::sqrt(1 - cosine * cosine);
    const Vec2 left{centre.x - radius * sine, centre.y - radius * cosine};
    const Vec2 right{centre.x + radius * sine, centre.y - radius * cosine};
    const Shape drop = unite({circle(centre, radius), polygon({apex, right, left})});
    const Shape glint = capsule({-0.3, 0.12}, {-0.24, 0.46}, 0.09);
    return {{40, 205, 235}, {{drop, Tone::Main}, {glint, Tone::Light}}};
}

Symbol shield() {
    const Shape plate = polygon({{-0.74, -0.82}, {0.74, -0.82}, {0.74, 0.02}, {0.52, 0.5},
                                 {0, 0.95}, {-0.52, 0.5}, {-0.74, 0.02}});
    const Shape cross = unite({roundedBox({0, 0.05}, {0.11, 1}, 0), roundedBox({0, -0.3}, {1, 0.11}, 0)});
    return {{248, 140, 30}, {{plate, Tone::Main}, {intersect(cross, inset(plate, 0.18)), Tone::Light}}};
}

Symbol cloak() {
    const Shape body = polygon({{-0.24, -0.5}, {0.24, -0.5}, {0.62, -0.12}, {0.92, 0.9}, {-0.92, 0.9}, {-0.62, -0.12}});
    const Shape hem = unite({circle({-0.46, 1.02}, 0.18), circle({0, 1.02}, 0.18), circle({0.46, 1.02}, 0.18)});
    const Shape hood = circle({0, -0.55}, 0.34);
    const Shape face = circle({0, -0.5}, 0.19);
    const Shape opening = capsule({0, -0.2}, {0, 0.78}, 0.045);
    return {{160, 80, 230},
            {{subtract(unite({body, hood}), hem), Tone::Main},
             {face, Tone::Dark},
             {opening, Tone::Dark}}};
}

Symbol belt() {
    const Shape strap = roundedBox({0, 0}, {0.96, 0.24}, 0.06);
    const Shape holes = unite({circle({0.58, 0}, 0.075), circle({0.8, 0}, 0.075)});
    const Shape buckle = rim(roundedBox({-0.12, 0}, {0.36, 0.44}, 0.14), 0.2);
    const Shape pin = capsule({-0.12, 0}, {0.3, 0}, 0.08);
    return {{245, 210, 40},
            {{strap, Tone::Main},
             {holes, Tone::Dark},
             {buckle, Tone::Light, true},
             {pin, Tone::Light, true}}};
}

Symbol spatula() {
    const Shape head = roundedBox({0, -0.5}, {0.38, 0.46}, 0.13);
    const Shape slots = unite({capsule({-0.15, -0.76}, {-0.15, -0.32}, 0.045), capsule({0, -0.76}, {0, -0.32}, 0.045),
                               capsule({0.15, -0.76}, {0.15, -0.32}, 0.045)});
    const Shape neck = polygon({{-0.14, -0.1}, {0.14, -0.1}, {0.08, 0.2}, {-0.08, 0.2}});
    const Shape handle = capsule({0, 0.15}, {0, 1.0}, 0.13);
    const Shape grip = capsule({0, 0.55}, {0, 0.95}, 0.06);
    auto turn = [](Shape s) { return rotated(s, kDiagonal, -kDiagonal); };
    return {{240, 80, 190},
            {{turn(unite({neck, handle})), Tone::Main},
             {turn(grip), Tone::Light},
             {turn(head), Tone::Main, true},
             {turn(slots), Tone::Dark}}};
}

Symbol glove() {
    auto finger = [](double x, double tipY) { return capsule({x, 0}, {x, tipY}, 0.11); };
    const Shape thumb = capsule({-0.35, 0.32}, {-0.78, -0.08}, 0.13);
    const Shape palm = roundedBox({0, 0.24}, {0.47, 0.38}, 0.16);
    const Shape cuff = roundedBox({0, 0.74}, {0.52, 0.16}, 0.06);
    return {{170, 230, 40},
            {{finger(-0.34, -0.58), Tone::Main, true},
             {finger(-0.11, -0.8), Tone::Main, true},
             {finger(0.12, -0.82), Tone::Main, true},
             {finger(0.35, -0.62), Tone::Main, true},
             {thumb, Tone::Main, true},
             {palm, Tone::Main, true},
             {cuff, Tone::Light, true}}};
}

}  // namespace

Symbol baseSymbol(int item) {
    using Design = Symbol (*)();
    static const Design kDesigns[BASE_ITEM_COUNT] = {blade, bow, rod, tear, shield, cloak, belt, spatula, glove};
    return kDesigns[item - 1]();
}

}  // namespace icons
