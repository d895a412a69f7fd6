#include "ui/screen_painter.h"

#include <gtest/gtest.h>

#include "support/recording_host.h"
#include "ui/host.h"
#include "ui/resources.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {

// A host that is never run: the painter only needs screens to exist.
using StillHost = RecordingHost;

constexpr Color kBackground = Rgb(10, 20, 30);
constexpr int kOriginX = 7;
constexpr int kOriginY = 5;

// Paints with the rough built-in text metrics and no glyphs, so the pixels
// tested are the controls' own shapes.
class ScreenPainterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_engine_ = DefaultFontEngine();
        SetDefaultFontEngine(nullptr);
        screen_.background = kBackground;
    }
    void TearDown() override { SetDefaultFontEngine(previous_engine_); }

    Canvas Paint() {
        Canvas canvas(120, 90, colors::Red);
        PaintScreen(screen_, canvas, kOriginX, kOriginY);
        return canvas;
    }
    uint32_t At(const Canvas& canvas, int x, int y) { return canvas.PixelAt(kOriginX + x, kOriginY + y); }

    StillHost host_;
    Screen screen_{host_, "frmTest", 100, 80};
    FontEngine* previous_engine_ = nullptr;
};

TEST_F(ScreenPainterTest, BackgroundCoversTheScreenFromItsOrigin) {
    const Canvas canvas = Paint();
    EXPECT_EQ(At(canvas, 0, 0), kBackground.Packed());
    EXPECT_EQ(At(canvas, 99, 79), kBackground.Packed());
    EXPECT_EQ(canvas.PixelAt(kOriginX - 1, kOriginY), colors::Red.Packed());
    EXPECT_EQ(canvas.PixelAt(kOriginX + 100, kOriginY + 79), colors::Red.Packed());
    EXPECT_EQ(canvas.PixelAt(kOriginX, kOriginY + 80), colors::Red.Packed());
}

TEST_F(ScreenPainterTest, LabelFillsItsRectangleOnlyWhenItsBackIsVisible) {
    Control& label = screen_.Add(ControlKind::Label, "lblShown", 10, 12, 30, 8);
    label.back = Rgb(200, 0, 0);
    label.back_visible = true;
    Control& clear = screen_.Add(ControlKind::Label, "lblClear", 50, 12, 30, 8);
    clear.back = Rgb(0, 200, 0);
    const Canvas canvas = Paint();
    EXPECT_EQ(At(canvas, 10, 12), label.back.Packed());
    EXPECT_EQ(At(canvas, 39, 19), label.back.Packed());
    EXPECT_EQ(At(canvas, 40, 19), kBackground.Packed());
    EXPECT_EQ(At(canvas, 39, 20), kBackground.Packed());
    EXPECT_EQ(At(canvas, 9, 12), kBackground.Packed());
    EXPECT_EQ(At(canvas, 50, 12), kBackground.Packed());
    EXPECT_EQ(At(canvas, 79, 19), kBackground.Packed());
}

TEST_F(ScreenPainterTest, HiddenControlsAndTimersDrawNothing) {
    Control& label = screen_.Add(ControlKind::Label, "lblHidden", 0, 0, 100, 80);
    label.back_visible = true;
    label.visible = false;
    screen_.Add(ControlKind::Timer, "tmrTick", 0, 0, 100, 80);
    const Canvas canvas = Paint();
    for (int y = 0; y < 80; y += 7) {
        for (int x = 0; x < 100; x += 9) ASSERT_EQ(At(canvas, x, y), kBackground.Packed()) << x << "," << y;
    }
}

TEST_F(ScreenPainterTest, LineRunsFromItsCornerToCornerPlusSize) {
    Control& line = screen_.Add(ControlKind::Line, "linRule", 10, 20, 30, 0);
    line.fore = Rgb(1, 2, 3);
    Control& slope = screen_.Add(ControlKind::Line, "linSlope", 60, 10, 10, 10);
    slope.fore = Rgb(4, 5, 6);
    const Canvas canvas = Paint();
    EXPECT_EQ(At(canvas, 10, 20), line.fore.Packed());
    EXPECT_EQ(At(canvas, 25, 20), line.fore.Packed());
    EXPECT_EQ(At(canvas, 40, 20), line.fore.Packed());  // the end is x + width, included
    EXPECT_EQ(At(canvas, 41, 20), kBackground.Packed());
    EXPECT_EQ(At(canvas, 9, 20), kBackground.Packed());
    EXPECT_EQ(At(canvas, 25, 21), kBackground.Packed());
    EXPECT_EQ(At(canvas, 60, 10), slope.fore.Packed());
    EXPECT_EQ(At(canvas, 65, 15), slope.fore.Packed());
    EXPECT_EQ(At(canvas, 70, 20), slope.fore.Packed());
    EXPECT_EQ(At(canvas, 70, 10), kBackground.Packed());
}

TEST_F(ScreenPainterTest, ImageButtonWithoutItsPictureIsABronzePlate) {
    Control& button = screen_.Add(ControlKind::ImageButton, "imgMissing", 20, 20, 40, 24);
    button.picture = "NoSuchPictureBmp";
    button.caption = "Go";
    const Canvas up = Paint();
    const uint32_t outline = palette::BronzeDark.Packed();
    EXPECT_EQ(At(up, 20, 20), outline);
    EXPECT_EQ(At(up, 59, 43), outline);
    EXPECT_EQ(At(up, 60, 43), kBackground.Packed());
    const uint32_t light = At(up, 21, 21);
    const uint32_t shadow = At(up, 58, 42);
    const uint32_t face = At(up, 40, 32);
    EXPECT_NE(light, shadow);
    EXPECT_NE(face, kBackground.Packed());
    EXPECT_NE(face, outline);

    // Pressed, the bevel turns round: the top-left edge takes the shadow.
    button.pressed = true;
    const Canvas down = Paint();
    EXPECT_EQ(At(down, 21, 21), shadow);
    EXPECT_EQ(At(down, 20, 20), outline);
}

TEST_F(ScreenPainterTest, PressedOrBorderedImageButtonShowsASingleLineRoundItsPicture) {
    const Bitmap* picture = ResourceBitmap("GameBmp");
    ASSERT_NE(picture, nullptr);
    const int width = picture->width;
    const int height = picture->height;
    Screen screen(host_, "frmPictures", width + 20, height + 20);
    Control& button = screen.Add(ControlKind::ImageButton, "imgGame", 10, 10, width, height);
    button.picture = "GameBmp";
    Canvas plain(width + 20, height + 20);
    PaintScreen(screen, plain, 0, 0);
    // Unpressed, the picture fills the control pixel for pixel.
    EXPECT_EQ(plain.PixelAt(10, 10), picture->At(0, 0));
    EXPECT_EQ(plain.PixelAt(10 + width - 1, 10 + height - 1), picture->At(width - 1, height - 1));
    EXPECT_EQ(plain.PixelAt(10 + width / 2, 10 + height / 2), picture->At(width / 2, height / 2));

    // Edge pixels of the picture that are not black, where a border must show.
    std::vector<std::pair<int, int>> edge;
    for (int x = 0; x < width; ++x) {
        if (picture->At(x, 0) != colors::Black.Packed()) edge.push_back({10 + x, 10});
        if (picture->At(x, height - 1) != colors::Black.Packed()) edge.push_back({10 + x, 10 + height - 1});
    }
    for (int y = 0; y < height; ++y) {
        if (picture->At(0, y) != colors::Black.Packed()) edge.push_back({10, 10 + y});
        if (picture->At(width - 1, y) != colors::Black.Packed()) edge.push_back({10 + width - 1, 10 + y});
    }
    ASSERT_FALSE(edge.empty());

    for (const bool pressed : {false, true}) {
        button.border = !pressed;
        button.pressed = pressed;
        Canvas framed(width + 20, height + 20);
        PaintScreen(screen, framed, 0, 0);
        for (const auto& [x, y] : edge)
            ASSERT_EQ(framed.PixelAt(x, y), colors::Black.Packed()) << x << "," << y;
        // Nothing spills outside the control.
        EXPECT_EQ(framed.PixelAt(9, 9), screen.background.Packed());
        EXPECT_EQ(framed.PixelAt(10 + width, 10 + height), screen.background.Packed());
        // Pressed, the picture sinks one pixel right and down inside the line.
        const int inside = pressed ? 12 : 11;
        EXPECT_EQ(framed.PixelAt(inside, inside), picture->At(0, 0)) << "pressed " << pressed;
    }
}

TEST_F(ScreenPainterTest, PushButtonSinksWhenPressedAndTheDefaultWearsGold) {
    Control& button = screen_.Add(ControlKind::Button, "cmdOK", 10, 10, 50, 20);
    button.caption = "OK";
    const Canvas up = Paint();
    button.pressed = true;
    const Canvas down = Paint();
    EXPECT_EQ(At(up, 10, 10), palette::BronzeDark.Packed());
    EXPECT_EQ(At(down, 10, 10), palette::BronzeDark.Packed());
    // Raised: light top-left, dark bottom-right; pressed: dark top-left.
    EXPECT_NE(At(up, 11, 11), At(down, 11, 11));
    EXPECT_EQ(At(down, 11, 11), At(up, 58, 28));
    EXPECT_EQ(At(up, 30, 11), At(up, 11, 20));
    EXPECT_EQ(At(up, 30, 15), At(down, 30, 15));  // the face is the same
    // Stone has a grain: the face is not one flat colour.
    bool grained = false;
    for (int x = 15; x < 55; ++x) grained = grained || At(up, x, 15) != At(up, 14, 15);
    EXPECT_TRUE(grained);

    button.pressed = false;
    screen_.default_button = &button;
    const Canvas marked = Paint();
    EXPECT_EQ(At(marked, 10, 10), palette::Focus.Packed());
    EXPECT_EQ(At(marked, 59, 29), palette::Focus.Packed());
    EXPECT_EQ(At(marked, 11, 11), At(up, 11, 11));
    // A disabled default is not offered.
    button.enabled = false;
    EXPECT_EQ(At(Paint(), 10, 10), palette::BronzeDark.Packed());
}

TEST_F(ScreenPainterTest, TextBoxIsAParchmentFieldWithAGoldRingAndACaretOnlyWhenFocused) {
    Control& box = screen_.Add(ControlKind::TextBox, "txtName", 10, 10, 60, 20);
    box.caption = "ab";
    box.fore = colors::Black;
    const Canvas unfocused = Paint();
    const uint32_t field = palette::Field.Packed();
    EXPECT_EQ(At(unfocused, 30, 15), field);
    EXPECT_NE(At(unfocused, 10, 10), field);  // the sunken edge
    EXPECT_EQ(At(unfocused, 11, 11), field);
    // Without a font engine a character is 3/4 of the point size wide.
    const int caret_x = 10 + 4 + 2 * 7 + 1;
    const int middle_y = 10 + 10;
    EXPECT_EQ(At(unfocused, caret_x, middle_y), field);
    screen_.focus = &box;
    const Canvas focused = Paint();
    EXPECT_EQ(At(focused, caret_x, middle_y), colors::Black.Packed());
    EXPECT_EQ(At(focused, caret_x + 1, middle_y), field);
    EXPECT_EQ(At(focused, 11, 11), palette::Focus.Packed());
    EXPECT_EQ(At(focused, 68, 28), palette::Focus.Packed());
    // Hidden letters take the same room as the text.
    box.password_chars = true;
    box.caption = "\xC3\xA9z";  // two characters, three bytes
    const Canvas hidden = Paint();
    EXPECT_EQ(At(hidden, caret_x, middle_y), colors::Black.Packed());
}

TEST_F(ScreenPainterTest, PictureShowsItsOwnCanvas) {
    Control& picture = screen_.Add(ControlKind::Picture, "picView", 20, 30, 4, 3);
    picture.canvas.Clear(Rgb(9, 9, 9));
    picture.canvas.SetPixel(3, 2, Rgb(200, 100, 50));
    const Canvas canvas = Paint();
    EXPECT_EQ(At(canvas, 20, 30), Rgb(9, 9, 9).Packed());
    EXPECT_EQ(At(canvas, 23, 32), Rgb(200, 100, 50).Packed());
    EXPECT_EQ(At(canvas, 24, 32), kBackground.Packed());
    EXPECT_EQ(At(canvas, 23, 33), kBackground.Packed());
}

TEST_F(ScreenPainterTest, WrapTextBreaksAtSpacesAndLineBreaks) {
    // Seven pixels a character at ten points without a font engine.
    EXPECT_EQ(WrapText("aaa bbb ccc", 49, 10, false), (std::vector<std::string>{"aaa bbb", "ccc"}));
    EXPECT_EQ(WrapText("aaa bbb ccc", 48, 10, false), (std::vector<std::string>{"aaa", "bbb", "ccc"}));
    EXPECT_EQ(WrapText("one\ntwo three", 200, 10, false), (std::vector<std::string>{"one", "two three"}));
    EXPECT_EQ(WrapText("enormous x", 20, 10, false), (std::vector<std::string>{"enormous", "x"}));
    EXPECT_EQ(WrapText("", 20, 10, false), (std::vector<std::string>{""}));
}

TEST_F(ScreenPainterTest, DropDownShowsEveryEntryWhereThereIsRoomElseAScrollingWindow) {
    Control& list = screen_.Add(ControlKind::List, "cmbClass", 10, 10, 60, 20);
    for (int entry = 0; entry < 9; ++entry) list.items.push_back("Entry " + std::to_string(entry));
    // Ten points without a font engine: rows of 17 + 2 pixels.
    const DropDownLayout below = LayoutDropDown(list, 400);
    EXPECT_EQ(below.y, 30);
    EXPECT_EQ(below.rows, 9);
    EXPECT_EQ(below.row_height, 19);
    // Below, nine rows need 9 * 19 + 2 pixels: one short of that and they open above.
    list.y = 400 - 20 - (9 * 19 + 2) + 1;
    const DropDownLayout above = LayoutDropDown(list, 400);
    EXPECT_EQ(above.rows, 9);
    EXPECT_EQ(above.y, list.y - (9 * 19 + 2));
    list.y -= 1;
    EXPECT_EQ(LayoutDropDown(list, 400).y, list.y + 20);
    // Room for neither: the roomier side, with as many rows as fit.
    list.y = 40;
    const DropDownLayout cramped = LayoutDropDown(list, 150);
    EXPECT_EQ(cramped.rows, (150 - 60 - 2) / 19);
    EXPECT_EQ(cramped.y, 60);
    list.y = 90;
    const DropDownLayout cramped_above = LayoutDropDown(list, 150);
    EXPECT_EQ(cramped_above.rows, (90 - 2) / 19);
    EXPECT_EQ(cramped_above.y, 90 - (cramped_above.rows * 19 + 2));
    // However tall the screen, a long list shows a window of entries.
    for (int entry = 9; entry < 30; ++entry) list.items.push_back("Entry " + std::to_string(entry));
    list.y = 10;
    EXPECT_EQ(LayoutDropDown(list, 2000).rows, kDropDownRows);

    DropDown open{&list, -1, 0};
    const int rows = cramped.rows;
    EXPECT_EQ(DropDownEntryAt(open, cramped, 15, cramped.y + 1), 0);
    EXPECT_EQ(DropDownEntryAt(open, cramped, 15, cramped.y + 1 + 19), 1);
    EXPECT_EQ(DropDownEntryAt(open, cramped, 15, cramped.y + 1 + rows * 19), -1);
    EXPECT_EQ(DropDownEntryAt(open, cramped, 70, cramped.y + 1), -1);
    EXPECT_EQ(DropDownEntryAt(open, cramped, 15, cramped.y), -1);  // the frame
    MoveDropDownHighlight(open, 1, rows);
    EXPECT_EQ(open.highlighted, 0);
    MoveDropDownHighlight(open, rows, rows);
    EXPECT_EQ(open.highlighted, rows);
    EXPECT_EQ(open.first, 1);
    EXPECT_EQ(DropDownEntryAt(open, cramped, 15, cramped.y + 1), 1);
    MoveDropDownHighlight(open, 50, rows);
    EXPECT_EQ(open.highlighted, 29);
    EXPECT_EQ(open.first, 30 - rows);
    MoveDropDownHighlight(open, -50, rows);
    EXPECT_EQ(open.highlighted, 0);
    EXPECT_EQ(open.first, 0);
}

TEST_F(ScreenPainterTest, ScrollThumbShowsThePartInViewAndReachesBothEnds) {
    // Everything in view: the thumb is the whole track.
    EXPECT_EQ(ScrollBarThumb(5, 5, 0, 100).top, 0);
    EXPECT_EQ(ScrollBarThumb(5, 5, 0, 100).length, 100);
    const ScrollThumb first = ScrollBarThumb(20, 5, 0, 100);
    const ScrollThumb last = ScrollBarThumb(20, 5, 15, 100);
    const ScrollThumb middle = ScrollBarThumb(20, 5, 7, 100);
    EXPECT_EQ(first.length, 25);
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(last.top + last.length, 100);
    EXPECT_GT(middle.top, first.top);
    EXPECT_LT(middle.top, last.top);
    // A very long list keeps a thumb big enough to see.
    EXPECT_GE(ScrollBarThumb(1000, 3, 500, 60).length, 6);
    EXPECT_LE(ScrollBarThumb(1000, 3, 997, 60).top + ScrollBarThumb(1000, 3, 997, 60).length, 60);
}

TEST_F(ScreenPainterTest, OpenListDrawsItsEntriesOverLaterControls) {
    Control& list = screen_.Add(ControlKind::List, "cmbPick", 10, 10, 50, 20);
    list.items = {"a", "b", "c"};
    Control& cover = screen_.Add(ControlKind::Label, "lblCover", 0, 30, 100, 50);
    cover.back = Rgb(0, 99, 0);
    cover.back_visible = true;
    DropDown open{&list, 1, 0};
    Canvas canvas(100, 80);
    PaintScreen(screen_, canvas, 0, 0, &open);
    const DropDownLayout layout = LayoutDropDown(list, 80);
    EXPECT_EQ(canvas.PixelAt(10, layout.y), palette::BronzeDark.Packed());  // the frame
    EXPECT_EQ(canvas.PixelAt(30, layout.y + 1), palette::Field.Packed());   // entry 0
    const uint32_t highlight = canvas.PixelAt(30, layout.y + 1 + layout.row_height);
    EXPECT_NE(highlight, palette::Field.Packed());
    EXPECT_NE(highlight, cover.back.Packed());
    EXPECT_EQ(canvas.PixelAt(70, layout.y + 1), cover.back.Packed());
}

}  // namespace
}  // namespace duskmoor
