#include "map_sources.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "map_text.h"
#include "world/block_tables.h"
#include "world/map_file.h"

namespace duskmoor::maps {
namespace {

BlockMap FromMapData(const MapData& data, int block) {
    BlockMap map;
    map.block = block;
    map.width = data.width;
    map.height = data.height;
    map.cells.assign(data.cells.begin(), data.cells.begin() + map.CellCount());
    return map;
}

}  // namespace

BlockMaps ReadSourceFolder(const std::string& folder, std::vector<std::string>& errors) {
    BlockMaps maps;
    std::vector<std::filesystem::path> paths;
    std::error_code failure;
    for (const auto& entry : std::filesystem::directory_iterator(folder, failure)) {
        if (entry.path().extension() == ".txt") paths.push_back(entry.path());
    }
    if (failure) errors.push_back(folder + ": " + failure.message());
    std::sort(paths.begin(), paths.end());
    for (const auto& path : paths) {
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        std::string error;
        std::optional<BlockMap> map = ParseMapText(text.str(), error);
        if (!map) {
            errors.push_back(path.string() + ": " + error);
        } else if (maps[map->block]) {
            errors.push_back(path.string() + ": block " + std::to_string(map->block) +
                             " already has a map in another file");
        } else {
            maps[map->block] = std::move(map);
        }
    }
    return maps;
}

BlockMaps ReadMapFolder(const std::string& folder, std::vector<std::string>& errors) {
    BlockMaps maps;
    for (int block = 0; block < kBlockCount; ++block) {
        const std::string path = folder + "/" + FindBlock(block)->map_file;
        MapData data;
        std::string problem;
        if (!std::filesystem::exists(path)) {
            errors.push_back(path + ": missing");
        } else if (!ReadMapFile(path, data, &problem)) {
            errors.push_back(path + ": " + problem);
        } else {
            maps[block] = FromMapData(data, block);
        }
    }
    return maps;
}

std::vector<uint8_t> CompiledBytes(const BlockMap& map) {
    return EncodeMapFile(static_cast<int16_t>(map.width), static_cast<int16_t>(map.height), map.cells);
}

BlockMap AsCompiled(const BlockMap& map) {
    MapData data;
    DecodeMapFile(CompiledBytes(map), data);
    return FromMapData(data, map.block);
}

}  // namespace duskmoor::maps
