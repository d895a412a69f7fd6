#include "world_map.h"

#include <algorithm>
#include <deque>

#include "events/encounter_content.h"
#include "events/encounter_kinds.h"
#include "world/block_tables.h"
#include "world/map_cell.h"

namespace duskmoor::bot {

namespace {

std::vector<Crossing> MakeCrossings() {
    std::vector<Crossing> crossings;
    for (const EdgeExit& exit : EdgeExitTable())
        crossings.push_back({exit.from_block, exit.to_block, exit.direction, -1});
    for (int block = 0; block < kBlockCount; ++block) {
        for (const EncounterContent& entry : EncounterContentOf(block).entries) {
            if (entry.kind != encounter_kind::StairsUp && entry.kind != encounter_kind::StairsDown) continue;
            for (const StairsRow& row : StairsTable())
                if (row.stairs == entry.kind && row.from_block == block)
                    crossings.push_back({block, row.to_block, -1, entry.cell});
        }
    }
    return crossings;
}

}  // namespace

const std::vector<Crossing>& Crossings() {
    static const std::vector<Crossing> crossings = MakeCrossings();
    return crossings;
}

const Crossing* CrossingBetween(int from, int to) {
    for (const Crossing& crossing : Crossings())
        if (crossing.from_block == from && crossing.to_block == to) return &crossing;
    return nullptr;
}

std::vector<int> BlockPath(int from, int to) {
    std::vector<int> came_from(kBlockCount, -2);
    if (from < 0 || from >= kBlockCount || to < 0 || to >= kBlockCount) return {};
    std::deque<int> queue{from};
    came_from[from] = -1;
    while (!queue.empty()) {
        int here = queue.front();
        queue.pop_front();
        if (here == to) break;
        for (const Crossing& crossing : Crossings()) {
            if (crossing.from_block != here || came_from[crossing.to_block] != -2) continue;
            came_from[crossing.to_block] = here;
            queue.push_back(crossing.to_block);
        }
    }
    if (came_from[to] == -2) return {};
    std::vector<int> path;
    for (int block = to; block != -1; block = came_from[block]) path.push_back(block);
    std::reverse(path.begin(), path.end());
    return path;
}

}  // namespace duskmoor::bot
