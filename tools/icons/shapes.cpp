#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace icons {
namespace {

Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
Vec2 operator*(Vec2 a, double k) { return {a.x * k, a.y * k}; }
double dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
double length(Vec2 a) { return std::sqrt(dot(a, a)); }

// Whether the ray from p towards +x crosses the edge a→b; an odd count of
// crossings means p lies inside the polygon.
bool crossesEdge(Vec2 p, Vec2 a, Vec2 b) {
    if ((a.y > p.y) == (b.y > p.y)) return false;
    const double crossingX = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
    return p.x < crossingX;
}

double distanceToSegment(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 ab = b - a;
    const double t = std::clamp(dot(p - a, ab) / dot(ab, ab), 0.0, 1.0);
    return length(p - a - ab * t);
}

}  // namespace

Shape circle(Vec2 centre, double radius) {
    return [=](Vec2 p) { return length(p - centre) - radius; };
}

Shape capsule(Vec2 from, Vec2 to, double radius) {
    return [=](Vec2 p) { return distanceToSegment(p, from, to) - radius; };
}

Shape roundedBox(Vec2 centre, Vec2 halfSize, double cornerRadius) {
    return [=](Vec2 p) {
        const double qx = std::abs(p.x - centre.x) - halfSize.x + cornerRadius;
        const double qy = std::abs(p.y - centre.y) - halfSize.y + cornerRadius;
        const double outside = length({std::max(qx, 0.0), std::max(qy, 0.0)});
        return outside + std::min(std::max(qx, qy), 0.0) - cornerRadius;
    };
}

Shape polygon(std::vector<Vec2> corners) {
    return [corners = std::move(corners)](Vec2 p) {
        double nearest = 1e9;
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            nearest = std::min(nearest, distanceToSegment(p, corners[j], corners[i]));
            if (crossesEdge(p, corners[j], corners[i])) inside = !inside;
        }
        return inside ? -nearest : nearest;
    };
}

Shape rim(Shape shape, double thickness) {
    return [=](Vec2 p) { return std::abs(shape(p)) - thickness / 2; };
}

Shape halfPlane(Vec2 point, Vec2 outward) {
    const Vec2 normal = outward * (1 / length(outward));
    return [=](Vec2 p) { return dot(p - point, normal); };
}

Shape unite(std::vector<Shape> shapes) {
    return [shapes = std::move(shapes)](Vec2 p) {
        double nearest = 1e9;
        for (const Shape& shape : shapes) nearest = std::min(nearest, shape(p));
        return nearest;
    };
}

Shape intersect(Shape a, Shape b) {
    return [=](Vec2 p) { return std::max(a(p), b(p)); };
}

Shape subtract(Shape from, Shape hole) {
    return [=](Vec2 p) { return std::max(from(p), -hole(p)); };
}

Shape inset(Shape shape, double amount) {
    return [=](Vec2 p) { return shape(p) + amount; };
}

Shape rotated(Shape shape, double cosine, double sine) {
    return [=](Vec2 p) { return shape({cosine * p.x + sine * p.y, -sine * p.x + cosine * p.y}); };
}

}  // namespace icons
