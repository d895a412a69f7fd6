#pragma once
// Figures the kernel keeps about a running process, for the start-up timing
// and the benchmarks.
#include <string>

namespace duskmoor {

// Field `number` (counted from 1 as the kernel documents them) of
// /proc/PID/stat, where PID is a number or "self"; empty when unreadable.
std::string ProcessStatField(const std::string& pid, int number);

}  // namespace duskmoor
