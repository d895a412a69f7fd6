// The game's own maps with the game's own rules: every edge door of the
// world, walked through, leads where the exit table says.
#include <gtest/gtest.h>

#include <string>

#include "world/block_change.h"
#include "world/block_tables.h"
#include "world/blocks.h"
#include "world/movement.h"
#include "world_test_support.h"

namespace duskmoor {
namespace {

struct EdgeDoor {
    int x, y;
};

// The cells of the loaded map with an edge door on the side faced.
std::vector<EdgeDoor> EdgeDoorsFacing(const GameState& state, int direction) {
    std::vector<EdgeDoor> doors;
    for (int y = 0; y < state.MapHeight; ++y) {
        for (int x = 0; x < state.MapWidth; ++x) {
            const MapCell& cell = state.Map[y * state.MapWidth + x];
            bool door = (direction == 0 && y == state.MapHeight - 1 && cell.NorthDoor) ||
                        (direction == 1 && x == state.MapWidth - 1 && cell.EastDoor) ||
                        (direction == 2 && y == 0 && cell.SouthDoor) ||
                        (direction == 3 && x == 0 && cell.WestDoor);
            if (door) doors.push_back({x, y});
        }
    }
    return doors;
}

bool IsArrivalPoint(const GameState& state, int block) {
    for (const ArrivalPoint& arrival : ArrivalTable()) {
        if (arrival.block == block && arrival.x == state.PosX && arrival.y == state.PosY &&
            arrival.facing == state.Facing && arrival.cell == state.PosCell)
            return true;
    }
    return false;
}

TEST(RealMaps, EveryEdgeExitLeadsWhereTheTableSays) {
    std::string answers;
    for (int i = 0; i < 200; ++i) answers += "click cmdButton1\n";
    world_test::TestWorld world(answers);
    GameState& state = world.game.state;
    state.AppPath = std::string(DUSKMOOR_GAME_DIR) + "/";
    int doors_walked = 0;
    for (const EdgeExit& exit : EdgeExitTable()) {
        ASSERT_TRUE(LoadNewMap(world.game, exit.from_block)) << "block " << exit.from_block;
        std::vector<EdgeDoor> doors = EdgeDoorsFacing(state, exit.direction);
        ASSERT_FALSE(doors.empty()) << "block " << exit.from_block << " has no edge door facing "
                                    << exit.direction;
        for (const EdgeDoor& door : doors) {
            ClearMap(state);
            ASSERT_TRUE(LoadNewMap(world.game, exit.from_block));
            world.Place(exit.from_block, door.x, door.y, exit.direction);
            ForwardCommand(world.game);
            SCOPED_TRACE("from block " + std::to_string(exit.from_block) + " at " + std::to_string(door.x) +
                         " , " + std::to_string(door.y));
            EXPECT_EQ(state.CurrentBlock, exit.to_block);
            EXPECT_TRUE(IsArrivalPoint(state, exit.to_block));
            EXPECT_EQ(state.PosCell, state.PosY * state.MapWidth + state.PosX);
            ++doors_walked;
        }
    }
    EXPECT_GE(doors_walked, static_cast<int>(EdgeExitTable().size()));
}

TEST(RealMaps, TheStartOfANewGameLooksDownAStreet) {
    world_test::TestWorld world;
    GameState& state = world.game.state;
    state.AppPath = std::string(DUSKMOOR_GAME_DIR) + "/";
    LoadStartingMap(world.game);
    ASSERT_EQ(state.MapWidth, 16);
    const MapCell& start = state.Map[164];
    EXPECT_FALSE(start.Roofed) << "the start is on a street under the sky";
}

}  // namespace
}  // namespace duskmoor
