// Wherever the party goes and whatever it does, the game can be saved there
// and the save loads back to the same game: the loader's rules never refuse a
// state the game itself reaches.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>

#include "events/set_encounters.h"
#include "party/character_files.h"
#include "party/party.h"
#include "party/save_file_format.h"
#include "shell/game_clock.h"
#include "shell/game_state.h"
#include "shell/new_game.h"
#include "shell/party_changes.h"
#include "world/block_change.h"
#include "world/block_tables.h"
#include "world/blocks.h"
#include "world/movement.h"
#include "world_test_support.h"

namespace duskmoor {
namespace {

namespace fs = std::filesystem;

constexpr int kWalks = 16;
constexpr int kActionsPerWalk = 200;
// Every so often the save goes through a real file and the game goes on
// from what was loaded, as a player's would.
constexpr int kActionsBetweenFileSaves = 100;

// Dialog answers for a whole walk: Yes or No at random (an OK-only message
// ignores the No and takes the next answer).
std::string RandomAnswers(std::mt19937& dice) {
    std::string script;
    for (int answer = 0; answer < 6 * kActionsPerWalk; ++answer)
        script += dice() % 3 ? "click cmdButton1\n" : "click cmdButton2\n";
    return script;
}

// A new game of the default party in the town, as the game menu starts one.
void StartInTown(Game& game) {
    GameState& state = game.state;
    Reinit(state);
    state.GameActive = True;
    state.Party = DefaultParty();
    state.NumPlayers = 4;
    state.PosX = 4;
    state.PosY = 10;
    state.PosCell = 164;
    state.Facing = 3;
    state.GameHour = 13;
    ClearMap(state);
    LoadStartingMap(game);
    SetEncounters(state);
    // The walks are about where the party can stand; what it meets on the
    // way (buildings, battles, notes) is played by the scenarios.
    for (BlockEncounters& block : state.Encounters) {
        block.Pending.fill(False);
        block.RandomLeft = 0;
    }
}

// The direction of one of the block's edge exits, or any direction where it has none.
int RandomExitDirection(int block, std::mt19937& dice) {
    std::vector<int> directions;
    for (const EdgeExit& exit : EdgeExitTable())
        if (exit.from_block == block) directions.push_back(exit.direction);
    if (directions.empty()) return static_cast<int>(dice() % 4);
    return directions[dice() % directions.size()];
}

// One thing a player does: mostly walking and turning, sometimes changing
// the party's order, sending a member away or toggling the search. A blind
// walk seldom finds a door on the map's edge, so now and then the party
// goes through one of the block's exits, or takes stairs, as if it had.
void RandomAction(Game& game, std::mt19937& dice) {
    GameState& state = game.state;
    const unsigned roll = dice() % 100;
    if (roll < 54) {
        ForwardCommand(game);
    } else if (roll < 59) {
        ChangeBlock(game, state.CurrentBlock, RandomExitDirection(state.CurrentBlock, dice));
    } else if (roll < 61) {
        StairsToLevel(game, dice() % 2 ? stairs::Up : stairs::Down);
    } else if (roll < 78) {
        TurnCommand(game, move::Left);
    } else if (roll < 96) {
        TurnCommand(game, move::Right);
    } else if (roll < 98) {
        const std::string first = std::to_string(1 + dice() % 4), second = std::to_string(1 + dice() % 4);
        SwapPositions(state, first, second);
        SortSlotsByPosition(state);
    } else if (roll < 99) {
        if (state.NumPlayers > 1) RemoveFromParty(state, static_cast<int>(dice() % state.NumPlayers));
    } else {
        state.SearchMode = IsSet(state.SearchMode) ? False : True;
    }
}

// A copy of the game's maps in `folder`, with the Garden's map missing, the
// West Garden's 0 cells wide and the Estate's 12 instead of 16: the walks
// on it meet "Error loading map." right beside the town.
void DamagedMaps(const std::string& folder) {
    fs::copy(fs::path(DUSKMOOR_GAME_DIR) / "Maps", fs::path(folder) / "Maps");
    fs::remove(fs::path(folder) / "Maps" / FindBlock(1)->map_file);
    for (auto [block, width] : {std::pair{2, 0}, std::pair{3, 12}}) {
        const fs::path path = fs::path(folder) / "Maps" / FindBlock(block)->map_file;
        std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
        const char header[2] = {static_cast<char>(width), 0};
        file.write(header, 2);
    }
}

std::string Where(const GameState& state) {
    return "block " + std::to_string(state.CurrentBlock) + " at " + std::to_string(state.PosX) + " , " +
           std::to_string(state.PosY) + " cell " + std::to_string(state.PosCell) + " facing " +
           std::to_string(state.Facing);
}

TEST(SaveAnywhere, EveryStateReachedSavesAndLoadsBackTheSame) {
    std::string pattern = (fs::temp_directory_path() / "duskmoor-save-anywhere-XXXXXX").string();
    const std::string saves = mkdtemp(pattern.data());
    DamagedMaps(saves);
    std::set<int> blocks_seen;
    for (int walk = 1; walk <= kWalks; ++walk) {
        SCOPED_TRACE("walk " + std::to_string(walk));
        std::mt19937 dice(walk);
        world_test::TestWorld world(RandomAnswers(dice));
        Game& game = world.game;
        GameState& state = game.state;
        // Every other walk is on damaged maps.
        state.AppPath = walk % 2 ? std::string(DUSKMOOR_GAME_DIR) + "/" : saves + "/";
        StartInTown(game);
        ASSERT_EQ(state.MapWidth, 16);
        for (int action = 1; action <= kActionsPerWalk; ++action) {
            RandomAction(game, dice);
            blocks_seen.insert(state.CurrentBlock);
            const GameState saved = state;
            std::vector<uint8_t> bytes;
            ASSERT_TRUE(EncodeSavedGame(saved, bytes));
            GameState loaded;
            FileRefusal refusal;
            ASSERT_TRUE(DecodeSavedGame(bytes, loaded, &refusal))
                << "action " << action << ", " << Where(state) << ": " << refusal.Describe();
            ASSERT_TRUE(SameSavedPart(loaded, saved));
            if (action % kActionsBetweenFileSaves != 0) continue;

            // Through a file, into a game that had nothing, and on from there.
            const std::string path = saves + "/walk.dms";
            std::string error;
            ASSERT_TRUE(WriteSavedGameFile(path, saved, error)) << error;
            Reinit(state);
            ClearMap(state);
            ASSERT_TRUE(ReadSavedGameFile(path, state, &refusal)) << refusal.Describe();
            KickStart(game);
            ASSERT_TRUE(SameSavedPart(state, saved));
            // The map in memory, if any could be loaded, is the block's own.
            const int width = FindBlock(state.CurrentBlock)->map_width;
            ASSERT_EQ(state.PosCell, state.PosY * width + state.PosX) << Where(state);
            if (state.MapWidth != 0) {
                ASSERT_EQ(state.MapWidth, width) << Where(state);
            }
        }
    }
    fs::remove_all(saves);
    // The walks get about the world.
    EXPECT_GE(blocks_seen.size(), 8u);
}

}  // namespace
}  // namespace duskmoor
