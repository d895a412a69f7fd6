#include "combat/battle_flow.h"

#include <algorithm>

#include "combat/battle_model.h"
#include "combat/battle_roster.h"
#include "combat/battle_spells.h"
#include "combat/battle_view.h"
#include "combat/monster_turn.h"
#include "combat/player_attacks.h"
#include "combat/turn_undead.h"
#include "core/codepage.h"
#include "core/dice.h"
#include "magic/magic_book.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

constexpr int kGroupRows = 4;
constexpr int16_t kMagicUser = 1, kCleric = 3;
constexpr int16_t kUnderground = 21;  // the passage to the vampire's lair: no surprising its guards
constexpr int16_t kPartyFirst = 1, kMonstersFirst = 2;
constexpr int16_t kFlightSucceeded = 4;

enum class EndReason { Won = 1, Defeated = 2, Fled = 4 };
enum class Carried { AllActed, Decided, Closed };

int PartySize(const GameState& state) {
    return std::clamp<int>(state.NumPlayers, 0, 4);
}

bool CannotAct(const PLAYER& player) {
    return (player.Status & (status::Dead | status::Unconscious)) != 0;
}

// Moves `CurrentPlayer` past the fallen; it may end past the last slot.
void SetGoodIndex(BattleContext& battle) {
    while (battle.model.CurrentPlayer < PartySize(battle.state) &&
           CannotAct(battle.state.Party[battle.model.CurrentPlayer]))
        ++battle.model.CurrentPlayer;
}

void DisableLabels(BattleContext& battle) {
    const int16_t cls = battle.state.Party[battle.model.CurrentPlayer].Class;
    battle.model.turn_enabled = cls == kCleric;
    battle.model.spell_enabled = cls == kMagicUser || cls == kCleric;
}

void GetCommands(BattleContext& battle) {
    battle.model.message =
        "Enter " + ShownName(battle.state.Party[battle.model.CurrentPlayer]) + "'s battle command...";
}

bool Disabled(const BattleModel& model, int command) {
    return (command == battle_command::Spell && !model.spell_enabled) ||
           (command == battle_command::Turn && !model.turn_enabled);
}

void MoveCommand(BattleContext& battle, int step) {
    BattleModel& model = battle.model;
    if (!IsSet(battle.state.AcceptingCommands)) return;
    int command = model.CommandIndex;
    do {
        command = (command - 1 + step + battle_command::kCount) % battle_command::kCount + 1;
    } while (Disabled(model, command));
    model.CommandIndex = command;
    model.command_lit = true;
    battle.view.Refresh();
}

void MoveTarget(BattleContext& battle, int step) {
    const int groups = GroupsInUse(battle.state);
    if (!IsSet(battle.state.AcceptingCommands) || groups < 1) return;
    battle.model.TargetGroup = ((battle.model.TargetGroup + step) % groups + groups) % groups;
    battle.view.Refresh();
}

void EndBattle(BattleContext& battle, EndReason reason) {
    GameState& state = battle.state;
    BattleModel& model = battle.model;
    switch (reason) {
        case EndReason::Won:
            model.message += "\n  The party has won.";
            state.BattleOutcome = 1;
            break;
        case EndReason::Defeated:
            model.message += "\nThe party has been defeated.";
            state.BattleOutcome = 2;
            model.next_visible = true;
            break;
        case EndReason::Fled:
            model.message = "The party successfully flees the scene.";
            state.BattleOutcome = 7;
            break;
    }
    state.InBattle = False;
    battle.view.Refresh();
    battle.view.WaitForClose();
}

// The magic screen in battle mode for the character whose turn it is. False
// when the player cancelled it: the same character chooses again.
bool ChooseSpell(BattleContext& battle) {
    GameState& state = battle.state;
    PLAYER& caster = state.Party[battle.model.CurrentPlayer];
    // Last round's spell is spent: leaving the screen without a choice casts nothing.
    caster.CastSpell = caster.CastSource = caster.CastIndex = 0;
    state.MagicMode = magic_mode::Battle;
    state.MagicCaster = static_cast<int16_t>(battle.model.CurrentPlayer);
    const bool cancelled = battle.view.OpenMagicScreen();
    state.MagicMode = magic_mode::Battle;
    return !cancelled;
}

bool CarryOut(BattleContext& battle, int player) {
    GameState& state = battle.state;
    PLAYER& character = state.Party[player];
    switch (character.BattleCommand) {
        case battle_command::Weapon:
        case battle_command::ChangeWeapon:
            return WeaponAttack(state, battle.model, player, character.BattleTarget);
        case battle_command::Spell:
            return SpellAttack(battle, player);
        case battle_command::Turn:
            return TurnAttack(state, battle.model, player);
        case battle_command::Item:
            return ItemAttack(state, battle.model, player, character.BattleTarget);
        case battle_command::Defend:
            battle.model.message = ShownName(character) + " defends.";
            return false;
        case battle_command::Flee:
            return AttemptToFlee(state, battle.model);
        default:
            return false;
    }
}

// A member taken out of the party before `player` moved everyone behind up a
// place: the slot after the one who just acted is now `player` itself.
int CloseRanks(BattleModel& model, int player) {
    const int removed = model.removed_member;
    if (removed < 0) return player;
    model.removed_member = -1;
    std::shift_left(model.command_text.begin() + std::min(removed, 3), model.command_text.end(), 1);
    model.command_text.back().clear();
    return removed < player ? player - 1 : player;
}

Carried PlayersAttack(BattleContext& battle) {
    GameState& state = battle.state;
    for (int player = 0; player < PartySize(state); ++player) {
        // Bit 8 is a hold no rule of the battle sets; a held character waits.
        if (state.Party[player].Status & (status::Dead | 8 | status::Unconscious)) continue;
        const bool decided = CarryOut(battle, player);
        player = CloseRanks(battle.model, player);
        if (decided) {
            battle.model.next_visible = true;
            return Carried::Decided;
        }
        if (!AwaitNext(battle)) return Carried::Closed;
        UpdateMonsters(battle);
        ValidateAttacks(battle);
    }
    return Carried::AllActed;
}

void EndPlayersTurn(BattleContext& battle) {
    BattleModel& model = battle.model;
    model.CurrentPlayer = 0;
    model.TargetGroup = 0;
    model.command_text.fill("");
    model.white_name = -1;
    model.command_lit = false;
    battle.state.TurnSide = 2;
    battle.view.Refresh();
    switch (MonsterTurn(battle)) {
        case MonsterTurnEnd::Defeated:
            EndBattle(battle, EndReason::Defeated);
            return;
        case MonsterTurnEnd::Closed:
            return;
        case MonsterTurnEnd::RoundOver:
            battle.state.TurnSide = 1;
            SetupPlayerTurn(battle);
            return;
    }
}

// Every able character has a command: carry them out, then the monsters act.
void CommandsComplete(BattleContext& battle) {
    battle.model.white_name = -1;
    battle.state.AcceptingCommands = False;
    battle.model.monster_arrow = false;
    battle.view.Refresh();
    switch (PlayersAttack(battle)) {
        case Carried::AllActed:
            EndPlayersTurn(battle);
            return;
        case Carried::Decided:
            EndBattle(battle,
                      battle.state.BattleOutcome == kFlightSucceeded ? EndReason::Fled : EndReason::Won);
            return;
        case Carried::Closed:
            return;
    }
}

}  // namespace

std::string ShownName(const PLAYER& player) {
    return Cp1252ToUtf8(player.Name);
}

bool ReadsZero(const GameState& state, const BattleModel& model, int group) {
    return group >= 0 && group < GroupsInUse(state) && model.shown_count[group] < 1;
}

int FirstGoodGroup(const GameState& state, const BattleModel& model) {
    for (int group = 0; group < kGroupRows; ++group)
        if (!ReadsZero(state, model, group)) return group;
    return 0;
}

std::string GetCommand(int command) {
    static const char* const kNames[] = {"Attack", "Spell",         "Turn", "Item",
                                         "Defend", "Change Weapon", "Flee"};
    if (command < 1 || command > battle_command::kCount) return "";
    return kNames[command - 1];
}

int16_t RollInitiative(const GameState& state) {
    if (state.CurrentBlock == kUnderground) return kMonstersFirst;
    if (RollDice(2, 6) < 3) return kPartyFirst;  // the monsters are caught by surprise
    const int party = RollDice(1, 6) + 1;
    const int monsters = RollDice(1, 6);
    return party < monsters ? kMonstersFirst : kPartyFirst;
}

void SetupBattle(BattleContext& battle) {
    GameState& state = battle.state;
    BattleModel& model = battle.model;
    state.InBattle = True;
    battle.view.PlayBattleCry();
    state.Initiative = RollInitiative(state);
    if (state.Initiative == kPartyFirst) {
        state.TurnSide = 1;
    } else if (state.Initiative == kMonstersFirst) {
        state.TurnSide = 2;
        model.MonstersFirstPending = true;
    } else {
        battle.view.ShowError("Error getting initiative.");
    }
    for (int player = 0; player < PartySize(state); ++player) {
        state.Party[player].CastSpell = 0;
        state.Party[player].CastSource = 0;
    }
    BuildBattleRoster(state);
    for (int group = 0; group < kGroupRows; ++group) {
        model.shown_count[group] = group < state.NumGroups ? state.EncounterGroups[group].Count : 0;
        model.tomb[group] = false;
    }
    model.next_visible = false;
    state.BattleOutcome = 0;
    model.CloseRequested = false;
    model.TargetGroup = 0;
    model.CommandIndex = 0;
    SetupPlayerTurn(battle);
}

void SetupPlayerTurn(BattleContext& battle) {
    GameState& state = battle.state;
    BattleModel& model = battle.model;
    model.CommandIndex = battle_command::Weapon;
    model.command_lit = true;
    model.monster_arrow = true;
    model.TargetGroup = FirstGoodGroup(state, model);
    model.CurrentPlayer = 0;
    SetGoodIndex(battle);
    if (model.CurrentPlayer >= PartySize(state)) {
        // Nobody is left standing to give a command.
        CommandsComplete(battle);
        return;
    }
    model.white_name = model.CurrentPlayer;
    DisableLabels(battle);
    if (state.Initiative == kMonstersFirst && model.MonstersFirstPending) {
        model.message = "Your opponents win intiative...";
        model.next_visible = true;
        state.AcceptingCommands = False;
    } else {
        state.NextPressed = False;
        state.AcceptingCommands = True;
        GetCommands(battle);
    }
    battle.view.Refresh();
}

void CommandUp(BattleContext& battle) {
    MoveCommand(battle, -1);
}

void CommandDown(BattleContext& battle) {
    MoveCommand(battle, +1);
}

void SelectCommand(BattleContext& battle, int command) {
    if (!IsSet(battle.state.AcceptingCommands) || command < 1 || command > battle_command::kCount ||
        Disabled(battle.model, command))
        return;
    battle.model.CommandIndex = command;
    battle.model.command_lit = true;
    battle.view.Refresh();
}

void TargetRight(BattleContext& battle) {
    MoveTarget(battle, +1);
}

void TargetLeft(BattleContext& battle) {
    MoveTarget(battle, -1);
}

void SelectTarget(BattleContext& battle, int group) {
    if (!IsSet(battle.state.AcceptingCommands) || group < 0 || group >= GroupsInUse(battle.state)) return;
    battle.model.TargetGroup = group;
    battle.view.Refresh();
}

void RecordCommand(BattleContext& battle) {
    GameState& state = battle.state;
    BattleModel& model = battle.model;
    if (state.TurnSide != 1 || !IsSet(state.AcceptingCommands)) return;
    if (model.CurrentPlayer < 0 || model.CurrentPlayer >= PartySize(state)) return;
    PLAYER& character = state.Party[model.CurrentPlayer];
    const int command = model.CommandIndex;
    character.BattleCommand = static_cast<int16_t>(command);
    if (command == battle_command::ChangeWeapon || command == battle_command::Item) {
        state.BackpackMode = 5;
        state.SelectedPlayer = static_cast<int16_t>(model.CurrentPlayer + 1);
        battle.view.OpenBackpack();
    }
    if (ReadsZero(state, model, model.TargetGroup)) {
        battle.view.Refresh();
        return;
    }
    character.BattleTarget = static_cast<int16_t>(model.TargetGroup);
    if (command == battle_command::Spell && !ChooseSpell(battle)) {
        battle.view.Refresh();
        return;
    }
    model.command_text[model.CurrentPlayer] = GetCommand(command);
    model.spell_enabled = model.turn_enabled = true;
    if (model.CurrentPlayer < PartySize(state) - 1) {
        ++model.CurrentPlayer;
        SetGoodIndex(battle);
        if (model.CurrentPlayer < PartySize(state)) {
            model.white_name = model.CurrentPlayer;
            DisableLabels(battle);
            GetCommands(battle);
            battle.view.Refresh();
            return;
        }
    }
    CommandsComplete(battle);
}

void PressNext(BattleContext& battle) {
    GameState& state = battle.state;
    BattleModel& model = battle.model;
    if (state.Initiative == kMonstersFirst && model.MonstersFirstPending) {
        model.MonstersFirstPending = false;
        model.next_visible = false;
        model.message.clear();
        EndPlayersTurn(battle);
    } else if (state.BattleOutcome != 0) {
        model.CloseRequested = true;
    } else if (!IsSet(state.AcceptingCommands)) {
        state.NextPressed = True;
    }
}

bool AwaitNext(BattleContext& battle) {
    battle.model.next_visible = true;
    battle.view.Refresh();
    if (!battle.view.WaitForNext()) return false;
    battle.model.next_visible = false;
    battle.state.NextPressed = False;
    battle.model.message.clear();
    battle.view.Refresh();
    return true;
}

void FillLabels(BattleContext& battle) {
    battle.model.command_text.fill("");
    battle.view.Refresh();
}

void UpdateMonsters(BattleContext& battle) {
    GameState& state = battle.state;
    BattleModel& model = battle.model;
    for (int group = 0; group < GroupsInUse(state); ++group) {
        model.shown_count[group] = LiveOfType(state, GroupType(state, group));
        if (model.shown_count[group] < 1) model.tomb[group] = true;
    }
    model.TargetGroup = FirstGoodGroup(state, model);
    battle.view.Refresh();
}

void ValidateAttacks(BattleContext& battle) {
    GameState& state = battle.state;
    for (int player = 0; player < PartySize(state); ++player) {
        int16_t& target = state.Party[player].BattleTarget;
        if (target < 0 || target >= kGroupRows || ReadsZero(state, battle.model, target))
            target = static_cast<int16_t>(FirstGoodGroup(state, battle.model));
    }
}

}  // namespace duskmoor
