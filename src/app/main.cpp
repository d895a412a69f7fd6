// The game's entry point: finds the folder the game lives in, opens the
// window and runs the game until the player ends it.
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "app/replay.h"
#include "core/process_stat.h"
#include "core/random.h"
#include "script/game_access.h"
#include "shell/game_main.h"
#include "ui/host.h"
#include "ui/sdl_host.h"

namespace {

// Taken first thing in main: the fallback when the process's own start time
// cannot be read.
const auto main_entered = std::chrono::steady_clock::now();

// The folder of the running executable, ending with '/': Maps/, Art/ and
// Sounds/ are beside it.
std::string ProgramFolder() {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0) return "./";
    std::string path(buffer, static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

// Milliseconds since the kernel started this process (it counts in clock
// ticks, so this is good to about 10 ms), or -1 when that cannot be read.
long long MillisecondsSinceProcessStart() {
    // The start time is field 22, in clock ticks since boot.
    const std::string field = duskmoor::ProcessStatField("self", 22);
    if (field.empty()) return -1;
    const long ticks_per_second = sysconf(_SC_CLK_TCK);
    timespec since_boot{};
    if (ticks_per_second <= 0 || clock_gettime(CLOCK_BOOTTIME, &since_boot) != 0) return -1;
    const long long start_ms = std::stoll(field) * 1000 / ticks_per_second;
    const long long now_ms = static_cast<long long>(since_boot.tv_sec) * 1000 + since_boot.tv_nsec / 1000000;
    return now_ms - start_ms;
}

long long FirstFrameMilliseconds() {
    const long long since_start = MillisecondsSinceProcessStart();
    if (since_start >= 0) return since_start;
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 main_entered)
        .count();
}

// Start-up timing for tools/bench: report when the first frame is shown and stop.
void ReportFirstFrameWhenAsked(duskmoor::SdlHost& host) {
    const char* asked = std::getenv("DUSKMOOR_BENCH_FIRST_FRAME");
    if (!asked || std::string(asked) != "1") return;
    host.first_frame_shown = [] {
        std::printf("first-frame-ms %lld\n", FirstFrameMilliseconds());
        std::fflush(stdout);
        throw duskmoor::ProgramExit{};
    };
}

constexpr char kUsage[] =
    "usage: duskmoor [--replay SCRIPT [--pace MS] [--quit-at-end]] [--seed N] [--data DIR]";

struct Options {
    std::string replay_script;  // empty: the player plays from the start
    unsigned long long seed = 1;
    bool seed_given = false;
    long long pace_ms = duskmoor::kRealTimePaceMs;
    bool quit_at_end = false;
    std::string data_folder;
};

bool ParseWholeNumber(const char* text, long long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0' && errno == 0 && value >= 0;
}

// False, with the reason in `problem`, for a command line the game cannot use.
bool ParseOptions(int argc, char** argv, Options& options, std::string& problem) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool has_value = i + 1 < argc;
        long long number = 0;
        if (argument == "--replay" && has_value) {
            options.replay_script = argv[++i];
        } else if (argument == "--seed" && has_value && ParseWholeNumber(argv[i + 1], number)) {
            options.seed = static_cast<unsigned long long>(number);
            options.seed_given = true;
            ++i;
        } else if (argument == "--pace" && has_value && ParseWholeNumber(argv[i + 1], number)) {
            options.pace_ms = number;
            ++i;
        } else if (argument == "--data" && has_value) {
            options.data_folder = argv[++i];
        } else if (argument == "--quit-at-end") {
            options.quit_at_end = true;
        } else {
            problem = "cannot use '" + argument + "'";
            return false;
        }
    }
    return true;
}

// Plays the game with the player's hands on it, or first with a script's.
// Returns the exit status.
int Play(duskmoor::SdlHost& host, const Options& options) {
    using namespace duskmoor;
    const std::string folder = options.data_folder.empty() ? ProgramFolder() : options.data_folder;
    if (options.replay_script.empty()) {
        RunGame(host, folder);
        return 0;
    }
    std::ifstream script(options.replay_script);
    if (!script) {
        std::cerr << "duskmoor: cannot read " << options.replay_script << "\n";
        return 2;
    }
    WindowReplay replay(host, script, folder, std::cout, std::cerr);
    replay.SetPace(options.pace_ms);
    ScriptedGameAccess access;
    replay.SetGameAccess(&access);
    host.SetAutopilot(&replay, [&host, &options] {
        if (options.quit_at_end) host.Quit();
    });
    try {
        RunGame(host, folder, [&access](Game& game) { access.Attach(game); });
    } catch (const ProgramExit&) {
    }
    // The game ended while the script still played it, as the runner says.
    if (host.piloted()) std::cout << "quit" << std::endl;
    return replay.failed() ? 2 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string problem;
    if (!ParseOptions(argc, argv, options, problem)) {
        std::cerr << "duskmoor: " << problem << "\n" << kUsage << "\n";
        return 2;
    }
    std::string error;
    std::unique_ptr<duskmoor::SdlHost> host = duskmoor::SdlHost::Create(error);
    if (!host) {
        std::cerr << "duskmoor: cannot open a window: " << error << "\n";
        return 1;
    }
    ReportFirstFrameWhenAsked(*host);
    // Every game rolls different dice, but a replay rolls the script's.
    if (options.seed_given || !options.replay_script.empty()) {
        duskmoor::Random().Seed(options.seed);
    } else {
        duskmoor::Random().SeedFromClock();
    }
    try {
        return Play(*host, options);
    } catch (const duskmoor::ProgramExit&) {
    }
    return 0;
}
