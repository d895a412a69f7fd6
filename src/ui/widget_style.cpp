#include "ui/widget_style.h"

#include <algorithm>
#include <vector>

#include "ui/screen_painter.h"

namespace duskmoor {

Control& AddHeading(Screen& screen, const std::string& name, const std::string& text, int top) {
    Control& heading = screen.Add(ControlKind::Label, name, 0, top, screen.width(), 28);
    heading.caption = text;
    heading.font_size = text_size::Heading;
    heading.bold = true;
    heading.align = TextAlign::Center;
    heading.fore = palette::Heading;
    heading.shadow = true;
    return heading;
}

Control& AddButton(Screen& screen, const std::string& name, const std::string& caption, int x, int y,
                   int width, int height) {
    Control& button = screen.Add(ControlKind::Button, name, x, y, width, height);
    button.caption = caption;
    button.font_size = text_size::Button;
    button.bold = true;
    button.fore = palette::ButtonText;
    return button;
}

Control& AddPictureButton(Screen& screen, const std::string& name, const std::string& picture, int x, int y,
                          int width, int height) {
    Control& button = screen.Add(ControlKind::ImageButton, name, x, y, width, height);
    button.picture = picture;
    Control* self = &button;
    button.on_mouse_down = [self] { self->border = true; };
    button.on_mouse_up = [self] { self->border = false; };
    return button;
}

Control& AddDefaultButton(Screen& screen, const std::string& name, const std::string& caption, int x, int y,
                          int width, int height) {
    Control& button = AddButton(screen, name, caption, x, y, width, height);
    screen.default_button = &button;
    return button;
}

namespace {
// A label in the body text's size and one of the palette's colours.
Control& AddBodyLabel(Screen& screen, const std::string& name, const std::string& text, int x, int y,
                      int width, int height, Color fore) {
    Control& label = screen.Add(ControlKind::Label, name, x, y, width, height);
    label.caption = text;
    label.font_size = text_size::Body;
    label.fore = fore;
    return label;
}
}  // namespace

Control& AddCaption(Screen& screen, const std::string& name, const std::string& text, int x, int y, int width,
                    int height) {
    Control& caption = AddBodyLabel(screen, name, text, x, y, width, height, palette::Caption);
    caption.align = TextAlign::Right;
    return caption;
}

Control& AddText(Screen& screen, const std::string& name, const std::string& text, int x, int y, int width,
                 int height) {
    Control& label = AddBodyLabel(screen, name, text, x, y, width, height, palette::Text);
    label.word_wrap = true;
    return label;
}

Control& AddReadout(Screen& screen, const std::string& name, int x, int y, int width, int height) {
    Control& readout = screen.Add(ControlKind::Label, name, x, y, width, height);
    readout.align = TextAlign::Center;
    readout.font_size = 13;
    readout.bold = true;
    readout.back_visible = true;
    readout.back = palette::ReadoutBack;
    readout.fore = palette::Heading;
    return readout;
}

Control& AddInset(Screen& screen, const std::string& name, int x, int y, int width, int height) {
    Control& inset = screen.Add(ControlKind::Label, name, x, y, width, height);
    inset.back_visible = true;
    inset.back = palette::Inset;
    inset.border = true;
    return inset;
}

Control& AddTextBox(Screen& screen, const std::string& name, int x, int y, int width, int height) {
    Control& box = screen.Add(ControlKind::TextBox, name, x, y, width, height);
    box.font_size = text_size::Body;
    box.fore = palette::FieldText;
    return box;
}

Control& AddList(Screen& screen, const std::string& name, int x, int y, int width, int height) {
    Control& list = screen.Add(ControlKind::List, name, x, y, width, height);
    list.font_size = text_size::Body;
    list.fore = palette::FieldText;
    return list;
}

TextBlock MeasureTextBlock(const std::string& text, int widest, int size, bool bold) {
    const std::vector<std::string> lines = WrapText(text, widest, size, bold);
    TextBlock block;
    for (const std::string& line : lines) block.width = std::max(block.width, MeasureText(line, size, bold));
    block.lines = static_cast<int>(lines.size());
    block.height = block.lines * TextLineHeight(size, bold);
    return block;
}

int ShadowOffset(int size) {
    return size >= 20 ? 2 : 1;
}

void DrawShadowedText(Canvas& canvas, int x, int y, std::string_view utf8, int size, Color color, bool bold) {
    const int offset = ShadowOffset(size);
    canvas.DrawText(x + offset, y + offset, utf8, size, palette::TextShadow, bold);
    canvas.DrawText(x, y, utf8, size, color, bold);
}

}  // namespace duskmoor
