#include <gtest/gtest.h>

#include <algorithm>

#include "ui/canvas.h"
#include "ui/sdl_font.h"

namespace duskmoor {
namespace {

struct InkBox {
    int painted = 0;
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

InkBox Ink(const Canvas& canvas, uint32_t background) {
    InkBox box;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.PixelAt(x, y) == background) continue;
            ++box.painted;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

TEST(SdlFontTest, MeasuresAndDrawsAntialiasedTextInsideItsBox) {
    SdlFontEngine& engine = SharedSdlFontEngine();
    if (!engine.Available(false)) GTEST_SKIP() << "no DejaVu Sans in the resources or on disk";

    const int width = engine.TextWidth("Duskmoor", 16, false);
    const int line = engine.LineHeight(16, false);
    EXPECT_GT(width, 40);
    EXPECT_LT(width, 160);
    EXPECT_GE(line, 16);
    EXPECT_LE(line, 32);
    EXPECT_GT(engine.TextWidth("Duskmoor", 16, true), width);  // bold is wider
    EXPECT_GT(engine.TextWidth("Duskmoor", 24, false), width);
    EXPECT_EQ(engine.TextWidth("", 16, false), 0);
    EXPECT_EQ(engine.TextWidth("x", 0, false), 0);

    Canvas canvas(200, 60);
    engine.DrawText(canvas, 10, 20, "Duskmoor", 16, Rgb(255, 0, 0), false);
    const InkBox box = Ink(canvas, 0xFF000000u);
    ASSERT_GT(box.painted, 50);
    EXPECT_GE(box.left, 10);
    EXPECT_LT(box.right, 10 + width);
    EXPECT_GE(box.top, 20);
    EXPECT_LT(box.bottom, 20 + line);
    bool partial = false, full = false;
    for (uint32_t pixel : canvas.pixels()) {
        // Only shades of the text colour over black: no green or blue creeps in.
        EXPECT_EQ(pixel & 0xFF00FFFFu, 0xFF000000u);
        const uint32_t red = (pixel >> 16) & 0xFF;
        partial = partial || (red > 0 && red < 255);
        full = full || red == 255;
    }
    EXPECT_TRUE(partial);  // antialiased edges
    EXPECT_TRUE(full);
}

TEST(SdlFontTest, BlendsIntoTheCanvasAndClips) {
    SdlFontEngine& engine = SharedSdlFontEngine();
    if (!engine.Available(false)) GTEST_SKIP() << "no DejaVu Sans in the resources or on disk";

    // White text on white leaves white: glyph edges blend rather than overwrite.
    Canvas white(80, 30, colors::White);
    engine.DrawText(white, 2, 2, "Aw", 20, colors::White, true);
    EXPECT_EQ(Ink(white, 0xFFFFFFFFu).painted, 0);

    // A transparent colour, an empty text or a zero size draw nothing.
    Canvas canvas(80, 30);
    engine.DrawText(canvas, 2, 2, "Aw", 20, Color{255, 255, 255, 0}, false);
    engine.DrawText(canvas, 2, 2, "", 20, colors::White, false);
    engine.DrawText(canvas, 2, 2, "Aw", 0, colors::White, false);
    EXPECT_EQ(Ink(canvas, 0xFF000000u).painted, 0);

    // Text hanging over every edge is clipped, and UTF-8 is understood.
    engine.DrawText(canvas, -8, -6, "Ärger über Öl", 20, colors::White, false);
    engine.DrawText(canvas, 70, 20, "WWW", 20, colors::White, false);
    EXPECT_GT(Ink(canvas, 0xFF000000u).painted, 20);

    // The canvas's own text call goes through the installed engine.
    FontEngine* previous = DefaultFontEngine();
    InstallSdlFontEngine();
    Canvas direct(120, 30), through(120, 30);
    engine.DrawText(direct, 3, 4, "Gold 250", 14, colors::Gold, false);
    through.DrawText(3, 4, "Gold 250", 14, colors::Gold);
    EXPECT_EQ(direct.pixels(), through.pixels());
    SetDefaultFontEngine(previous);
}

}  // namespace
}  // namespace duskmoor
