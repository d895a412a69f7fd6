#include "core/random.h"

#include <chrono>

namespace duskmoor {

void RandomSource::Seed(uint64_t seed) {
    engine_.seed(seed);
    forced_.clear();
}

void RandomSource::SeedFromClock() {
    auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    Seed(static_cast<uint64_t>(now));
}

void RandomSource::Force(double value) {
    forced_.push_back(value);
}

double RandomSource::Next() {
    if (!forced_.empty()) {
        double value = forced_.front();
        forced_.pop_front();
        return value;
    }
    // 53 random bits give every double in [0, 1) on an even grid.
    return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
}

RandomSource& Random() {
    static RandomSource source;
    return source;
}

}  // namespace duskmoor
