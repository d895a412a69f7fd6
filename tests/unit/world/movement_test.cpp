#include "world/movement.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "events/set_encounters.h"
#include "world/blocks.h"
#include "world_test_support.h"

namespace duskmoor {
namespace {

using world_test::TestWorld;

// A 3 x 3 yard in block 1: the middle cell (4) has a wall on its north side,
// a door (wall + door) on its east side and a door in the wall alone on its
// west side; cell 5 east of it has no west wall of its own, cell 3 west of it
// has a plain east wall. Cell 7 (top middle) has a plain north wall on the
// edge, cell 6 (top left) an edge door north.
std::vector<MapCell> Yard() {
    std::vector<MapCell> cells(9);
    cells[4].NorthWall = 1;
    cells[4].EastWall = 1;
    cells[4].EastDoor = 1;
    cells[4].WestDoor = 1;
    cells[3].EastWall = 1;
    cells[7].NorthWall = 1;
    cells[6].NorthWall = 1;
    cells[6].NorthDoor = 1;
    return cells;
}

// The yard is narrower than any real block, so it is laid into the grid
// directly: loading refuses a map of another width than its block's.
struct YardWorld : TestWorld {
    explicit YardWorld(const std::string& script = "") : TestWorld(script) {
        LayYard(Yard());
        game.state.GameActive = True;
    }
    void LayYard(const std::vector<MapCell>& cells) {
        GameState& state = game.state;
        ClearMap(state);
        state.MapWidth = 3;
        state.MapHeight = 3;
        std::copy(cells.begin(), cells.end(), state.Map.begin());
    }
};

TEST(Movement, TurningWrapsAndNeverMovesTheParty) {
    YardWorld world;
    GameState& state = world.game.state;
    world.Place(1, 1, 1, 0);
    const int16_t expected_right[] = {1, 2, 3, 0};
    for (int16_t facing : expected_right) {
        EXPECT_TRUE(UpdateCoords(world.game, move::Right));
        EXPECT_EQ(state.Facing, facing);
    }
    EXPECT_TRUE(UpdateCoords(world.game, move::Left));
    EXPECT_EQ(state.Facing, 3);
    EXPECT_FALSE(UpdateCoords(world.game, 0));
    EXPECT_FALSE(UpdateCoords(world.game, 4));
    EXPECT_EQ(state.Facing, 3);
    EXPECT_EQ(world.view.coord_refreshes, 7);  // the read-outs are rewritten every time
    EXPECT_EQ(state.PosCell, 4);

    int redraws = world.view.redraws;
    TurnCommand(world.game, move::Left);
    TurnCommand(world.game, move::Forward);  // not a turn
    EXPECT_EQ(state.Facing, 2);
    EXPECT_EQ(world.view.redraws, redraws + 1);
    EXPECT_EQ(state.StepFraction, 0.0f);
    EXPECT_EQ(world.TakeTranscript(), "");
}

TEST(Movement, StepsOnlyLookAtTheSideOfTheOwnCell) {
    YardWorld world;
    GameState& state = world.game.state;

    world.Place(1, 1, 1, 0);  // north: a wall
    EXPECT_FALSE(UpdateCoords(world.game, move::Forward));
    EXPECT_EQ(state.PosCell, 4);

    world.Place(1, 1, 1, 1);  // east: wall + door, with the door sound
    EXPECT_TRUE(UpdateCoords(world.game, move::Forward));
    EXPECT_EQ(state.PosX, 2);
    EXPECT_EQ(state.PosCell, 5);
    EXPECT_EQ(world.TakeTranscript(), "sound Door.wav\n");

    // Back west from cell 5: its own west side is open, so no door sound.
    state.Facing = 3;
    state.SoundBusy = False;
    EXPECT_TRUE(UpdateCoords(world.game, move::Forward));
    EXPECT_EQ(state.PosCell, 4);
    EXPECT_EQ(world.TakeTranscript(), "");

    // West of the middle: a door flag without a wall still sounds; cell 3's own
    // east wall blocks the way back.
    EXPECT_TRUE(UpdateCoords(world.game, move::Forward));
    EXPECT_EQ(state.PosCell, 3);
    EXPECT_EQ(world.TakeTranscript(), "sound Door.wav\n");
    state.Facing = 1;
    state.SoundBusy = False;
    EXPECT_FALSE(UpdateCoords(world.game, move::Forward));
    EXPECT_EQ(state.PosCell, 3);

    // South and north through open sides change the cell by the width.
    state.Facing = 2;
    EXPECT_TRUE(UpdateCoords(world.game, move::Forward));
    EXPECT_EQ(state.PosY, 0);
    EXPECT_EQ(state.PosCell, 0);
    state.Facing = 0;
    EXPECT_TRUE(UpdateCoords(world.game, move::Forward));
    EXPECT_EQ(state.PosCell, 3);

    // The edges refuse a step even without a wall, and silently.
    for (auto [x, y, facing] : {std::tuple{0, 0, 2}, {0, 0, 3}, {2, 2, 0}, {2, 2, 1}, {0, 2, 0}}) {
        world.Place(1, x, y, facing);
        EXPECT_FALSE(UpdateCoords(world.game, move::Forward)) << x << "," << y << " facing " << facing;
        EXPECT_EQ(state.PosX, x);
        EXPECT_EQ(state.PosY, y);
    }
    EXPECT_EQ(world.TakeTranscript(), "");
}

TEST(Movement, APositionOffTheGridCannotStep) {
    YardWorld world;
    GameState& state = world.game.state;
    state.PosX = 1;
    state.PosY = 1;
    state.PosCell = 401;
    state.Facing = 0;
    EXPECT_FALSE(UpdateCoords(world.game, move::Forward));
    state.PosCell = -3;
    state.Facing = 1;
    EXPECT_FALSE(UpdateCoords(world.game, move::Forward));
    // A position inside the grid whose step would leave it.
    state.PosCell = 399;
    state.Facing = 0;
    EXPECT_FALSE(UpdateCoords(world.game, move::Forward));
    state.Facing = 9;
    state.PosCell = 4;
    EXPECT_FALSE(UpdateCoords(world.game, move::Forward));
    ForwardCommand(world.game);
    EXPECT_EQ(state.PosCell, 4);
}

TEST(Movement, ForwardStepsAdvanceTheClockAndRedraw) {
    YardWorld world;
    GameState& state = world.game.state;
    state.GameHour = 13;
    world.Place(1, 0, 0, 0);
    ForwardCommand(world.game);
    EXPECT_EQ(state.PosCell, 3);
    EXPECT_EQ(state.GameMinute, 0);
    EXPECT_EQ(state.StepFraction, 1.0f);
    ForwardCommand(world.game);
    EXPECT_EQ(state.PosCell, 6);
    EXPECT_EQ(state.GameMinute, 1);
    EXPECT_EQ(world.view.redraws, 2);
    // A refused step: no time, no redraw, no message.
    state.Facing = 3;
    ForwardCommand(world.game);
    EXPECT_EQ(state.PosCell, 6);
    EXPECT_EQ(state.StepFraction, 0.0f);
    EXPECT_EQ(state.GameMinute, 1);
    EXPECT_EQ(world.view.redraws, 2);
    EXPECT_EQ(world.view.game_ends, 0);
    EXPECT_EQ(world.TakeTranscript(), "");
}

TEST(Movement, AnEdgeDoorChangesTheBlockWithoutTheDoorSound) {
    YardWorld world("click cmdButton1\n");
    world.WriteMap(0, 16, 16, {});
    GameState& state = world.game.state;
    // An edge door in the east side of the top-right cell: the Garden's way back to town.
    std::vector<MapCell> cells = Yard();
    cells[8].EastWall = 1;
    cells[8].EastDoor = 1;
    world.LayYard(cells);
    world.Place(1, 2, 2, 1);
    ForwardCommand(world.game);
    EXPECT_EQ(state.CurrentBlock, 0);
    EXPECT_EQ(state.PosCell, 64);
    EXPECT_EQ(state.StepFraction, 0.0f);
    EXPECT_EQ(world.TakeTranscript(), "sound Bell.wav\ndialog 1 Town of Verezeve...\n");
}

TEST(Movement, AnEdgeDoorWithoutAnExitRingsInPlace) {
    YardWorld world("click cmdButton1\n");
    GameState& state = world.game.state;
    world.Place(1, 0, 2, 0);
    ForwardCommand(world.game);
    EXPECT_EQ(state.CurrentBlock, 1);
    EXPECT_EQ(state.PosCell, 6);
    EXPECT_EQ(world.TakeTranscript(), "sound Bell.wav\ndialog 1 The Garden...\n");
}

// The Ruins' south edge door leads to the Foyer once the password is given,
// while the Foyer's guards wait.
struct RuinsWorld : TestWorld {
    explicit RuinsWorld(const std::string& script) : TestWorld(script) {
        std::vector<MapCell> cells(16 * 16);
        cells[11].SouthWall = 1;
        cells[11].SouthDoor = 1;
        WriteMap(13, 16, 16, cells);
        WriteMap(14, 10, 10, {});
        EXPECT_TRUE(LoadNewMap(game, 13));
        SetEncounters(game.state);
        Place(13, 11, 0, 2);
    }
};

TEST(Movement, ThePasswordDoor) {
    RuinsWorld wrong("type txtPassword Fortis\nclick cmdButton1\n");
    ForwardCommand(wrong.game);
    EXPECT_EQ(wrong.game.state.CurrentBlock, 13);
    EXPECT_EQ(wrong.game.state.PosCell, 11);
    EXPECT_EQ(wrong.TakeTranscript(), "dialog 4 A voice beyond the door asks for the password...\n");

    // Beyond the door the Foyer's guards wait on the arrival cell: their
    // battle starts, and the party leaves it at once.
    RuinsWorld right(
        "type txtPassword ferox\nclick cmdButton1\nclick cmdButton1\nclick cmdButton1\nkey Ctrl+Q\n");
    ForwardCommand(right.game);
    EXPECT_EQ(right.game.state.CurrentBlock, 14);
    EXPECT_EQ(right.game.state.PosCell, 94);
    const std::string transcript = right.TakeTranscript();
    EXPECT_EQ(transcript.rfind("dialog 4 A voice beyond the door asks for the password...\nsound Bell.wav\n"
                               "dialog 1 The Foyer...\ndialog 1 ",
                               0),
              0u)
        << transcript;
    EXPECT_NE(transcript.find("open frmBattle2\nclose frmBattle2\n"), std::string::npos) << transcript;

    RuinsWorld guards_gone("click cmdButton1\n");
    guards_gone.game.state.Encounters[14].Pending[6] = False;
    ForwardCommand(guards_gone.game);
    EXPECT_EQ(guards_gone.game.state.CurrentBlock, 14);
    EXPECT_EQ(guards_gone.TakeTranscript(), "sound Bell.wav\ndialog 1 The Foyer...\n");
}

TEST(Movement, ADeadOrDefeatedPartyEndsTheGame) {
    YardWorld world;
    GameState& state = world.game.state;
    world.Place(1, 0, 0, 0);
    state.Party[0].HP = 0;
    ForwardCommand(world.game);
    EXPECT_EQ(world.view.game_ends, 1);
    EXPECT_EQ(state.PosCell, 3);

    state.Party[0].HP = 5;
    state.PartyDefeated = True;
    state.Facing = 3;
    ForwardCommand(world.game);  // refused, but the defeat still ends the game
    EXPECT_EQ(world.view.game_ends, 2);
    state.Facing = 1;
    ForwardCommand(world.game);
    EXPECT_EQ(world.view.game_ends, 3);

    state.PartyDefeated = False;
    ForwardCommand(world.game);
    EXPECT_EQ(world.view.game_ends, 3);
}

TEST(Movement, StairsOnTheCellAreOfferedAfterTheStep) {
    // No to the stairs; then the stairs are taken and the Pit reached.
    YardWorld world("click cmdButton2\nclick cmdButton1\nclick cmdButton1\n");
    world.WriteMap(10, 16, 16, {});
    world.WriteMap(12, 10, 10, {});
    GameState& state = world.game.state;
    SetEncounters(state);
    ASSERT_TRUE(LoadNewMap(world.game, 10));
    world.Place(10, 7, 8, 1);
    ForwardCommand(world.game);  // onto cell 136, the Park's stairs down
    EXPECT_EQ(state.PosCell, 136);
    EXPECT_EQ(world.TakeTranscript(), "dialog 2 You find a staircase leading down...take it?\n");
    state.Facing = 3;
    ForwardCommand(world.game);
    state.Facing = 1;
    ForwardCommand(world.game);  // back onto the stairs
    EXPECT_EQ(state.CurrentBlock, 12);
    EXPECT_EQ(state.PosCell, 81);
    EXPECT_EQ(world.TakeTranscript(),
              "dialog 2 You find a staircase leading down...take it?\ndialog 1 You descend the stairs.\n");

    // A staircase that is no longer pending is not offered.
    ASSERT_TRUE(LoadNewMap(world.game, 10));
    world.Place(10, 7, 8, 1);
    state.Encounters[10].Pending[5] = False;
    ForwardCommand(world.game);
    EXPECT_EQ(state.PosCell, 136);
    EXPECT_EQ(world.TakeTranscript(), "");
}

}  // namespace
}  // namespace duskmoor
