#pragma once
// Reading the map sources of a folder and the compiled map files of the game's
// Maps folder, each into a map per block.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "block_map.h"

namespace duskmoor::maps {

using BlockMaps = std::array<std::optional<BlockMap>, kBlockCount>;

// Every *.txt of `folder`; problems (unreadable, malformed, a block twice)
// are added to `errors`, each naming the file and line.
BlockMaps ReadSourceFolder(const std::string& folder, std::vector<std::string>& errors);

// The map file of every block from `folder`, by the block table's file names.
BlockMaps ReadMapFolder(const std::string& folder, std::vector<std::string>& errors);

// The map exactly as the game will read it back from its file.
BlockMap AsCompiled(const BlockMap& map);

std::vector<uint8_t> CompiledBytes(const BlockMap& map);

}  // namespace duskmoor::maps
