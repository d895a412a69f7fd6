#pragma once
// Timing for the benchmark programs: the median of repeated batches, so one
// slow batch on a busy machine does not move the figure.
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace duskmoor {

// The median of `samples` timings, each of `batch` runs, in microseconds per run.
inline double MedianMicroseconds(const std::function<void()>& work, int samples, int batch) {
    std::vector<double> times;
    for (int sample = 0; sample < samples; ++sample) {
        const auto start = std::chrono::steady_clock::now();
        for (int run = 0; run < batch; ++run) work();
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(stop - start).count() / batch);
    }
    std::nth_element(times.begin(), times.begin() + samples / 2, times.end());
    return times[samples / 2];
}

}  // namespace duskmoor
