#include "ui/canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace duskmoor {
namespace {

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

// A pattern whose every pixel names its own coordinates, so a wrong tile
// offset shows up as a wrong value.
Bitmap CoordinatePattern(int width, int height) {
    Bitmap pattern{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pattern.pixels.push_back(0xFF000000u | (uint32_t(y) << 8) | uint32_t(x));
    }
    return pattern;
}

// The pixels of a canvas that are not black.
std::set<std::pair<int, int>> Painted(const Canvas& canvas) {
    std::set<std::pair<int, int>> painted;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.PixelAt(x, y) != kBlack) painted.insert({x, y});
        }
    }
    return painted;
}

TEST(CanvasTest, FillRectIncludesBothCornersInAnyOrderAndClips) {
    Canvas canvas(8, 6);
    canvas.FillRect(5, 4, 2, 1, colors::White);  // corners given right-bottom first
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x <= 5 && y >= 1 && y <= 4;
            EXPECT_EQ(canvas.PixelAt(x, y), inside ? kWhite : kBlack) << x << "," << y;
        }
    }

    Canvas clipped(4, 4);
    clipped.FillRect(-10, 2, 100, 50, colors::Red);
    EXPECT_EQ(clipped.PixelAt(0, 1), kBlack);
    EXPECT_EQ(clipped.PixelAt(0, 2), 0xFFFF0000u);
    EXPECT_EQ(clipped.PixelAt(3, 3), 0xFFFF0000u);
    clipped.FillRect(-5, -5, -1, -1, colors::White);  // wholly outside: nothing
    clipped.FillRect(4, 0, 9, 3, colors::White);
    EXPECT_EQ(Painted(clipped).size(), 8u);
}

TEST(CanvasTest, TiledQuadTakesPatternAnchoredAtCanvasOrigin) {
    Canvas canvas(40, 30);
    const Bitmap pattern = CoordinatePattern(7, 5);
    // An axis-aligned quad from (3,2) to (33,27): pixel centres from x 3..32, y 2..26.
    canvas.FillPolygonTiled({Point{3, 2}, Point{33, 2}, Point{33, 27}, Point{3, 27}}, pattern);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 3 && x <= 32 && y >= 2 && y <= 26;
            const uint32_t expected = inside ? pattern.At(x % 7, y % 5) : kBlack;
            ASSERT_EQ(canvas.PixelAt(x, y), expected) << x << "," << y;
        }
    }
}

TEST(CanvasTest, PolygonCoverageFollowsPixelCentresEitherWinding) {
    // A right triangle, as a quad with a repeated point.
    Canvas clockwise(10, 10);
    clockwise.FillPolygon({Point{0, 0}, Point{0, 0}, Point{8, 8}, Point{0, 8}}, colors::White);
    Canvas counter(10, 10);
    counter.FillPolygon({Point{0, 8}, Point{8, 8}, Point{0, 0}, Point{0, 0}}, colors::White);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            // Centre (x+.5, y+.5) is inside when it is left of the diagonal;
            // a centre exactly on a right-hand edge is outside.
            const bool inside = y < 8 && x < y;
            EXPECT_EQ(clockwise.PixelAt(x, y), inside ? kWhite : kBlack) << x << "," << y;
        }
    }
    EXPECT_EQ(clockwise.pixels(), counter.pixels());
}

TEST(CanvasTest, BowTieFillsBothLobesByEvenOdd) {
    // Edges (0,0)-(10,10) and (10,0)-(0,10) cross at (5,5): the top and bottom
    // triangles are inside, the left and right ones are not.
    Canvas canvas(10, 10);
    canvas.FillPolygon({Point{0, 0}, Point{10, 0}, Point{0, 10}, Point{10, 10}}, colors::White);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const double centre_x = x + 0.5, centre_y = y + 0.5;
            const double left = centre_y < 5 ? centre_y : 10 - centre_y;
            const double right = 10 - left;
            const bool inside = centre_x >= left && centre_x < right;
            EXPECT_EQ(canvas.PixelAt(x, y), inside ? kWhite : kBlack) << x << "," << y;
        }
    }
    EXPECT_EQ(canvas.PixelAt(4, 0), kWhite);
    EXPECT_EQ(canvas.PixelAt(0, 4), kBlack);
    EXPECT_EQ(canvas.PixelAt(5, 9), kWhite);
}

// Even-odd test of one pixel centre in exact integers: the centre is inside when
// an odd number of edges cross its row at or left of it.
bool CentreInside(const std::array<Point, 4>& points, int x, int y) {
    const int64_t centre_x2 = 2 * int64_t(x) + 1, centre_y2 = 2 * int64_t(y) + 1;
    bool inside = false;
    for (size_t i = 0; i < 4; ++i) {
        Point a = points[i], b = points[(i + 1) % 4];
        if (a.y > b.y) std::swap(a, b);
        if (!(2 * a.y < centre_y2 && centre_y2 < 2 * b.y)) continue;
        const int64_t d = b.y - a.y;
        if (2 * a.x * d + (centre_y2 - 2 * a.y) * (b.x - a.x) <= centre_x2 * d) inside = !inside;
    }
    return inside;
}

TEST(CanvasTest, RandomQuadsMatchAPerPixelEvenOddReference) {
    uint32_t seed = 12345;
    const auto next = [&seed](int low, int high) {
        seed = seed * 1103515245u + 12345u;
        return low + static_cast<int>((seed >> 8) % uint32_t(high - low + 1));
    };
    for (int round = 0; round < 300; ++round) {
        std::array<Point, 4> quad;
        for (Point& point : quad) point = Point{next(-25, 55), next(-25, 55)};
        Canvas canvas(32, 24);
        canvas.FillPolygon(quad, colors::White);
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 32; ++x) {
                ASSERT_EQ(canvas.PixelAt(x, y) == kWhite, CentreInside(quad, x, y))
                    << "round " << round << " pixel " << x << "," << y;
            }
        }
    }
}

TEST(CanvasTest, QuadsReachingPastTheCanvasFillTheirVisiblePart) {
    Canvas canvas(445, 329);
    const Bitmap pattern = CoordinatePattern(64, 64);
    // The left wall nearest the party: its corners lie above and below the view.
    canvas.FillPolygonTiled({Point{0, -20}, Point{58, 33}, Point{58, 296}, Point{0, 349}}, pattern);
    // Column 0 is inside over the whole height; column 57 from row 33 to 295
    // less the slope; column 58 onwards is never touched.
    for (int y = 0; y < 329; ++y) {
        EXPECT_EQ(canvas.PixelAt(0, y), pattern.At(0, y % 64)) << y;
        EXPECT_EQ(canvas.PixelAt(58, y), kBlack) << y;
    }
    EXPECT_EQ(canvas.PixelAt(57, 33), pattern.At(57, 33));
    EXPECT_EQ(canvas.PixelAt(57, 295), pattern.At(57, 295 % 64));
    EXPECT_EQ(canvas.PixelAt(57, 10), kBlack);   // above the upper edge
    EXPECT_EQ(canvas.PixelAt(57, 320), kBlack);  // below the lower edge

    // The mirrored right wall, given the other way round.
    canvas.FillPolygonTiled({Point{387, 33}, Point{445, -20}, Point{445, 349}, Point{387, 296}}, pattern);
    for (int y = 0; y < 329; ++y) EXPECT_EQ(canvas.PixelAt(444, y), pattern.At(444 % 64, y % 64)) << y;

    // Wholly off-canvas quads do nothing and do not fault.
    Canvas untouched(20, 20);
    untouched.FillPolygonTiled({Point{-50, -50}, Point{-10, -50}, Point{-10, -5}, Point{-50, -5}}, pattern);
    untouched.FillPolygon({Point{30, 0}, Point{60, 0}, Point{60, 100}, Point{30, 100}}, colors::White);
    EXPECT_TRUE(Painted(untouched).empty());
}

TEST(CanvasTest, ThinLineHitsBresenhamPixelsAndBothEnds) {
    Canvas canvas(8, 4);
    canvas.Line(0, 0, 6, 2, 1, colors::White);
    const std::set<std::pair<int, int>> expected = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}};
    EXPECT_EQ(Painted(canvas), expected);

    Canvas reversed(8, 4);
    reversed.Line(6, 2, 0, 0, 1, colors::White);
    EXPECT_EQ(Painted(reversed).size(), 7u);
    EXPECT_TRUE(Painted(reversed).count({0, 0}) && Painted(reversed).count({6, 2}));

    Canvas dot(3, 3);
    dot.Line(1, 1, 1, 1, 1, colors::White);
    EXPECT_EQ(Painted(dot), (std::set<std::pair<int, int>>{{1, 1}}));
}

TEST(CanvasTest, WidePenAndRectOutline) {
    Canvas canvas(10, 10);
    canvas.Line(2, 5, 7, 5, 3, colors::White);  // a 3-pixel pen covers rows 4..6
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 1 && x <= 8 && y >= 4 && y <= 6;
            EXPECT_EQ(canvas.PixelAt(x, y), inside ? kWhite : kBlack) << x << "," << y;
        }
    }

    Canvas outline(6, 6);
    outline.Rect(4, 4, 1, 1, 1, colors::White);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool on_edge =
                (x == 1 || x == 4 || y == 1 || y == 4) && x >= 1 && x <= 4 && y >= 1 && y <= 4;
            EXPECT_EQ(outline.PixelAt(x, y), on_edge ? kWhite : kBlack) << x << "," << y;
        }
    }
}

TEST(CanvasTest, TintMixesEveryChannelByAmountAndKeepsAlpha) {
    Canvas canvas(2, 1, Rgb(200, 100, 0));
    canvas.SetPixel(1, 0, Rgb(10, 20, 255));
    canvas.Tint(colors::Black, 128);
    // 200 * 127 / 255 = 99.6 -> 100; 100 * 127 / 255 = 49.8 -> 50.
    EXPECT_EQ(canvas.PixelAt(0, 0), 0xFF643200u);
    // 10 -> 5 (4.98), 20 -> 10 (9.96), 255 -> 127.
    EXPECT_EQ(canvas.PixelAt(1, 0), 0xFF050A7Fu);

    Canvas towards_white(1, 1, Rgb(0, 100, 255));
    towards_white.Tint(colors::White, 64);
    // 0 + 255 * 64 / 255 = 64; (100 * 191 + 255 * 64) / 255 = 138.9 -> 139.
    EXPECT_EQ(towards_white.PixelAt(0, 0), 0xFF408BFFu);
    towards_white.Tint(colors::Red, 0);
    EXPECT_EQ(towards_white.PixelAt(0, 0), 0xFF408BFFu);
    towards_white.Tint(colors::Red, 999);  // clamped to a full mix
    EXPECT_EQ(towards_white.PixelAt(0, 0), 0xFFFF0000u);
}

TEST(CanvasTest, BlitsClipAndBlendTranslucentPixels) {
    Bitmap icon{2, 2, {0xFFFF0000u, 0x00FFFFFFu, 0x80FFFFFFu, 0xFF00FF00u}};
    Canvas canvas(3, 3);
    canvas.Blit(icon, 1, 1);
    EXPECT_EQ(canvas.PixelAt(1, 1), 0xFFFF0000u);
    EXPECT_EQ(canvas.PixelAt(2, 1), kBlack);       // fully transparent: background kept
    EXPECT_EQ(canvas.PixelAt(1, 2), 0xFF808080u);  // half white over black
    EXPECT_EQ(canvas.PixelAt(2, 2), 0xFF00FF00u);
    canvas.Blit(icon, -1, -1);  // only the bottom-right pixel lands
    EXPECT_EQ(canvas.PixelAt(0, 0), 0xFF00FF00u);

    // Doubling: each source pixel becomes a 2x2 block.
    Canvas scaled(4, 4);
    scaled.BlitScaled(Bitmap{2, 1, {0xFF0000FFu, 0xFFFFFF00u}}, 0, 1, 4, 2);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(scaled.PixelAt(x, 0), kBlack);
        EXPECT_EQ(scaled.PixelAt(x, 1), x < 2 ? 0xFF0000FFu : 0xFFFFFF00u);
        EXPECT_EQ(scaled.PixelAt(x, 2), x < 2 ? 0xFF0000FFu : 0xFFFFFF00u);
        EXPECT_EQ(scaled.PixelAt(x, 3), kBlack);
    }

    Canvas big(4, 4, colors::White);
    big.BlitCanvas(scaled, 2, -1);
    EXPECT_EQ(big.PixelAt(2, 0), 0xFF0000FFu);  // source row 1
    EXPECT_EQ(big.PixelAt(3, 1), 0xFF0000FFu);
    EXPECT_EQ(big.PixelAt(1, 0), kWhite);
    EXPECT_EQ(big.PixelAt(3, 3), kWhite);  // source row 4 does not exist
    EXPECT_EQ(big.ToBitmap().pixels, big.pixels());
}

class RecordingFontEngine : public FontEngine {
  public:
    void DrawText(Canvas& canvas, int x, int y, std::string_view, int size, Color color, bool) override {
        canvas.FillRect(x, y, x + size - 1, y, color);
    }
    int TextWidth(std::string_view text, int, bool) override { return static_cast<int>(text.size()); }
    int LineHeight(int size, bool) override { return size; }
};

TEST(CanvasTest, DrawTextGoesThroughTheDefaultEngine) {
    FontEngine* previous = DefaultFontEngine();
    Canvas canvas(5, 2);
    SetDefaultFontEngine(nullptr);
    canvas.DrawText(0, 0, "x", 3, colors::White);
    EXPECT_TRUE(Painted(canvas).empty());
    RecordingFontEngine engine;
    SetDefaultFontEngine(&engine);
    canvas.DrawText(1, 1, "x", 3, colors::White);
    EXPECT_EQ(Painted(canvas), (std::set<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 1}}));
    SetDefaultFontEngine(previous);
}

}  // namespace
}  // namespace duskmoor
