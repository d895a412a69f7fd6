#pragma once
// A game on the script host for tests of event rules: the script answers the
// dialogs and screens the rule opens, and the transcript shows what was said.
#include <sstream>
#include <string>

#include "core/random.h"
#include "party/party.h"
#include "shell/game.h"
#include "script/script_host.h"

namespace duskmoor {

struct ScriptedGame {
    // `members` of the default party (Rhomadon fighter, Evro thief, Sharah
    // cleric, Whisper magic-user) in slots 0.., marching in slot order.
    ScriptedGame(const std::string& script, int members)
        : input(script), host(input, transcript, "/nonexistent/") {
        const auto party = DefaultParty();
        for (int slot = 0; slot < members; ++slot) game.state.Party[slot] = party[slot];
        game.state.NumPlayers = static_cast<int16_t>(members);
    }
    // Queues the draws that make the next dice come up as `rolls` (each 1..100).
    static void Rolls(std::initializer_list<int> rolls) {
        for (int roll : rolls) Random().Force(roll / 100.0);
    }
    std::string Said() const { return transcript.str(); }

    std::istringstream input;
    std::ostringstream transcript;
    ScriptHost host;
    Game game{host};
};

}  // namespace duskmoor
