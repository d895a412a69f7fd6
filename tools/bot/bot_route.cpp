// The plan of the game: outfit the party, clear the ruins block by block as
// far as its strength allows, redeem and train in town, fetch the password
// from the top of Rizevoz, and go down to Von Devever.
#include <algorithm>
#include <cstdio>

#include "bot.h"
#include "events/encounter_content.h"
#include "events/encounter_kinds.h"
#include "magic/spells.h"
#include "outfit.h"
#include "spell_plan.h"
#include "tactics.h"
#include "world_map.h"

namespace duskmoor::bot {

namespace {

constexpr int kLairBlock = 21;
constexpr int kVonDeveverCell = 24;
constexpr int kBeforeTheVampire = 19;  // (4, 3), beside his corner
constexpr int kPasswordBlock = 18;
constexpr int kPasswordCell = 6;
// The party's level for the tower's undead, and the cleric's for the lair's mummies.
constexpr int kPasswordLevel = 4;
constexpr int kLairLevel = 5;
constexpr int kRoundsPerPhase = 20;
// Tries at the note and at the vampire before the party goes back to training.
constexpr int kTries = 6;
// Defeats on one expedition before the party goes back to train.
constexpr int kLoadsPerExpedition = 8;

bool Worth(const EncounterContent& entry) {
    switch (entry.kind) {
        case encounter_kind::Battle:
        case encounter_kind::Treasure:
        case encounter_kind::Note:
        case encounter_kind::TreasureAndNote:
        case encounter_kind::BattleAndNote:
        case encounter_kind::BattleAndQuestObject:
        case encounter_kind::QuestObject:
            return true;
    }
    return false;
}

std::vector<GroupSight> Sight(const EncounterContent& entry) {
    std::vector<GroupSight> groups;
    for (const EncounterGroup& group : entry.groups)
        if (group.Count > 0) groups.push_back({group.MonsterType, group.Count, false});
    return groups;
}

}  // namespace

void Bot::Log(const std::string& text) {
    char when[32];
    std::snprintf(when, sizeof when, "day %d %02d:%02d  ", summary_.game_days + 1, view_.state().GameHour,
                  view_.state().GameMinute);
    summary_.route.push_back(when + text);
}

void Bot::CountDay() {
    int hour = view_.state().GameHour;
    if (hour < last_hour_) ++summary_.game_days;
    last_hour_ = hour;
}

bool Bot::OutOfActions() const {
    return session_.ended() || session_.actions() >= action_limit_ || won_;
}

bool Bot::PartyHurt() const {
    const GameState& state = view_.state();
    int hp = 0, max_hp = 0;
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        const PLAYER& p = state.Party[slot];
        if (p.Status & (2 | 256)) return true;
        hp += std::max<int>(0, p.HP);
        max_hp += p.MaxHP;
        if (p.HP * 3 < p.MaxHP) return true;
    }
    return hp * 10 < max_hp * 7;
}

// Whether the town has something for the party now: a reward to claim,
// training it can pay for, or better gear than the last time it shopped.
bool Bot::WantsTown() const {
    const int wealth = view_.Wealth();
    if (CarriesQuestObject()) return true;
    if (ReadyToTrain() && wealth >= 1000) return true;
    return wealth >= shopped_with_ + kShoppingMoney && NextPurchase(view_.state(), wealth - kTownReserve);
}

// Whether a caster has spell slots to fill.
bool Bot::SpellsSpent() const {
    const GameState& state = view_.state();
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        const PLAYER& p = state.Party[slot];
        if ((p.Class != 1 && p.Class != 3) || (p.Status & (2 | 256))) continue;
        if (SpellsHeld(p) < MaxSpells(p.Level)) return true;
    }
    return false;
}

// Back to Verezeve for healing, money and training.
void Bot::GoHome() {
    if (view_.state().CurrentBlock == 0) return VisitTown();
    Log("Back to Verezeve to heal and train.");
    push_on_ = true;
    bool home = WalkTo({0, 64});
    push_on_ = false;
    if (home) VisitTown();
}

// Whether the party can take the encounter on at its present strength.
bool Bot::CanTakeOn(const EncounterContent& entry) const {
    std::vector<GroupSight> groups = Sight(entry);
    if (groups.empty()) return true;
    // Judged at full health and with the spells learned: the bot heals before it goes.
    return ExpectedOutcome(view_.state(), groups, true) >= daring_;
}

// The next encounter to go for: the nearest worth having that the party can take on.
std::optional<Target> Bot::NextTarget() const {
    const GameState& state = view_.state();
    std::optional<Target> best;
    int best_cost = 1 << 30;
    const int here = state.CurrentBlock;
    for (int block = 1; block <= kRuinsLastBlock; ++block) {
        std::vector<int> path = BlockPath(here, block);
        if (path.empty()) continue;
        const BlockEncounters& table = state.Encounters[block];
        for (const EncounterContent& entry : EncounterContentOf(block).entries) {
            if (!table.Pending[entry.entry] || !Worth(entry) || !CanTakeOn(entry)) continue;
            if (skipped_.count(block * 1000 + entry.cell)) continue;
            int cost = static_cast<int>(path.size()) * 100 + (block == here ? 0 : 50);
            if (cost < best_cost) {
                best_cost = cost;
                best = Target{block, entry.cell};
            }
        }
    }
    return best;
}

// Goes onto the cell and lives through what waits there.
bool Bot::Visit(const Target& target) {
    // A battle fled leaves the party on its cell: off it and on again to meet it once more.
    view_.RefreshPosition();
    if (view_.state().CurrentBlock == target.block && view_.state().PosCell == target.cell)
        WalkInBlock([&](int cell) { return cell != target.cell; }, -1, {});
    if (!WalkTo(target)) return false;
    AfterInterruption();
    view_.Refresh();
    return !view_.state().Encounters[target.block].Pending[EntryAt(target)];
}

int Bot::EntryAt(const Target& target) const {
    for (const EncounterContent& entry : EncounterContentOf(target.block).entries)
        if (entry.cell == target.cell) return entry.entry;
    return 15;
}

void Bot::ClearTheRuins(int rounds) {
    skipped_.clear();
    // From Rizevoz, the caves or the camp the ruins lie beyond a wagon ride.
    view_.RefreshPosition();
    if (view_.state().CurrentBlock >= 15 && view_.state().CurrentBlock <= 20) GoHome();
    for (int round = 0; round < rounds && !OutOfActions(); ++round) {
        view_.Refresh();
        // Wounds are tended in camp where the party stands; the town is for
        // what only the town gives.
        if (PartyHurt() && view_.state().CurrentBlock != 0) {
            CampAndHeal(4);
            view_.Refresh();
        }
        if (PartyHurt() || WantsTown()) GoHome();
        view_.Refresh();
        // Casters go out with their spells learned.
        if (SpellsSpent()) {
            if (view_.state().CurrentBlock == 0)
                RestAtInn();
            else
                CampAndHeal(1);
            view_.Refresh();
        }
        view_.RefreshAllEncounters();
        auto target = NextTarget();
        // Nothing safe left: the party tries what it can win only with luck (saved first).
        daring_ = kBoldDaring;
        if (!target) target = NextTarget();
        daring_ = kSafeDaring;
        if (!target) return;
        SaveGame();
        char text[96];
        std::snprintf(text, sizeof text, "To block %d, cell %d.", target->block, target->cell);
        Log(text);
        if (!Visit(*target)) {
            // Fled, beaten or cut off: leave it for later and heal.
            skipped_.insert(target->block * 1000 + target->cell);
        }
        view_.Refresh();
        if (view_.state().CurrentBlock == 0 && !PartyHurt()) SaveGame();
    }
}

int Bot::LowestLevel() const {
    const GameState& state = view_.state();
    int level = 99;
    for (int slot = 0; slot < state.NumPlayers; ++slot) level = std::min<int>(level, state.Party[slot].Level);
    return state.NumPlayers > 0 ? level : 0;
}

int Bot::Level(int character_class) const {
    const GameState& state = view_.state();
    int level = 0;
    for (int slot = 0; slot < state.NumPlayers; ++slot)
        if (state.Party[slot].Class == character_class) level = std::max<int>(level, state.Party[slot].Level);
    return level;
}

// Whether the party, rested, expects to win the battle on the cell.
bool Bot::StrongEnoughFor(int block, int cell) const {
    for (const EncounterContent& entry : EncounterContentOf(block).entries)
        if (entry.cell == cell) return CanTakeOn(entry);
    return true;
}

// The note with the password lies on the top level of Rizevoz, past a battle of the undead.
bool Bot::FetchPassword() {
    view_.Refresh();
    if (view_.state().CurrentBlock != 0) GoHome();
    if (view_.Wealth() < kWagonFare) return false;
    Log("To Rizevoz by wagon, for the note at the top of the tower.");
    if (!RideWagon("cmd2")) return false;
    SaveGame();
    expedition_ = true;
    // A defeat on the way loads the game saved on the way: go on from there.
    const int loads_before = summary_.loads_after_defeat;
    for (int attempt = 0; attempt < kTries && !knows_password_ && !OutOfActions(); ++attempt) {
        if (summary_.loads_after_defeat > loads_before + kLoadsPerExpedition) break;
        // The note's battle must be won: rested and with every spell, saved just before.
        view_.Refresh();
        if (view_.state().CurrentBlock == kPasswordBlock) {
            if (NeedsHealing() || SpellsSpent()) CampAndHeal(4);
            SaveGame();
        }
        Visit({kPasswordBlock, kPasswordCell});
        view_.Refresh();
        if (view_.state().CurrentBlock < 15 || view_.state().CurrentBlock > 18) break;
    }
    expedition_ = false;
    const bool found = knows_password_;
    Log(found ? "Back to Verezeve with the password." : "No note this time: back to Verezeve.");
    GoHome();
    return found;
}

// Through the great door, down the Foyer's stairs, past the undead to the
// cell before Von Devever's; there the party rests (no wandering monster
// comes down here), saves, and meets him, as often as it takes.
bool Bot::StormTheLair() {
    view_.Refresh();
    if (PartyHurt()) GoHome();
    SaveGame();
    Log("To the great door below the ruins.");
    expedition_ = true;
    const int loads_before = summary_.loads_after_defeat;
    for (int attempt = 0; attempt < kTries && !won_ && !OutOfActions(); ++attempt) {
        if (summary_.loads_after_defeat > loads_before + kLoadsPerExpedition) break;
        if (!WalkTo({kLairBlock, kBeforeTheVampire})) continue;
        view_.Refresh();
        if (NeedsHealing() || SpellsSpent()) CampAndHeal(4);
        SaveGame();
        Log("Before Von Devever.");
        Visit({kLairBlock, kVonDeveverCell});
    }
    expedition_ = false;
    return won_;
}

void Bot::FollowRoute() {
    StartNewGame();
    Outfit();
    RestAtInn();
    ArrangeMarchingOrder();
    for (int phase = 0; phase < 200 && !OutOfActions(); ++phase) {
        ClearTheRuins(kRoundsPerPhase);
        view_.Refresh();
        if (!knows_password_ && LowestLevel() >= kPasswordLevel) FetchPassword();
        view_.Refresh();
        if (knows_password_ && Level(3) >= kLairLevel && LowestLevel() >= kPasswordLevel && StormTheLair())
            return;
    }
}

Summary Bot::Play() {
    FollowRoute();
    view_.Refresh();
    summary_.won = won_;
    summary_.actions = session_.actions();
    for (int slot = 0; slot < view_.members(); ++slot)
        summary_.final_levels.push_back(view_.state().Party[slot].Level);
    if (!won_ && summary_.stuck.empty()) summary_.stuck = OutOfActions() ? "ran out of actions" : "no way on";
    return summary_;
}

}  // namespace duskmoor::bot
