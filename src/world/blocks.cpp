#include "world/blocks.h"

#include "shell/game.h"

namespace duskmoor {

void ClearMap(GameState& state) {
    state.Map.fill(MapCell{});
    state.MapWidth = 0;
    state.MapHeight = 0;
}

// The map files and the blocks' tables arrive with the world; until then a
// game starts in the town block with an empty map.
void LoadNewMap(Game& /*game*/) {}

void LoadStartingMap(Game& game) {
    game.state.CurrentBlock = 0;
    LoadNewMap(game);
}

}  // namespace duskmoor
