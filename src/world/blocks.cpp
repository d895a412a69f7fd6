#include "world/blocks.h"

#include "shell/game.h"
#include "ui/host.h"
#include "world/block_tables.h"
#include "world/map_file.h"

namespace duskmoor {
namespace {

constexpr int kTownBlock = 0;

// A map of another width than its block's would put the party's cell
// numbers and the arrival points out of step: it is refused like a damaged file.
bool ReadBlockMap(const GameState& state, int block, MapData& map) {
    const BlockInfo* info = FindBlock(block);
    MapData read;
    if (!info || !ReadMapFile(state.AppPath + "Maps/" + info->map_file, read)) return false;
    if (read.width != info->map_width) return false;
    map = read;
    return true;
}

void InstallMap(GameState& state, const MapData& map) {
    state.MapWidth = map.width;
    state.MapHeight = map.height;
    state.Map = map.cells;
}

}  // namespace

void ClearMap(GameState& state) {
    state.Map.fill(MapCell{});
    state.MapWidth = 0;
    state.MapHeight = 0;
}

bool LoadNewMap(Game& game, int block) {
    MapData map;
    if (!ReadBlockMap(game.state, block, map)) {
        game.host.MessageBox("Error loading map.");
        return false;
    }
    InstallMap(game.state, map);
    return true;
}

void LoadStartingMap(Game& game) {
    game.state.CurrentBlock = kTownBlock;
    MapData map;
    if (!ReadBlockMap(game.state, kTownBlock, map)) {
        game.host.MessageBox("On error");
        return;
    }
    InstallMap(game.state, map);
}

std::string GetBlockName(const GameState& state) {
    const BlockInfo* info = FindBlock(state.CurrentBlock);
    return info ? info->name : "";
}

}  // namespace duskmoor
