// The readable map source: what each character of a plan sets on the cells,
// that a written plan reads back unchanged, and that every mistake is refused
// with the line it is on.
#include "map_text.h"

#include <gtest/gtest.h>

#include <string>

namespace duskmoor::maps {
namespace {

// A 3 x 2 map: a door between (0, 1) and (1, 1), a door in the east edge of
// (2, 0), no wall between (0, 0) and (1, 0), a roofed cell at (2, 1).
const std::string kSmallMap =
    "; two rows\n"
    "block 4\n"
    "size 3 2\n"
    "plan\n"
    "+---+---+---+\n"
    "|   D   | . |\n"
    "+   +-D-+   +\n"
    "|       |   D\n"
    "+---+---+---+\n"
    "code 1 0 -7 98\n";

TEST(MapTextTest, EachCharacterSetsBothCellsOfItsSide) {
    std::string error;
    const auto map = ParseMapText(kSmallMap, error);
    ASSERT_TRUE(map) << error;
    EXPECT_EQ(map->block, 4);
    ASSERT_EQ(map->width, 3);
    ASSERT_EQ(map->height, 2);
    // The door between (0, 1) and (1, 1) is on both cells.
    EXPECT_EQ(map->At(0, 1).EastWall, 1);
    EXPECT_EQ(map->At(0, 1).EastDoor, 1);
    EXPECT_EQ(map->At(1, 1).WestWall, 1);
    EXPECT_EQ(map->At(1, 1).WestDoor, 1);
    // Open between (0, 1) and (0, 0); a door between (1, 1) and (1, 0).
    EXPECT_EQ(map->At(0, 1).SouthWall, 0);
    EXPECT_EQ(map->At(0, 0).NorthWall, 0);
    EXPECT_EQ(map->At(1, 0).NorthDoor, 1);
    EXPECT_EQ(map->At(1, 1).SouthDoor, 1);
    // The edge door belongs to the edge cell alone; the corner cell has walls.
    EXPECT_EQ(map->At(2, 0).EastDoor, 1);
    EXPECT_EQ(map->At(2, 0).EastWall, 1);
    EXPECT_EQ(map->At(2, 0).SouthDoor, 0);
    EXPECT_EQ(map->At(0, 0).WestWall, 1);
    EXPECT_EQ(map->At(0, 0).EastWall, 0);
    EXPECT_EQ(map->At(1, 0).WestWall, 0);
    // Roofs and codes.
    EXPECT_EQ(map->At(2, 1).Roofed, -1);
    EXPECT_EQ(map->At(1, 1).Roofed, 0);
    EXPECT_EQ(map->At(1, 0).Code1, -7);
    EXPECT_EQ(map->At(1, 0).Code2, 98);
}

TEST(MapTextTest, WrittenPlansReadBackUnchanged) {
    std::string error;
    const auto map = ParseMapText(kSmallMap, error);
    ASSERT_TRUE(map) << error;
    const std::string written = WriteMapText(*map);
    EXPECT_EQ(written, kSmallMap.substr(kSmallMap.find("block")));
    // Marks beside the roof mark are notes: the marked plan still reads the same.
    const std::string marked = WriteMapText(*map, [](int x, int y) {
        return CellMarks{'B', x == y ? '@' : ' '};
    });
    EXPECT_NE(marked, written);
    const auto again = ParseMapText(marked, error);
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(WriteMapText(*again), written);
}

TEST(MapTextTest, TrimmedTrailingBlanksAndWindowsLineEndsAreRead) {
    std::string text = "block 1\r\nsize 2 1\r\nplan\r\n+---+---+\r\n|       |\r\n+---+---+\r\n";
    std::string error;
    auto map = ParseMapText(text, error);
    ASSERT_TRUE(map) << error;
    EXPECT_EQ(map->At(0, 0).EastWall, 0);
    // An open east edge loses its trailing blank in an editor and still reads.
    map = ParseMapText("block 1\nsize 1 1\nplan\n+---+\n|\n+---+\n", error);
    ASSERT_TRUE(map) << error;
    EXPECT_EQ(map->At(0, 0).EastWall, 0);
    EXPECT_EQ(map->At(0, 0).WestWall, 1);
}

std::string ErrorOf(const std::string& text) {
    std::string error;
    const auto map = ParseMapText(text, error);
    EXPECT_FALSE(map) << text;
    return error;
}

TEST(MapTextTest, MistakesAreRefusedWithTheirLine) {
    const std::string head = "block 2\nsize 2 1\nplan\n";
    EXPECT_EQ(
        ErrorOf(head + "+---+-x-+\n|   |   |\n+---+---+\n"),
        "line 4: column 6: the side above cell (1, 0) is '-x-'; a side is '---' (wall), '-D-' (door) or "
        "blank");
    EXPECT_EQ(
        ErrorOf(head + "+---+---+\n|   #   |\n+---+---+\n"),
        "line 5: column 5: the side west of cell (1, 0) is '#'; a side is '|' (wall), 'D' (door) or blank");
    EXPECT_EQ(ErrorOf(head + "+---+---+\n| x |   |\n+---+---+\n"),
              "line 5: column 3: cell (0, 0) has roof mark 'x'; it is '.' (roofed) or blank (sky)");
    EXPECT_EQ(ErrorOf(head + "+---+---+\n|   |   |\n*---+---+\n"),
              "line 6: column 1: a corner is '+' or blank, not '*'");
    EXPECT_EQ(ErrorOf(head + "+---+---+-\n|   |   |\n+---+---+\n"),
              "line 4: the plan line is 10 characters long; a map 2 cells wide draws 9");
    EXPECT_EQ(ErrorOf(head + "+---+---+\n|\t  |   |\n+---+---+\n"),
              "line 5: column 2 holds a character that is not printable (tabs are not allowed in a plan)");
    EXPECT_EQ(ErrorOf(head + "+---+---+\n|   |   |\n"), "line 5: the plan ends early: it needs 3 lines");
    EXPECT_EQ(ErrorOf("block 2\nplan\n"), "line 2: the plan comes before the size");
    EXPECT_EQ(ErrorOf("block 2\nsize 21 20\n"), "line 2: a map has 1 to 400 cells, not 21 x 20");
    EXPECT_EQ(ErrorOf("block 2\nsize 0 5\n"), "line 2: a map has 1 to 400 cells, not 0 x 5");
    EXPECT_EQ(ErrorOf("block 22\n"), "line 1: expected 'block N' with N from 0 to 21");
    EXPECT_EQ(ErrorOf("size 1 1\nplan\n+---+\n|   |\n+---+\n"),
              "line 5: the map names no block (a line 'block N')");
    EXPECT_EQ(ErrorOf("block 1\nsize 1 1\n"), "line 2: the map has no plan");
    EXPECT_EQ(ErrorOf("block 1\nwidth 3\n"), "line 2: unknown keyword 'width'");
    EXPECT_EQ(ErrorOf("block 1\nsize 1 1\ncode 0 0 1 1\n"), "line 3: a code line comes before the plan");
}

TEST(MapTextTest, CodesFitTheRoofCode) {
    const std::string plan = "block 1\nsize 2 1\nplan\n+---+---+\n|   | . |\n+---+---+\n";
    std::string error;
    // Under the sky the second code must stay below the roof marker 99.
    EXPECT_TRUE(ParseMapText(plan + "code 0 0 0 98\n", error)) << error;
    EXPECT_EQ(ErrorOf(plan + "code 0 0 0 99\n"), "line 7: the second code of an open cell is 0 to 98");
    EXPECT_TRUE(ParseMapText(plan + "code 1 0 0 32668\n", error)) << error;
    EXPECT_EQ(ErrorOf(plan + "code 1 0 0 32669\n"), "line 7: the second code of a roofed cell is 0 to 32668");
    EXPECT_EQ(ErrorOf(plan + "code 0 0 32768 0\n"), "line 7: the first code does not fit 16 bits");
    EXPECT_EQ(ErrorOf(plan + "code 2 0 0 0\n"), "line 7: cell (2, 0) is outside the map");
    EXPECT_EQ(ErrorOf(plan + "code 0 0 1\n"), "line 7: expected 'code X Y CODE1 CODE2'");
}

}  // namespace
}  // namespace duskmoor::maps
