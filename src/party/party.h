#pragma once
// The party: four slots, the first `NumPlayers` in play, each with its place
// in the marching order.
#include <array>
#include <string>

#include "party/player.h"

namespace duskmoor {

struct GameState;

std::string ClassName(const GameState& state, int slot);
std::string RaceName(const GameState& state, int slot);
std::string GenderName(const GameState& state, int slot);
std::string AlignmentName(const GameState& state, int slot);
std::string StatusName(const GameState& state, int slot);

// The four texts of one row of the main screen's party panel.
struct PanelRow {
    std::string name, hit_points, armor_class, class_name;
};
// The rows in marching order; rows without a character are empty.
std::array<PanelRow, 4> PartyPanelRows(const GameState& state);

// The four ready-made characters of a quick start.
std::array<PLAYER, 4> DefaultParty();

// True when no character in play has hit points left (an empty party too).
bool PartyIsDead(const GameState& state);

// Sum over the party of gold, silver / 10 and copper / 100, each share
// rounded half to even per character.
long long PartyGoldTotal(const GameState& state);

}  // namespace duskmoor
