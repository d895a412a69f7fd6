#include "ui/message_box_screen.h"

#include <algorithm>
#include <vector>

#include "ui/screen_painter.h"
#include "ui/widget_style.h"
#include "ui/window_layout.h"

namespace duskmoor {

namespace {

constexpr int kFontSize = 10;
constexpr int kMargin = 24;
constexpr int kWidestText = 440;
constexpr int kNarrowest = 240;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 28;

struct MessageLayout {
    int width = 0;
    int height = 0;
    int text_height = 0;
    bool one_line = true;
};

MessageLayout Measure(const std::string& text) {
    const TextBlock block = MeasureTextBlock(text, kWidestText, kFontSize, false);
    MessageLayout layout;
    layout.one_line = block.lines == 1;
    layout.text_height = block.height;
    layout.width = std::clamp(block.width + 2 * kMargin, kNarrowest, kLogicalWidth - 8);
    layout.height = std::min(layout.text_height + kButtonHeight + 3 * kMargin / 2 + kMargin,
                             kLogicalHeight - kTitleBarHeight - 8);
    return layout;
}

}  // namespace

MessageBoxScreen::MessageBoxScreen(Host& host, const std::string& text)
    : Screen(host, "MessageBox", Measure(text).width, Measure(text).height) {
    title = "The Duskmoor";
    const MessageLayout layout = Measure(text);
    Control& message = Add(ControlKind::Label, "lblMessage", kMargin, kMargin, width() - 2 * kMargin,
                           layout.text_height + 2);
    message.caption = text;
    message.word_wrap = true;
    message.font_size = kFontSize;
    message.fore = palette::Text;
    message.align = layout.one_line ? TextAlign::Center : TextAlign::Left;
    Control& ok =
        AddDefaultButton(*this, "cmdOK", "OK", (width() - kButtonWidth) / 2,
                         height() - kMargin / 2 - kButtonHeight - kMargin / 2, kButtonWidth, kButtonHeight);
    ok.on_click = [this] { Close(); };
}

void MessageBoxScreen::KeyDown(int key) {
    if (key == keys::Enter || key == keys::Space || key == keys::Escape) Close();
}

}  // namespace duskmoor
