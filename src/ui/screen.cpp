#include "ui/screen.h"

#include <stdexcept>

#include "ui/host.h"

namespace duskmoor {

Screen::Screen(Host& host, std::string name, int width, int height)
    : host_(host), name_(std::move(name)), width_(width), height_(height) {}

Control& Screen::Add(ControlKind kind, const std::string& name, int x, int y, int width, int height) {
    auto control = std::make_unique<Control>();
    control->name = name;
    control->kind = kind;
    control->x = x;
    control->y = y;
    control->width = width;
    control->height = height;
    if (kind == ControlKind::Picture) control->canvas.Resize(width, height);
    if (kind == ControlKind::Timer) control->visible = false;
    controls_.push_back(std::move(control));
    return *controls_.back();
}

Control* Screen::Find(const std::string& name) {
    for (auto& control : controls_) {
        if (control->name == name) return control.get();
    }
    return nullptr;
}

Control& Screen::operator[](const std::string& name) {
    Control* control = Find(name);
    if (!control) throw std::logic_error("screen " + name_ + " has no control " + name);
    return *control;
}

void Screen::StartTimer(Control& timer, int interval_ms) {
    timer.interval = interval_ms;
    timer.timer_enabled = interval_ms > 0;
    timer.due_ms = host_.NowMs() + interval_ms;
}

void Screen::StopTimer(Control& timer) {
    timer.timer_enabled = false;
}

void Screen::SetTimerInterval(Control& timer, int interval_ms) {
    timer.interval = interval_ms;
    timer.due_ms = host_.NowMs() + interval_ms;
    if (interval_ms <= 0) timer.timer_enabled = false;
}

std::string EscapeLineBreaks(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n' || text[i] == '\r') {
            out += "\\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace duskmoor
