#include "world/block_change.h"

#include <gtest/gtest.h>

#include "world/blocks.h"
#include "world_test_support.h"

namespace duskmoor {
namespace {

using world_test::TestWorld;

// The wilderness opens beside the town left; these keys step straight back
// into its hot spot (draws of 0.05 keep wandering monsters away) and enter.
std::string BackInto(int town_site) {
    switch (town_site) {
        case 4:
            return "rnd 0.05 0.05\nkey Right\nkey Right\nkey Right\nclick cmdButton1\n";
        case 5:
            return "key Left\nclick cmdButton1\n";
        case 6:
            return "rnd 0.05 0.05\nkey Down\nkey Down\nkey Down\nclick cmdButton1\n";
        default:
            return "key Up\nclick cmdButton1\n";
    }
}

std::string WildernessTrip(const std::string& town) {
    return "open frmWilderness\ndialog 2 Enter " + town + "?\nclose frmWilderness\n";
}

std::string Repeat(const std::string& line, size_t times) {
    std::string text;
    for (size_t i = 0; i < times; ++i) text += line;
    return text;
}

struct Spot {
    int x, y, facing, cell;
    bool operator==(const Spot&) const = default;
};

Spot Where(const GameState& state) {
    return {state.PosX, state.PosY, state.Facing, state.PosCell};
}

std::ostream& operator<<(std::ostream& out, const Spot& spot) {
    return out << "(" << spot.x << ", " << spot.y << ") facing " << spot.facing << " cell " << spot.cell;
}

// The row of the arrival table an arrival uses, with the old row and the wagon.
const ArrivalPoint* ExpectedArrival(int block, int direction, int old_row, bool wagon) {
    for (const ArrivalPoint& point : ArrivalTable()) {
        if (point.block != block || (point.direction != -1 && point.direction != direction)) continue;
        switch (point.condition) {
            case ArrivalCondition::Always:
                return &point;
            case ArrivalCondition::OldRowBelow7:
                if (old_row < 7) return &point;
                break;
            case ArrivalCondition::OldRow7OrMore:
                if (old_row >= 7) return &point;
                break;
            case ArrivalCondition::NoWagonRide:
                if (!wagon) return &point;
                break;
            case ArrivalCondition::WagonRide:
                if (wagon) return &point;
                break;
        }
    }
    return nullptr;
}

TEST(BlockChange, EveryArrivalPointPlacesTheParty) {
    TestWorld world;
    GameState& state = world.game.state;
    for (const ArrivalPoint& point : ArrivalTable()) {
        for (int direction = 0; direction < 4; ++direction) {
            if (point.direction != -1 && point.direction != direction) continue;
            state.PosY = point.condition == ArrivalCondition::OldRowBelow7 ? 6 : 7;
            state.WagonRide = Flag(point.condition == ArrivalCondition::WagonRide);
            int redraws = world.view.redraws;
            LoadStartCoords(world.game, point.block, direction);
            EXPECT_EQ(Where(state), (Spot{point.x, point.y, point.facing, point.cell}))
                << "block " << point.block << " direction " << direction;
            EXPECT_EQ(state.CurrentBlock, point.block);
            EXPECT_EQ(state.WagonRide, False);
            EXPECT_EQ(world.view.redraws, redraws + 1);
            const BlockInfo* info = FindBlock(point.block);
            if (info->map_width > 0) {
                EXPECT_EQ(point.cell, point.y * info->map_width + point.x);
            }
        }
    }
}

TEST(BlockChange, ArrivalsThatDependOnTheOldRowAndTheWagon) {
    TestWorld world;
    GameState& state = world.game.state;
    // Block 1 eastward from block 2: rows 0..6 arrive at row 4, 7 and above at row 11.
    state.PosY = 6;
    LoadStartCoords(world.game, 1, 1);
    EXPECT_EQ(Where(state), (Spot{0, 4, 1, 64}));
    state.PosY = 7;
    LoadStartCoords(world.game, 1, 1);
    EXPECT_EQ(Where(state), (Spot{0, 11, 1, 176}));
    state.PosY = 6;
    LoadStartCoords(world.game, 2, 3);
    EXPECT_EQ(Where(state), (Spot{15, 4, 3, 79}));
    state.PosY = 7;
    LoadStartCoords(world.game, 2, 3);
    EXPECT_EQ(Where(state), (Spot{15, 11, 3, 191}));

    // Verezeve from the west: on foot at the gate, by wagon at the wagon's yard.
    state.WagonRide = False;
    LoadStartCoords(world.game, 0, 3);
    EXPECT_EQ(Where(state), (Spot{15, 7, 3, 127}));
    state.WagonRide = True;
    LoadStartCoords(world.game, 0, 3);
    EXPECT_EQ(Where(state), (Spot{13, 15, 3, 253}));
    EXPECT_EQ(state.WagonRide, False);

    // Other blocks leave the wagon flag alone.
    state.WagonRide = True;
    LoadStartCoords(world.game, 20, 2);
    EXPECT_EQ(state.WagonRide, True);

    // A pair the table lacks keeps the position, but the block is the new one.
    state.PosX = 3;
    state.PosY = 2;
    state.PosCell = 35;
    state.Facing = 2;
    LoadStartCoords(world.game, 12, 3);
    EXPECT_EQ(Where(state), (Spot{3, 2, 2, 35}));
    EXPECT_EQ(state.CurrentBlock, 12);
}

TEST(BlockChange, EveryEdgeExitLoadsTheNextBlockAndAnnouncesIt) {
    auto exits = EdgeExitTable();
    TestWorld world(Repeat("click cmdButton1\n", 2 * exits.size()));
    world.WriteOpenMaps();
    GameState& state = world.game.state;
    for (int old_row : {3, 12}) {
        for (const EdgeExit& exit : exits) {
            state.CurrentBlock = exit.from_block;
            state.PosY = static_cast<int16_t>(old_row);
            state.SoundBusy = False;
            ChangeBlock(world.game, exit.from_block, exit.direction);
            const ArrivalPoint* arrival =
                ExpectedArrival(exit.to_block, exit.arrival_direction, old_row, false);
            ASSERT_NE(arrival, nullptr);
            EXPECT_EQ(state.CurrentBlock, exit.to_block);
            EXPECT_EQ(Where(state), (Spot{arrival->x, arrival->y, arrival->facing, arrival->cell}))
                << "from block " << exit.from_block << " direction " << exit.direction;
            EXPECT_EQ(state.MapWidth, world_test::TestMapWidth(exit.to_block));
            EXPECT_EQ(world.TakeTranscript(),
                      std::string("sound Bell.wav\ndialog 1 ") + FindBlock(exit.to_block)->name + "\n");
        }
    }
}

TEST(BlockChange, AnExitNoRowNamesOnlyRingsAndRepeatsTheName) {
    TestWorld world("click cmdButton1\nclick cmdButton1\n");
    world.WriteOpenMaps();
    GameState& state = world.game.state;
    LoadNewMap(world.game, 10);
    world.Place(10, 0, 5, 3);
    // The Park has no west exit: the party stays where it is.
    ChangeBlock(world.game, 10, 3);
    EXPECT_EQ(state.CurrentBlock, 10);
    EXPECT_EQ(Where(state), (Spot{0, 5, 3, 80}));
    EXPECT_EQ(state.MapWidth, 16);
    EXPECT_EQ(world.TakeTranscript(), "sound Bell.wav\ndialog 1 The Park...\n");
    // The Pit has none at all; a bell already ringing is not rung again.
    state.CurrentBlock = 12;
    ChangeBlock(world.game, 12, 0);
    EXPECT_EQ(world.TakeTranscript(), "dialog 1 The Pit...\n");
}

TEST(BlockChange, LeavingVerezeveForTheWilderness) {
    // No; Yes, a trip out and back, and the name.
    TestWorld world("click cmdButton2\nclick cmdButton1\nclick cmdButton1\n" + BackInto(4) +
                    "click cmdButton1\n");
    world.WriteOpenMaps();
    GameState& state = world.game.state;
    LoadNewMap(world.game, 0);
    world.Place(0, 15, 4, 1);
    ChangeBlock(world.game, 0, 1);
    EXPECT_EQ(Where(state), (Spot{15, 4, 1, 79}));
    EXPECT_EQ(state.TownSite, 0);
    EXPECT_EQ(world.TakeTranscript(),
              "dialog 2 Leaving Verezeve, enter Wilderness?\nsound Bell.wav\ndialog 1 Town of Verezeve...\n");

    // Back into Verezeve from the wilderness: in by the west gate.
    state.SoundBusy = False;
    ChangeBlock(world.game, 0, 1);
    EXPECT_EQ(state.TownSite, 4);
    EXPECT_EQ(state.CurrentBlock, 0);
    EXPECT_EQ(Where(state), (Spot{15, 7, 3, 127}));
    EXPECT_EQ(world.TakeTranscript(), "dialog 2 Leaving Verezeve, enter Wilderness?\n" +
                                          WildernessTrip("Verezeve") +
                                          "sound Bell.wav\ndialog 1 Town of Verezeve...\n");
}

TEST(BlockChange, LeavingTheOtherTownsOnFoot) {
    struct Town {
        int block;
        const char* question;
        const char* name;
        int town_site;
        Spot arrival;
    };
    const Town towns[] = {
        {15, "Leaving Rizevoz, enter Wilderness?", "Rizevoz", 5, {7, 0, 0, 7}},
        {19, "Leaving North Caves, enter Wilderness?", "North Caves", 7, {0, 8, 1, 80}},
        {20, "Leaving Trog Camp, enter Wilderness?", "Troglodyte Camp", 6, {6, 14, 2, 216}},
    };
    std::string script;
    for (const Town& town : towns)
        script += "click cmdButton2\nclick cmdButton1\nclick cmdButton1\n" + BackInto(town.town_site) +
                  "click cmdButton1\n";
    TestWorld world(script);
    world.WriteOpenMaps();
    GameState& state = world.game.state;
    for (const Town& town : towns) {
        LoadNewMap(world.game, town.block);
        world.Place(town.block, 2, 2, 3);
        Spot start = Where(state);
        state.TownSite = 0;
        state.SoundBusy = False;
        ChangeBlock(world.game, town.block, 0);  // No
        EXPECT_EQ(Where(state), start);
        EXPECT_EQ(state.TownSite, 0);
        // The other towns announce an empty name.
        EXPECT_EQ(world.TakeTranscript(),
                  std::string("dialog 2 ") + town.question + "\nsound Bell.wav\ndialog 1 \n");

        state.SoundBusy = False;
        ChangeBlock(world.game, town.block, 2);  // Yes, out and straight back in
        EXPECT_EQ(state.TownSite, town.town_site);
        EXPECT_EQ(state.CurrentBlock, town.block);
        EXPECT_EQ(Where(state), town.arrival) << town.block;
        EXPECT_EQ(world.TakeTranscript(), std::string("dialog 2 ") + town.question + "\n" +
                                              WildernessTrip(town.name) + "sound Bell.wav\ndialog 1 \n");
    }
}

TEST(BlockChange, TheWagonBackToVerezeve) {
    // Yes: ride home; No: walk into the wilderness instead.
    TestWorld world("click cmdButton1\nclick cmdButton1\nclick cmdButton2\n" + BackInto(7) +
                    "click cmdButton1\n");
    world.WriteOpenMaps();
    GameState& state = world.game.state;
    LoadNewMap(world.game, 15);
    world.Place(15, 7, 0, 2);
    state.WagonRide = True;
    ChangeBlock(world.game, 15, 2);
    EXPECT_EQ(state.CurrentBlock, 0);
    EXPECT_EQ(state.TownSite, 4);
    EXPECT_EQ(Where(state), (Spot{13, 15, 3, 253}));
    EXPECT_EQ(state.WagonRide, False);
    EXPECT_EQ(state.MapWidth, 16);
    EXPECT_EQ(world.TakeTranscript(),
              "dialog 2 Take the wagon back to Verezeve?\nsound Bell.wav\ndialog 1 Town of Verezeve...\n");

    LoadNewMap(world.game, 19);
    world.Place(19, 3, 3, 3);
    state.WagonRide = True;
    state.SoundBusy = False;
    ChangeBlock(world.game, 19, 3);
    EXPECT_EQ(state.WagonRide, False);
    EXPECT_EQ(state.TownSite, 7);
    EXPECT_EQ(state.CurrentBlock, 19);
    EXPECT_EQ(Where(state), (Spot{0, 8, 1, 80}));
    EXPECT_EQ(world.TakeTranscript(), "dialog 2 Take the wagon back to Verezeve?\n" +
                                          WildernessTrip("North Caves") + "sound Bell.wav\ndialog 1 \n");
}

TEST(BlockChange, SetTownByTownSite) {
    TestWorld world;
    world.WriteOpenMaps();
    GameState& state = world.game.state;
    for (const TownArrival& town : TownArrivalTable()) {
        state.TownSite = town.town_site;
        state.SoundBusy = False;
        SetTown(world.game);
        const ArrivalPoint* arrival = ExpectedArrival(town.block, town.arrival_direction, 0, false);
        ASSERT_NE(arrival, nullptr);
        EXPECT_EQ(state.CurrentBlock, town.block);
        EXPECT_EQ(Where(state), (Spot{arrival->x, arrival->y, arrival->facing, arrival->cell}));
        EXPECT_EQ(state.MapWidth, world_test::TestMapWidth(town.block));
        EXPECT_EQ(world.TakeTranscript(), "sound Bell.wav\n");
    }
    // Any other site loads nothing.
    state.TownSite = 3;
    state.SoundBusy = False;
    SetTown(world.game);
    EXPECT_EQ(state.CurrentBlock, 19);
    EXPECT_EQ(world.TakeTranscript(), "sound Bell.wav\n");
}

TEST(BlockChange, StairsAskFirstAndMoveByTheTable) {
    auto rows = StairsTable();
    TestWorld world("click cmdButton2\n" + Repeat("click cmdButton1\nclick cmdButton1\n", rows.size()));
    world.WriteOpenMaps();
    GameState& state = world.game.state;

    LoadNewMap(world.game, 12);
    world.Place(12, 1, 8, 1);
    StairsToLevel(world.game, stairs::Up);  // No
    EXPECT_EQ(state.CurrentBlock, 12);
    EXPECT_EQ(Where(state), (Spot{1, 8, 1, 81}));
    EXPECT_EQ(world.TakeTranscript(), "dialog 2 You find a staircase leading up...take it?\n");

    for (const StairsRow& row : rows) {
        state.CurrentBlock = row.from_block;
        state.SoundBusy = False;
        StairsToLevel(world.game, row.stairs);
        const ArrivalPoint* arrival = ExpectedArrival(row.to_block, row.arrival_direction, 0, false);
        ASSERT_NE(arrival, nullptr);
        EXPECT_EQ(state.CurrentBlock, row.to_block);
        EXPECT_EQ(Where(state), (Spot{arrival->x, arrival->y, arrival->facing, arrival->cell}));
        EXPECT_EQ(state.MapWidth, world_test::TestMapWidth(row.to_block));
        // No bell and no name on the stairs.
        EXPECT_EQ(world.TakeTranscript(), row.stairs == stairs::Up
                                              ? "dialog 2 You find a staircase leading up...take it?\n"
                                                "dialog 1 You ascend the stairs.\n"
                                              : "dialog 2 You find a staircase leading down...take it?\n"
                                                "dialog 1 You descend the stairs.\n");
    }
    StairsToLevel(world.game, 12);  // not a staircase
    EXPECT_EQ(world.TakeTranscript(), "");
}

}  // namespace
}  // namespace duskmoor
