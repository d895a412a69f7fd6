#include "button_art.h"

#include <algorithm>

#include "pixel_font.h"

namespace duskmoor::content {

namespace {

constexpr int kRimWidth = 3;
constexpr int kFaceInset = kRimWidth + 2;  // border, bronze rim, groove
constexpr Rgba kBorder{22, 15, 8, 255};
constexpr Rgba kGroove{36, 26, 16, 255};
constexpr Rgba kRimLit[kRimWidth] = {{252, 226, 150, 255}, {226, 174, 90, 255}, {182, 126, 52, 255}};
constexpr Rgba kRimShade[kRimWidth] = {{96, 58, 22, 255}, {126, 80, 32, 255}, {156, 104, 44, 255}};
constexpr Rgba kStoneTop{118, 112, 104, 255};
constexpr Rgba kStoneBottom{74, 70, 64, 255};

Rgba Vary(Rgba colour, double amount) {
    auto channel = [amount](uint8_t value) {
        return static_cast<uint8_t>(std::clamp(value + amount, 0.0, 255.0));
    };
    return {channel(colour.r), channel(colour.g), channel(colour.b), colour.a};
}

Rgba RimPixel(int x, int y, int width, int height, int depth, uint32_t seed) {
    const int toward_light = std::min(x, y);
    const int toward_shade = std::min(width - 1 - x, height - 1 - y);
    // Where the lit and shaded sides meet at two corners, the diagonal decides.
    const bool lit = toward_light < toward_shade || (toward_light == toward_shade && x < width / 2);
    const Rgba colour = lit ? kRimLit[depth - 1] : kRimShade[depth - 1];
    return Vary(colour, (Noise(x, y, seed + 7) - 0.5) * 14);
}

Rgba StonePixel(int x, int y, int width, int height, uint32_t seed) {
    const double along = (y - kFaceInset) / double(std::max(1, height - 2 * kFaceInset - 1));
    Rgba stone = Mix(kStoneTop, kStoneBottom, along);
    const double blotch =
        (SmoothNoise(x, y, 7, seed) - 0.5) * 26 + (SmoothNoise(x, y, 3, seed + 1) - 0.5) * 12;
    stone = Vary(stone, blotch + (Noise(x, y, seed + 2) - 0.5) * 10);
    // The rim casts a shadow on the top and left of the recessed face.
    const int from_top = y - kFaceInset, from_left = x - kFaceInset;
    const int from_bottom = height - 1 - kFaceInset - y, from_right = width - 1 - kFaceInset - x;
    if (from_top == 0 || from_left == 0)
        stone = Shade(stone, 0.62);
    else if (from_top == 1 || from_left == 1)
        stone = Shade(stone, 0.84);
    else if (from_bottom == 0 || from_right == 0)
        stone = Shade(stone, 1.18);
    return stone;
}

Paint CaptionPaint(int top, int height) {
    return Vertical(Rgba{255, 244, 200, 255}, Rgba{226, 170, 78, 255}, top, top + height);
}

void DrawRivet(Raster& plate, double x, double y) {
    plate.Fill(Circle({x + 0.6, y + 0.6}, 2.1), Rgba{20, 14, 8, 160});
    plate.Fill(Circle({x, y}, 1.9),
               Radial(Rgba{255, 232, 160, 255}, Rgba{120, 76, 28, 255}, {x - 0.7, y - 0.7}, 2.6));
}

}  // namespace

Raster ButtonPlate(int width, int height, uint32_t seed) {
    Raster plate(width, height, kBorder);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int depth = std::min({x, y, width - 1 - x, height - 1 - y});
            if (depth == 0) continue;
            if (depth <= kRimWidth)
                plate.Set(x, y, RimPixel(x, y, width, height, depth, seed));
            else if (depth == kRimWidth + 1)
                plate.Set(x, y, kGroove);
            else
                plate.Set(x, y, StonePixel(x, y, width, height, seed));
        }
    }
    return plate;
}

Raster CommandButton(int width, int height, Symbol symbol, std::string_view caption, uint32_t seed) {
    return CommandButton(
        width, height, [symbol](Raster& layer, const Frame& frame) { DrawSymbol(layer, symbol, frame); },
        caption, seed);
}

Raster CommandButton(int width, int height, const Pictogram& pictogram, std::string_view caption,
                     uint32_t seed) {
    Raster plate = ButtonPlate(width, height, seed);
    const int caption_top = height - kFaceInset - 1 - kGlyphHeight;
    const int symbol_size = caption_top - 1 - (kFaceInset + 1);
    Raster layer(width, height);
    pictogram(layer, Frame{(width - symbol_size) / 2.0, kFaceInset + 1.0, double(symbol_size)});
    Stamp(plate, layer);
    Raster text(width, height);
    const int text_width = TextWidth(caption, 1, 1);
    DrawText(text, (width - text_width) / 2, caption_top, caption, 1, 1,
             CaptionPaint(caption_top, kGlyphHeight));
    Stamp(plate, text);
    return plate;
}

Raster MenuButton(int width, int height, Symbol symbol, std::string_view caption, uint32_t seed) {
    Raster plate = ButtonPlate(width, height, seed);
    const double rivet_inset = kFaceInset + 3.5;
    for (double x : {rivet_inset, width - 1 - rivet_inset}) {
        for (double y : {rivet_inset, height - 1 - rivet_inset}) DrawRivet(plate, x, y);
    }
    constexpr int kScale = 2, kSymbolSize = 26, kSymbolGap = 8;
    const int room = width - 2 * (kFaceInset + 8);
    int spacing = kScale;
    int text_width = TextWidth(caption, kScale, spacing);
    if (text_width > room) {
        spacing = 1;
        text_width = TextWidth(caption, kScale, spacing);
    }
    const bool with_symbol = symbol != Symbol::None && text_width + kSymbolSize + kSymbolGap <= room;
    const int group_width = text_width + (with_symbol ? kSymbolSize + kSymbolGap : 0);
    const int left = (width - group_width) / 2;
    Raster layer(width, height);
    if (with_symbol)
        DrawSymbol(layer, symbol, Frame{double(left), (height - kSymbolSize) / 2.0, double(kSymbolSize)});
    const int text_top = (height - kGlyphHeight * kScale) / 2;
    const int text_left = left + (with_symbol ? kSymbolSize + kSymbolGap : 0);
    DrawText(layer, text_left, text_top, caption, kScale, spacing,
             CaptionPaint(text_top, kGlyphHeight * kScale));
    Stamp(plate, layer);
    return plate;
}

Raster SymbolButton(int width, int height, Symbol symbol, uint32_t seed) {
    Raster plate = ButtonPlate(width, height, seed);
    const double size = std::min(width, height) - 2 * kFaceInset - 4;
    Raster layer(width, height);
    DrawSymbol(layer, symbol, Frame{(width - size) / 2.0, (height - size) / 2.0, size});
    Stamp(plate, layer);
    return plate;
}

Raster DuskIcon(int width, int height) {
    Raster icon(width, height);
    const double scale = std::min(width, height) / 32.0;
    auto at = [scale](double x, double y) { return Point{x * scale, y * scale}; };
    const Shape disc = Circle(at(16, 16), 14.6 * scale);
    icon.Fill(disc, Vertical(Rgba{12, 16, 50, 255}, Rgba{150, 70, 96, 255}, 3 * scale, 25 * scale));
    for (Point star :
         {Point{8, 8}, Point{13, 5}, Point{24, 18}, Point{10.5, 13}, Point{17, 9}, Point{27, 13}}) {
        icon.Fill(Circle(at(star.x, star.y), 0.6 * scale), Rgba{255, 250, 220, 230});
    }
    icon.Fill(Circle(at(21, 10), 8 * scale),
              Radial(Rgba{255, 240, 190, 90}, Rgba{255, 240, 190, 0}, at(21, 10), 8 * scale));
    icon.Fill(Difference(Circle(at(21, 10), 5.4 * scale), Circle(at(23.6, 8), 4.6 * scale)),
              Vertical(Rgba{255, 250, 214, 255}, Rgba{236, 200, 110, 255}, 4 * scale, 16 * scale));
    const Rgba stone{26, 22, 34, 255};
    icon.Fill(Box(7 * scale, 11 * scale, 12.5 * scale, 27 * scale), stone);
    icon.Fill(Difference(Box(6 * scale, 8.5 * scale, 13.5 * scale, 11.5 * scale),
                         Union(Box(7.6 * scale, 8.5 * scale, 9 * scale, 9.8 * scale),
                               Box(10.5 * scale, 8.5 * scale, 11.9 * scale, 9.8 * scale))),
              stone);
    icon.Fill(Box(9 * scale, 14.5 * scale, 10.5 * scale, 17 * scale), Rgba{255, 204, 96, 255});
    const Shape far_moor = Polygon(
        {at(0, 23), at(6, 21), at(13, 22.5), at(19, 20.5), at(26, 22), at(32, 20), at(32, 32), at(0, 32)});
    const Shape near_moor =
        Polygon({at(0, 26), at(9, 24.5), at(17, 26), at(25, 24), at(32, 25), at(32, 32), at(0, 32)});
    icon.Fill(Intersection(disc, far_moor), Rgba{44, 52, 46, 255});
    icon.Fill(Intersection(disc, near_moor), Rgba{20, 26, 20, 255});
    icon.Fill(Difference(Circle(at(16, 16), 15.8 * scale), Circle(at(16, 16), 14.3 * scale)),
              Vertical(Rgba{255, 230, 150, 255}, Rgba{130, 80, 26, 255}, 0, 32 * scale));
    return icon;
}

Raster ViewIcon(int width, int height) {
    const double scale = std::min(width, height) / 32.0;
    auto at = [scale](double x, double y) { return Point{x * scale, y * scale}; };
    // Two overlapping circles give the almond of the eye: 26 wide and 14 tall.
    const Shape almond =
        Intersection(Circle(at(16, 24.57), 15.57 * scale), Circle(at(16, 7.43), 15.57 * scale));
    Raster layer(width, height);
    layer.Fill(almond, Radial(Rgba{255, 255, 255, 255}, Rgba{196, 200, 212, 255}, at(16, 14), 13 * scale));
    layer.Fill(Intersection(almond, Circle(at(16, 16), 5.4 * scale)),
               Radial(Rgba{130, 200, 255, 255}, Rgba{26, 64, 160, 255}, at(16, 16), 5.4 * scale));
    layer.Fill(Circle(at(16, 16), 2.5 * scale), Rgba{8, 8, 12, 255});
    layer.Fill(Circle(at(14.3, 14.3), 1.2 * scale), Rgba{255, 255, 255, 240});
    Raster icon(width, height);
    Stamp(icon, layer);
    const Rgba lash{20, 14, 8, 255};
    icon.Fill(Capsule(at(9.5, 10.8), at(7.8, 8), 0.7 * scale), lash);
    icon.Fill(Capsule(at(16, 9), at(16, 5.8), 0.7 * scale), lash);
    icon.Fill(Capsule(at(22.5, 10.8), at(24.2, 8), 0.7 * scale), lash);
    return icon;
}

}  // namespace duskmoor::content
