#include "wilderness_art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "scene_tools.h"

namespace duskmoor::content {
namespace {

// Percent of the picture to pixels.
struct Frame {
    double width, height;
    Point At(double x_percent, double y_percent) const {
        return {x_percent * width / 100, y_percent * height / 100};
    }
};

void FillEllipse(Raster& map, Point centre, double radius_x, double radius_y, const Paint& paint) {
    map.FillWithin(Ellipse(centre, radius_x, radius_y), paint, centre.x - radius_x, centre.y - radius_y,
                   centre.x + radius_x + 1, centre.y + radius_y + 1);
}

void DrawLand(Raster& map, const Frame& frame) {
    map.Fill(Box(0, 0, frame.width, frame.height),
             Vertical(Rgba{88, 120, 62}, Rgba{76, 106, 54}, 0, frame.height));
    // The desert to the west, the troglodytes' barrens to the south.
    FillEllipse(map, frame.At(-6, 70), frame.width * 0.2, frame.height * 0.5, Flat(Rgba{196, 170, 112}));
    FillEllipse(map, frame.At(-2, 70), frame.width * 0.13, frame.height * 0.4, Flat(Rgba{214, 188, 128}));
    FillEllipse(map, frame.At(66, 102), frame.width * 0.34, frame.height * 0.28, Flat(Rgba{112, 96, 70}));
    Scatter scatter{5};
    for (int tuft = 0; tuft < 220; ++tuft) {
        const Point at{scatter.Next() * frame.width, scatter.Next() * frame.height};
        FillNear(map, Circle(at, 1.2 + scatter.Next() * 1.5), Flat(Rgba{64, 92, 46, 140}), at, 3);
    }
    for (int dune = 0; dune < 14; ++dune) {
        const Point at = frame.At(1 + scatter.Next() * 8, 45 + scatter.Next() * 50);
        FillNear(map, RingSector(at, 6, 8, -160, -20), Flat(Rgba{170, 140, 90}), at, 9);
    }
}

void DrawHills(Raster& map, const Frame& frame) {
    Scatter scatter{11};
    for (int hill = 0; hill < 26; ++hill) {
        const Point foot = frame.At(22 + scatter.Next() * 76, 3 + scatter.Next() * 20);
        const double size = 10 + scatter.Next() * 12;
        FillNear(map,
                 Polygon({{foot.x - size, foot.y + size * 0.6},
                          {foot.x, foot.y - size * 0.6},
                          {foot.x + size, foot.y + size * 0.6}}),
                 Vertical(Rgba{150, 130, 96}, Rgba{96, 84, 60}, foot.y - size * 0.6, foot.y + size * 0.6),
                 foot, size + 1);
    }
    for (int tree = 0; tree < 40; ++tree) {
        const Point at = frame.At(36 + scatter.Next() * 40, 30 + scatter.Next() * 38);
        FillNear(map, Circle(at, 4 + scatter.Next() * 3), Flat(Rgba{40, 74, 36}), at, 8);
    }
}

void DrawRoad(Raster& map, const Frame& frame, std::initializer_list<Point> percents) {
    const Point* last = nullptr;
    for (const Point& point : percents) {
        if (last) {
            const Point from = frame.At(last->x, last->y), to = frame.At(point.x, point.y);
            map.FillWithin(Capsule(from, to, 2.2), Flat(Rgba{150, 118, 74}), std::min(from.x, to.x) - 3,
                           std::min(from.y, to.y) - 3, std::max(from.x, to.x) + 4,
                           std::max(from.y, to.y) + 4);
        }
        last = &point;
    }
}

void DrawTown(Raster& map, const Frame& frame, double left, double top, double right, double bottom,
              Rgba roof) {
    const Point a = frame.At(left, top), b = frame.At(right, bottom);
    map.FillWithin(Box(a.x + 3, a.y + 3, b.x - 3, b.y - 3), Flat(Rgba{120, 110, 96}), a.x, a.y, b.x, b.y);
    map.FillWithin(
        Edges({{a.x + 3, a.y + 3}, {b.x - 3, a.y + 3}, {b.x - 3, b.y - 3}, {a.x + 3, b.y - 3}}, 1.6),
        Flat(Rgba{70, 62, 54}), a.x, a.y, b.x + 1, b.y + 1);
    Scatter scatter{static_cast<uint32_t>(left * 100 + top)};
    const double cell = 9;
    for (double y = a.y + 7; y + cell < b.y - 4; y += cell + 2) {
        for (double x = a.x + 7; x + cell < b.x - 4; x += cell + 3) {
            if (scatter.Next() < 0.25) continue;
            map.FillWithin(Box(x, y + 3, x + cell, y + cell), Flat(Rgba{200, 186, 160}), x, y, x + cell + 1,
                           y + cell + 1);
            map.FillWithin(Polygon({{x - 1, y + 3}, {x + cell / 2, y - 1}, {x + cell + 1, y + 3}}),
                           Flat(roof), x - 2, y - 2, x + cell + 2, y + 4);
        }
    }
}

void DrawCaves(Raster& map, const Frame& frame) {
    const Point a = frame.At(12, 7), b = frame.At(19, 13);
    map.FillWithin(Polygon({{a.x, b.y}, {(a.x + b.x) / 2, a.y - 2}, {b.x, b.y}}),
                   Vertical(Rgba{130, 120, 110}, Rgba{84, 76, 70}, a.y, b.y), a.x - 1, a.y - 3, b.x + 1,
                   b.y + 1);
    FillEllipse(map, {(a.x + b.x) / 2, b.y - 4}, 7, 6, Flat(Rgba{20, 18, 22}));
}

void DrawCamp(Raster& map, const Frame& frame) {
    Scatter scatter{23};
    for (int hut = 0; hut < 10; ++hut) {
        const Point at = frame.At(61 + scatter.Next() * 11, 81 + scatter.Next() * 10);
        FillNear(map, Polygon({{at.x - 8, at.y + 6}, {at.x, at.y - 8}, {at.x + 8, at.y + 6}}),
                 Flat(Rgba{84, 60, 40}), at, 9);
        FillNear(map, Box(at.x - 2, at.y + 1, at.x + 2, at.y + 6), Flat(Rgba{30, 20, 14}), at, 7);
    }
    const Point fire = frame.At(67, 86);
    FillNear(map, Circle(fire, 4), Flat(Rgba{240, 140, 40}), fire, 5);
}

}  // namespace

Raster WildernessPicture(int width, int height) {
    Raster map(width, height, Rgba{0, 0, 0});
    const Frame frame{static_cast<double>(width), static_cast<double>(height)};
    DrawLand(map, frame);
    DrawHills(map, frame);
    DrawRoad(map, frame, {{84, 38.5}, {70, 42}, {52, 46}, {32, 47.5}});
    DrawRoad(map, frame, {{52, 46}, {58, 62}, {66, 78}});
    DrawRoad(map, frame, {{22, 43}, {18, 28}, {15.5, 13}});
    DrawTown(map, frame, 84, 30, 96, 47, Rgba{150, 40, 36});
    DrawTown(map, frame, 11.2, 43, 32, 52, Rgba{60, 70, 140});
    DrawCaves(map, frame);
    DrawCamp(map, frame);
    return map;
}

}  // namespace duskmoor::content
