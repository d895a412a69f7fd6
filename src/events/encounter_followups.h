#pragma once
// What some set battles lead to once they are won: a note found on the
// ground, a quest object, the finale after the vampire's fall.
#include <cstdint>

namespace duskmoor {

struct Game;

// Puts note `note` among the clues and opens the adventure log on it.
void ShowNote(Game& game, int16_t note);
// Shows quest object `object` and offers it to the party; false when nobody
// took it, so the encounter comes again.
bool RevealQuestObject(Game& game, int16_t object);
// The ending after Von Devever's defeat.
void GameFinale(Game& game);

}  // namespace duskmoor
