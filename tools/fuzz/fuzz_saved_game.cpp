// Fuzz target: the saved-game loader. Any input must be either refused or
// decoded into a state that writes back to exactly the same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "party/save_file_format.h"
#include "shell/game_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    duskmoor::GameState saved;
    duskmoor::FileRefusal refusal;
    if (!duskmoor::DecodeSavedGame({data, size}, saved, &refusal)) return 0;
    std::vector<uint8_t> written;
    if (!duskmoor::EncodeSavedGame(saved, written)) std::abort();
    if (written != std::vector<uint8_t>(data, data + size)) std::abort();
    return 0;
}
