// The map rules: a small map that keeps every rule passes, and each way of
// breaking one is reported with that rule, the block and the cell.
#include "map_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "map_text.h"
#include "town_checker.h"

namespace duskmoor::maps {
namespace {

// Block 10, four cells by three, one open room:
//   (3, 1) is the arrival from the west, with the east door out to block 13;
//   (0, 0) is the stairs down, arrived on from below; (2, 2) holds a treasure.
BlockMap RoomMap() {
    std::string error;
    auto map = ParseMapText(
        "block 10\nsize 4 3\nplan\n"
        "+---+---+---+---+\n"
        "|               |\n"
        "+               +\n"
        "|               D\n"
        "+               +\n"
        "|               |\n"
        "+---+---+---+---+\n",
        error);
    EXPECT_TRUE(map) << error;
    return *map;
}

WorldTables RoomTables() {
    WorldTables tables;
    tables.widths[10] = 4;
    tables.arrivals = {{10, 3, ArrivalCondition::Always, 3, 1, 3, 7},
                       {10, 1, ArrivalCondition::Always, 0, 0, 1, 0}};
    tables.edge_exits = {{10, 1, 13, 1}, {13, 3, 10, 3}};
    tables.stairs = {{11, 10, 12, 1}};
    tables.encounters[10] = {{0, 0, kKindStairsDown}, {1, 10, 2}};
    return tables;
}

// Whether a violation of `rule` on `cell` starts with `detail`.
bool Has(const std::vector<Violation>& violations, const char* rule, int cell, const std::string& detail) {
    return std::any_of(violations.begin(), violations.end(), [&](const Violation& violation) {
        return violation.rule == rule && violation.cell == cell && violation.detail.starts_with(detail);
    });
}

std::vector<std::string> RulesBroken(const BlockMap& map, const WorldTables& tables) {
    std::vector<std::string> rules;
    for (const Violation& violation : CheckMap(map, tables)) rules.push_back(violation.rule);
    return rules;
}

// Sets a side on one cell only, as a hand-edited map file could.
void SetOneSide(BlockMap& map, int x, int y, int direction, int wall, int door) {
    WallOf(map.At(x, y), direction) = static_cast<int16_t>(wall);
    DoorOf(map.At(x, y), direction) = static_cast<int16_t>(door);
}
void SetBothSides(BlockMap& map, int x, int y, int direction, int wall, int door) {
    SetOneSide(map, x, y, direction, wall, door);
    SetOneSide(map, x + kStepX[direction], y + kStepY[direction], Opposite(direction), wall, door);
}

TEST(MapCheckerTest, AMapThatKeepsEveryRulePasses) {
    EXPECT_TRUE(CheckMap(RoomMap(), RoomTables()).empty());
}

TEST(MapCheckerTest, SidesAgreeAndTheEdgeIsClosed) {
    BlockMap one_way = RoomMap();
    SetOneSide(one_way, 1, 1, kEast, 1, 0);
    auto violations = CheckMap(one_way, RoomTables());
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(
        Describe(violations[0], 4),
        "block 10, cell 5 (1, 1): walls agree from both sides: its east side is a wall but the west side of "
        "(2, 1) is open");

    BlockMap door_only_one_side = RoomMap();
    SetBothSides(door_only_one_side, 1, 1, kNorth, 1, 1);
    SetOneSide(door_only_one_side, 1, 2, kSouth, 1, 0);
    EXPECT_EQ(RulesBroken(door_only_one_side, RoomTables()), std::vector<std::string>{rules::kBothSides});

    BlockMap door_without_wall = RoomMap();
    SetBothSides(door_without_wall, 1, 1, kNorth, 0, 1);
    violations = CheckMap(door_without_wall, RoomTables());
    ASSERT_EQ(violations.size(), 2u);  // seen from both cells
    EXPECT_EQ(violations[0].rule, rules::kDoorInWall);
    EXPECT_EQ(violations[0].cell, 5);

    BlockMap open_edge = RoomMap();
    SetOneSide(open_edge, 1, 0, kSouth, 0, 0);
    violations = CheckMap(open_edge, RoomTables());
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(Describe(violations[0], 4),
              "block 10, cell 1 (1, 0): the outer edge is closed: the south side lies on the map's edge and "
              "is open");
}

TEST(MapCheckerTest, EdgeDoorsAreExactlyTheExits) {
    // Block 10 is never left westward: a west door would lead nowhere.
    BlockMap west_door = RoomMap();
    SetOneSide(west_door, 0, 1, kWest, 1, 1);
    auto violations = CheckMap(west_door, RoomTables());
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(
        Describe(violations[0], 4),
        "block 10, cell 4 (0, 1): every edge door leads somewhere: the door in the west edge leads nowhere: "
        "no exit of block 10 goes west");

    BlockMap no_east_door = RoomMap();
    SetOneSide(no_east_door, 3, 1, kEast, 1, 0);
    violations = CheckMap(no_east_door, RoomTables());
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(
        Describe(violations[0], 4),
        "block 10: every exit has its edge door: the exit east to block 13 has no door in the east edge");

    // A wilderness exit in any direction is kept by a door in any edge.
    WorldTables wilderness = RoomTables();
    wilderness.edge_exits.clear();
    wilderness.wilderness_exits = {{10, -1, 4, "?"}};
    EXPECT_TRUE(CheckMap(RoomMap(), wilderness).empty());
    EXPECT_EQ(RulesBroken(west_door, wilderness), std::vector<std::string>{});
    EXPECT_EQ(RulesBroken(no_east_door, wilderness), std::vector<std::string>{rules::kExitHasDoor});
}

TEST(MapCheckerTest, ArrivalPointsLieOnTheMapAtTheirCell) {
    WorldTables outside = RoomTables();
    outside.arrivals.push_back({10, 2, ArrivalCondition::Always, 4, 0, 2, 4});
    auto violations = CheckMap(RoomMap(), outside);
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(violations[0].rule, rules::kArrivalInside);
    EXPECT_EQ(violations[0].detail, "the arrival point (4, 0) lies outside the map");

    // The cell number of an arrival point fixes the width: (1, 2) is cell 9 here, not 11.
    WorldTables wrong_cell = RoomTables();
    wrong_cell.arrivals.push_back({10, 2, ArrivalCondition::Always, 1, 2, 2, 11});
    violations = CheckMap(RoomMap(), wrong_cell);
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(violations[0].detail, "the arrival point (1, 2) is cell 9 on this map, not cell 11");

    WorldTables wider = RoomTables();
    wider.widths[10] = 5;
    EXPECT_EQ(RulesBroken(RoomMap(), wider), std::vector<std::string>{rules::kSize});
}

TEST(MapCheckerTest, EverythingIsReachableOnFootFromEveryArrival) {
    // A wall across the room cuts the stairs' corner off from the east door.
    BlockMap cut = RoomMap();
    for (int y = 0; y < 3; ++y) SetBothSides(cut, 0, y, kEast, 1, 0);
    auto violations = CheckMap(cut, RoomTables());
    ASSERT_EQ(violations.size(), 3u);
    EXPECT_EQ(Describe(violations[0], 4),
              "block 10, cell 0 (0, 0): reachable on foot: entry 0 cannot be reached from the arrival point "
              "(3, 1)");
    // From the stairs neither the treasure nor the east door can be reached.
    EXPECT_EQ(violations[1].detail, "entry 1 cannot be reached from the arrival point (0, 0)");
    EXPECT_EQ(violations[2].detail,
              "the door in the east edge cannot be reached from the arrival point (0, 0)");

    // A door in that wall joins them again: doors never block.
    SetBothSides(cut, 0, 2, kEast, 1, 1);
    EXPECT_TRUE(CheckMap(cut, RoomTables()).empty());

    // The treasure walled in on its own.
    BlockMap walled = RoomMap();
    SetBothSides(walled, 2, 2, kWest, 1, 0);
    SetBothSides(walled, 2, 2, kEast, 1, 0);
    SetBothSides(walled, 2, 2, kSouth, 1, 0);
    violations = CheckMap(walled, RoomTables());
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(violations[0].cell, 10);
    EXPECT_EQ(violations[0].detail, "entry 1 cannot be reached from the arrival point (3, 1)");

    WorldTables beyond = RoomTables();
    beyond.encounters[10].push_back({2, 12, 1});
    violations = CheckMap(RoomMap(), beyond);
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(violations[0].rule, rules::kEncounterInside);
}

TEST(MapCheckerTest, StaircasesLeadSomewhereAndStandAgainstWalls) {
    WorldTables no_row = RoomTables();
    no_row.stairs = {{10, 10, 12, 1}};  // only a staircase up is named for block 10
    auto violations = CheckMap(RoomMap(), no_row);
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(violations[0].rule, rules::kStairsTable);
    EXPECT_EQ(violations[0].cell, 0);

    // In the room's corner the stairs have two walls: enough. Along the south
    // wall they have one.
    WorldTables along_wall = RoomTables();
    along_wall.encounters[10][0].cell = 1;
    violations = CheckMap(RoomMap(), along_wall);
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(Describe(violations[0], 4),
              "block 10, cell 1 (1, 0): a staircase stands against walls: the staircase down has 1 walls; a "
              "staircase stands at a dead end or in a corner, with at least two");
    // A door is not a wall to lean on.
    BlockMap door_beside = RoomMap();
    SetBothSides(door_beside, 1, 0, kEast, 1, 1);
    EXPECT_EQ(RulesBroken(door_beside, along_wall), std::vector<std::string>{rules::kStairsWalls});
    BlockMap wall_beside = RoomMap();
    SetBothSides(wall_beside, 1, 0, kEast, 1, 0);
    EXPECT_TRUE(CheckMap(wall_beside, along_wall).empty());
}

TEST(MapCheckerTest, EveryBlockNeedsAMap) {
    std::array<std::optional<BlockMap>, kBlockCount> maps;
    maps[10] = RoomMap();
    const auto violations = CheckWorld(maps, RoomTables());
    EXPECT_EQ(violations.size(), static_cast<size_t>(kBlockCount - 1));
    EXPECT_TRUE(
        std::none_of(violations.begin(), violations.end(), [](const Violation& v) { return v.block == 10; }));
}

// A small town, six cells by twelve: a street along row 10 (where a new game
// starts, at (4, 10)) and down column 2 to the inn's door; the inn (2, 2) with
// its back room (2, 1); a shop (1, 11) and the transport office (5, 11) on the
// street, the office over the wagon's stop (5, 10).
class TownCheckerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        town_.block = kTownBlock;
        town_.width = 6;
        town_.height = 12;
        town_.cells.assign(72, MapCell{});
        for (MapCell& cell : town_.cells) {
            for (int direction = 0; direction < 4; ++direction) WallOf(cell, direction) = 1;
        }
        for (int x = 0; x < 5; ++x) SetBothSides(town_, x, 10, kEast, 0, 0);
        for (int y = 3; y < 10; ++y) SetBothSides(town_, 2, y, kNorth, 0, 0);
        SetBothSides(town_, 2, 2, kNorth, 1, 1);
        SetBothSides(town_, 2, 2, kSouth, 1, 1);
        SetBothSides(town_, 1, 11, kSouth, 1, 1);
        SetBothSides(town_, 5, 11, kSouth, 1, 1);
        for (const int building : {14, 8, 67, 71}) town_.cells[building].Roofed = -1;
        tables_.widths[kTownBlock] = 6;
        tables_.arrivals = {{0, 1, ArrivalCondition::Always, 0, 10, 1, 60},
                            {0, 3, ArrivalCondition::WagonRide, 5, 10, 3, 65}};
        tables_.encounters[kTownBlock] = {{kInnEntry, 14, kKindTownBuilding},
                                          {5, 67, kKindTownBuilding},
                                          {kTransportEntry, 71, kKindTownBuilding}};
    }

    std::vector<Violation> Check() const { return CheckMap(town_, tables_); }

    BlockMap town_;
    WorldTables tables_;
};

TEST_F(TownCheckerTest, ATownThatKeepsEveryRulePasses) {
    for (const Violation& violation : Check()) ADD_FAILURE() << Describe(violation, 6);
}

TEST_F(TownCheckerTest, BuildingsAreEnteredAndLeftThroughADoor) {
    // An open side instead of a door.
    SetBothSides(town_, 1, 11, kSouth, 0, 0);
    auto violations = Check();
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(
        Describe(violations[0], 6),
        "block 0, cell 67 (1, 11): town buildings are entered through a door: the building is open on its "
        "south side; a building is entered only through a door");

    // A door that only the building has: the party walks out but never in.
    SetUp();
    SetOneSide(town_, 1, 10, kNorth, 1, 0);
    violations = Check();
    EXPECT_TRUE(Has(violations, rules::kBothSides, 61, "its north side is a wall"));
    EXPECT_TRUE(Has(violations, rules::kLeaving, 67, "entering from (1, 10) and leaving"));

    // A building without any door.
    SetUp();
    SetBothSides(town_, 1, 11, kSouth, 1, 0);
    violations = Check();
    EXPECT_TRUE(Has(violations, rules::kReachable, 67, "entry 5 cannot be reached"));
    EXPECT_TRUE(Has(violations, rules::kBuildingDoor, 67, "the building has no door to a street"));

    // A door into the next building instead of the street.
    SetUp();
    tables_.encounters[kTownBlock].push_back({6, 61, kKindTownBuilding});
    town_.cells[61].Roofed = -1;
    SetBothSides(town_, 1, 10, kNorth, 1, 1);
    SetBothSides(town_, 1, 10, kEast, 1, 0);
    SetBothSides(town_, 1, 10, kWest, 1, 1);
    violations = Check();
    EXPECT_TRUE(
        Has(violations, rules::kBuildingDoor, 67, "the door on its south side opens into another building"));
}

TEST_F(TownCheckerTest, TheInnIsEnteredFacingSouthAndLeftFromItsBackRoom) {
    // Entered from the east instead of from the north.
    SetBothSides(town_, 2, 2, kNorth, 1, 0);
    SetBothSides(town_, 2, 2, kEast, 1, 1);
    for (int y = 2; y < 10; ++y) SetBothSides(town_, 3, y, kNorth, 0, 0);
    SetBothSides(town_, 3, 10, kWest, 0, 0);
    auto violations = Check();
    ASSERT_FALSE(violations.empty());
    EXPECT_EQ(violations[0].rule, rules::kInn);
    EXPECT_EQ(
        violations[0].detail,
        "the inn has a way out on its east side; it is entered facing south, from the street to its north");

    // No back room behind the south door.
    SetUp();
    SetBothSides(town_, 2, 2, kSouth, 1, 0);
    violations = Check();
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(violations[0].detail, "the inn has no door on its south side to a back room");

    // A back room with a second way out.
    SetUp();
    SetBothSides(town_, 2, 1, kEast, 0, 0);
    violations = Check();
    ASSERT_FALSE(violations.empty());
    EXPECT_EQ(
        Describe(violations[0], 6),
        "block 0, cell 8 (2, 1): the inn: the inn's back room has a way out on its east side; it is reached "
        "through the inn only");

    // A back room door that only lets the party in: it cannot step back onto the inn.
    SetUp();
    SetOneSide(town_, 2, 1, kNorth, 1, 0);
    violations = Check();
    EXPECT_TRUE(Has(violations, rules::kInn, 14, "from the back room facing north"));
}

TEST_F(TownCheckerTest, TheOfficeTheStartAndTheSky) {
    // The office with its door onto the street one cell away from the wagon's stop.
    tables_.arrivals[1] = {0, 3, ArrivalCondition::WagonRide, 4, 10, 3, 64};
    auto violations = Check();
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(
        Describe(violations[0], 6),
        "block 0, cell 71 (5, 11): the transport office stands by the wagon: the office has no door onto "
        "the wagon's stop (4, 10)");

    // The start walled off from the gate.
    SetUp();
    SetBothSides(town_, 3, 10, kEast, 1, 0);
    SetBothSides(town_, 4, 10, kEast, 1, 0);
    tables_.arrivals.pop_back();
    tables_.encounters[kTownBlock].pop_back();
    violations = Check();
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(violations[0].rule, rules::kStart);
    EXPECT_EQ(violations[0].cell, 64);

    SetUp();
    town_.At(2, 5).Roofed = -1;
    violations = Check();
    ASSERT_EQ(violations.size(), 1u);
    EXPECT_EQ(violations[0].rule, rules::kTownSky);
    EXPECT_EQ(violations[0].cell, 32);
}

}  // namespace
}  // namespace duskmoor::maps
