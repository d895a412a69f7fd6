#include "world/block_change.h"

#include <string>

#include "events/encounter_check.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "world/block_tables.h"
#include "world/blocks.h"
#include "world/wilderness_screen.h"

namespace duskmoor {
namespace {

// Wilderness sites of the towns.
constexpr int16_t kVerezeveSite = 4;
constexpr int16_t kTrogCampSite = 6;

bool ConditionHolds(ArrivalCondition condition, const GameState& state) {
    switch (condition) {
        case ArrivalCondition::Always:
            return true;
        case ArrivalCondition::OldRowBelow7:
            return state.PosY < 7;
        case ArrivalCondition::OldRow7OrMore:
            return state.PosY >= 7;
        case ArrivalCondition::NoWagonRide:
            return !IsSet(state.WagonRide);
        case ArrivalCondition::WagonRide:
            return IsSet(state.WagonRide);
    }
    return false;
}

const ArrivalPoint* FindArrival(const GameState& state, int block, int direction) {
    for (const ArrivalPoint& point : ArrivalTable()) {
        if (point.block != block) continue;
        if (point.direction != -1 && point.direction != direction) continue;
        if (ConditionHolds(point.condition, state)) return &point;
    }
    return nullptr;
}

const EdgeExit* FindEdgeExit(int block, int direction) {
    for (const EdgeExit& exit : EdgeExitTable())
        if (exit.from_block == block && exit.direction == direction) return &exit;
    return nullptr;
}

const WildernessExit* FindWildernessExit(int block, int direction) {
    for (const WildernessExit& exit : WildernessExitTable())
        if (exit.block == block && (exit.direction == -1 || exit.direction == direction)) return &exit;
    return nullptr;
}

const TownArrival* FindTownArrival(int town_site) {
    for (const TownArrival& arrival : TownArrivalTable())
        if (arrival.town_site == town_site) return &arrival;
    return nullptr;
}

const StairsRow* FindStairs(int stairs, int block) {
    for (const StairsRow& row : StairsTable())
        if (row.stairs == stairs && row.from_block == block) return &row;
    return nullptr;
}

void MoveToBlock(Game& game, int block, int arrival_direction) {
    ClearMap(game.state);
    LoadNewMap(game, block);
    LoadStartCoords(game, block, arrival_direction);
    game.state.CurrentBlock = static_cast<int16_t>(block);
}

// Returns false when the party was beaten on the way out of Verezeve: then
// nothing more happens, not even the bell.
bool LeaveForTheWilderness(Game& game, const WildernessExit& exit) {
    GameState& state = game.state;
    const bool from_verezeve = exit.town_site == kVerezeveSite;
    if (!from_verezeve && IsSet(state.WagonRide)) {
        if (ShowDialog(game, "Take the wagon back to Verezeve?", dialog::YesNo) == dialog::Yes) {
            // WagonRide stays set so that Verezeve receives the party at the wagon.
            state.TownSite = kVerezeveSite;
            SetTown(game);
            return true;
        }
        state.WagonRide = False;
    } else if (ShowDialog(game, exit.question, dialog::YesNo) != dialog::Yes) {
        return true;
    }
    state.TownSite = exit.town_site;
    CrossTheWilderness(game);
    if (from_verezeve && IsSet(state.PartyDefeated)) return false;
    SetTown(game);
    return true;
}

}  // namespace

void LoadStartCoords(Game& game, int block, int direction) {
    GameState& state = game.state;
    if (const ArrivalPoint* point = FindArrival(state, block, direction)) {
        state.PosX = point->x;
        state.PosY = point->y;
        state.Facing = point->facing;
        state.PosCell = point->cell;
        if (point->condition == ArrivalCondition::WagonRide) state.WagonRide = False;
    }
    state.CurrentBlock = static_cast<int16_t>(block);
    if (game.view) {
        game.view->RefreshCoords();
        game.view->RedrawView();
    }
}

void ChangeBlock(Game& game, int block, int direction) {
    if (const WildernessExit* wilderness = FindWildernessExit(block, direction)) {
        if (!LeaveForTheWilderness(game, *wilderness)) return;
    } else if (const EdgeExit* exit = FindEdgeExit(block, direction)) {
        MoveToBlock(game, exit->to_block, exit->arrival_direction);
    }
    PlayPlaceSound(game, place_sound::Bell);
    ShowDialog(game, GetBlockName(game.state), dialog::OkOnly);
}

void SetTown(Game& game) {
    GameState& state = game.state;
    if (const TownArrival* arrival = FindTownArrival(state.TownSite)) {
        MoveToBlock(game, arrival->block, arrival->arrival_direction);
        // The wagon drops the party right into the Trog Camp's welcome.
        if (arrival->town_site == kTrogCampSite && IsSet(state.WagonRide))
            CheckEncounter(game, state.CurrentBlock);
    }
    PlayPlaceSound(game, place_sound::Bell);
}

void StairsToLevel(Game& game, int stairs_kind) {
    if (stairs_kind != stairs::Up && stairs_kind != stairs::Down) return;
    const bool up = stairs_kind == stairs::Up;
    const char* question =
        up ? "You find a staircase leading up...take it?" : "You find a staircase leading down...take it?";
    if (ShowDialog(game, question, dialog::YesNo) == dialog::No) return;
    ShowDialog(game, up ? "You ascend the stairs." : "You descend the stairs.", dialog::OkOnly);
    // A staircase the table does not know leads nowhere: the party stays.
    if (const StairsRow* row = FindStairs(stairs_kind, game.state.CurrentBlock))
        MoveToBlock(game, row->to_block, row->arrival_direction);
}

}  // namespace duskmoor
