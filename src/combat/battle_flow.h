#pragma once
// The round of a battle: set-up and initiative, the party's commands entered
// one character at a time, carried out in slot order, the monsters' turn, and
// the end. The screen calls these for the player's keys and clicks; the
// rules wait for NEXT through the view.
#include <string>

namespace duskmoor {

struct BattleContext;
struct GameState;

// Loading the battle screen: initiative, the roster, the group rows, and the
// first round.
void SetupBattle(BattleContext& battle);
// Who acts first: 2 when the monsters do (always below the city, in block 21).
int16_t RollInitiative(const GameState& state);
// The start of every round.
void SetupPlayerTurn(BattleContext& battle);

// Up and Down on the command labels, skipping the disabled ones.
void CommandUp(BattleContext& battle);
void CommandDown(BattleContext& battle);
// A click on a command label (disabled labels take no clicks).
void SelectCommand(BattleContext& battle, int command);
// Right and Left on the monster groups, and a click on a group's row.
void TargetRight(BattleContext& battle);
void TargetLeft(BattleContext& battle);
void SelectTarget(BattleContext& battle, int group);
// Enter: the command under the arrow for the character whose turn it is.
void RecordCommand(BattleContext& battle);
// NEXT or the N key.
void PressNext(BattleContext& battle);

// Shows NEXT and waits for it; then hides it and clears the message line.
// False when the screen closed during the wait.
bool AwaitNext(BattleContext& battle);
// The party rows show the state again; the chosen commands are cleared.
void FillLabels(BattleContext& battle);
// The groups' numbers and pictures after a character's action, and the
// target arrow on the first group with anybody left.
void UpdateMonsters(BattleContext& battle);
// Characters aiming at a group with nobody left aim at the first that has.
void ValidateAttacks(BattleContext& battle);

// The text of a command code in the party rows.
std::string GetCommand(int command);

}  // namespace duskmoor
