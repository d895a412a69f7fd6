#pragma once
// The look the game's small screens share: a heading, push buttons, and
// picture buttons that show a pressed look while the mouse is down on them.
#include <string>

#include "ui/screen.h"

namespace duskmoor {

Control& AddHeading(Screen& screen, const std::string& name, const std::string& text, int top);
Control& AddButton(Screen& screen, const std::string& name, const std::string& caption, int x, int y,
                   int width, int height);
Control& AddPictureButton(Screen& screen, const std::string& name, const std::string& picture, int x, int y,
                          int width, int height);

}  // namespace duskmoor
