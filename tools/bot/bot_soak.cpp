// Playing on after the finale, with the game's invariants checked after every action.
#include <random>

#include "bot.h"
#include "shell/state_names.h"
#include "soak.h"

namespace duskmoor::bot {

namespace {
constexpr size_t kProblemsKept = 20;
constexpr long kMemorySample = 500;
}  // namespace

// One round of wandering: a walk to some cell of the ruins, a fight or two on
// the way, a camp now and then, home when hurt.
void Bot::Wander() {
    static std::mt19937 chooser(12345);
    view_.Refresh();
    if (PartyHurt()) {
        GoHome();
        return;
    }
    int block = 1 + static_cast<int>(chooser() % kRuinsLastBlock);
    view_.RefreshMap();
    int cell = static_cast<int>(chooser() % 256);
    if (!WalkTo({block, cell}) && session_.top() == "frmMain" && view_.state().CurrentBlock != 0)
        CampAndHeal(1);
}

SoakReport Bot::Soak(long actions, int runner_pid) {
    SoakReport report;
    // A save after the finale, so that a defeat on the wanderings loads the game won, not one before it.
    view_.Refresh();
    if (view_.state().CurrentBlock == 0) RestAtInn();
    SaveGame();
    GameState mirror;
    const std::vector<std::string> names = SoakNames();
    const long start = session_.actions();
    action_limit_ = start + actions;
    won_ = false;  // the finale is behind: play on
    session_.AfterEachAction([&] {
        for (const auto& [name, value] : session_.GetMany(names)) SetStateValue(mirror, name, value);
        ++report.checks;
        const long done = session_.actions() - start;
        std::string problem = PartyInvariantProblem(mirror);
        if (problem.empty()) problem = LoadProblem(mirror);
        if (!problem.empty() && report.problems.size() < kProblemsKept)
            report.problems.push_back("action " + std::to_string(done) + ": " + problem);
        if (done % kMemorySample == 0) {
            long rss = ResidentKilobytes(runner_pid);
            if (done >= actions / 10 && report.rss_first_kb == 0) report.rss_first_kb = rss;
            report.rss_last_kb = rss;
            report.rss_peak_kb = std::max(report.rss_peak_kb, rss);
        }
    });
    for (int round = 0; round < 1000000 && !OutOfActions(); ++round) Wander();
    session_.AfterEachAction(nullptr);
    report.actions = session_.actions() - start;
    return report;
}

}  // namespace duskmoor::bot
