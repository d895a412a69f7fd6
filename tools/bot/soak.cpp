#include "soak.h"

#include <fstream>
#include <sstream>

#include "items/item_catalogue.h"

namespace duskmoor::bot {

std::string PartyInvariantProblem(const GameState& state) {
    if (state.NumPlayers < 0 || state.NumPlayers > 4) return "NumPlayers " + std::to_string(state.NumPlayers);
    bool seen[5] = {};
    for (int slot = 0; slot < 4; ++slot) {
        const PLAYER& p = state.Party[slot];
        const std::string where = "slot " + std::to_string(slot);
        if (slot >= state.NumPlayers) {
            if (p.Active != 0) return where + " is beyond NumPlayers but active";
            continue;
        }
        if (p.Active != -1) return where + " is in play but not active";
        if (p.Position < 1 || p.Position > state.NumPlayers || seen[p.Position])
            return where + " has position " + std::to_string(p.Position);
        seen[p.Position] = true;
    }
    return {};
}

std::string LoadProblem(const GameState& state) {
    std::string problems;
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        const PLAYER& p = state.Party[slot];
        long load = p.Gold + p.Silver + p.Copper;
        for (int i = 0; i < p.PackCount && i < 25; ++i) load += ItemWeight(p.Pack[i]);
        if (load != p.Load)
            problems += "slot " + std::to_string(slot) + " Load " + std::to_string(p.Load) + " but carries " +
                        std::to_string(load) + "; ";
    }
    return problems;
}

long ResidentKilobytes(int pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) != 0) continue;
        std::istringstream fields(line.substr(6));
        long kilobytes = 0;
        fields >> kilobytes;
        return kilobytes;
    }
    return 0;
}

std::vector<std::string> SoakNames() {
    std::vector<std::string> names{"NumPlayers"};
    for (int slot = 0; slot < 4; ++slot) {
        const std::string head = "Party[" + std::to_string(slot) + "].";
        for (const char* field : {"Active", "Position", "Load", "Gold", "Silver", "Copper", "PackCount"})
            names.push_back(head + field);
        for (int i = 0; i < 25; ++i) names.push_back(head + "Pack[" + std::to_string(i) + "]");
    }
    return names;
}

}  // namespace duskmoor::bot
