#include "game_tables.h"

#include "events/encounter_content.h"

namespace duskmoor::maps {

WorldTables GameWorldTables() {
    WorldTables tables;
    const auto arrivals = ArrivalTable();
    const auto edge_exits = EdgeExitTable();
    const auto wilderness_exits = WildernessExitTable();
    const auto stairs = StairsTable();
    tables.arrivals.assign(arrivals.begin(), arrivals.end());
    tables.edge_exits.assign(edge_exits.begin(), edge_exits.end());
    tables.wilderness_exits.assign(wilderness_exits.begin(), wilderness_exits.end());
    tables.stairs.assign(stairs.begin(), stairs.end());
    for (int block = 0; block < kBlockCount; ++block) {
        tables.widths[block] = FindBlock(block)->map_width;
        for (const EncounterContent& entry : EncounterContentOf(block).entries) {
            if (entry.cell >= 0) tables.encounters[block].push_back({entry.entry, entry.cell, entry.kind});
        }
    }
    return tables;
}

}  // namespace duskmoor::maps
