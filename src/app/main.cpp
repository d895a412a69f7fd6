// The game's entry point: finds the folder the game lives in, opens the
// window and runs the game until the player ends it.
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "app/command_line.h"
#include "app/replay.h"
#include "core/process_stat.h"
#include "core/random.h"
#include "script/game_access.h"
#include "script/script_line.h"
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

// Plays the game with the player's hands on it, or first with the script's.
// Returns the exit status.
int Play(duskmoor::SdlHost& host, const duskmoor::GameOptions& options, std::istream* script) {
    using namespace duskmoor;
    const std::string folder = options.data_folder.empty() ? ProgramFolder() : options.data_folder;
    if (!script) {
        RunGame(host, folder);
        return 0;
    }
    WindowReplay replay(host, *script, folder, std::cout, std::cerr);
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
    duskmoor::GameOptions options;
    std::string problem;
    if (!duskmoor::ParseGameOptions(argc, argv, options, problem)) {
        std::cerr << "duskmoor: " << problem << "\n" << duskmoor::kGameUsage << "\n";
        return 2;
    }
    std::ifstream script;
    if (!options.replay_script.empty()) {
        script.open(options.replay_script);
        if (!script) {
            std::cerr << "duskmoor: cannot read " << options.replay_script << "\n";
            return 2;
        }
    }
    std::string error;
    std::unique_ptr<duskmoor::SdlHost> host = duskmoor::SdlHost::Create(error);
    if (!host) {
        std::cerr << "duskmoor: cannot open a window: " << error << "\n";
        return 1;
    }
    ReportFirstFrameWhenAsked(*host);
    // Every game rolls different dice, but a replay rolls the script's: the
    // seed given, or the one a recorded game names, or the runner's 1.
    if (script.is_open() && !options.seed_given) duskmoor::RecordedSeed(script, options.seed);
    if (options.seed_given || script.is_open()) {
        duskmoor::Random().Seed(options.seed);
    } else {
        duskmoor::Random().SeedFromClock();
    }
    try {
        return Play(*host, options, script.is_open() ? &script : nullptr);
    } catch (const duskmoor::ProgramExit&) {
    }
    return 0;
}
