#include "events/quest_objects.h"

#include <array>

#include "core/codepage.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "town/money.h"

namespace duskmoor {
namespace {

constexpr int16_t kPackSize = 24;

constexpr std::array<QuestObjectInfo, kQuestObjects + 1> kQuestObjectTable = {{
    {"", "", 0, ""},
    {"Among the bodies, you find Sir Richard's ring!", "Sir Richard's Ring", 450, "Sir Richard's Ring"},
    {"You have found the Traveller's Sword!", "the Traveller's Sword", 500, "Traveller's Sword"},
    {"You find 'Rizevoz's Royalty' lying among broken furniture.", "Rizevoz's Royalty", 650,
     "'Rizevoz's Royalty'"},
    {"Hidden beneath religious artifacts, you find the Chalice of Therah.", "the Chalice of Therah", 800,
     "Chalice of Therah"},
    {"You have found Hhalan's Tapestry!", "Khalan's Tapestry", 1000, "Khalan's Tapestry"},
    {"Among the fallen bodies, you find the Golden Key of Teshukh.", "the Golden Key of Teshukh", 1200,
     "Golden Key of Teshukh"},
    {"Next to the bodies you find the Moonsea Helm!", "the Moonsea Helm", 1400, "Moonsea Helm"},
    {"Among the bodies you find Lea's Golden Mace!", "Lea's Golden Mace", 1600, "Lea's Golden Mace"},
    {"You have found the Magi Staff.", "the Magi Staff", 1800, "Magi Staff"},
    {"You have found the Statue of Ehl-Delahn!", "the Statue of Ehl-Delahn", 2000, "Statue of Eh-Delahn"},
    {"Next to the bodies you find the Golden Flail.", "the Golden Flail", 2200, "The Golden Flail"},
    {"Hidden under some rubble you find the Baron's Lantern!", "the Baron's Lantern", 2400,
     "The Baron's Lantern"},
    {"You have found the Fire Gem!", "the Fire Gem", 2600, "The Fire Gem"},
    {"Among the bodies you find the Crown of Draco!", "the Crown of Draco", 2800, "The Crown of Draco"},
}};

}  // namespace

const QuestObjectInfo& QuestObjectOf(int object) {
    if (object < 1 || object > kQuestObjects) return kQuestObjectTable[0];
    return kQuestObjectTable[object];
}

bool IsQuestItem(int16_t item) {
    return item >= kFirstQuestItem && item <= kLastQuestItem;
}

std::string GetQuestName(int object) {
    return QuestObjectOf(object).list_name;
}

std::string ShowCompleted(const GameState& state) {
    std::string text = "Completed quests...\n\n";
    for (int object = 0; object <= kQuestObjects; ++object) {
        if (IsSet(state.QuestsDone[object])) text += GetQuestName(object) + "\n";
    }
    return text;
}

std::string ShowQuests() {
    std::string text =
        "If you should find any of these items in your travels, bring them back here for a generous "
        "reward...\n\n";
    for (int object = 1; object <= kQuestObjects; ++object) text += GetQuestName(object) + "\n";
    return text;
}

bool RevealQuestObject(Game& game, int object) {
    ShowDialog(game, QuestObjectOf(object).found_message);
    if (main_screen::AddToPack(game, static_cast<int16_t>(kFirstQuestItem - 1 + object))) return true;
    ShowDialog(game, "No one has any room to carry this object...make room or come back later.");
    return false;
}

namespace main_screen {

bool AddToPack(Game& game, int16_t item) {
    GameState& state = game.state;
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        PLAYER& member = state.Party[slot];
        if (member.PackCount >= kPackSize) continue;
        member.Pack[member.PackCount] = item;
        ++member.PackCount;
        ShowDialog(game, Cp1252ToUtf8(member.Name) + " has the object.");
        return true;
    }
    return false;
}

}  // namespace main_screen

void RedeemQuestObject(Game& game) {
    GameState& state = game.state;
    for (int member = 0; member < state.NumPlayers; ++member) {
        const PLAYER& character = state.Party[member];
        for (int slot = 0; slot < character.PackCount && slot < kPackSize; ++slot) {
            const int16_t item = character.Pack[slot];
            if (!IsQuestItem(item)) continue;
            GetReward(game, member, item);
            state.QuestsDone[item - (kFirstQuestItem - 1)] = True;
            RemoveQuestObject(state, slot, member);
            return;
        }
    }
    ShowDialog(game, "No quest objects to redeem.");
}

void GetReward(Game& game, int member, int16_t item) {
    GameState& state = game.state;
    PLAYER& character = state.Party[member];
    const QuestObjectInfo& object = QuestObjectOf(item - (kFirstQuestItem - 1));
    const int32_t reward = object.reward;
    ShowDialog(game, std::string("Your reward for ") + object.council_name + " is " + std::to_string(reward) +
                         " gold pieces!");
    const std::string name = Cp1252ToUtf8(character.Name);
    if (character.Load + reward >= character.MaxLoad) {
        if (ShowDialog(game, name + " will be overloaded, split money?", dialog::YesNo) == dialog::Yes) {
            const int32_t left_behind = SplitMoney(state, coin::Gold, reward);
            if (left_behind > 0) ShowDialog(game, LeftBehindNotice(left_behind));
        } else {
            const int32_t fits = std::max<int32_t>(0, character.MaxLoad - character.Load);
            character.Gold += fits;
            character.Load = static_cast<int16_t>(character.Load + fits);
            ShowDialog(game, name + " received" + std::to_string(fits) + " gold pieces.");
        }
    } else {
        character.Gold += reward;
        character.Load = static_cast<int16_t>(character.Load + reward);
    }
    ShowDialog(game, "Each player earns 200 experience points.");
    for (int slot = 0; slot < state.NumPlayers; ++slot) state.Party[slot].Experience += kRedeemExperience;
}

void RemoveQuestObject(GameState& state, int slot, int member) {
    PLAYER& character = state.Party[member];
    if (slot < 0 || slot >= character.PackCount || slot >= kPackSize) return;
    for (int entry = slot; entry + 1 < character.PackCount && entry + 1 < kPackSize; ++entry)
        character.Pack[entry] = character.Pack[entry + 1];
    character.Pack[std::min<int>(character.PackCount, kPackSize) - 1] = 0;
    --character.PackCount;
}

}  // namespace duskmoor
