#pragma once
// Resting hour by hour: the clock, poison, the daily healing, wandering
// monsters that break the rest off, and the spells learned when it completes.
#include <cstdint>
#include <string>

namespace duskmoor {

struct Game;
struct GameState;

namespace rest_state {
constexpr int16_t NotDone = 0, Completed = 1, Interrupted = 2;
}  // namespace rest_state

constexpr int kMaxRestHours = 199;

// The rest screen's own numbers while it is open.
struct RestModel {
    double RestHours = 0.0;
    int RestDayCounter = 0;
    bool RestCanBeInterrupted = false;
    bool resting = false;  // the timer runs
};

// Plus wraps past 199 to 0 (a half hour too: 199.5 would leave the dial);
// minus stops at 0.
double RestHoursPlus(double hours);
double RestHoursMinus(double hours);
// The hours the rest screen opens with: the rest the chosen spells need,
// held within the dial.
double RestHoursToStart(float needed);
// The hours as the label shows them, "0" below one.
std::string RestHoursShown(double hours);

// Asks whether to rest with poisoned characters; false when the player declines.
bool CheckPoison(Game& game);
bool RestCanBeInterrupted(const GameState& state);
void UpdateTime(GameState& state);
void UpdatePoison(GameState& state);
void RestHeal(Game& game);
// The 15% chance of wandering monsters in an hour of rest.
bool RestInterruption();
// The end of the rest: the fallen fall unconscious or die, each with its message.
void CheckDeath(Game& game);

enum class RestTick { Idle, HourPassed, Completed, Interrupted };
// One beat of the rest timer: one hour of rest, or the stop after the last.
RestTick RestHour(Game& game, RestModel& model);

}  // namespace duskmoor
