#include "events/speeches.h"

namespace duskmoor {

// The king's speech and the starting purse arrive with the quests.
void ShowKingSpeech(Game& /*game*/) {}

}  // namespace duskmoor
