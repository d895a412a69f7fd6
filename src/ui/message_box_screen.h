#pragma once
// The window system's plain message box: a text and one OK button, under the
// game's title. The window host runs it modally for `Host::MessageBox`.
#include <string>

#include "ui/screen.h"

namespace duskmoor {

class MessageBoxScreen : public Screen {
  public:
    MessageBoxScreen(Host& host, const std::string& text);

    void KeyDown(int key) override;
    void CloseRequested() override { Close(); }
};

}  // namespace duskmoor
