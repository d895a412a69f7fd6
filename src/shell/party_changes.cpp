#include "shell/party_changes.h"

#include <utility>

#include "core/int16.h"
#include "core/rounding.h"
#include "shell/game_state.h"

namespace duskmoor {

void RemoveFromParty(GameState& state, int slot) {
    const int count = state.NumPlayers;
    if (slot < 0 || slot >= count) return;
    for (int later = slot + 1; later < count; ++later) {
        state.Party[later - 1] = state.Party[later];
        --state.Party[later - 1].Position;
    }
    state.Party[count - 1] = PLAYER{};
    --state.NumPlayers;
    for (int vacant = state.NumPlayers; vacant < 4; ++vacant) state.Party[vacant].Active = False;
}

int SlotAtPosition(const GameState& state, int position) {
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        const PLAYER& member = state.Party[slot];
        if (IsSet(member.Active) && member.Position == position) return slot;
    }
    return -1;
}

int TypedPosition(const std::string& text) {
    // The range holds for the number as typed (0.6 and 4.5 are outside it).
    double typed = 0;
    long long position = 0;
    if (!ParseNumber(text, typed) || typed < 1 || typed > 4 || !ParseRoundedNumber(text, position)) return 0;
    return static_cast<int>(position);
}

SwapResult SwapPositions(GameState& state, const std::string& first, const std::string& second) {
    const int first_position = TypedPosition(first);
    const int second_position = TypedPosition(second);
    if (first_position == 0 || second_position == 0 || first_position == second_position)
        return SwapResult::Ignored;
    const int first_slot = SlotAtPosition(state, first_position);
    const int second_slot = SlotAtPosition(state, second_position);
    if (first_slot < 0 || second_slot < 0) return SwapResult::NobodyThere;
    std::swap(state.Party[first_slot].Position, state.Party[second_slot].Position);
    return SwapResult::Swapped;
}

void SortSlotsByPosition(GameState& state) {
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        const int holder = SlotAtPosition(state, slot + 1);
        if (holder > slot) std::swap(state.Party[slot], state.Party[holder]);
    }
}

}  // namespace duskmoor
