#pragma once
// What the battle screen shows and remembers between the player's key
// presses: the rules change it, the screen paints it. Together with the game
// state it is the whole battle, so a round runs the same with or without a
// window.
#include <array>
#include <string>

namespace duskmoor {

class BattleView;
struct GameState;
struct PLAYER;

// Command codes, in the order of the labels on the screen.
namespace battle_command {
constexpr int16_t Weapon = 1, Spell = 2, Turn = 3, Item = 4, Defend = 5, ChangeWeapon = 6, Flee = 7;
constexpr int kCount = 7;
}  // namespace battle_command

struct BattleModel {
    int CurrentPlayer = 0;  // the party slot entering its command
    int TargetGroup = 0;    // the group under the monster arrow
    int CommandIndex = 0;   // the command under the command arrow, 1..7
    bool MonstersFirstPending = false;
    bool CloseRequested = false;

    // The number beside each group: the live monsters of its type; the
    // picture turns to the tomb when nobody of the group's type is left.
    std::array<int, 4> shown_count{};
    std::array<bool, 4> tomb{};
    // The command each party row has chosen this round.
    std::array<std::string, 4> command_text{};
    int white_name = -1;         // the party row painted white, -1 none
    bool command_lit = false;    // the label under the command arrow is white
    bool monster_arrow = false;  // the target arrow is shown
    bool spell_enabled = true;
    bool turn_enabled = true;
    bool next_visible = false;
    std::string message;  // the message line; "\n" breaks it
    // The party slot a failed raise from the dead has just emptied, -1 none:
    // everyone behind it moved up a place in the middle of the round.
    int removed_member = -1;
};

// A character's name as the battle messages show it.
std::string ShownName(const PLAYER& player);

// Whether the number label of `group` reads "(0)": a group in use with nobody
// of its type left. Rows beyond the groups in use are empty and never do.
bool ReadsZero(const GameState& state, const BattleModel& model, int group);
// The first group, 0..3, whose label does not read "(0)".
int FirstGoodGroup(const GameState& state, const BattleModel& model);

// Everything a battle rule works on: the game, the screen's model, and the
// view that shows them and waits for the player.
struct BattleContext {
    GameState& state;
    BattleModel& model;
    BattleView& view;
};

}  // namespace duskmoor
