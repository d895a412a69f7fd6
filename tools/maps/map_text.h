#pragma once
// The readable source of a block's map (data/maps/*.txt): a header, then the
// plan drawn in characters, walls and doors between the cells, then optional
// per-cell codes. data/maps/README.md describes the format.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "block_map.h"

namespace duskmoor::maps {

// Reads a map source. On failure returns null and sets `error` to a message
// that starts with the line number ("line 7: ...").
std::optional<BlockMap> ParseMapText(std::string_view text, std::string& error);

// The two marks written beside a cell's roof mark; a plan printed with marks
// still parses, since the compiler ignores them.
struct CellMarks {
    char left = ' ';
    char right = ' ';
};
using CellMarker = std::function<CellMarks(int x, int y)>;

// Writes the map in the source format; `marker` may be empty.
std::string WriteMapText(const BlockMap& map, const CellMarker& marker = {});

}  // namespace duskmoor::maps
