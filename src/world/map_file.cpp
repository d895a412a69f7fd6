#include "world/map_file.h"

#include <algorithm>
#include <array>

#include "core/int16.h"
#include "core/safe_file.h"

namespace duskmoor {
namespace {

int16_t IntegerAt(std::span<const uint8_t> bytes, size_t index) {
    size_t offset = 2 * index;
    uint8_t low = offset < bytes.size() ? bytes[offset] : 0;
    uint8_t high = offset + 1 < bytes.size() ? bytes[offset + 1] : 0;
    return static_cast<int16_t>(low | (high << 8));
}

void PutInteger(std::vector<uint8_t>& bytes, size_t index, int value) {
    uint16_t raw = static_cast<uint16_t>(value);
    bytes[2 * index] = static_cast<uint8_t>(raw & 0xFF);
    bytes[2 * index + 1] = static_cast<uint8_t>(raw >> 8);
}

void DecodeRoof(MapCell& cell, int value) {
    if (value >= kRoofMarker) {
        cell.Roofed = True;
        cell.Code2 = static_cast<int16_t>(value - kRoofMarker);
    } else {
        cell.Roofed = False;
        cell.Code2 = static_cast<int16_t>(value);
    }
}

}  // namespace

void ArrayToWalls(MapCell& cell, int value) {
    if (value >= wall_bits::WestDoor) {
        cell.WestDoor = 1;
        value &= wall_bits::WestDoor - 1;
    }
    const std::array<std::pair<int, int16_t MapCell::*>, 7> lower_bits = {{
        {wall_bits::SouthDoor, &MapCell::SouthDoor},
        {wall_bits::EastDoor, &MapCell::EastDoor},
        {wall_bits::NorthDoor, &MapCell::NorthDoor},
        {wall_bits::WestWall, &MapCell::WestWall},
        {wall_bits::SouthWall, &MapCell::SouthWall},
        {wall_bits::EastWall, &MapCell::EastWall},
        {wall_bits::NorthWall, &MapCell::NorthWall},
    }};
    for (const auto& [bit, field] : lower_bits) {
        if (value >= bit) {
            cell.*field = 1;
            value -= bit;
        }
    }
}

int WallsToArray(const MapCell& cell) {
    int value = 0;
    if (cell.NorthWall) value |= wall_bits::NorthWall;
    if (cell.EastWall) value |= wall_bits::EastWall;
    if (cell.SouthWall) value |= wall_bits::SouthWall;
    if (cell.WestWall) value |= wall_bits::WestWall;
    if (cell.NorthDoor) value |= wall_bits::NorthDoor;
    if (cell.EastDoor) value |= wall_bits::EastDoor;
    if (cell.SouthDoor) value |= wall_bits::SouthDoor;
    if (cell.WestDoor) value |= wall_bits::WestDoor;
    return value;
}

bool MapSizeFits(int width, int height) {
    return width >= 1 && height >= 1 && width * height <= kMapFileCells;
}

bool DecodeMapFile(std::span<const uint8_t> bytes, MapData& map, std::string* problem) {
    bytes = bytes.first(std::min(bytes.size(), kMapFileBytes));
    int16_t width = IntegerAt(bytes, 0);
    int16_t height = IntegerAt(bytes, 1);
    if (!MapSizeFits(width, height)) {
        if (problem) {
            *problem = "a map of " + std::to_string(width) + " x " + std::to_string(height) +
                       " cells does not fit the 400-cell grid";
        }
        return false;
    }
    MapData decoded;
    decoded.width = width;
    decoded.height = height;
    for (int index = 0; index < kMapFileCells; ++index) {
        MapCell& cell = decoded.cells[index];
        size_t first = 2 + 3 * static_cast<size_t>(index);
        ArrayToWalls(cell, IntegerAt(bytes, first));
        cell.Code1 = IntegerAt(bytes, first + 1);
        DecodeRoof(cell, IntegerAt(bytes, first + 2));
    }
    map = decoded;
    return true;
}

bool ReadMapFile(const std::string& path, MapData& map, std::string* problem) {
    // A short file counts as zero-filled, and bytes past the map are ignored.
    std::vector<uint8_t> buffer;
    std::string error;
    if (!ReadFileStart(path, kMapFileBytes, buffer, error)) {
        if (problem) *problem = error;
        return false;
    }
    return DecodeMapFile(buffer, map, problem);
}

std::vector<uint8_t> EncodeMapFile(int16_t width, int16_t height, std::span<const MapCell> cells) {
    std::vector<uint8_t> bytes(kMapFileBytes, 0);
    PutInteger(bytes, 0, width);
    PutInteger(bytes, 1, height);
    size_t count = std::min(cells.size(), static_cast<size_t>(kMapFileCells));
    for (size_t index = 0; index < count; ++index) {
        const MapCell& cell = cells[index];
        size_t first = 2 + 3 * index;
        PutInteger(bytes, first, WallsToArray(cell));
        PutInteger(bytes, first + 1, cell.Code1);
        PutInteger(bytes, first + 2, IsSet(cell.Roofed) ? cell.Code2 + kRoofMarker : cell.Code2);
    }
    return bytes;
}

}  // namespace duskmoor
