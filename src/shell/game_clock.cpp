#include "shell/game_clock.h"

#include "magic/poison.h"
#include "shell/game.h"

namespace duskmoor {

void AdvanceClock(Game& game) {
    GameState& state = game.state;
    state.StepFraction += 1.0f;
    if (state.StepFraction == 2.0f) {
        state.StepFraction = 0.0f;
        state.GameMinute += 1;
        PoisonWalkTick(game);
        if (state.GameMinute > 59) {
            state.GameMinute = 0;
            state.GameHour += 1;
            if (state.GameHour == 24) state.GameHour = 0;
        }
    }
    if (game.view) game.view->RefreshClock();
}

std::string ClockLabel(int16_t hour, int16_t minute) {
    return std::to_string(hour) + (minute < 10 ? " : 0" : " : ") + std::to_string(minute);
}

}  // namespace duskmoor
