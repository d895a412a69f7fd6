// duskmoor-bot: an automated party that plays The Duskmoor from the game menu
// to the finale through the script runner, as a player would.
//
//     duskmoor-bot [--seed N] [--data DIR] [--record SCRIPT] [--runner PATH] [--limit ACTIONS]
//                  [--final-state FILE] [--soak ACTIONS]
//     duskmoor-bot --bench SEEDS [--runner PATH] [--limit ACTIONS]
//
// --record writes every action sent, under a "# seed N" line, so that
// `duskmoor-script --seed N --data DIR SCRIPT` plays the same game; --final-state
// writes the state the game ended in, as the runner's `get` answers; --soak plays
// on after the finale and checks the party after every action.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "bot.h"
#include "play_folder.h"
#include "summary_text.h"

namespace {

using namespace duskmoor::bot;

struct Options {
    unsigned long long seed = 1;
    std::string data;
    std::string record;
    std::string runner;
    long limit = 400000;
    int bench = 0;
    std::string final_state;
    long soak = 0;
};

[[noreturn]] void Usage(const std::string& problem) {
    std::cerr
        << "duskmoor-bot: " << problem << "\n"
        << "usage: duskmoor-bot [--seed N] [--data DIR] [--record SCRIPT] [--runner PATH] [--limit ACTIONS]\n"
        << "       duskmoor-bot --bench SEEDS [--runner PATH] [--limit ACTIONS]\n";
    std::exit(2);
}

long long Number(const char* text) {
    char* end = nullptr;
    long long value = std::strtoll(text, &end, 10);
    if (*end != '\0' || value < 0) Usage(std::string("not a whole number: ") + text);
    return value;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    options.runner = ProgramFolder() + "duskmoor-script";
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (i + 1 >= argc) Usage("'" + argument + "' needs a value");
        const char* value = argv[++i];
        if (argument == "--seed") {
            options.seed = static_cast<unsigned long long>(Number(value));
        } else if (argument == "--data") {
            options.data = value;
        } else if (argument == "--record") {
            options.record = value;
        } else if (argument == "--runner") {
            options.runner = value;
        } else if (argument == "--limit") {
            options.limit = static_cast<long>(Number(value));
        } else if (argument == "--final-state") {
            options.final_state = value;
        } else if (argument == "--soak") {
            options.soak = static_cast<long>(Number(value));
        } else if (argument == "--bench") {
            options.bench = static_cast<int>(Number(value));
        } else {
            Usage("unknown option '" + argument + "'");
        }
    }
    return options;
}

struct Game {
    Summary summary;
    double seconds = 0;
    bool soak_clean = true;
};

void WriteFinalState(Session& session, const std::string& path) {
    std::ofstream out(path);
    const std::vector<std::string> names = FinalStateNames();
    std::map<std::string, std::string> values = session.GetMany(names);
    for (const std::string& name : names) out << name << "=" << values[name] << "\n";
}

bool ReportSoak(const SoakReport& report) {
    std::printf(
        "soak: %ld actions, %ld checks, %zu problems; runner memory %ld kB after settling, %ld kB at the "
        "end, "
        "%ld kB at the peak\n",
        report.actions, report.checks, report.problems.size(), report.rss_first_kb, report.rss_last_kb,
        report.rss_peak_kb);
    for (const std::string& problem : report.problems) std::printf("  %s\n", problem.c_str());
    // Memory may wobble with what the screens hold; it must not climb with the length of the game.
    const bool steady = report.rss_last_kb <= report.rss_first_kb + report.rss_first_kb / 10 + 2048;
    if (!steady) std::printf("soak: the runner's memory grew\n");
    return report.problems.empty() && steady;
}

Game PlayOne(const Options& options, unsigned long long seed, const std::string& data) {
    auto start = std::chrono::steady_clock::now();
    RunnerPipe runner(options.runner, seed, data);
    Session session(runner);
    Bot bot(session, options.limit);
    Game game;
    game.summary = bot.Play();
    if (options.soak > 0) game.soak_clean = ReportSoak(bot.Soak(options.soak, runner.pid()));
    if (!options.final_state.empty()) WriteFinalState(session, options.final_state);
    if (!options.record.empty()) {
        std::ofstream record(options.record);
        record << "# seed " << seed << "\n";
        for (const std::string& action : session.record()) record << action << "\n";
    }
    game.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    game.summary.exchanges = session.exchanges();
    return game;
}

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseOptions(argc, argv);
    if (options.bench > 0) {
        double seconds = 0;
        long actions = 0;
        int won = 0;
        for (int seed = 1; seed <= options.bench; ++seed) {
            PlayFolder folder(options.runner);
            Game game = PlayOne(options, static_cast<unsigned long long>(seed), folder.path());
            std::cout << OneLineSummary(static_cast<unsigned long long>(seed), game.summary, game.seconds)
                      << "\n";
            seconds += game.seconds;
            actions += game.summary.actions;
            won += game.summary.won ? 1 : 0;
        }
        std::printf("%d of %d seeds won; %.1f s wall time, %ld actions, %.0f actions per second\n", won,
                    options.bench, seconds, actions, seconds > 0 ? actions / seconds : 0.0);
        return won == options.bench ? 0 : 1;
    }
    std::optional<PlayFolder> folder;
    std::string data = options.data;
    if (data.empty()) {
        folder.emplace(options.runner);
        data = folder->path();
    }
    Game game = PlayOne(options, options.seed, data);
    std::cout << FullSummary(options.seed, game.summary, game.seconds);
    return game.summary.won && game.soak_clean ? 0 : 1;
}
