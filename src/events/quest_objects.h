#pragma once
// The fourteen objects the town council wants back: where a found one goes,
// how the council rewards it, and the lists of the quests screen.
#include <cstdint>
#include <string>

namespace duskmoor {

struct Game;
struct GameState;

constexpr int kQuestObjects = 14;  // objects 1..14
// Object n is the item with code 99 + n.
constexpr int16_t kFirstQuestItem = 100, kLastQuestItem = 113;
constexpr int32_t kRedeemExperience = 200;

struct QuestObjectInfo {
    const char* found_message;  // said when the party comes upon it
    const char* council_name;   // in the council's reward message
    int32_t reward;             // gold pieces
    const char* list_name;      // on the quests screen
};
// Object 1..14; object 0 is an empty entry.
const QuestObjectInfo& QuestObjectOf(int object);
bool IsQuestItem(int16_t item);
std::string GetQuestName(int object);

// The quests screen's two lists: the objects redeemed so far (`QuestsMode` 1)
// and every object sought (`QuestsMode` 2).
std::string ShowCompleted(const GameState& state);
std::string ShowQuests();

// Object `object` is found: its message, then the first pack with room takes
// it. Returns whether anyone took it.
bool RevealQuestObject(Game& game, int object);

namespace main_screen {
// The main screen's way of handing a found object to the party: the first
// member in slot order with room in the pack takes it, and says so. The
// object weighs nothing. False when nobody has room.
bool AddToPack(Game& game, int16_t item);
}  // namespace main_screen

// The council's "Redeem": the first quest object in the party (lowest slot,
// then lowest pack entry) is handed over for its reward.
void RedeemQuestObject(Game& game);
// The reward for `item` to `member`, asking before it overloads them; then 200
// experience for every member.
void GetReward(Game& game, int member, int16_t item);
// Takes the item out of pack entry `slot` of `member`; later entries move up.
void RemoveQuestObject(GameState& state, int slot, int member);

}  // namespace duskmoor
