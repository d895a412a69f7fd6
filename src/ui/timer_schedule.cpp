#include "ui/timer_schedule.h"

#include "ui/screen.h"

namespace duskmoor {

namespace {

bool Running(const Control& control) {
    return control.kind == ControlKind::Timer && control.timer_enabled && control.interval > 0;
}

}  // namespace

long long NextTimerDue(const std::vector<Screen*>& screens) {
    long long next = -1;
    for (const Screen* screen : screens) {
        for (const auto& control : screen->controls()) {
            if (!Running(*control)) continue;
            if (next < 0 || control->due_ms < next) next = control->due_ms;
        }
    }
    return next;
}

bool FireDueTimers(const std::vector<Screen*>& screens, long long now_ms) {
    bool fired = false;
    for (size_t screen_index = 0; screen_index < screens.size(); ++screen_index) {
        Screen* screen = screens[screen_index];
        for (size_t control_index = 0; control_index < screen->controls().size(); ++control_index) {
            Control& timer = *screen->controls()[control_index];
            if (!Running(timer) || timer.due_ms > now_ms) continue;
            timer.due_ms += timer.interval;
            if (timer.due_ms <= now_ms) timer.due_ms = now_ms + timer.interval;
            fired = true;
            if (timer.on_tick) timer.on_tick();
            // A tick that closed screens (or ended the game) leaves a shorter list.
            if (screen_index >= screens.size() || screens[screen_index] != screen) return fired;
        }
    }
    return fired;
}

}  // namespace duskmoor
