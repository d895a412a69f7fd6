// Fuzz target: the character-file loader. Any input must be either refused or
// decoded into a record that writes back to exactly the same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "party/save_file_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    duskmoor::PLAYER character;
    duskmoor::FileRefusal refusal;
    if (!duskmoor::DecodeCharacter({data, size}, character, &refusal)) return 0;
    std::vector<uint8_t> written;
    if (!duskmoor::EncodeCharacter(character, written)) std::abort();
    if (written != std::vector<uint8_t>(data, data + size)) std::abort();
    return 0;
}
