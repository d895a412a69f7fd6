// duskmoor-maps: compiles the readable map sources into the game's map files,
// checks that the maps agree with the world's tables, and prints plans.
//
//   duskmoor-maps --compile SOURCE_DIR MAPS_DIR
//       check every source of SOURCE_DIR and write each block's map file into
//       MAPS_DIR; when any map breaks a rule nothing is written
//   duskmoor-maps --check MAPS_DIR
//       check the compiled map files that the game reads
//   duskmoor-maps --plan BLOCK SOURCE_DIR
//       print a block's plan with its encounters and arrival points marked
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "content/atomic_file.h"
#include "game_tables.h"
#include "map_plan.h"
#include "map_sources.h"
#include "world/block_tables.h"

namespace duskmoor::maps {
namespace {

constexpr const char* kUsage =
    "usage: duskmoor-maps --compile SOURCE_DIR MAPS_DIR\n"
    "       duskmoor-maps --check MAPS_DIR\n"
    "       duskmoor-maps --plan BLOCK SOURCE_DIR\n";

bool ReportErrors(const std::vector<std::string>& errors) {
    for (const std::string& error : errors) std::cerr << "duskmoor-maps: " << error << '\n';
    return errors.empty();
}

bool CheckAll(const BlockMaps& maps, const WorldTables& tables) {
    const std::vector<Violation> violations = CheckWorld(maps, tables);
    for (const Violation& violation : violations) {
        const int width = violation.block >= 0 && violation.block < kBlockCount && maps[violation.block]
                              ? maps[violation.block]->width
                              : 0;
        std::cerr << "duskmoor-maps: " << Describe(violation, width) << '\n';
    }
    return violations.empty();
}

int Compile(const std::string& source_folder, const std::string& maps_folder) {
    std::vector<std::string> errors;
    BlockMaps maps = ReadSourceFolder(source_folder, errors);
    if (!ReportErrors(errors)) return 1;
    for (auto& map : maps) {
        if (map) map = AsCompiled(*map);
    }
    if (!CheckAll(maps, GameWorldTables())) return 1;
    std::filesystem::create_directories(maps_folder);
    for (const auto& map : maps) {
        const std::string path = maps_folder + "/" + FindBlock(map->block)->map_file;
        if (!content::WriteFileAtomically(path, CompiledBytes(*map))) {
            std::cerr << "duskmoor-maps: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}

int Check(const std::string& maps_folder) {
    std::vector<std::string> errors;
    const BlockMaps maps = ReadMapFolder(maps_folder, errors);
    if (!ReportErrors(errors)) return 1;
    if (!CheckAll(maps, GameWorldTables())) return 1;
    std::cout << "duskmoor-maps: all " << kBlockCount << " maps keep every rule\n";
    return 0;
}

int Plan(const std::string& block_text, const std::string& source_folder) {
    int block = -1;
    try {
        block = std::stoi(block_text);
    } catch (...) {
    }
    if (block < 0 || block >= kBlockCount) {
        std::cerr << "duskmoor-maps: no block " << block_text << '\n';
        return 2;
    }
    std::vector<std::string> errors;
    const BlockMaps maps = ReadSourceFolder(source_folder, errors);
    if (!ReportErrors(errors)) return 1;
    if (!maps[block]) {
        std::cerr << "duskmoor-maps: block " << block << " has no source in " << source_folder << '\n';
        return 1;
    }
    std::cout << PlanWithMarks(*maps[block], GameWorldTables());
    return 0;
}

}  // namespace
}  // namespace duskmoor::maps

int main(int argc, char** argv) {
    using namespace duskmoor::maps;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--compile" && argc == 4) return Compile(argv[2], argv[3]);
    if (command == "--check" && argc == 3) return Check(argv[2]);
    if (command == "--plan" && argc == 4) return Plan(argv[2], argv[3]);
    std::cerr << kUsage;
    return 2;
}
