#pragma once
// The soak: checks that hold after every action of a long game.
#include <string>
#include <vector>

#include "shell/game_state.h"

namespace duskmoor::bot {

// What is wrong with the party's invariant: the slots in play are active and
// hold each marching position once, the others are empty. Empty when it holds.
std::string PartyInvariantProblem(const GameState& state);
// The members whose `Load` differs from their items' weight and their coins.
std::string LoadProblem(const GameState& state);
// The resident memory of a process in kilobytes (0 when it cannot be read).
long ResidentKilobytes(int pid);

// The names read for the soak's checks.
std::vector<std::string> SoakNames();

}  // namespace duskmoor::bot
