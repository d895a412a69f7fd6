#pragma once
// The map file of a block: 1203 little-endian 16-bit integers. Integer 0 is
// the width, 1 the height, then three integers for each of the 400 cells
// (walls and doors as a bit set, the first stored code, the roof code), and
// one spare integer at the end.
//
// A file that could break the game is refused as a whole: a width or height
// below 1, or more than 400 cells. Everything that reads the grid relies on
// the map fitting in cells 0..399.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "world/map_cell.h"

namespace duskmoor {

constexpr size_t kMapFileIntegers = 1203;
constexpr size_t kMapFileBytes = 2 * kMapFileIntegers;
constexpr int kMapFileCells = 400;
// A roof code of this value or more means the cell has a ceiling.
constexpr int kRoofMarker = 99;

// Wall bits of a cell in the file.
namespace wall_bits {
constexpr int NorthWall = 1, EastWall = 2, SouthWall = 4, WestWall = 8;
constexpr int NorthDoor = 16, EastDoor = 32, SouthDoor = 64, WestDoor = 128;
}  // namespace wall_bits

struct MapData {
    int16_t width = 0;
    int16_t height = 0;
    std::array<MapCell, kMapCells> cells{};
};

// Sets the wall and door flags of `value`'s bits on `cell`, highest bit
// first; bits above 128 are dropped with the west door's test. It only sets
// flags, it never clears one.
void ArrayToWalls(MapCell& cell, int value);
// The file's bit set for the walls and doors of `cell`.
int WallsToArray(const MapCell& cell);

// Whether a width and height fit the grid.
bool MapSizeFits(int width, int height);

// Decodes a file image. Missing bytes count as zero and bytes past the 2406th
// are ignored. Returns false, with the reason in `problem`, for a size that
// does not fit; `map` is then left alone.
bool DecodeMapFile(std::span<const uint8_t> bytes, MapData& map, std::string* problem = nullptr);
// Reads the file at `path` whole into a zero-filled buffer and decodes it.
// A file that cannot be opened or read is a failure too.
bool ReadMapFile(const std::string& path, MapData& map, std::string* problem = nullptr);

// The 2406 bytes of a map file. `cells` may hold fewer than 400 cells; the
// rest are stored as zeros. A cell without a roof keeps a code below 99.
std::vector<uint8_t> EncodeMapFile(int16_t width, int16_t height, std::span<const MapCell> cells);

}  // namespace duskmoor
