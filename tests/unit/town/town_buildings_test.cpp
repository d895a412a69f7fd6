// Every building of the real town, entered from the street through each of
// its doors and left again: the party always ends on the street it came from,
// facing the door.
#include <gtest/gtest.h>

#include <string>

#include "events/encounter_content.h"
#include "events/set_encounters.h"
#include "party/party.h"
#include "support/scripted_game.h"
#include "world/blocks.h"
#include "world/map_cell.h"
#include "world/movement.h"

namespace duskmoor {
namespace {

constexpr int kStepX[4] = {0, 1, 0, -1};
constexpr int kStepY[4] = {1, 0, -1, 0};

bool DoorOn(const MapCell& cell, int direction) {
    const int16_t doors[4] = {cell.NorthDoor, cell.EastDoor, cell.SouthDoor, cell.WestDoor};
    return doors[direction] != 0;
}

// The button that only leaves, by town entry: "No", "Leave" or "Nothing".
const char* kLeaveButton[15] = {"cmd3", "cmd3", "cmd4", "cmd3", "cmd3", "cmd4", "cmd2", "cmd2",
                                "cmd2", "cmd3", "cmd3", "cmd3", "cmd3", "cmd3", "cmd4"};

// A party of the default characters on the real town map, whose next step
// into a building is answered by `answer`.
struct TownWalk : ScriptedGame {
    explicit TownWalk(const std::string& answer) : ScriptedGame(answer + "\n") {
        GameState& state = game.state;
        state.AppPath = std::string(DUSKMOOR_GAME_DIR) + "/";
        state.Party = DefaultParty();
        state.NumPlayers = 4;
        state.GameActive = True;
        SetEncounters(state);
        LoadStartingMap(game);
    }
};

TEST(TownBuildings, EveryDoorLeadsInAndBackOutFacingTheBuilding) {
    int doors_walked = 0;
    for (const EncounterContent& building : EncounterContentOf(0).entries) {
        for (int direction = 0; direction < 4; ++direction) {
            // The inn's south door leads to its back room, where the farewell waits.
            if (building.entry == 0 && direction == 2) continue;
            TownWalk walk(std::string("click ") + kLeaveButton[building.entry]);
            GameState& state = walk.game.state;
            ASSERT_EQ(state.MapWidth, 16);
            if (!DoorOn(state.Map[building.cell], direction)) continue;
            const int street_x = building.cell % state.MapWidth + kStepX[direction];
            const int street_y = building.cell / state.MapWidth + kStepY[direction];
            const int facing = (direction + 2) % 4;
            SCOPED_TRACE("entry " + std::to_string(building.entry) + " through its side " +
                         std::to_string(direction));
            state.PosX = static_cast<int16_t>(street_x);
            state.PosY = static_cast<int16_t>(street_y);
            state.PosCell = static_cast<int16_t>(street_y * state.MapWidth + street_x);
            state.Facing = static_cast<int16_t>(facing);
            ForwardCommand(walk.game);
            // In through the door with its sound; out again while it still plays.
            EXPECT_EQ(walk.transcript.str(), "sound Door.wav\nopen frmMessage\nclose frmMessage\n");
            EXPECT_EQ(state.PosX, street_x);
            EXPECT_EQ(state.PosY, street_y);
            EXPECT_EQ(state.Facing, facing);
            EXPECT_TRUE(IsSet(state.Encounters[0].Pending[building.entry]));
            ++doors_walked;
        }
    }
    EXPECT_EQ(doors_walked, 15) << "one street door for each of the fifteen entries";
}

}  // namespace
}  // namespace duskmoor
