#pragma once
// The one look of the game's screens: weathered stone set in bronze, pale gold
// captions, parchment fields. Every screen builds its controls through these
// few styles and takes its colours from this palette, so a new screen looks
// like the main screen without choosing a colour of its own.
#include <string>
#include <string_view>

#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/screen.h"

namespace duskmoor {

namespace palette {
// The dark slate every screen stands on, and the recessed panels set into it.
constexpr Color ScreenBack = colors::Panel;
constexpr Color Inset = Rgb(34, 30, 42);
constexpr Color InsetShadow = Rgb(10, 9, 14);
constexpr Color InsetLight = Rgb(62, 56, 70);
// The black wells that hold the clock, the coordinates and rolled numbers.
constexpr Color ReadoutBack = Rgb(10, 10, 16);
// Text on slate: captions beside fields, running text, the values they name.
constexpr Color Caption = Rgb(220, 210, 180);
constexpr Color Text = Rgb(230, 224, 200);
constexpr Color Value = Rgb(255, 244, 214);
constexpr Color Heading = colors::Gold;
constexpr Color Dimmed = Rgb(128, 122, 112);
constexpr Color TextShadow = Rgb(8, 6, 4);
// Bronze: the frame of the view and of every panel, the rims of the buttons.
constexpr Color Bronze = Rgb(92, 76, 52);
constexpr Color BronzeLit = Rgb(236, 190, 110);
constexpr Color BronzeMid = Rgb(182, 126, 52);
constexpr Color BronzeShade = Rgb(96, 58, 22);
constexpr Color BronzeDark = Rgb(22, 15, 8);
// The stone faces of push buttons, lighter at the top.
constexpr Color StoneTop = Rgb(118, 112, 104);
constexpr Color StoneBottom = Rgb(74, 70, 64);
// Captions on buttons: pale gold.
constexpr Color ButtonText = Rgb(255, 236, 180);
// Parchment text boxes and lists, and the bronze bar of a chosen entry.
constexpr Color Field = Rgb(236, 226, 196);
constexpr Color FieldText = Rgb(36, 26, 14);
constexpr Color FieldDimmed = Rgb(120, 110, 92);
constexpr Color Selection = Rgb(122, 78, 30);
constexpr Color SelectionText = Rgb(255, 244, 214);
// A name picked out among others (the character chosen to trade with).
constexpr Color Chosen = Rgb(235, 40, 30);
// The ring round the control that takes typed keys, and round the button Enter presses.
constexpr Color Focus = Rgb(255, 214, 96);
}  // namespace palette

// The size of text by role, in points.
namespace text_size {
constexpr int Heading = 16;
constexpr int Body = 12;
constexpr int Button = 12;
constexpr int Small = 10;
}  // namespace text_size

// A screen's title line: bold gold, centred across the screen.
Control& AddHeading(Screen& screen, const std::string& name, const std::string& text, int top);
// A stone push button in a bronze rim.
Control& AddButton(Screen& screen, const std::string& name, const std::string& caption, int x, int y,
                   int width, int height);
// A picture button that shows a pressed look while the mouse is down on it.
Control& AddPictureButton(Screen& screen, const std::string& name, const std::string& picture, int x, int y,
                          int width, int height);
// The button Enter presses: a push button with the gold ring of the default.
Control& AddDefaultButton(Screen& screen, const std::string& name, const std::string& caption, int x, int y,
                          int width, int height);
// A caption that names the field to its right, right-aligned.
Control& AddCaption(Screen& screen, const std::string& name, const std::string& text, int x, int y, int width,
                    int height);
// Running text on the slate.
Control& AddText(Screen& screen, const std::string& name, const std::string& text, int x, int y, int width,
                 int height);
// A value shown in a black well: the clock, a rolled ability.
Control& AddReadout(Screen& screen, const std::string& name, int x, int y, int width, int height);
// A recessed panel that groups the controls drawn after it.
Control& AddInset(Screen& screen, const std::string& name, int x, int y, int width, int height);
// A parchment text box and a drop-down list.
Control& AddTextBox(Screen& screen, const std::string& name, int x, int y, int width, int height);
Control& AddList(Screen& screen, const std::string& name, int x, int y, int width, int height);

// The room a text takes wrapped at `widest` pixels: its widest line and its
// lines' height. Message panels are sized by it.
struct TextBlock {
    int width = 0;
    int height = 0;
    int lines = 0;
};
TextBlock MeasureTextBlock(const std::string& text, int widest, int size, bool bold);

// Text with a dark shadow under it, as the title and the headings are drawn.
void DrawShadowedText(Canvas& canvas, int x, int y, std::string_view utf8, int size, Color color, bool bold);
// How far the shadow falls for text of that size.
int ShadowOffset(int size);

}  // namespace duskmoor
