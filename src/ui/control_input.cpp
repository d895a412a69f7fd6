#include "ui/control_input.h"

namespace duskmoor {

namespace {

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool TakesMouse(const Control& control) {
    return control.Clickable() && control.kind != ControlKind::Line && control.kind != ControlKind::Timer;
}

}  // namespace

bool PressDefaultButton(Screen& screen) {
    Control* button = screen.default_button;
    if (screen.closing() || !button || !button->Clickable() || !button->on_click) return false;
    // A copy: the click may close the screen and free what it captured.
    auto click = button->on_click;
    click();
    return true;
}

Control* ControlAt(Screen& screen, int x, int y) {
    const auto& controls = screen.controls();
    // Later controls are drawn over earlier ones, so they are hit first.
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        Control& control = **it;
        if (!TakesMouse(control)) continue;
        if (x >= control.x && y >= control.y && x < control.x + control.width &&
            y < control.y + control.height) {
            return &control;
        }
    }
    return nullptr;
}

bool TakesFocus(const Control& control) {
    return control.Clickable() && (control.kind == ControlKind::TextBox || control.kind == ControlKind::List);
}

Control* FirstFocusable(Screen& screen) {
    for (const auto& control : screen.controls()) {
        if (TakesFocus(*control)) return control.get();
    }
    return nullptr;
}

Control* NextFocus(Screen& screen, const Control* current, bool backwards) {
    const auto& controls = screen.controls();
    const int count = static_cast<int>(controls.size());
    int start = -1;
    for (int index = 0; index < count; ++index) {
        if (controls[index].get() == current) start = index;
    }
    if (start < 0) start = backwards ? 0 : count - 1;
    for (int step = 1; step <= count; ++step) {
        const int offset = backwards ? -step : step;
        Control& candidate = *controls[((start + offset) % count + count) % count];
        if (TakesFocus(candidate)) return &candidate;
    }
    return nullptr;
}

int CharacterCount(std::string_view utf8) {
    int count = 0;
    for (char byte : utf8) {
        if (!IsContinuationByte(byte)) ++count;
    }
    return count;
}

bool AppendTyped(std::string& text, std::string_view typed, int max_length) {
    bool added = false;
    int length = CharacterCount(text);
    size_t position = 0;
    while (position < typed.size()) {
        size_t end = position + 1;
        while (end < typed.size() && IsContinuationByte(typed[end])) ++end;
        if (max_length > 0 && length >= max_length) break;
        text.append(typed.substr(position, end - position));
        ++length;
        added = true;
        position = end;
    }
    return added;
}

bool RemoveLastCharacter(std::string& text) {
    if (text.empty()) return false;
    size_t end = text.size() - 1;
    while (end > 0 && IsContinuationByte(text[end])) --end;
    text.erase(end);
    return true;
}

}  // namespace duskmoor
