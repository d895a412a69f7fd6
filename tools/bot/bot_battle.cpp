// Fighting: commands for each character, NEXT between the messages, and
// running away when the fight is lost.
#include <algorithm>
#include <cstdlib>
#include <map>

#include "bot.h"
#include "combat/monster_catalogue.h"
#include "spell_plan.h"
#include "tactics.h"

namespace duskmoor::bot {

namespace {

std::string Slot(int i) {
    return "[" + std::to_string(i) + "]";
}

// The name in "Enter NAME's battle command...".
std::string CommandAsker(const std::string& message) {
    static const std::string head = "Enter ";
    static const std::string tail = "'s battle command...";
    if (message.rfind(head, 0) != 0 || message.size() < head.size() + tail.size()) return {};
    if (message.compare(message.size() - tail.size(), tail.size(), tail) != 0) return {};
    return message.substr(head.size(), message.size() - head.size() - tail.size());
}

}  // namespace

namespace {

bool Standing(const PLAYER& p) {
    return (p.Status & 256) == 0 && (p.Status & 2) == 0;
}

// What the party sees of the monster groups: their kinds, how many of each
// still fight, and whether one of a kind sleeps.
std::vector<GroupSight> Groups(const GameState& state) {
    std::vector<GroupSight> groups(std::clamp<int>(state.NumGroups, 0, 4));
    for (size_t g = 0; g < groups.size(); ++g) groups[g].type = state.EncounterGroups[g].MonsterType;
    for (int m = 0; m < state.NumMonsters && m < 41; ++m) {
        const Monster& monster = state.Monsters[m];
        for (GroupSight& group : groups) {
            if (monster.MonsterType != group.type) continue;
            if ((monster.MonsterStatus & (256 | 32)) == 0) ++group.live;
            if (monster.MonsterStatus & 8) group.asleep = true;
        }
    }
    // Two groups of one kind show the kind's whole number, as their labels do.
    return groups;
}

}  // namespace

void Bot::FightBattle() {
    std::vector<std::string> queries{"show lblMessage"};
    for (const std::string& name : BattleNames()) queries.push_back("get " + name);
    std::map<std::string, std::string> answers;
    const auto look = [&] {
        answers = session_.Query(queries);
        view_.Absorb(answers);
    };
    look();
    for (int guard = 0; session_.top() == "frmBattle2" && guard < 5000; ++guard) {
        const GameState& state = view_.state();
        const int outcome = state.BattleOutcome;
        std::vector<std::string> actions;
        if (outcome == 0 && state.AcceptingCommands == -1 && state.TurnSide == 1) {
            // The whole round's commands at once, for each standing member from the one asked.
            std::string asker = CommandAsker(answers["lblMessage"]);
            bool asking = false;
            for (int slot = 0; slot < state.NumPlayers; ++slot) {
                asking = asking || state.Party[slot].Name == asker;
                if (asking && Standing(state.Party[slot])) CommandActions(slot, actions);
            }
        }
        if (actions.empty()) {
            // Confirm messages until the next command or the end: spare presses do nothing.
            int live = 0;
            for (const GroupSight& group : Groups(state)) live += group.live;
            actions.assign(outcome != 0 ? 1 : std::clamp(live + 1, 2, 12), "key N");
        }
        view_.Absorb(answers = session_.ActAll(actions, queries));
    }
    // "ExiT" would leave the battle as if it were won: the bot never uses it.
    // A lost battle ends the game at once (and clears the outcome); the others
    // leave their outcome in the state until the next battle.
    if (session_.top() == "frmGame") {
        ++summary_.battles_lost;
        defeated_ = true;
        return;
    }
    switch (session_.GetInt("BattleOutcome")) {
        case 1:
            ++summary_.battles_won;
            break;
        case 7:
            ++summary_.battles_fled;
            break;
        case 2:
            ++summary_.battles_lost;
            defeated_ = true;
            break;
    }
}

// The clicks that give the character in `slot` its command: a target group, then the command.
void Bot::CommandActions(int slot, std::vector<std::string>& actions) {
    const GameState& state = view_.state();
    const PLAYER& me = state.Party[slot];
    const std::vector<GroupSight> groups = Groups(state);
    int target = ChooseTarget(state, groups);
    std::string command = "lblWeapon";
    // A cleric turns when some undead here give way to its level.
    int turnable = -1;
    for (size_t g = 0; g < groups.size(); ++g)
        if (groups[g].live > 0 && TurnChance(groups[g].type, me.Level) > 0) turnable = static_cast<int>(g);
    const Cast cast = spells_in_battle_ ? ChooseCast(state, slot, groups) : Cast{};
    // A battle that only stands in the way is not worth many wounds; the one
    // the party came for is fought while it can be won.
    const double outcome = ExpectedOutcome(state, groups);
    // Far from home every battle stands in the way of the goal: fought while it can be won.
    const bool run = fighting_target_ || expedition_ ? outcome <= 0 : outcome < kWorthAFight;
    bool casting = false;
    if (run) {
        command = "lblFlee";
    } else if (cast.spell != 0 && (me.Class == 1 || cast.patient >= 0 || turnable < 0)) {
        casting = true;
        command = "lblSpell";
        if (cast.group >= 0) target = cast.group;
    } else if (me.Class == 3 && turnable >= 0) {
        command = "lblTurn";
        target = turnable;
    }
    actions.push_back("click lblNumber" + Slot(target));
    actions.push_back("dblclick " + command);
    if (!casting) return;
    actions.push_back("click lblSpells" + Slot(ReadiedRow(me, {cast.spell})));
    actions.push_back("click lblCast");
    if (cast.patient >= 0) {
        actions.push_back("click lblPlayer" + Slot(cast.patient));
        actions.push_back("click lblDone");
    }
    // The spell is cast once: the next command's estimate must not count it again.
    PLAYER& caster = view_.mirror().Party[slot];
    for (int pair = 0; pair < 13; ++pair)
        if (caster.Spells[2 * pair] == 1 && caster.Spells[2 * pair + 1] == cast.spell) {
            caster.Spells[2 * pair] = 0;
            break;
        }
}

}  // namespace duskmoor::bot
