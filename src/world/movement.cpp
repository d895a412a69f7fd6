#include "world/movement.h"

#include "events/encounter_check.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/game_clock.h"
#include "shell/new_game.h"
#include "shell/sound.h"
#include "world/block_change.h"
#include "world/map_file.h"

namespace duskmoor {
namespace {

// The door between the Ruins and the Foyer opens only to the password while
// the Foyer's guards (its entry 6) still wait behind it.
constexpr int kRuinsBlock = 13;
constexpr int kFoyerBlock = 14;
constexpr int kFoyerGuardsEntry = 6;

// Movement only ever reads the party's own cell. A position outside the grid
// can only come from a damaged saved game; the party then cannot step at all.
bool CellInGrid(int cell) {
    return cell >= 0 && cell < kMapCells;
}

// The wall and door of the side of the party's cell that it faces.
struct Side {
    int16_t wall = 0;
    int16_t door = 0;
    bool on_edge = false;  // the side is on the map's outer edge
    int cell_offset = 0;   // how `PosCell` changes with a step through it
    int16_t step_x = 0, step_y = 0;
};

bool FacedSide(const GameState& state, Side& side) {
    // With no map in memory (a block whose map could not be loaded) there is
    // nowhere to step: the party stays where it arrived.
    if (!MapSizeFits(state.MapWidth, state.MapHeight) || !CellInGrid(state.PosCell)) return false;
    const MapCell& cell = state.Map[state.PosCell];
    switch (state.Facing) {
        case 0:
            side = {cell.NorthWall, cell.NorthDoor, state.PosY + 1 >= state.MapHeight, state.MapWidth, 0, 1};
            return true;
        case 1:
            side = {cell.EastWall, cell.EastDoor, state.PosX + 1 >= state.MapWidth, 1, 1, 0};
            return true;
        case 2:
            side = {cell.SouthWall, cell.SouthDoor, state.PosY - 1 < 0, -state.MapWidth, 0, -1};
            return true;
        case 3:
            side = {cell.WestWall, cell.WestDoor, state.PosX - 1 < 0, -1, -1, 0};
            return true;
        default:
            return false;
    }
}

bool StepForward(Game& game) {
    GameState& state = game.state;
    Side side;
    if (!FacedSide(state, side) || side.on_edge) return false;
    if (side.wall != 0 && side.door == 0) return false;
    if (!CellInGrid(state.PosCell + side.cell_offset)) return false;
    if (side.door != 0) PlayPlaceSound(game, place_sound::Door);
    state.PosX = static_cast<int16_t>(state.PosX + side.step_x);
    state.PosY = static_cast<int16_t>(state.PosY + side.step_y);
    state.PosCell = static_cast<int16_t>(state.PosCell + side.cell_offset);
    return true;
}

bool FacesEdgeDoor(const GameState& state) {
    Side side;
    return FacedSide(state, side) && side.on_edge && side.door != 0;
}

bool PasswordGuardsDoor(const GameState& state) {
    return state.CurrentBlock == kRuinsBlock && state.Facing == 2 &&
           IsSet(state.Encounters[kFoyerBlock].Pending[kFoyerGuardsEntry]);
}

void EndGame(Game& game) {
    if (game.view) game.view->EndGameByDeath();
}

}  // namespace

bool UpdateCoords(Game& game, int direction) {
    GameState& state = game.state;
    bool moved = false;
    switch (direction) {
        case move::Forward:
            moved = StepForward(game);
            break;
        case move::Right:
            state.Facing = static_cast<int16_t>(state.Facing + 1 == 4 ? 0 : state.Facing + 1);
            moved = true;
            break;
        case move::Left:
            state.Facing = static_cast<int16_t>(state.Facing - 1 == -1 ? 3 : state.Facing - 1);
            moved = true;
            break;
        default:
            break;
    }
    if (game.view) game.view->RefreshCoords();
    return moved;
}

void TurnCommand(Game& game, int direction) {
    if (direction != move::Left && direction != move::Right) return;
    if (UpdateCoords(game, direction) && game.view) game.view->RedrawView();
}

void ForwardCommand(Game& game) {
    GameState& state = game.state;
    bool party_dead = false;
    if (UpdateCoords(game, move::Forward)) {
        if (game.view) game.view->RedrawView();
        AdvanceClock(game);
        party_dead = CheckPartyDeath(game);
    } else if (FacesEdgeDoor(state)) {
        // A wrong or withheld password leaves the party at the door; nothing
        // else happens on this command.
        if (PasswordGuardsDoor(state) && ShowDialog(game, "A voice beyond the door asks for the password...",
                                                    dialog::Password) != dialog::RightPassword)
            return;
        ChangeBlock(game, state.CurrentBlock, state.Facing);
    }
    if (party_dead) {
        EndGame(game);
        return;
    }
    if (!IsSet(state.PartyDefeated)) CheckEncounter(game, state.CurrentBlock);
    if (IsSet(state.PartyDefeated)) EndGame(game);
}

}  // namespace duskmoor
