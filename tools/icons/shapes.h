// Shapes as signed distance functions in a symbol's own unit space (y grows
// downwards, the symbol fits roughly in [-1, 1]): negative inside, positive
// outside, in units. Distances let the painter anti-alias and outline any
// shape the same way.
#pragma once

#include <functional>
#include <vector>

namespace icons {

struct Vec2 {
    double x = 0;
    double y = 0;
};

using Shape = std::function<double(Vec2)>;

Shape circle(Vec2 centre, double radius);
Shape capsule(Vec2 from, Vec2 to, double radius);
Shape roundedBox(Vec2 centre, Vec2 halfSize, double cornerRadius);
Shape polygon(std::vector<Vec2> corners);
// The band of `thickness` along a shape's edge.
Shape rim(Shape shape, double thickness);
// Everything on the side of the line through `point` that `outward` points away from.
Shape halfPlane(Vec2 point, Vec2 outward);

Shape unite(std::vector<Shape> shapes);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape from, Shape hole);
Shape inset(Shape shape, double amount);
// The shape turned by the angle whose cosine and sine are given (clockwise on
// screen for a positive sine), about the origin.
Shape rotated(Shape shape, double cosine, double sine);

}  // namespace icons
