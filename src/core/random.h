#pragma once
// The one random source of the game: uniform draws in [0, 1). The game seeds it
// from the clock; the script runner seeds it and can queue exact draws.
#include <cstdint>
#include <deque>
#include <random>

namespace duskmoor {

class RandomSource {
  public:
    void Seed(uint64_t seed);
    void SeedFromClock();
    // Queues a value that the next draw returns instead of a generated one.
    void Force(double value);
    double Next();

  private:
    std::mt19937_64 engine_{1};
    std::deque<double> forced_;
};

RandomSource& Random();

}  // namespace duskmoor
