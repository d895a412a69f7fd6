#pragma once
// Game-state variables by their names, for the script runner and the tests:
// "GameHour", "Party[0].HP", "Encounters[14].Pending[6]", "Monsters[4].HitPoints".
#include <string>

namespace duskmoor {

struct GameState;

// Each returns an error text, empty on success. Flags read and write as -1 and
// 0; texts are UTF-8 on this side.
std::string GetStateValue(GameState& state, const std::string& name, std::string& value);
std::string SetStateValue(GameState& state, const std::string& name, const std::string& value);

}  // namespace duskmoor
