#include "spell_plan.h"

#include <algorithm>

#include "combat/monster_catalogue.h"
#include "game_view.h"

namespace duskmoor::bot {

namespace {

int Held(const PLAYER& caster, int spell) {
    int count = 0;
    for (int pair = 0; pair < 13; ++pair)
        count += (caster.Spells[2 * pair] == 1 || caster.Spells[2 * pair] == 3) &&
                 caster.Spells[2 * pair + 1] == spell;
    return count;
}

}  // namespace

int BookLabel(const PLAYER& caster, int spell) {
    if (caster.Class == 1 && spell >= 9 && spell <= 16) return 13 + spell - 9;
    if (caster.Class == 3 && spell >= 1 && spell <= 8) return 13 + spell - 1;
    return -1;
}

std::vector<int> SpellsToLearn(const PLAYER& caster, int slots) {
    // What a full set of slots should hold, in the order the slots are filled.
    std::vector<std::pair<int, int>> wanted;  // spell, how many
    const int level = caster.Level;
    if (caster.Class == 1) {
        wanted = level >= 4
                     ? std::vector<std::pair<int, int>>{{spell_code::Sleep, 3}, {spell_code::Destroy, 13}}
                     : std::vector<std::pair<int, int>>{{spell_code::Sleep, 13}};
    } else if (caster.Class == 3) {
        const int cure = level >= 3   ? spell_code::CureCritical
                         : level >= 2 ? spell_code::CureSerious
                                      : spell_code::CureLight;
        // From level 2 one cure for poison is kept at hand: resting does not cure it, it kills.
        wanted = level >= 4   ? std::vector<std::pair<int, int>>{{spell_code::CurePoison, 1},
                                                                 {cure, 4},
                                                                 {spell_code::TouchOfDeath, 13}}
                 : level >= 2 ? std::vector<std::pair<int, int>>{{spell_code::CurePoison, 1}, {cure, 13}}
                              : std::vector<std::pair<int, int>>{{cure, 13}};
    }
    std::vector<int> spells;
    for (const auto& [spell, count] : wanted)
        for (int more = count - Held(caster, spell); more > 0 && static_cast<int>(spells.size()) < slots;
             --more)
            spells.push_back(spell);
    return spells;
}

Cast ChooseCast(const GameState& state, int slot, const std::vector<GroupSight>& groups) {
    const PLAYER& me = state.Party[slot];
    Cast cast;
    if (me.Class == 1) {
        int sleep_group = SleepTarget(state, groups);
        if (sleep_group >= 0 && ReadiedRow(me, {spell_code::Sleep}) >= 0)
            return {spell_code::Sleep, sleep_group, -1};
        int kill = KillTarget(groups);
        if (kill >= 0 && ReadiedRow(me, {spell_code::Destroy}) >= 0) return {spell_code::Destroy, kill, -1};
        return cast;
    }
    if (me.Class != 3) return cast;
    // The worst wounded of the living, the fallen first, is healed while a cure is ready.
    int patient = -1;
    double worst = 0.4;
    for (int other = 0; other < state.NumPlayers; ++other) {
        const PLAYER& p = state.Party[other];
        if ((p.Status & 256) || p.MaxHP <= 0) continue;
        double share = static_cast<double>(p.HP) / p.MaxHP;
        if (share < worst) {
            worst = share;
            patient = other;
        }
    }
    const int cure =
        ReadiedRow(me, {spell_code::CureCritical, spell_code::CureSerious, spell_code::CureLight});
    if (patient >= 0 && cure >= 0) {
        for (int spell : {spell_code::CureCritical, spell_code::CureSerious, spell_code::CureLight})
            if (ReadiedRow(me, {spell}) == cure) return {spell, -1, patient};
    }
    int kill = KillTarget(groups);
    if (kill >= 0 && ReadiedRow(me, {spell_code::TouchOfDeath}) >= 0)
        return {spell_code::TouchOfDeath, kill, -1};
    return cast;
}

}  // namespace duskmoor::bot
