#pragma once
// How a played game is told: a full summary with its route, or one line per seed.
#include <string>

#include "bot.h"

namespace duskmoor::bot {

std::string FullSummary(unsigned long long seed, const Summary& summary, double seconds);
std::string OneLineSummary(unsigned long long seed, const Summary& summary, double seconds);

}  // namespace duskmoor::bot
