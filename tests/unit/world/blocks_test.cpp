#include "world/blocks.h"

#include <gtest/gtest.h>

#include "world_test_support.h"

namespace duskmoor {
namespace {

using world_test::TestWorld;

// Fills the grid with something recognisable, as a map loaded before.
void FillEarlierMap(GameState& state) {
    state.MapWidth = 4;
    state.MapHeight = 3;
    state.Map[0].EastWall = 1;
    state.Map[11].Code1 = 42;
}

void ExpectEarlierMap(const GameState& state) {
    EXPECT_EQ(state.MapWidth, 4);
    EXPECT_EQ(state.MapHeight, 3);
    EXPECT_EQ(state.Map[0].EastWall, 1);
    EXPECT_EQ(state.Map[11].Code1, 42);
}

TEST(Blocks, LoadNewMapReadsTheBlocksOwnFile) {
    TestWorld world;
    std::vector<MapCell> cells(20);
    cells[15].SouthDoor = 1;
    cells[15].SouthWall = 1;
    cells[15].Roofed = True;
    world.WriteMap(12, 10, 2, cells);
    GameState& state = world.game.state;
    FillEarlierMap(state);
    EXPECT_TRUE(LoadNewMap(world.game, 12));
    EXPECT_EQ(state.MapWidth, 10);
    EXPECT_EQ(state.MapHeight, 2);
    EXPECT_EQ(state.Map[15].SouthDoor, 1);
    EXPECT_EQ(state.Map[15].Roofed, True);
    EXPECT_EQ(state.Map[0].EastWall, 0);  // the whole grid is replaced
    EXPECT_EQ(state.Map[11].Code1, 0);
    EXPECT_EQ(world.TakeTranscript(), "");
}

TEST(Blocks, AFailedLoadSaysSoAndKeepsTheGrid) {
    TestWorld world;
    GameState& state = world.game.state;
    FillEarlierMap(state);
    // Missing file, block numbers that have no map, a size that does not fit,
    // a width of 0, and widths other than the block's (the Theater is 16
    // cells wide, the Chamber 8).
    EXPECT_FALSE(LoadNewMap(world.game, 4));
    EXPECT_FALSE(LoadNewMap(world.game, 22));
    EXPECT_FALSE(LoadNewMap(world.game, -1));
    world.WriteMap(5, 21, 19, {});
    EXPECT_FALSE(LoadNewMap(world.game, 5));
    world.WriteMap(5, 0, 16, {});
    EXPECT_FALSE(LoadNewMap(world.game, 5));
    world.WriteMap(5, 15, 16, {});
    EXPECT_FALSE(LoadNewMap(world.game, 5));
    world.WriteMap(5, 17, 16, {});
    EXPECT_FALSE(LoadNewMap(world.game, 5));
    world.WriteMap(9, 10, 8, {});
    EXPECT_FALSE(LoadNewMap(world.game, 9));
    ExpectEarlierMap(state);
    std::string expected;
    for (int refusal = 0; refusal < 8; ++refusal) expected += "msgbox Error loading map.\n";
    EXPECT_EQ(world.TakeTranscript(), expected);
    world.WriteMap(5, 16, 25, {});  // as tall as the grid allows
    EXPECT_TRUE(LoadNewMap(world.game, 5));
    world.WriteMap(9, 8, 50, {});
    EXPECT_TRUE(LoadNewMap(world.game, 9));
}

TEST(Blocks, StartingMapIsTheTownWithItsOwnErrorText) {
    TestWorld world;
    GameState& state = world.game.state;
    state.CurrentBlock = 7;
    FillEarlierMap(state);
    LoadStartingMap(world.game);
    EXPECT_EQ(state.CurrentBlock, 0);
    ExpectEarlierMap(state);
    EXPECT_EQ(world.TakeTranscript(), "msgbox On error\n");

    world.WriteMap(0, 16, 16, {});
    LoadStartingMap(world.game);
    EXPECT_EQ(state.MapWidth, 16);
    EXPECT_EQ(state.MapHeight, 16);
    EXPECT_EQ(world.TakeTranscript(), "");
}

TEST(Blocks, ClearMapEmptiesTheGridButNotThePosition) {
    GameState state;
    FillEarlierMap(state);
    state.Map[400].NorthWall = 1;
    state.PosX = 3;
    state.PosCell = 51;
    state.CurrentBlock = 9;
    ClearMap(state);
    EXPECT_EQ(state.MapWidth, 0);
    EXPECT_EQ(state.MapHeight, 0);
    for (const MapCell& cell : state.Map)
        EXPECT_EQ(WallsToArray(cell) + cell.Code1 + cell.Code2 + cell.Roofed, 0);
    EXPECT_EQ(state.PosX, 3);
    EXPECT_EQ(state.PosCell, 51);
    EXPECT_EQ(state.CurrentBlock, 9);
}

TEST(Blocks, NamesOfTheBlocks) {
    GameState state;
    const std::pair<int, const char*> names[] = {{0, "Town of Verezeve..."},
                                                 {1, "The Garden..."},
                                                 {13, "The Ruins..."},
                                                 {14, "The Foyer..."},
                                                 {15, ""},
                                                 {19, ""},
                                                 {20, ""},
                                                 {21, "Underground Passage..."},
                                                 {22, ""},
                                                 {-1, ""}};
    for (const auto& [block, name] : names) {
        state.CurrentBlock = static_cast<int16_t>(block);
        EXPECT_EQ(GetBlockName(state), name) << block;
    }
}

}  // namespace
}  // namespace duskmoor
