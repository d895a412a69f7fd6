#include "summary_text.h"

#include <cstdio>

namespace duskmoor::bot {

namespace {

std::string Levels(const Summary& summary) {
    std::string levels;
    for (size_t i = 0; i < summary.final_levels.size(); ++i)
        levels += (i ? "/" : "") + std::to_string(summary.final_levels[i]);
    return levels.empty() ? "-" : levels;
}

std::string Figures(const Summary& summary) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "%s, %d game days, %ld actions (%ld steps, %ld exchanges), battles %d won / %d fled / %d "
                  "lost, %d deaths, "
                  "%d loads after defeat, %d quest objects redeemed, levels %s",
                  summary.won ? "won" : "not won", summary.game_days + 1, summary.actions, summary.steps,
                  summary.exchanges, summary.battles_won, summary.battles_fled, summary.battles_lost,
                  summary.deaths, summary.loads_after_defeat, summary.quests_redeemed,
                  Levels(summary).c_str());
    return text;
}

}  // namespace

std::string OneLineSummary(unsigned long long seed, const Summary& summary, double seconds) {
    char head[64];
    std::snprintf(head, sizeof head, "seed %llu: ", seed);
    char tail[96];
    std::snprintf(tail, sizeof tail, "; %.1f s", seconds);
    std::string line = head + Figures(summary) + tail;
    if (!summary.won && !summary.stuck.empty()) line += " (" + summary.stuck + ")";
    return line;
}

std::string FullSummary(unsigned long long seed, const Summary& summary, double seconds) {
    std::string text = OneLineSummary(seed, summary, seconds) + "\nroute:\n";
    for (const std::string& leg : summary.route) text += "  " + leg + "\n";
    return text;
}

}  // namespace duskmoor::bot
