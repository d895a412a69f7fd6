#include "events/council.h"

#include "events/frm_quests.h"
#include "shell/game.h"

namespace duskmoor {

// The council's "Redeem" is `RedeemQuestObject` of the quest objects.

void OpenQuestsScreen(Game& game) {
    ShowQuestsScreen(game, game.state.QuestsMode);
}

}  // namespace duskmoor
