#include "ui/window_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace duskmoor {
namespace {

void ExpectViewport(const Viewport& viewport, int x, int y, int width, int height) {
    EXPECT_EQ(viewport.x, x);
    EXPECT_EQ(viewport.y, y);
    EXPECT_EQ(viewport.width, width);
    EXPECT_EQ(viewport.height, height);
}

TEST(WindowLayoutTest, PictureTakesTheLargestSizeThatFitsAndAWholeMultipleOnlyWhenItNearlyFills) {
    ExpectViewport(FitToWindow(640, 480, 640, 480), 0, 0, 640, 480);
    EXPECT_TRUE(FitToWindow(640, 480, 640, 480).whole_multiple);
    // A wide screen: double size would fill only 53 % of the height, so the
    // picture is scaled by 1.875 and the bars are left and right only.
    const Viewport wide = FitToWindow(1600, 900, 640, 480);
    ExpectViewport(wide, 200, 0, 1200, 900);
    EXPECT_FALSE(wide.whole_multiple);
    ExpectViewport(FitToWindow(1280, 960, 640, 480), 0, 0, 1280, 960);
    EXPECT_TRUE(FitToWindow(1280, 960, 640, 480).whole_multiple);
    // 640 of the 666 pixels the window allows is 96 %: the sharp whole size wins.
    const Viewport near = FitToWindow(700, 500, 640, 480);
    ExpectViewport(near, 30, 10, 640, 480);
    EXPECT_TRUE(near.whole_multiple);
    // The boundary: a double size that fills exactly 90 % is taken, one pixel less is not.
    ExpectViewport(FitToWindow(1422, 1067, 640, 480), 71, 53, 1280, 960);
    ExpectViewport(FitToWindow(1423, 1068, 640, 480), 0, 0, 1423, 1067);
    ExpectViewport(FitToWindow(1920, 1080, 640, 480), 240, 0, 1440, 1080);
    ExpectViewport(FitToWindow(2000, 1500, 640, 480), 40, 30, 1920, 1440);
    ExpectViewport(FitToWindow(1279, 959, 640, 480), 0, 0, 1278, 959);
    // Below full size (full screen on a small display) the picture shrinks with its shape.
    ExpectViewport(FitToWindow(320, 480, 640, 480), 0, 120, 320, 240);
    ExpectViewport(FitToWindow(400, 200, 640, 480), 67, 0, 266, 200);
    ExpectViewport(FitToWindow(0, 200, 640, 480), 0, 0, 0, 0);
    // Whatever the window, the picture fits it and keeps its shape to within a pixel.
    for (int width = 100; width <= 2600; width += 37) {
        for (int height = 90; height <= 1700; height += 53) {
            const Viewport fit = FitToWindow(width, height, 640, 480);
            ASSERT_LE(fit.x + fit.width, width);
            ASSERT_LE(fit.y + fit.height, height);
            ASSERT_GE(fit.x, 0);
            ASSERT_GE(fit.y, 0);
            ASSERT_LE(std::abs(fit.width * 3 - fit.height * 4), 4) << width << "x" << height;
            // One side touches the window unless a whole multiple was chosen.
            ASSERT_TRUE(fit.whole_multiple || fit.width == width || fit.height == height);
        }
    }
}

TEST(WindowLayoutTest, SmoothScalesEnlargeByTheSmallestWholeMultipleThatReachesTheViewport) {
    EXPECT_EQ(SharpPrescale(FitToWindow(1600, 900, 640, 480), 640, 480), 2);
    EXPECT_EQ(SharpPrescale(FitToWindow(1920, 1080, 640, 480), 640, 480), 3);
    EXPECT_EQ(SharpPrescale(FitToWindow(1280, 960, 640, 480), 640, 480), 1);
    EXPECT_EQ(SharpPrescale(FitToWindow(400, 300, 640, 480), 640, 480), 1);
}

TEST(WindowLayoutTest, MouseMapsBackToThePixelDrawnUnderIt) {
    Point logical;
    const Viewport doubled = FitToWindow(1280, 960, 640, 480);
    ASSERT_TRUE(WindowToLogical(doubled, 640, 480, 0, 0, logical));
    EXPECT_EQ(logical.x, 0);
    EXPECT_EQ(logical.y, 0);
    ASSERT_TRUE(WindowToLogical(doubled, 640, 480, 3, 5, logical));
    EXPECT_EQ(logical.x, 1);
    EXPECT_EQ(logical.y, 2);
    ASSERT_TRUE(WindowToLogical(doubled, 640, 480, 1279, 959, logical));
    EXPECT_EQ(logical.x, 639);
    EXPECT_EQ(logical.y, 479);

    const Viewport wide = FitToWindow(1600, 900, 640, 480);
    EXPECT_FALSE(WindowToLogical(wide, 640, 480, 199, 450, logical));   // the left bar
    EXPECT_FALSE(WindowToLogical(wide, 640, 480, 1400, 450, logical));  // the right bar
    ASSERT_TRUE(WindowToLogical(wide, 640, 480, 200, 0, logical));
    EXPECT_EQ(logical.x, 0);
    ASSERT_TRUE(WindowToLogical(wide, 640, 480, 1399, 899, logical));
    EXPECT_EQ(logical.x, 639);
    EXPECT_EQ(logical.y, 479);
    // At 1.875 window pixels a logical pixel, logical pixel 100 spans window
    // pixels 187.5 to 189.375: the window pixels whose centres lie there are 187 and 188.
    ASSERT_TRUE(WindowToLogical(wide, 640, 480, 200 + 186, 0, logical));
    EXPECT_EQ(logical.x, 99);
    ASSERT_TRUE(WindowToLogical(wide, 640, 480, 200 + 187, 0, logical));
    EXPECT_EQ(logical.x, 100);
    ASSERT_TRUE(WindowToLogical(wide, 640, 480, 200 + 188, 0, logical));
    EXPECT_EQ(logical.x, 100);
    ASSERT_TRUE(WindowToLogical(wide, 640, 480, 200 + 189, 0, logical));
    EXPECT_EQ(logical.x, 101);

    // In every layout, the window pixel at the middle of a logical pixel's
    // square maps back to it, and the mapping never runs backwards.
    for (const auto& [width, height] : {std::pair{1600, 900}, std::pair{700, 500}, std::pair{1920, 1080},
                                        std::pair{1423, 1068}, std::pair{400, 200}}) {
        const Viewport fit = FitToWindow(width, height, 640, 480);
        int previous = -1;
        for (int window_x = fit.x; window_x < fit.x + fit.width; ++window_x) {
            ASSERT_TRUE(WindowToLogical(fit, 640, 480, window_x, fit.y, logical));
            ASSERT_GE(logical.x, previous);
            // Enlarged, no logical pixel is skipped.
            ASSERT_TRUE(fit.width < 640 || logical.x - previous <= 1);
            previous = logical.x;
        }
        if (fit.width < 640) continue;
        EXPECT_EQ(previous, 639);
        for (int x = 0; x < 640; ++x) {
            const int middle = fit.x + static_cast<int>((2LL * x + 1) * fit.width / 1280);
            ASSERT_TRUE(WindowToLogical(fit, 640, 480, middle, fit.y, logical));
            ASSERT_EQ(logical.x, x) << width << "x" << height;
        }
    }
}

TEST(WindowLayoutTest, FirstWindowTakesTheLargestWholeScaleThatFits) {
    EXPECT_EQ(LargestWholeScale(1920, 1016, 640, 480), 2);
    EXPECT_EQ(LargestWholeScale(1920, 1440, 640, 480), 3);
    EXPECT_EQ(LargestWholeScale(1279, 2000, 640, 480), 1);
    EXPECT_EQ(LargestWholeScale(600, 400, 640, 480), 1);
}

TEST(WindowLayoutTest, ModalScreensAreCentredWithTheirCaptionStrip) {
    bool with_title_bar = false;
    const Point dialog = ModalOrigin(360, 170, with_title_bar);
    EXPECT_TRUE(with_title_bar);
    EXPECT_EQ(dialog.x, 140);
    EXPECT_EQ(dialog.y, (480 - 190) / 2 + kTitleBarHeight);
    const Point exact = ModalOrigin(640, 460, with_title_bar);
    EXPECT_TRUE(with_title_bar);
    EXPECT_EQ(exact.y, kTitleBarHeight);
    // One pixel taller and the strip would leave the picture: it is dropped.
    const Point tall = ModalOrigin(640, 461, with_title_bar);
    EXPECT_FALSE(with_title_bar);
    EXPECT_EQ(tall.x, 0);
    EXPECT_EQ(tall.y, 9);
    const Point centred = CentredOrigin(640, 480, 640, 480);
    EXPECT_EQ(centred.x, 0);
    EXPECT_EQ(centred.y, 0);
}

}  // namespace
}  // namespace duskmoor
