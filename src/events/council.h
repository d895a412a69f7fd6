#pragma once
// What the town council offers: a reward for a quest object brought back, and
// the quests screen.

namespace duskmoor {

struct Game;

// The council's "Redeem": takes a quest object from the party for its reward.
void RedeemQuestObject(Game& game);
// Opens the quests screen in `QuestsMode` (1 completed quests, 2 the objects sought).
void OpenQuestsScreen(Game& game);

}  // namespace duskmoor
