#include "pathfinding.h"

#include <gtest/gtest.h>

#include <sstream>

#include "script/script_host.h"
#include "shell/game.h"
#include "world/block_tables.h"
#include "world/map_file.h"
#include "world/movement.h"

namespace duskmoor::bot {
namespace {

// A game whose movement rules replay the bot's walks.
struct Walker {
    std::istringstream input;
    std::ostringstream transcript;
    ScriptHost host{input, transcript, "/nonexistent/"};
    Game game{host};

    bool LoadBlock(int block) {
        MapData map;
        const BlockInfo* info = FindBlock(block);
        if (!info || !ReadMapFile(std::string(DUSKMOOR_GAME_DIR) + "/Maps/" + info->map_file, map))
            return false;
        game.state.MapWidth = map.width;
        game.state.MapHeight = map.height;
        game.state.Map = map.cells;
        return true;
    }
    void Place(int cell, int facing) {
        GameState& state = game.state;
        state.PosCell = static_cast<int16_t>(cell);
        state.PosX = static_cast<int16_t>(cell % state.MapWidth);
        state.PosY = static_cast<int16_t>(cell / state.MapWidth);
        state.Facing = static_cast<int16_t>(facing);
    }
    // Plays the walk with the game's own rules; false at the first refused step.
    bool Replay(const std::vector<Move>& walk) {
        for (Move move : walk) {
            int direction = move == Move::Forward ? move::Forward
                            : move == Move::Left  ? move::Left
                                                  : move::Right;
            if (!UpdateCoords(game, direction)) return false;
        }
        return true;
    }
};

TEST(BotPathfinding, EveryWalkOnTheRealMapsIsOneTheGameLetsThePartyTake) {
    int walks = 0;
    for (int block = 0; block < kBlockCount; ++block) {
        Walker walker;
        ASSERT_TRUE(walker.LoadBlock(block)) << "block " << block;
        const GameState& state = walker.game.state;
        const int cells = state.MapWidth * state.MapHeight;
        for (int from = 0; from < cells; from += 11) {
            for (int to = cells - 1; to >= 0; to -= 13) {
                std::vector<Move> walk;
                if (!FindWalk(
                        state, {from % state.MapWidth, from / state.MapWidth, 1},
                        [to](int cell) { return cell == to; }, {}, 2, walk))
                    continue;
                walker.Place(from, 1);
                ASSERT_TRUE(walker.Replay(walk)) << "block " << block << " from " << from << " to " << to;
                EXPECT_EQ(state.PosCell, to) << "block " << block << " from " << from;
                EXPECT_EQ(state.Facing, 2);
                ++walks;
            }
        }
    }
    // The maps are mazes, not islands: most of the pairs tried are joined.
    EXPECT_GT(walks, 300);
}

// A corridor of five cells, 0..4 from west to east, with a bypass north of
// cells 1..3 (cells 5..9 form the second row).
GameState Corridor(bool with_bypass) {
    GameState state;
    state.MapWidth = 5;
    state.MapHeight = 2;
    for (int x = 0; x < 5; ++x) {
        // Only cells 0 and 4 open to the row above when the bypass is there.
        bool open = with_bypass && (x == 0 || x == 4);
        if (!open) {
            state.Map[x].NorthWall = 1;
            state.Map[5 + x].SouthWall = 1;
        }
    }
    return state;
}

TEST(BotPathfinding, AnEncounterToAvoidCostsADetourButNeverBarsTheWay) {
    std::vector<Move> walk;
    const auto to_east_end = [](int cell) { return cell == 4; };
    GameState open = Corridor(true);
    ASSERT_TRUE(FindWalk(open, {0, 0, 1}, to_east_end, {2}, -1, walk));
    // Round by the row above: north, four east, south.
    int forwards = 0;
    for (Move move : walk) forwards += move == Move::Forward;
    EXPECT_EQ(forwards, 6);

    GameState closed = Corridor(false);
    ASSERT_TRUE(FindWalk(closed, {0, 0, 1}, to_east_end, {2}, -1, walk));
    EXPECT_EQ(walk, std::vector<Move>(4, Move::Forward));

    // The goal itself is never avoided, and a goal behind walls is no goal.
    ASSERT_TRUE(FindWalk(
        closed, {0, 0, 3}, [](int cell) { return cell == 2; }, {2}, 1, walk));
    EXPECT_EQ(walk, (std::vector<Move>{Move::Right, Move::Right, Move::Forward, Move::Forward}));
    EXPECT_FALSE(FindWalk(
        closed, {0, 0, 1}, [](int cell) { return cell == 7; }, {}, -1, walk));
}

TEST(BotPathfinding, TurnsTakeTheShortWayRoundAndEdgeDoorsLieOnTheEdge) {
    EXPECT_EQ(TurnsToFace(0, 3), std::vector<Move>{Move::Left});
    EXPECT_EQ(TurnsToFace(3, 0), std::vector<Move>{Move::Right});
    EXPECT_EQ(TurnsToFace(1, 3), (std::vector<Move>{Move::Right, Move::Right}));
    EXPECT_TRUE(TurnsToFace(2, 2).empty());

    GameState state = Corridor(false);
    state.Map[0].WestWall = 1;
    state.Map[0].WestDoor = 1;
    state.Map[2].SouthWall = 1;
    state.Map[2].SouthDoor = 1;
    state.Map[4].EastWall = 1;
    EXPECT_TRUE(EdgeDoor(state, 0, 3));
    EXPECT_TRUE(EdgeDoor(state, 2, 2));
    EXPECT_FALSE(EdgeDoor(state, 4, 1));  // a wall, no door
    EXPECT_FALSE(EdgeDoor(state, 1, 3));  // not on the edge
    EXPECT_FALSE(CanStep(state, 0, 3));   // an edge door leads off the map, not to a cell
    EXPECT_TRUE(CanStep(state, 0, 1));
}

}  // namespace
}  // namespace duskmoor::bot
