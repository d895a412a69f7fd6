// Fighting: commands for each character, NEXT between the messages, and
// running away when the fight is lost.
#include <cstdlib>

#include "bot.h"
#include "combat/monster_catalogue.h"
#include "tactics.h"

namespace duskmoor::bot {

namespace {

constexpr int kSleep = 10;

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

void Bot::FightBattle() {
    bool counted = false;
    const std::vector<std::string> watched{"BattleOutcome", "AcceptingCommands", "TurnSide"};
    auto values = session_.GetMany(watched);
    for (int guard = 0; session_.top() == "frmBattle2" && guard < 20000; ++guard) {
        int outcome = std::atoi(values["BattleOutcome"].c_str());
        if (outcome != 0) {
            if (!counted) {
                counted = true;
                if (outcome == 1) ++summary_.battles_won;
                if (outcome == 7) ++summary_.battles_fled;
                if (outcome == 2) {
                    ++summary_.battles_lost;
                    defeated_ = true;
                }
            }
            values = session_.Act("key N", watched);
            continue;
        }
        if (values["AcceptingCommands"] == "-1" && values["TurnSide"] == "1") {
            std::string name = CommandAsker(session_.Show("lblMessage"));
            view_.Refresh();
            int slot = -1;
            for (int s = 0; s < view_.members(); ++s)
                if (view_.state().Party[s].Name == name) slot = s;
            if (slot >= 0) {
                EnterCommand(slot);
                values = session_.GetMany(watched);
                continue;
            }
        }
        values = session_.Act("key N", watched);
    }
    if (session_.top() == "frmBattle2") session_.Act("click lblexit");
}

void Bot::EnterCommand(int slot) {
    const int groups_in_use = session_.GetInt("NumGroups");
    std::vector<std::string> names;
    for (int g = 0; g < groups_in_use; ++g) names.push_back("EncounterGroups" + Slot(g) + ".MonsterType");
    const int monsters = session_.GetInt("NumMonsters");
    for (int m = 0; m < monsters; ++m) {
        names.push_back("Monsters" + Slot(m) + ".MonsterType");
        names.push_back("Monsters" + Slot(m) + ".MonsterStatus");
    }
    auto values = session_.GetMany(names);
    std::vector<GroupSight> groups(groups_in_use);
    for (int g = 0; g < groups_in_use; ++g) {
        groups[g].type = std::atoi(values["EncounterGroups" + Slot(g) + ".MonsterType"].c_str());
        std::string number = session_.Show("lblNumber" + Slot(g));
        groups[g].live = number.size() > 2 ? std::atoi(number.c_str() + 1) : 0;
        for (int m = 0; m < monsters; ++m) {
            int type = std::atoi(values["Monsters" + Slot(m) + ".MonsterType"].c_str());
            int status = std::atoi(values["Monsters" + Slot(m) + ".MonsterStatus"].c_str());
            if (type == groups[g].type && (status & 8)) groups[g].asleep = true;
        }
    }
    const GameState& state = view_.state();
    const PLAYER& me = state.Party[slot];
    int target = ChooseTarget(state, groups);
    std::string command = "lblWeapon";
    // A cleric turns when some undead here give way to its level.
    int turnable = -1;
    for (size_t g = 0; g < groups.size(); ++g)
        if (groups[g].live > 0 && TurnChance(groups[g].type, me.Level) > 0) turnable = static_cast<int>(g);
    int sleep_group = SleepTarget(state, groups);
    // A battle that only stands in the way is not worth many wounds; the one
    // the party came for is fought while it can be won.
    const double outcome = ExpectedOutcome(state, groups);
    const bool run = fighting_target_ ? outcome <= 0 : outcome < kWorthAFight;
    if (run && !no_running_) {
        command = "lblFlee";
    } else if (me.Class == 1 && spells_in_battle_ && sleep_group >= 0 && ReadiedRow(me, {kSleep}) >= 0) {
        target = sleep_group;
        command = "lblSpell";
    } else if (me.Class == 3 && turnable >= 0) {
        command = "lblTurn";
        target = turnable;
    }
    session_.Act("click lblNumber" + Slot(target));
    session_.Act("dblclick " + command);
    // A game whose battles cast no spells keeps its magic-users to their weapons.
    if (command == "lblSpell" && session_.top() != "frmMagic") spells_in_battle_ = false;
    if (command == "lblSpell" && session_.top() == "frmMagic") {
        session_.Act("click lblSpells" + Slot(ReadiedRow(me, {kSleep})));
        session_.Act("click lblCast");
        if (session_.top() == "frmMagic") session_.Act("click lblCancel");
    }
    // A refused command (a group already beaten) leaves the screen waiting: strike the first live group.
    SettleTo("frmBattle2");
}

}  // namespace duskmoor::bot
