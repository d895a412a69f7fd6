// The first-person view drawn on small hand-built maps with the generated art,
// compared byte for byte with the pictures in tests/data/golden. After a
// deliberate change to the view or the art, rewrite them with
//     DUSKMOOR_UPDATE_GOLDEN=1 ./duskmoor_tests --gtest_filter='ViewGolden*'
// and look at the new pictures before checking them in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/game.h"
#include "support/recording_host.h"
#include "ui/canvas.h"
#include "ui/host.h"
#include "world/view.h"

namespace duskmoor {
namespace {

using QuietHost = RecordingHost;

constexpr int kNorth = 0, kEast = 1, kSouth = 2, kWest = 3;

// A small map built side by side: a wall or door is set on both cells that
// share the side, as the game's maps have it.
class MapBuilder {
  public:
    MapBuilder(GameState& state, int width, int height) : state_(state) {
        state_.Map = {};
        state_.MapWidth = static_cast<int16_t>(width);
        state_.MapHeight = static_cast<int16_t>(height);
    }
    void Wall(int x, int y, int side) { Set(x, y, side, false); }
    void Door(int x, int y, int side) { Set(x, y, side, true); }
    void Roof(int x, int y) { state_.Map[y * state_.MapWidth + x].Roofed = True; }
    void Place(int x, int y, int facing) {
        state_.PosX = static_cast<int16_t>(x);
        state_.PosY = static_cast<int16_t>(y);
        state_.PosCell = static_cast<int16_t>(y * state_.MapWidth + x);
        state_.Facing = static_cast<int16_t>(facing);
    }

  private:
    void Set(int x, int y, int side, bool door) {
        static constexpr int kDx[4] = {0, 1, 0, -1}, kDy[4] = {1, 0, -1, 0};
        Mark(x, y, side, door);
        const int nx = x + kDx[side], ny = y + kDy[side];
        if (nx >= 0 && ny >= 0 && nx < state_.MapWidth && ny < state_.MapHeight)
            Mark(nx, ny, (side + 2) % 4, door);
    }
    void Mark(int x, int y, int side, bool door) {
        MapCell& cell = state_.Map[y * state_.MapWidth + x];
        int16_t* walls[4] = {&cell.NorthWall, &cell.EastWall, &cell.SouthWall, &cell.WestWall};
        int16_t* doors[4] = {&cell.NorthDoor, &cell.EastDoor, &cell.SouthDoor, &cell.WestDoor};
        *walls[side] = 1;
        if (door) *doors[side] = 1;
    }
    GameState& state_;
};

class ViewGoldenTest : public ::testing::Test {
  protected:
    void SetUp() override { game_.state.AppPath = std::string(DUSKMOOR_GAME_DIR) + "/"; }

    Canvas Render() {
        Canvas canvas(445, 329, colors::White);
        FirstPersonView view;
        view.SetViewPort(445, 329);
        view.UpdateGraphics(game_, canvas);
        return canvas;
    }

    void ExpectGolden(const std::string& name) {
        const Canvas canvas = Render();
        EXPECT_TRUE(host_.messages.empty()) << "first message: " << host_.messages.front();
        const std::string path = std::string(DUSKMOOR_TEST_DATA) + "/golden/" + name + ".bmp";
        const char* update = std::getenv("DUSKMOOR_UPDATE_GOLDEN");
        if (update != nullptr && std::string(update) == "1") {
            ASSERT_TRUE(SaveBmp24(path, canvas.ToBitmap())) << path;
            return;
        }
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << path << " is missing: run with DUSKMOOR_UPDATE_GOLDEN=1 to write it";
        const std::vector<uint8_t> expected((std::istreambuf_iterator<char>(file)), {});
        const std::vector<uint8_t> actual = EncodeBmp24(canvas.ToBitmap());
        ASSERT_EQ(actual.size(), expected.size()) << name;
        size_t differing = 0, first = 0;
        for (size_t i = 0; i < actual.size(); ++i) {
            if (actual[i] != expected[i] && differing++ == 0) first = i;
        }
        EXPECT_EQ(differing, 0u) << name << ": " << differing << " bytes differ, the first at offset "
                                 << first;
    }

    QuietHost host_;
    Game game_{host_};
    GameState& state_ = game_.state;
};

// A town street at eight in the morning: walls at every depth, a side turning
// one cell ahead on the left, a wall closing the street two cells ahead.
TEST_F(ViewGoldenTest, TownCorridorInDaylight) {
    state_.CurrentBlock = 0;
    state_.GameHour = 8;
    MapBuilder map(state_, 5, 5);
    for (int y = 0; y <= 2; ++y) {
        if (y != 1) map.Wall(2, y, kWest);
        map.Wall(2, y, kEast);
    }
    map.Wall(1, 1, kNorth);
    map.Wall(1, 1, kSouth);
    map.Wall(2, 2, kNorth);
    for (int x = 0; x < 5; ++x) map.Wall(x, 4, kSouth);
    map.Place(2, 0, kNorth);
    ExpectGolden("town_corridor_hour8");
}

// Doors in the walls beside the party, one and two cells ahead, and across
// the far row, under the dark blue sky of seven o'clock.
TEST_F(ViewGoldenTest, DoorsAtEveryDepthAtDawn) {
    state_.CurrentBlock = 0;
    state_.GameHour = 7;
    MapBuilder map(state_, 7, 5);
    map.Door(3, 1, kWest);
    map.Door(3, 1, kEast);
    map.Door(2, 2, kNorth);
    map.Door(4, 2, kNorth);
    map.Door(3, 3, kWest);
    map.Door(3, 3, kEast);
    for (int x = 1; x <= 5; ++x) map.Door(x, 3, kNorth);
    map.Place(3, 1, kNorth);
    ExpectGolden("doors_hour7");
}

// The lair's door straight ahead, under the ruins' ceiling: a roofed cell
// shows its ceiling even though the cell ahead is open to the night sky.
TEST_F(ViewGoldenTest, LairDoorAheadUnderARoof) {
    state_.CurrentBlock = 13;
    state_.GameHour = 21;
    MapBuilder map(state_, 3, 3);
    map.Roof(1, 1);
    map.Wall(1, 1, kWest);
    map.Wall(1, 1, kEast);
    map.Door(1, 1, kNorth);
    map.Place(1, 1, kNorth);
    ExpectGolden("lair_door_roofed");
}

// Doors on the map's edge are tunnels at every depth: facing north in the
// west column of Rizevoz at night, the west edge runs beside the party and
// the north edge lies two cells ahead; nothing is drawn beyond the map.
TEST_F(ViewGoldenTest, TunnelsOnTheMapEdgeAtNight) {
    state_.CurrentBlock = 15;
    state_.GameHour = 21;
    MapBuilder map(state_, 4, 3);
    for (int y = 0; y < 3; ++y) map.Door(0, y, kWest);
    for (int x = 0; x < 3; ++x) map.Door(x, 2, kNorth);
    map.Wall(0, 1, kEast);
    map.Door(1, 1, kNorth);
    map.Place(0, 0, kNorth);
    ExpectGolden("tunnels_hour21");
}

// A tunnel straight ahead in the North Caves, with another beside the party
// on the right, under the cave's ceiling.
TEST_F(ViewGoldenTest, TunnelAheadInTheCaves) {
    state_.CurrentBlock = 19;
    state_.GameHour = 12;
    MapBuilder map(state_, 3, 2);
    map.Roof(2, 1);
    map.Door(2, 1, kNorth);
    map.Door(2, 1, kEast);
    map.Wall(2, 1, kWest);
    map.Place(2, 1, kNorth);
    ExpectGolden("cave_tunnel_ahead");
}

// Rizevoz's vaults facing west, under a roof: a wall two steps ahead, a door
// in the left-hand wall one step ahead.
TEST_F(ViewGoldenTest, RizevozWallAhead) {
    state_.CurrentBlock = 16;
    state_.GameHour = 15;
    MapBuilder map(state_, 4, 3);
    map.Roof(2, 1);
    map.Wall(2, 1, kNorth);
    map.Wall(2, 1, kSouth);
    map.Wall(1, 1, kWest);
    map.Wall(1, 1, kNorth);
    map.Door(1, 1, kSouth);
    map.Place(2, 1, kWest);
    ExpectGolden("rizevoz_wall_ahead");
}

}  // namespace
}  // namespace duskmoor
