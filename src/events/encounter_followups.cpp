#include "events/encounter_followups.h"

namespace duskmoor {

// The notes, the quest objects and the finale are told by the quest and log
// screens; until they exist the party finds nothing after these battles and
// the entries are simply done.

void ShowNote(Game&, int16_t) {}

bool RevealQuestObject(Game&, int16_t) {
    return true;
}

void GameFinale(Game&) {}

}  // namespace duskmoor
