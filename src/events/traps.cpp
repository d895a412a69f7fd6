#include "events/traps.h"

#include <string>

#include "core/codepage.h"
#include "core/dice.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/new_game.h"

namespace duskmoor {
namespace {

constexpr int16_t kThief = 2;
constexpr int32_t kDisarmExperience = 50;

struct Trap {
    int16_t die;
    const char* message;
};

Trap TrapOfKind(int16_t kind) {
    switch (kind) {
        case trap_kind::Pit:
            return {4, "You fall into a trap pit."};
        case trap_kind::Arrows:
            return {6, "You've sprung an arrow trap."};
        default:
            return {10, "You've sprung a spike trap."};
    }
}

// The first thief, in slot order, whose roll finds the trap; -1 when none does.
int ThiefWhoFindsIt(GameState& state) {
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        const PLAYER& member = state.Party[slot];
        if (member.Class != kThief) continue;
        if (RollDice(1, 100) <= TrapDetectChance(member.Level)) return slot;
    }
    return -1;
}

// One member takes the trap's damage; the message tells how it went.
std::string Hurt(PLAYER& member, int16_t damage) {
    member.HP = static_cast<int16_t>(member.HP - damage);
    std::string message = Cp1252ToUtf8(member.Name) + " is hit for " + std::to_string(damage) +
                          (damage == 1 ? " hit point" : " hit points");
    if (member.HP >= 1) return message + ".";
    if (member.HP > -10) {
        member.HP = 0;
        member.Status = static_cast<int16_t>((member.Status | status::Unconscious) ^ status::Ok);
        return message + " and is knocked unconcious.";
    }
    member.HP = 0;
    member.Status = status::Dead;
    return message + " and is killed.";
}

}  // namespace

int16_t TrapDetectChance(int16_t level) {
    if (level < 1 || level > 6) return 0;
    return static_cast<int16_t>(5 + 5 * level);
}

bool HandleTrap(Game& game) {
    GameState& state = game.state;
    const int thief = ThiefWhoFindsIt(state);
    if (thief >= 0) {
        ShowDialog(game, Cp1252ToUtf8(state.Party[thief].Name) +
                             " detects and disarms a trap!  Each player gains 50 experience points!");
        for (int slot = 0; slot < state.NumPlayers; ++slot) state.Party[slot].Experience += kDisarmExperience;
        return false;
    }
    const Trap trap = TrapOfKind(state.TrapKind);
    ShowDialog(game, trap.message);
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        PLAYER& member = state.Party[slot];
        if (member.HP < 1) continue;
        ShowDialog(game, Hurt(member, RollDice(1, trap.die)));
        if (game.view) game.view->RefreshPartyPanel();
    }
    return CheckPartyDeath(game);
}

}  // namespace duskmoor
