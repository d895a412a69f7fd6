#include "app/command_line.h"

#include <cerrno>
#include <cstdlib>

namespace duskmoor {
namespace {

bool ParseWholeNumber(const char* text, long long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0' && errno == 0 && value >= 0;
}

}  // namespace

const char kGameUsage[] =
    "usage: duskmoor [--replay SCRIPT [--pace MS] [--quit-at-end]] [--seed N] [--data DIR]";

bool ParseGameOptions(int argc, const char* const* argv, GameOptions& options, std::string& problem) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        long long number = 0;
        if (argument == "--quit-at-end") {
            options.quit_at_end = true;
            continue;
        }
        if (argument != "--replay" && argument != "--seed" && argument != "--pace" && argument != "--data") {
            problem = "unknown option '" + argument + "'";
            return false;
        }
        if (!value) {
            problem = argument + " needs a value";
            return false;
        }
        ++i;
        if (argument == "--replay") {
            options.replay_script = value;
        } else if (argument == "--data") {
            options.data_folder = value;
        } else if (!ParseWholeNumber(value, number)) {
            problem = argument + " takes a whole number" + (argument == "--pace" ? " of milliseconds" : "");
            return false;
        } else if (argument == "--seed") {
            options.seed = static_cast<unsigned long long>(number);
            options.seed_given = true;
        } else {
            options.pace_ms = number;
        }
    }
    return true;
}

}  // namespace duskmoor
