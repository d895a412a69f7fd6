#pragma once
#include <cstdint>

namespace duskmoor {

// One square of a block map: its four sides (a door is stored as wall + door),
// whether it is roofed, and two stored codes that no rule reads.
struct MapCell {
    int16_t NorthWall = 0;
    int16_t EastWall = 0;
    int16_t SouthWall = 0;
    int16_t WestWall = 0;
    int16_t NorthDoor = 0;
    int16_t EastDoor = 0;
    int16_t SouthDoor = 0;
    int16_t WestDoor = 0;
    int16_t Roofed = 0;
    int16_t Code2 = 0;
    int16_t Code1 = 0;

    bool operator==(const MapCell&) const = default;

    // Every field by name, in order, for `VisitFields`.
    template <typename Visitor, typename... Self>
    static void FieldsOf(Visitor& visit, Self&... cell) {
        visit.Field("NorthWall", cell.NorthWall...);
        visit.Field("EastWall", cell.EastWall...);
        visit.Field("SouthWall", cell.SouthWall...);
        visit.Field("WestWall", cell.WestWall...);
        visit.Field("NorthDoor", cell.NorthDoor...);
        visit.Field("EastDoor", cell.EastDoor...);
        visit.Field("SouthDoor", cell.SouthDoor...);
        visit.Field("WestDoor", cell.WestDoor...);
        visit.Field("Roofed", cell.Roofed...);
        visit.Field("Code2", cell.Code2...);
        visit.Field("Code1", cell.Code1...);
    }
};

constexpr int kMapCells = 401;  // cells 0..400; a map uses at most 400
constexpr int kBlockCount = 22;

}  // namespace duskmoor
