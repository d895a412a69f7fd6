#pragma once
// The notes the party finds in the ruins.
#include <cstdint>

namespace duskmoor {

struct Game;

// Puts note `number` (0..32) before the party: it becomes `NoteText` and the
// adventure log opens on the clues with the note appended.
void ShowNote(Game& game, int number);

}  // namespace duskmoor
