// Fights 10,000 random battles with the rules alone, through the recording
// view: a party of four (fighter, cleric, thief, magic-user) at levels 1, 3
// and 5 against the random battles of the tiers those levels meet. Every
// character attacks the first group with anybody left; the wounded defend.
// Prints battles per second, mean rounds per battle and how the battles ended.
//
//     battle_bench [battles]     (default 10000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "combat/battle_flow.h"
#include "combat/battle_model.h"
#include "combat/recording_battle_view.h"
#include "core/random.h"
#include "events/random_encounters.h"
#include "shell/game_state.h"

namespace {

using namespace duskmoor;

struct Hero {
    const char* name;
    int16_t cls;
    int16_t weapon;
    int16_t hit_die;
};
constexpr Hero kHeroes[] = {{"Borin", 0, 10, 10}, {"Ansel", 3, 6, 8}, {"Wick", 2, 7, 6}, {"Mira", 1, 3, 4}};

void MakeParty(GameState& state, int level) {
    state.NumPlayers = 4;
    for (int slot = 0; slot < 4; ++slot) {
        const Hero& hero = kHeroes[slot];
        PLAYER& p = state.Party[slot];
        p = PLAYER{};
        p.Name = hero.name;
        p.Class = hero.cls;
        p.Weapon = hero.weapon;
        p.Level = static_cast<int16_t>(level);
        p.ToHit = static_cast<int16_t>((hero.cls == 0 ? 19 : 20) - level);
        p.AC = hero.cls == 1 ? 9 : 4;
        p.MaxHP = p.HP = static_cast<int16_t>(hero.hit_die * level);
        p.Dexterity = static_cast<int16_t>(12 + slot);
        p.Status = status::Ok;
        p.Position = static_cast<int16_t>(slot + 1);
        p.Active = True;
    }
}

// The tier a party of this level meets in the blocks it can reach.
int TierForLevel(int level) {
    return level <= 1 ? 1 : level <= 3 ? 2 + std::rand() % 2 : 4 + std::rand() % 2;
}

struct Totals {
    long long rounds = 0;
    int outcomes[8] = {};
};

void FightOne(int level, Totals& totals) {
    GameState state;
    BattleModel model;
    RecordingBattleView view;
    BattleContext battle{state, model, view};
    view.Attach(battle);
    MakeParty(state, level);
    const int tier = TierForLevel(level);
    const RandomTier& row = TierTable(tier);
    BuildRandom(state, RandomGroups(row.max_groups), tier, row.max_number);
    SetupBattle(battle);
    while (state.BattleOutcome == 0 && !model.CloseRequested) {
        if (model.MonstersFirstPending) {
            PressNext(battle);
        } else if (IsSet(state.AcceptingCommands)) {
            const PLAYER& actor = state.Party[model.CurrentPlayer];
            model.CommandIndex = actor.HP * 4 < actor.MaxHP ? battle_command::Defend : battle_command::Weapon;
            const int before = model.CurrentPlayer;
            RecordCommand(battle);
            // A round is over when the battle is or the commands start again.
            if (state.BattleOutcome != 0 || model.CurrentPlayer <= before) ++totals.rounds;
        } else {
            break;
        }
    }
    ++totals.outcomes[std::clamp<int>(state.BattleOutcome, 0, 7)];
}

}  // namespace

int main(int argc, char** argv) {
    const int battles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    duskmoor::Random().Seed(2026);
    std::srand(2026);
    constexpr int kLevels[] = {1, 3, 5};
    Totals totals;
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < battles; ++n) FightOne(kLevels[n % 3], totals);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("battles: %d in %.3f s: %.0f battles/s\n", battles, seconds, battles / seconds);
    std::printf("mean rounds per battle: %.2f\n", static_cast<double>(totals.rounds) / battles);
    std::printf("won %d, defeated %d, fled %d\n", totals.outcomes[1], totals.outcomes[2], totals.outcomes[7]);
    return 0;
}
