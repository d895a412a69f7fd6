#include "shell/screen_style.h"

namespace duskmoor {

Control& AddHeading(Screen& screen, const std::string& name, const std::string& text, int top) {
    Control& heading = screen.Add(ControlKind::Label, name, 0, top, screen.width(), 28);
    heading.caption = text;
    heading.font_size = 16;
    heading.bold = true;
    heading.align = TextAlign::Center;
    heading.fore = colors::Gold;
    return heading;
}

Control& AddButton(Screen& screen, const std::string& name, const std::string& caption, int x, int y,
                   int width, int height) {
    Control& button = screen.Add(ControlKind::Button, name, x, y, width, height);
    button.caption = caption;
    button.font_size = 12;
    button.fore = colors::Black;
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

}  // namespace duskmoor
