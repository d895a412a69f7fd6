#pragma once
// What the game's command line asks for: the player's own game, or a runner
// script replayed in the window first.
#include <string>

#include "script/script_player.h"

namespace duskmoor {

struct GameOptions {
    std::string replay_script;  // empty: the player plays from the start
    unsigned long long seed = 1;
    bool seed_given = false;
    long long pace_ms = kRealTimePaceMs;
    bool quit_at_end = false;
    std::string data_folder;  // empty: the program's own folder
};

extern const char kGameUsage[];

// False, with the reason in `problem`, for a command line the game cannot use.
bool ParseGameOptions(int argc, const char* const* argv, GameOptions& options, std::string& problem);

}  // namespace duskmoor
