#include "world/map_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/int16.h"
#include "world_test_support.h"

namespace duskmoor {
namespace {

// A file image of `size` zero bytes with little-endian integers set at their index.
struct FileImage {
    explicit FileImage(size_t size = kMapFileBytes) : bytes(size, 0) {}
    FileImage& Set(size_t index, int value) {
        uint16_t raw = static_cast<uint16_t>(value);
        bytes.at(2 * index) = static_cast<uint8_t>(raw & 0xFF);
        bytes.at(2 * index + 1) = static_cast<uint8_t>(raw >> 8);
        return *this;
    }
    FileImage& Cell(int cell, int walls, int code1, int roof) {
        return Set(2 + 3 * cell, walls).Set(3 + 3 * cell, code1).Set(4 + 3 * cell, roof);
    }
    std::vector<uint8_t> bytes;
};

MapCell Walls(int value) {
    MapCell cell;
    ArrayToWalls(cell, value);
    return cell;
}

TEST(MapFile, WallBitsAreDecodedFromTheHighestDown) {
    MapCell door_north = Walls(17);
    MapCell expected;
    expected.NorthWall = 1;
    expected.NorthDoor = 1;
    EXPECT_EQ(std::memcmp(&door_north, &expected, sizeof expected), 0);

    MapCell all = Walls(255);
    for (int16_t flag : {all.NorthWall, all.EastWall, all.SouthWall, all.WestWall, all.NorthDoor,
                         all.EastDoor, all.SouthDoor, all.WestDoor})
        EXPECT_EQ(flag, 1);
    EXPECT_EQ(all.Roofed, 0);
    EXPECT_EQ(all.Code1, 0);

    // The west door's test drops every bit from 128 up: 300 is 256 + 32 + 8 + 4.
    MapCell high = Walls(300);
    EXPECT_EQ(high.WestDoor, 1);
    EXPECT_EQ(high.EastDoor, 1);
    EXPECT_EQ(high.WestWall, 1);
    EXPECT_EQ(high.SouthWall, 1);
    EXPECT_EQ(high.NorthWall + high.EastWall + high.NorthDoor + high.SouthDoor, 0);

    // A negative value passes no test at all.
    MapCell negative = Walls(-1);
    EXPECT_EQ(WallsToArray(negative), 0);

    // Decoding only ever sets a flag.
    MapCell kept;
    kept.SouthWall = 1;
    ArrayToWalls(kept, 1);
    EXPECT_EQ(kept.SouthWall, 1);
    EXPECT_EQ(kept.NorthWall, 1);
    for (int value = 0; value < 256; ++value) EXPECT_EQ(WallsToArray(Walls(value)), value) << value;
}

TEST(MapFile, DecodesWidthHeightCellsAndRoofs) {
    FileImage image;
    image.Set(0, 3).Set(1, 2);
    image.Cell(0, 17, 0, 0).Cell(1, 255, 258, 0).Cell(4, 0, 0, 98).Cell(5, 0, -7, 99);
    image.Cell(2, 2 + 32, 0, 100).Cell(399, 8, 5, 150);
    image.Set(1202, 0x7FFF);  // the spare integer
    MapData map;
    ASSERT_TRUE(DecodeMapFile(image.bytes, map));
    EXPECT_EQ(map.width, 3);
    EXPECT_EQ(map.height, 2);
    EXPECT_EQ(map.cells[0].NorthWall, 1);
    EXPECT_EQ(map.cells[0].NorthDoor, 1);
    EXPECT_EQ(map.cells[0].EastWall, 0);
    EXPECT_EQ(WallsToArray(map.cells[1]), 255);
    EXPECT_EQ(map.cells[1].Code1, 258);
    EXPECT_EQ(map.cells[4].Roofed, False);
    EXPECT_EQ(map.cells[4].Code2, 98);
    EXPECT_EQ(map.cells[5].Roofed, True);
    EXPECT_EQ(map.cells[5].Code2, 0);
    EXPECT_EQ(map.cells[5].Code1, -7);
    EXPECT_EQ(map.cells[2].EastWall, 1);
    EXPECT_EQ(map.cells[2].EastDoor, 1);
    EXPECT_EQ(map.cells[2].Code2, 1);
    // Cells past the map's own are loaded like the others.
    EXPECT_EQ(map.cells[399].WestWall, 1);
    EXPECT_EQ(map.cells[399].Code1, 5);
    EXPECT_EQ(map.cells[399].Roofed, True);
    EXPECT_EQ(map.cells[399].Code2, 51);
    EXPECT_EQ(map.cells[400].Code1, 0);
}

TEST(MapFile, ShortFilesAreZeroFilledAndLongOnesCutAt2406Bytes) {
    // Width, height and the wall value of cell 0 only.
    FileImage full;
    full.Set(0, 2).Set(1, 2).Cell(0, 4, 0, 0);
    std::vector<uint8_t> short_bytes(full.bytes.begin(), full.bytes.begin() + 6);
    MapData map;
    map.cells[0].Code1 = 9;  // replaced by the decoded map
    ASSERT_TRUE(DecodeMapFile(short_bytes, map));
    EXPECT_EQ(map.width, 2);
    EXPECT_EQ(map.cells[0].SouthWall, 1);
    EXPECT_EQ(map.cells[0].Code1, 0);
    EXPECT_EQ(map.cells[0].Roofed, False);

    // A file cut inside an integer keeps its low byte.
    std::vector<uint8_t> odd(full.bytes.begin(), full.bytes.begin() + 5);
    odd[4] = 0x03;
    ASSERT_TRUE(DecodeMapFile(odd, map));
    EXPECT_EQ(WallsToArray(map.cells[0]), 3);

    // Bytes past the file's end change nothing, even when they would be valid integers.
    FileImage longer(kMapFileBytes + 6);
    longer.Set(0, 2).Set(1, 2).Set(1203, 1).Set(1204, 1).Set(1205, 99);
    ASSERT_TRUE(DecodeMapFile(longer.bytes, map));
    EXPECT_EQ(WallsToArray(map.cells[400]), 0);
    EXPECT_EQ(map.cells[400].Roofed, False);
}

TEST(MapFile, SizesThatDoNotFitTheGridAreRefused) {
    struct Case {
        int width, height;
        bool fits;
    };
    const Case cases[] = {{20, 20, true},  {1, 400, true},   {400, 1, true},       {1, 1, true},
                          {21, 20, false}, {401, 1, false},  {0, 5, false},        {5, 0, false},
                          {-1, -5, false}, {-20, 20, false}, {32767, 32767, false}};
    for (const Case& size : cases) {
        FileImage image;
        image.Set(0, size.width).Set(1, size.height).Cell(0, 1, 0, 0);
        MapData map;
        map.width = 7;
        map.cells[0].Code1 = 33;
        std::string problem;
        EXPECT_EQ(DecodeMapFile(image.bytes, map, &problem), size.fits) << size.width << " x " << size.height;
        EXPECT_EQ(MapSizeFits(size.width, size.height), size.fits);
        if (!size.fits) {
            EXPECT_EQ(map.width, 7);
            EXPECT_EQ(map.cells[0].Code1, 33);
            EXPECT_EQ(map.cells[0].NorthWall, 0);
            EXPECT_FALSE(problem.empty());
        }
    }
    MapData map;
    EXPECT_FALSE(DecodeMapFile({}, map));  // an empty file is a 0 x 0 map
}

TEST(MapFile, EncodesTheExactLayout) {
    std::vector<MapCell> cells(3);
    cells[0].NorthWall = 1;
    cells[0].NorthDoor = 1;
    cells[1].WestDoor = 1;
    cells[1].WestWall = 1;
    cells[1].Code1 = 0x1234;
    cells[2].Roofed = True;
    cells[2].Code2 = 2;
    std::vector<uint8_t> bytes = EncodeMapFile(3, 1, cells);
    ASSERT_EQ(bytes.size(), 2406u);
    const std::vector<uint8_t> head = {3,   0, 1,    0,    17,  0, 0, 0, 0, 0,  // width, height, cell 0
                                       136, 0, 0x34, 0x12, 0,   0,              // cell 1
                                       0,   0, 0,    0,    101, 0};             // cell 2
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + head.size()), head);
    for (size_t i = head.size(); i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << i;

    MapData map;
    ASSERT_TRUE(DecodeMapFile(bytes, map));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(std::memcmp(&map.cells[i], &cells[i], sizeof(MapCell)), 0) << i;

    // More than 400 cells: only the first 400 fit the file.
    std::vector<MapCell> too_many(kMapCells);
    too_many[400].Code1 = 5;
    EXPECT_EQ(EncodeMapFile(20, 20, too_many).size(), 2406u);
}

TEST(MapFile, ReadsWholeFilesFromDisk) {
    world_test::TestWorld world;
    std::string folder = world.game.state.AppPath + "Maps/";
    MapData map;
    std::string problem;
    EXPECT_FALSE(ReadMapFile(folder + "Nowhere.map", map, &problem));
    EXPECT_NE(problem.find("Nowhere.map"), std::string::npos);
    EXPECT_FALSE(ReadMapFile(folder, map));  // a folder is not a map

    FileImage image(kMapFileBytes + 100);
    image.Set(0, 4).Set(1, 5).Cell(19, 64, 0, 99).Set(1250, 4);
    world.WriteFile(3, std::vector<uint8_t>(image.bytes.begin(), image.bytes.begin() + 2 * 61));
    ASSERT_TRUE(ReadMapFile(folder + "Block3.map", map));
    EXPECT_EQ(map.width, 4);
    EXPECT_EQ(map.height, 5);
    EXPECT_EQ(map.cells[19].SouthDoor, 1);
    EXPECT_EQ(map.cells[19].Roofed, False);  // the roof code lies past the short file's end
    world.WriteFile(3, image.bytes);
    ASSERT_TRUE(ReadMapFile(folder + "Block3.map", map));
    EXPECT_EQ(map.cells[19].Roofed, True);
}

}  // namespace
}  // namespace duskmoor
