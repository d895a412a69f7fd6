#pragma once
// The buildings of Verezeve: every set encounter of the town's block is a door
// into one of them.

namespace duskmoor {

struct Game;

// Opens the building of town entry `index` and carries out what the party
// chose there: a ride on the wagon, stepping back out onto the street, or
// going on through the inn.
void EncounterTown(Game& game, int index);
// The town's part of the set encounters: the building, then the fight with
// the guards when the party attacked them. The entry is done only after a
// guard battle that did not end badly.
void HandleTownEncounter(Game& game, int index);

}  // namespace duskmoor
