#include "town/training.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/codepage.h"
#include "core/dice.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "town/money.h"

namespace duskmoor {
namespace {

// By class, the experience for levels 2 to 6.
constexpr std::array<std::array<int32_t, 5>, 4> kExperienceTable = {{
    {2000, 4000, 8000, 16000, 32000},   // fighter
    {2500, 5000, 10000, 20000, 40000},  // magic-user
    {1200, 2400, 5000, 10000, 20000},   // thief
    {1500, 3000, 6000, 12000, 25000},   // cleric
}};

struct HitDie {
    int16_t sides;
    int16_t least;
};
constexpr std::array<HitDie, 4> kHitDice = {{{8, 5}, {4, 3}, {4, 3}, {6, 4}}};

constexpr int16_t kAbilityCeiling = 18;

void RaiseAbility(int16_t& ability) {
    if (ability < kAbilityCeiling) ++ability;
}

bool ReadyForTraining(const GameState& state, int member) {
    const PLAYER& character = state.Party[member];
    return character.Level < kTopLevel && ReadyToAdvance(state, character.Class, character.Level, member);
}

void OfferTraining(Game& game, int member) {
    const std::string name = Cp1252ToUtf8(game.state.Party[member].Name);
    ShowDialog(game, name + " is ready for advancement.");
    const std::string question = "Training will cost 1000 gps...train " + name + "?";
    if (ShowDialog(game, question, dialog::YesNo) != dialog::Yes) return;
    if (!PayGoldTelling(game, kTrainingPrice)) return;
    LevelUp(game.state, member);
    ShowDialog(game, name + " has advanced one level.");
    if (game.view) game.view->RefreshPartyPanel();
}

}  // namespace

int32_t ExpForLevel(int character_class, int level) {
    if (character_class < 0 || character_class > 3 || level < 2 || level > kTopLevel) return -1;
    return kExperienceTable[character_class][level - 2];
}

bool ReadyToAdvance(const GameState& state, int character_class, int level, int member) {
    const int32_t needed = ExpForLevel(character_class, level + 1);
    return needed >= 0 && state.Party[member].Experience >= needed;
}

void LevelUp(GameState& state, int member) {
    PLAYER& character = state.Party[member];
    ++character.Level;
    --character.ToHit;
    for (int16_t* ability : {&character.Strength, &character.Wisdom, &character.Intelligence,
                             &character.Dexterity, &character.Constitution, &character.Charisma})
        RaiseAbility(*ability);
    const HitDie die = kHitDice[std::clamp<int>(character.Class, 0, 3)];
    const int16_t gain = std::max(RollDice(1, die.sides), die.least);
    character.MaxHP = static_cast<int16_t>(character.MaxHP + gain);
}

void TrainParty(Game& game) {
    bool anyone_ready = false;
    for (int member = 0; member < std::clamp<int>(game.state.NumPlayers, 0, 4); ++member) {
        if (!ReadyForTraining(game.state, member)) continue;
        anyone_ready = true;
        OfferTraining(game, member);
    }
    ShowDialog(game, anyone_ready ? "No other characters are ready for advancement."
                                  : "No characters are ready for advancement.");
}

}  // namespace duskmoor
