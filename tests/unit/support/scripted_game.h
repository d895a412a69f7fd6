#pragma once
// A game on a script host: the dialogs and screens that rules open are
// answered by the lines of `script`, and what the player would have seen is
// written to `transcript`.
#include <sstream>
#include <string>

#include "shell/game.h"
#include "script/script_host.h"

namespace duskmoor {

struct ScriptedGame {
    explicit ScriptedGame(const std::string& script = "")
        : input(script), host(input, transcript, "/nonexistent/") {}
    std::istringstream input;
    std::ostringstream transcript;
    ScriptHost host;
    Game game{host};
};

}  // namespace duskmoor
