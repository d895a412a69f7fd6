#pragma once
// Putting items into a character's pack and taking them out. `Load` follows
// the weight of what goes in and out.
#include <cstdint>

namespace duskmoor {

struct GameState;
struct PLAYER;

// Takes the entry at `index` out of the pack: later entries move up one place,
// the freed last entry becomes 0, and the item's weight leaves `Load`. The item
// is gone. An index outside the pack changes nothing.
void RemovePackEntry(PLAYER& character, int index);
// Takes the first `item` out of the pack as `RemovePackEntry` does; false when
// the pack holds none.
bool RemoveFirstOf(PLAYER& character, int item);
// Appends the item to the pack and adds its weight to `Load`, without asking
// whether it fits: callers ask `CanCarry` first. A full pack changes nothing.
void AppendToPack(PLAYER& character, int item);

namespace backpack {
// The backpack screen's own: the item goes to `PackOwner`'s pack. (The quest
// objects found on the way have an `AddToPack` of their own that looks for the
// first member with room and adds no weight.)
void AddToPack(GameState& state, int item);
}  // namespace backpack

}  // namespace duskmoor
