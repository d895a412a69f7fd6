#include "events/council.h"

#include "shell/game.h"

namespace duskmoor {

// STAND-INS until the quests arrive: the council listens and has nothing to
// say yet. The quest code replaces both bodies.
void RedeemQuestObject(Game& /*game*/) {}

void OpenQuestsScreen(Game& /*game*/) {}

}  // namespace duskmoor
