#include "symbols.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace duskmoor::content {

namespace {

constexpr Rgba kGoldLight{255, 238, 160, 255};
constexpr Rgba kGold{228, 178, 66, 255};
constexpr Rgba kGoldDark{150, 96, 26, 255};
constexpr Rgba kWoodLight{184, 116, 58, 255};
constexpr Rgba kWoodDark{96, 54, 24, 255};
constexpr Rgba kCream{248, 238, 210, 255};
constexpr Rgba kCreamDark{202, 182, 138, 255};
constexpr Rgba kInk{122, 96, 70, 255};
constexpr Rgba kSeam{44, 28, 14, 255};
constexpr Rgba kSilverLight{240, 244, 250, 255};
constexpr Rgba kSilverDark{118, 126, 142, 255};
constexpr Rgba kRed{206, 44, 36, 255};
constexpr Rgba kRedDark{112, 16, 12, 255};
constexpr Rgba kBlue{70, 120, 230, 255};
constexpr Rgba kGreen{80, 190, 80, 255};
constexpr Rgba kSkin{244, 200, 156, 255};
constexpr Rgba kSkinShadow{196, 140, 100, 255};
constexpr Rgba kHair{92, 56, 30, 255};

Paint Gradient(const Frame& f, Rgba top, Rgba bottom, double v0, double v1) {
    return Vertical(top, bottom, f.At(0, v0).y, f.At(0, v1).y);
}

Shape BoxAt(const Frame& f, double u0, double v0, double u1, double v1) {
    const Point a = f.At(u0, v0), b = f.At(u1, v1);
    return Box(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
}

Shape PolygonAt(const Frame& f, const std::vector<Point>& design) {
    return Polygon(f.Map(design));
}

Shape CapsuleAt(const Frame& f, double u0, double v0, double u1, double v1, double radius) {
    return Capsule(f.At(u0, v0), f.At(u1, v1), f.Length(radius));
}

Shape CircleAt(const Frame& f, double u, double v, double radius) {
    return Circle(f.At(u, v), f.Length(radius));
}

Shape EllipseAt(const Frame& f, double u, double v, double radius_u, double radius_v) {
    return Ellipse(f.At(u, v), f.Length(radius_u), f.Length(radius_v));
}

// Angles are designed for the unmirrored picture; a mirrored one turns them round.
Shape SectorAt(const Frame& f, double u, double v, double inner, double outer, double from, double to) {
    if (f.mirrored) return RingSector(f.At(u, v), f.Length(inner), f.Length(outer), 180 - to, 180 - from);
    return RingSector(f.At(u, v), f.Length(inner), f.Length(outer), from, to);
}

std::vector<Point> StarCorners(double u, double v, double outer, double inner, int points, double turn) {
    std::vector<Point> corners;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = (turn + i * 180.0 / points) * std::numbers::pi / 180.0;
        const double radius = i % 2 == 0 ? outer : inner;
        corners.push_back({u + radius * std::cos(angle), v + radius * std::sin(angle)});
    }
    return corners;
}

void DrawSparkle(Raster& l, const Frame& f, double u, double v, double size, Rgba colour) {
    l.Fill(PolygonAt(f, StarCorners(u, v, size, size * 0.27, 4, -90)), colour);
}

void DrawTent(Raster& l, const Frame& f) {
    l.Fill(CapsuleAt(f, 10, 3.5, 10, 0.8, 0.7), kWoodDark);
    l.Fill(PolygonAt(f, {{1, 21}, {10, 3}, {19, 21}}),
           Gradient(f, Rgba{236, 218, 166, 255}, Rgba{160, 128, 78, 255}, 3, 21));
    l.Fill(PolygonAt(f, {{10, 8}, {6.8, 21}, {13.2, 21}}), Rgba{58, 34, 16, 255});
    l.Fill(PolygonAt(f, {{10, 8}, {13.2, 21}, {15, 21}}), Rgba{250, 236, 196, 255});
    l.Fill(CapsuleAt(f, 16, 22, 23, 20, 1.1), kWoodDark);
    l.Fill(CapsuleAt(f, 16, 20, 23, 22, 1.1), kWoodLight);
    l.Fill(Union(CircleAt(f, 19.5, 18.2, 2.7), PolygonAt(f, {{16.9, 17.6}, {19.0, 9.5}, {22.1, 17.6}})),
           Gradient(f, Rgba{255, 90, 20, 255}, Rgba{250, 170, 40, 255}, 10, 20));
    l.Fill(Union(CircleAt(f, 19.5, 19, 1.4), PolygonAt(f, {{18.2, 18.8}, {19.5, 13.5}, {20.8, 18.8}})),
           Rgba{255, 240, 140, 255});
}

void DrawBook(Raster& l, const Frame& f) {
    l.Fill(PolygonAt(f, {{0.5, 6.5}, {12, 9}, {23.5, 6.5}, {23.5, 20.5}, {12, 23}, {0.5, 20.5}}),
           Gradient(f, Rgba{140, 44, 32, 255}, Rgba{80, 20, 16, 255}, 6, 23));
    const Paint page = Gradient(f, kCream, kCreamDark, 5, 21);
    l.Fill(PolygonAt(f, {{2, 5}, {11.5, 7.5}, {11.5, 21}, {2, 18.5}}), page);
    l.Fill(PolygonAt(f, {{12.5, 7.5}, {22, 5}, {22, 18.5}, {12.5, 21}}), page);
    for (int line = 0; line < 4; ++line) {
        const double v = 8.6 + line * 2.6;
        l.Fill(CapsuleAt(f, 3.6, v, 10, v + 1.6, 0.45), kInk);
        l.Fill(CapsuleAt(f, 14, v + 1.6, line == 3 ? 17.5 : 20.4, v, 0.45), kInk);
    }
    l.Fill(CapsuleAt(f, 12, 7.6, 12, 21.6, 0.55), kSeam);
    l.Fill(PolygonAt(f, {{17.8, 19}, {19.6, 18.6}, {19.6, 23.6}, {18.7, 22.6}, {17.8, 23.6}}), kRed);
}

void DrawStar(Raster& l, const Frame& f) {
    l.Fill(CapsuleAt(f, 2.5, 21.5, 10.5, 13.5, 1.3), Rgba{74, 46, 30, 255});
    l.Fill(CapsuleAt(f, 2.5, 21.5, 3.8, 20.2, 1.35), kSilverLight);
    l.Fill(PolygonAt(f, StarCorners(15, 9.5, 8.5, 3.5, 5, -90)), Gradient(f, kGoldLight, kGoldDark, 1, 17));
    DrawSparkle(l, f, 5, 6, 3.2, Rgba{255, 250, 210, 255});
    DrawSparkle(l, f, 21, 20, 2.6, Rgba{255, 250, 210, 255});
}

void DrawDie(Raster& l, const Frame& f) {
    const std::vector<Point> top = {{12, 2}, {21.5, 7}, {12, 12}, {2.5, 7}};
    const std::vector<Point> left = {{2.5, 7}, {12, 12}, {12, 22.5}, {2.5, 17.5}};
    const std::vector<Point> right = {{12, 12}, {21.5, 7}, {21.5, 17.5}, {12, 22.5}};
    l.Fill(PolygonAt(f, top), Rgba{252, 246, 230, 255});
    l.Fill(PolygonAt(f, left), Rgba{216, 206, 182, 255});
    l.Fill(PolygonAt(f, right), Rgba{168, 156, 130, 255});
    for (const auto& face : {top, left, right})
        l.Fill(Edges(f.Map(face), f.Length(0.4)), Rgba{70, 56, 42, 255});
    l.Fill(EllipseAt(f, 12, 7, 1.9, 1.1), kRed);
    auto pip = [&](Point origin, Point along, double s, double t) {
        l.Fill(EllipseAt(f, origin.x + along.x * s, origin.y + along.y * s + 10.5 * t, 1.25, 1.6),
               Rgba{30, 22, 22, 255});
    };
    for (double s : {0.27, 0.73}) pip({2.5, 7}, {9.5, 5}, s, s);
    for (double s : {0.22, 0.5, 0.78}) pip({12, 12}, {9.5, -5}, s, s);
}

void DrawChest(Raster& l, const Frame& f) {
    const Shape body = BoxAt(f, 2, 11, 22, 21.5);
    const Shape lid = Intersection(EllipseAt(f, 12, 11, 10, 6.2), BoxAt(f, 0, 0, 24, 11));
    l.Fill(body, Gradient(f, kWoodLight, kWoodDark, 11, 21.5));
    l.Fill(lid, Gradient(f, Rgba{206, 136, 70, 255}, Rgba{150, 86, 40, 255}, 5, 11));
    l.Fill(CapsuleAt(f, 2.3, 16.2, 21.7, 16.2, 0.35), kSeam);
    const Shape chest = Union(body, lid);
    const Paint brass = Gradient(f, kGoldLight, kGoldDark, 5, 21.5);
    l.Fill(Intersection(chest, BoxAt(f, 4.5, 0, 6.8, 24)), brass);
    l.Fill(Intersection(chest, BoxAt(f, 17.2, 0, 19.5, 24)), brass);
    l.Fill(CapsuleAt(f, 2.2, 11, 21.8, 11, 0.55), kSeam);
    l.Fill(BoxAt(f, 10, 9.6, 14, 14.8), brass);
    l.Fill(Union(CircleAt(f, 12, 11.6, 0.85), BoxAt(f, 11.55, 11.6, 12.45, 13.6)), kSeam);
}

void DrawCrown(Raster& l, const Frame& f) {
    const Paint gold = Gradient(f, kGoldLight, kGoldDark, 3, 20.5);
    l.Fill(PolygonAt(f, {{2.5, 17}, {2, 6}, {7.5, 11.5}, {12, 3.5}, {16.5, 11.5}, {22, 6}, {21.5, 17}}),
           gold);
    l.Fill(BoxAt(f, 2.5, 15.5, 21.5, 20.5),
           Gradient(f, Rgba{246, 208, 100, 255}, Rgba{136, 86, 22, 255}, 15.5, 20.5));
    l.Fill(CapsuleAt(f, 2.5, 15.5, 21.5, 15.5, 0.4), Rgba{112, 70, 20, 255});
    auto jewel = [&](double u, double v, double radius, Rgba colour) {
        l.Fill(CircleAt(f, u, v, radius),
               Radial(Shade(colour, 1.3), Shade(colour, 0.6), f.At(u - 0.4, v - 0.4), f.Length(radius)));
        l.Fill(CircleAt(f, u - radius * 0.35, v - radius * 0.35, radius * 0.3), Rgba{255, 255, 255, 220});
    };
    jewel(2, 6, 1.6, kBlue);
    jewel(12, 3.5, 1.8, kRed);
    jewel(22, 6, 1.6, kBlue);
    jewel(7, 18, 1.4, kGreen);
    jewel(12, 18, 1.7, kRed);
    jewel(17, 18, 1.4, kGreen);
}

void DrawMagnifier(Raster& l, const Frame& f) {
    l.Fill(CapsuleAt(f, 14.5, 14.5, 21.5, 21.5, 2.2), Gradient(f, kWoodLight, kWoodDark, 14, 23));
    l.Fill(CapsuleAt(f, 13.8, 13.8, 15.8, 15.8, 2.5), Gradient(f, kGoldLight, kGoldDark, 12, 18));
    l.Fill(CircleAt(f, 9.5, 9.5, 6.2),
           Radial(Rgba{226, 244, 255, 235}, Rgba{110, 160, 214, 235}, f.At(8, 8), f.Length(7)));
    l.Fill(SectorAt(f, 9.5, 9.5, 3.4, 4.6, -170, -100), Rgba{255, 255, 255, 230});
    l.Fill(SectorAt(f, 9.5, 9.5, 6, 8.2, -180, 180), Gradient(f, kGoldLight, kGoldDark, 1.5, 17.5));
}

void DrawBust(Raster& l, const Frame& f, double u, double v, double scale, Rgba tunic, const Shape& clip) {
    const Shape shoulders = Intersection(
        clip,
        Intersection(EllipseAt(f, u, v + 10.5 * scale, 7 * scale, 6.5 * scale), BoxAt(f, 0, 0, 24, 22.6)));
    const Shape head = CircleAt(f, u, v, 3.8 * scale);
    const double edge = 0.7;
    l.Fill(Intersection(clip,
                        Intersection(EllipseAt(f, u, v + 10.5 * scale, 7 * scale + edge, 6.5 * scale + edge),
                                     BoxAt(f, 0, 0, 24, 23.3))),
           kSeam);
    l.Fill(shoulders, Gradient(f, Shade(tunic, 1.25), Shade(tunic, 0.55), v + 4 * scale, v + 11 * scale));
    l.Fill(Intersection(clip, CircleAt(f, u, v, 3.8 * scale + edge)), kSeam);
    l.Fill(head, Radial(kSkin, kSkinShadow, f.At(u - scale, v - scale), f.Length(4.8 * scale)));
    l.Fill(Intersection(CircleAt(f, u, v - 0.5 * scale, 4.0 * scale), BoxAt(f, 0, 0, 24, v - 0.8 * scale)),
           kHair);
}

void DrawPortrait(Raster& l, const Frame& f) {
    const Shape inside = EllipseAt(f, 12, 12, 8.6, 9.8);
    l.Fill(inside, Gradient(f, Rgba{64, 76, 130, 255}, Rgba{20, 24, 52, 255}, 2, 22));
    DrawBust(l, f, 12, 10, 1.0, Rgba{176, 44, 40, 255}, inside);
    l.Fill(Difference(EllipseAt(f, 12, 12, 10.6, 11.8), EllipseAt(f, 12, 12, 8.4, 9.6)),
           Gradient(f, kGoldLight, kGoldDark, 0, 24));
}

void DrawParty(Raster& l, const Frame& f) {
    const Shape everywhere = Box(-1e9, -1e9, 1e9, 1e9);
    DrawBust(l, f, 5.5, 8, 0.8, Rgba{60, 100, 190, 255}, everywhere);
    DrawBust(l, f, 18.5, 8, 0.8, Rgba{60, 150, 70, 255}, everywhere);
    DrawBust(l, f, 12, 10.5, 1.0, Rgba{186, 46, 40, 255}, everywhere);
}

Shape TurnArrow(const Frame& f) {
    return Union(Union(SectorAt(f, 9, 14, 5, 10.5, -90, 0), BoxAt(f, 14, 14, 19.5, 23)),
                 PolygonAt(f, {{9.6, 0}, {9.6, 12.5}, {1.2, 6.25}}));
}

void DrawArrow(Raster& l, const Frame& f, const Shape& arrow) {
    l.Fill(arrow, Gradient(f, Rgba{255, 230, 140, 255}, Rgba{170, 104, 26, 255}, 0, 23));
}

void DrawScroll(Raster& l, const Frame& f) {
    l.Fill(BoxAt(f, 5, 4, 19, 20), Gradient(f, kCream, kCreamDark, 4, 20));
    for (int line = 0; line < 4; ++line) {
        const double v = 7.8 + line * 2.4;
        l.Fill(CapsuleAt(f, 7.5, v, line == 3 ? 12.5 : 16.5, v, 0.45), kInk);
    }
    const Paint roll = Gradient(f, Rgba{240, 226, 186, 255}, Rgba{170, 148, 100, 255}, 2, 6);
    l.Fill(CapsuleAt(f, 4, 4, 20, 4, 2.2), roll);
    l.Fill(CapsuleAt(f, 4, 20, 20, 20, 2.2),
           Gradient(f, Rgba{240, 226, 186, 255}, Rgba{170, 148, 100, 255}, 18, 22));
    l.Fill(PolygonAt(f, {{14.2, 18}, {13, 23.5}, {15, 22}, {16.6, 23.5}, {16.6, 18}}), kRedDark);
    l.Fill(CircleAt(f, 15.5, 17, 3), Radial(Rgba{236, 70, 56, 255}, kRedDark, f.At(14.5, 16), f.Length(3.6)));
    l.Fill(CircleAt(f, 15.5, 17, 1.4), Rgba{150, 24, 18, 255});
}

void DrawSpeaker(Raster& l, const Frame& f, bool sounding) {
    const Paint metal = Gradient(f, kSilverLight, kSilverDark, 3, 21);
    l.Fill(BoxAt(f, 1.5, 8.5, 7.5, 15.5), metal);
    l.Fill(PolygonAt(f, {{7, 8.5}, {13.5, 3}, {13.5, 21}, {7, 15.5}}), metal);
    if (sounding) {
        const Rgba wave{255, 232, 150, 255};
        l.Fill(SectorAt(f, 13.5, 12, 3.4, 5.1, -50, 50), wave);
        l.Fill(SectorAt(f, 13.5, 12, 7.2, 8.9, -50, 50), wave);
    } else {
        l.Fill(CapsuleAt(f, 16, 7.5, 22.5, 16.5, 1.5), Rgba{230, 46, 34, 255});
        l.Fill(CapsuleAt(f, 16, 16.5, 22.5, 7.5, 1.5), Rgba{230, 46, 34, 255});
    }
}

void DrawDoor(Raster& l, const Frame& f) {
    const Shape door =
        Intersection(Union(BoxAt(f, 5, 10, 19, 23), CircleAt(f, 12, 10, 7)), BoxAt(f, 0, 0, 24, 23));
    l.Fill(door, Gradient(f, kWoodLight, kWoodDark, 3, 23));
    for (double u : {8.5, 12.0, 15.5}) l.Fill(Intersection(door, CapsuleAt(f, u, 2, u, 23, 0.35)), kSeam);
    const Paint iron = Gradient(f, Rgba{150, 150, 166, 255}, Rgba{60, 60, 72, 255}, 7, 20);
    l.Fill(Intersection(door, BoxAt(f, 5, 7.6, 19, 9.4)), iron);
    l.Fill(Intersection(door, BoxAt(f, 5, 17.4, 19, 19.2)), iron);
    l.Fill(CircleAt(f, 16.4, 14, 1.3), Gradient(f, kGoldLight, kGoldDark, 12.6, 15.4));
}

void DrawShield(Raster& l, const Frame& f) {
    const std::vector<Point> outline = {{3, 2.5},   {21, 2.5},   {21, 11}, {19.4, 16.2},
                                        {12, 22.8}, {4.6, 16.2}, {3, 11}};
    const Shape shield = PolygonAt(f, outline);
    l.Fill(shield, Gradient(f, Rgba{80, 116, 220, 255}, Rgba{30, 50, 130, 255}, 2, 22));
    const Paint red = Gradient(f, Rgba{220, 60, 50, 255}, Rgba{120, 20, 16, 255}, 2, 22);
    l.Fill(Intersection(shield, BoxAt(f, 12, 0, 24, 12.5)), red);
    l.Fill(Intersection(shield, BoxAt(f, 0, 12.5, 12, 24)), red);
    const Paint gold = Gradient(f, kGoldLight, kGoldDark, 2, 22);
    l.Fill(Intersection(shield, Union(BoxAt(f, 10.9, 0, 13.1, 24), BoxAt(f, 0, 11.4, 24, 13.6))), gold);
    l.Fill(Edges(f.Map(outline), f.Length(0.9)), gold);
}

void DrawMoon(Raster& l, const Frame& f) {
    l.Fill(Difference(CircleAt(f, 10.5, 13, 9), CircleAt(f, 15.5, 9.5, 8)),
           Gradient(f, Rgba{255, 248, 200, 255}, Rgba{224, 188, 96, 255}, 4, 22));
    DrawSparkle(l, f, 18.5, 16.5, 2.8, Rgba{255, 250, 220, 255});
    DrawSparkle(l, f, 21, 5, 2.2, Rgba{255, 250, 220, 255});
}

void DrawCheck(Raster& l, const Frame& f) {
    l.Fill(Union(CapsuleAt(f, 3.5, 12.5, 9.5, 19, 2.4), CapsuleAt(f, 9.5, 19, 21, 5, 2.4)),
           Gradient(f, Rgba{160, 240, 120, 255}, Rgba{40, 130, 40, 255}, 4, 21));
}

}  // namespace

Point Frame::At(double u, double v) const {
    return {left + (mirrored ? 24.0 - u : u) * size / 24.0, top + v * size / 24.0};
}

std::vector<Point> Frame::Map(const std::vector<Point>& design) const {
    std::vector<Point> mapped;
    for (const Point& p : design) mapped.push_back(At(p.x, p.y));
    return mapped;
}

void DrawSymbol(Raster& layer, Symbol symbol, const Frame& frame) {
    switch (symbol) {
        case Symbol::None:
            return;
        case Symbol::Tent:
            return DrawTent(layer, frame);
        case Symbol::Book:
            return DrawBook(layer, frame);
        case Symbol::Star:
            return DrawStar(layer, frame);
        case Symbol::Die:
            return DrawDie(layer, frame);
        case Symbol::Chest:
            return DrawChest(layer, frame);
        case Symbol::Crown:
            return DrawCrown(layer, frame);
        case Symbol::Magnifier:
            return DrawMagnifier(layer, frame);
        case Symbol::Portrait:
            return DrawPortrait(layer, frame);
        case Symbol::ArrowUp:
            return DrawArrow(
                layer, frame,
                PolygonAt(frame,
                          {{8.5, 23}, {8.5, 11}, {2.5, 11}, {12, 1}, {21.5, 11}, {15.5, 11}, {15.5, 23}}));
        case Symbol::ArrowTurnLeft:
            return DrawArrow(layer, frame, TurnArrow(frame));
        case Symbol::ArrowTurnRight: {
            Frame mirrored = frame;
            mirrored.mirrored = !frame.mirrored;
            return DrawArrow(layer, mirrored, TurnArrow(mirrored));
        }
        case Symbol::Sparkle:
            DrawSparkle(layer, frame, 11, 12.5, 10.5, Rgba{255, 244, 190, 255});
            DrawSparkle(layer, frame, 19.5, 4.5, 4, Rgba{255, 250, 220, 255});
            DrawSparkle(layer, frame, 19.5, 19.5, 3, Rgba{255, 250, 220, 255});
            return;
        case Symbol::Scroll:
            return DrawScroll(layer, frame);
        case Symbol::SpeakerOn:
            return DrawSpeaker(layer, frame, true);
        case Symbol::SpeakerOff:
            return DrawSpeaker(layer, frame, false);
        case Symbol::Door:
            return DrawDoor(layer, frame);
        case Symbol::Shield:
            return DrawShield(layer, frame);
        case Symbol::Moon:
            return DrawMoon(layer, frame);
        case Symbol::Party:
            return DrawParty(layer, frame);
        case Symbol::Check:
            return DrawCheck(layer, frame);
    }
}

}  // namespace duskmoor::content
