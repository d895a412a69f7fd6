#include "items/pack.h"

#include <algorithm>

#include "items/item_catalogue.h"
#include "shell/game_state.h"

namespace duskmoor {

void RemovePackEntry(PLAYER& character, int index) {
    const int count = std::clamp<int>(character.PackCount, 0, static_cast<int>(character.Pack.size()));
    if (index < 0 || index >= count) return;
    const int item = character.Pack[index];
    std::copy(character.Pack.begin() + index + 1, character.Pack.begin() + count,
              character.Pack.begin() + index);
    character.Pack[count - 1] = 0;
    character.PackCount = static_cast<int16_t>(count - 1);
    character.Load = static_cast<int16_t>(character.Load - ItemWeight(item));
}

bool RemoveFirstOf(PLAYER& character, int item) {
    const int count = std::clamp<int>(character.PackCount, 0, static_cast<int>(character.Pack.size()));
    const auto end = character.Pack.begin() + count;
    const auto found = std::find(character.Pack.begin(), end, item);
    if (found == end) return false;
    RemovePackEntry(character, static_cast<int>(found - character.Pack.begin()));
    return true;
}

void AppendToPack(PLAYER& character, int item) {
    if (character.PackCount < 0 || character.PackCount >= static_cast<int>(character.Pack.size())) return;
    character.Pack[character.PackCount] = static_cast<int16_t>(item);
    ++character.PackCount;
    character.Load = static_cast<int16_t>(character.Load + ItemWeight(item));
}

namespace backpack {
void AddToPack(GameState& state, int item) {
    if (state.PackOwner < 0 || state.PackOwner > 3) return;
    AppendToPack(state.Party[state.PackOwner], item);
}
}  // namespace backpack

}  // namespace duskmoor
