#include "script/game_access.h"

#include "shell/game.h"
#include "shell/state_names.h"
#include "world/blocks.h"
#include "world/map_cell.h"

namespace duskmoor {

std::string ScriptedGameAccess::Get(const std::string& name, std::string& value) {
    if (!game_) return "the game has not started";
    return GetStateValue(game_->state, name, value);
}

std::string ScriptedGameAccess::Set(const std::string& name, const std::string& value) {
    if (!game_) return "the game has not started";
    std::string error = SetStateValue(game_->state, name, value);
    if (error.empty() && game_->view) {
        game_->view->RefreshPartyPanel();
        game_->view->RefreshClock();
        game_->view->RefreshCoords();
    }
    return error;
}

// Loads the block's map and stands the party on the cell, silently: no
// sound, no encounter, no clock.
std::string ScriptedGameAccess::Goto(int block, int x, int y, int facing) {
    if (!game_) return "the game has not started";
    if (block < 0 || block >= kBlockCount) return "goto: no block " + std::to_string(block);
    if (facing < 0 || facing > 3) return "goto: facing must be 0..3";
    GameState& state = game_->state;
    ClearMap(state);
    state.CurrentBlock = static_cast<int16_t>(block);
    if (!LoadNewMap(*game_, block))
        return "goto: the map of block " + std::to_string(block) + " did not load";
    if (x < 0 || x >= state.MapWidth || y < 0 || y >= state.MapHeight)
        return "goto: cell " + std::to_string(x) + " , " + std::to_string(y) + " is outside the " +
               std::to_string(state.MapWidth) + " x " + std::to_string(state.MapHeight) + " map";
    state.PosX = static_cast<int16_t>(x);
    state.PosY = static_cast<int16_t>(y);
    state.PosCell = static_cast<int16_t>(y * state.MapWidth + x);
    state.Facing = static_cast<int16_t>(facing);
    if (game_->view) {
        game_->view->RefreshCoords();
        game_->view->RedrawView();
    }
    return {};
}

}  // namespace duskmoor
