#pragma once
// The game's sounds are plain 16-bit PCM mono WAV files at 22050 samples a second.
#include <cstdint>
#include <vector>

namespace duskmoor::content {

constexpr int kSampleRate = 22050;

// Scales the signal so that its loudest sample sits just below full scale and
// converts it to 16-bit samples.
std::vector<int16_t> Normalise(const std::vector<double>& signal);
// A complete WAV file: RIFF header, format chunk and data chunk.
std::vector<uint8_t> EncodeWave(const std::vector<int16_t>& samples);

}  // namespace duskmoor::content
