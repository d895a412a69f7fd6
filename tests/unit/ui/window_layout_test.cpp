#include "ui/window_layout.h"

#include <gtest/gtest.h>

namespace duskmoor {
namespace {

void ExpectViewport(const Viewport& viewport, int x, int y, int width, int height) {
    EXPECT_EQ(viewport.x, x);
    EXPECT_EQ(viewport.y, y);
    EXPECT_EQ(viewport.width, width);
    EXPECT_EQ(viewport.height, height);
}

TEST(WindowLayoutTest, PictureScalesByWholeMultiplesWhenItFitsAndKeepsItsShapeBelow) {
    ExpectViewport(FitToWindow(640, 480, 640, 480), 0, 0, 640, 480);
    ExpectViewport(FitToWindow(1279, 959, 640, 480), 319, 239, 640, 480);  // one short of double
    ExpectViewport(FitToWindow(1280, 960, 640, 480), 0, 0, 1280, 960);
    ExpectViewport(FitToWindow(1920, 1080, 640, 480), 320, 60, 1280, 960);
    ExpectViewport(FitToWindow(2000, 500, 640, 480), 680, 10, 640, 480);
    // Smaller than the picture: shrunk to the narrower side, aspect kept.
    ExpectViewport(FitToWindow(320, 480, 640, 480), 0, 120, 320, 240);
    ExpectViewport(FitToWindow(400, 200, 640, 480), 67, 0, 266, 200);
    ExpectViewport(FitToWindow(0, 200, 640, 480), 0, 0, 0, 0);
}

TEST(WindowLayoutTest, WindowPositionsMapBackToLogicalPixels) {
    const Viewport doubled = FitToWindow(1920, 1080, 640, 480);
    Point logical;
    ASSERT_TRUE(WindowToLogical(doubled, 640, 480, 320, 60, logical));
    EXPECT_EQ(logical.x, 0);
    EXPECT_EQ(logical.y, 0);
    ASSERT_TRUE(WindowToLogical(doubled, 640, 480, 1599, 1019, logical));
    EXPECT_EQ(logical.x, 639);
    EXPECT_EQ(logical.y, 479);
    ASSERT_TRUE(WindowToLogical(doubled, 640, 480, 321, 62, logical));
    EXPECT_EQ(logical.x, 0);
    EXPECT_EQ(logical.y, 1);
    // The backdrop round the picture is outside it.
    EXPECT_FALSE(WindowToLogical(doubled, 640, 480, 319, 500, logical));
    EXPECT_FALSE(WindowToLogical(doubled, 640, 480, 1600, 500, logical));
    EXPECT_FALSE(WindowToLogical(doubled, 640, 480, 800, 59, logical));
    EXPECT_FALSE(WindowToLogical(doubled, 640, 480, 800, 1020, logical));

    const Viewport shrunk = FitToWindow(320, 480, 640, 480);
    ASSERT_TRUE(WindowToLogical(shrunk, 640, 480, 319, 359, logical));
    EXPECT_EQ(logical.x, 638);
    EXPECT_EQ(logical.y, 478);
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
