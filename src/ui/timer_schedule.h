#pragma once
// The timers of every open screen keep running while a modal screen is on top
// of them (the title and the sound safeguard tick behind the game menu).
#include <vector>

namespace duskmoor {

class Screen;

// The earliest time any running timer of the screens is due, or -1 when none runs.
long long NextTimerDue(const std::vector<Screen*>& screens);

// Fires each running timer that is due at `now_ms` once, bottom screen first.
// A timer that has fallen a whole interval behind starts counting from now
// instead of firing again and again to catch up. Returns true when any fired.
// A tick may open a modal screen; the list is re-read after every tick.
bool FireDueTimers(const std::vector<Screen*>& screens, long long now_ms);

}  // namespace duskmoor
