#include "combat/fight_battle.h"

#include <algorithm>

#include "combat/battle_roster.h"
#include "combat/frm_battle.h"
#include "core/rounding.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "town/frm_treasure.h"
#include "ui/host.h"

namespace duskmoor {
namespace {

int PartySize(const GameState& state) {
    return std::clamp<int>(state.NumPlayers, 0, 4);
}

bool AbleToShare(const PLAYER& member) {
    return (member.Status & (status::Dead | status::Unconscious)) == 0;
}

void RefreshPartyPanel(Game& game) {
    if (game.view) game.view->RefreshPartyPanel();
}

}  // namespace

void FightBattle(Game& game) {
    game.state.BattleOutcome = 0;
    Battle(game);
}

void Battle(Game& game) {
    GameState& state = game.state;
    state.PartyDefeated = False;
    state.BackpackMode = 0;
    state.BrowseParty = False;
    state.TreasureGold = state.TreasureSilver = state.TreasureCopper = 0;
    state.TreasureItems.fill(0);
    {
        frmBattle2 screen(game);
        game.host.RunModal(screen);
    }
    switch (state.BattleOutcome) {
        case 2:
            state.PartyDefeated = True;
            return;
        case 1:
            GiveExpPoints(game);
            GetBattleTreasure(game);
            WakeTheFallen(state);
            break;
        case 7:
            WakeTheFallen(state);
            break;
        default:
            break;
    }
    RefreshPartyPanel(game);
}

int32_t ExperienceShare(const GameState& state) {
    int total = 0;
    for (int slot = 0; slot < RosterSize(state); ++slot) total += state.Monsters[slot].ExperienceValue;
    // The award is counted in 16 bits; no battle of the game comes near the top.
    total = std::clamp(total, 0, INT16_MAX + 0);
    int able = 0;
    for (int slot = 0; slot < PartySize(state); ++slot)
        if (AbleToShare(state.Party[slot])) ++able;
    return able > 0 ? static_cast<int32_t>(RoundHalfEven(static_cast<double>(total) / able)) : 0;
}

void GiveExpPoints(Game& game) {
    GameState& state = game.state;
    const int32_t share = ExperienceShare(state);
    for (int slot = 0; slot < PartySize(state); ++slot)
        if (AbleToShare(state.Party[slot])) state.Party[slot].Experience += share;
    ShowDialog(game, "Each player earns " + std::to_string(share) + " experience points.");
}

void CollectBattleCoins(GameState& state) {
    state.TreasureGold = state.TreasureSilver = state.TreasureCopper = 0;
    for (int slot = 0; slot < RosterSize(state); ++slot) {
        const Monster& monster = state.Monsters[slot];
        state.TreasureGold += monster.GoldCarried;
        state.TreasureSilver += monster.SilverCarried;
        state.TreasureCopper += monster.CopperCarried;
    }
    // The monsters' weapons and armour are offered through the loot view instead.
    state.TreasureItems.fill(0);
}

void GetBattleTreasure(Game& game) {
    CollectBattleCoins(game.state);
    frmTreasure screen(game);
    game.host.RunModal(screen);
}

void WakeTheFallen(GameState& state) {
    for (int slot = 0; slot < PartySize(state); ++slot) {
        PLAYER& member = state.Party[slot];
        if (member.Status & status::Unconscious) {
            member.Status = static_cast<int16_t>((member.Status & ~status::Unconscious) | status::Ok);
            member.HP = 1;
        } else if ((member.Status & (status::Dead | status::Ok)) == 0) {
            member.Status = status::Ok;
        }
    }
}

}  // namespace duskmoor
