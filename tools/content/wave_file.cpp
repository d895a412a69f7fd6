#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace duskmoor::content {

namespace {

// About -1 dB: loud, with room for the resampling of the mixer.
constexpr double kPeak = 0.89 * 32767.0;

void PutLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<uint8_t>& bytes, const char* tag) {
    bytes.insert(bytes.end(), tag, tag + std::strlen(tag));
}

}  // namespace

std::vector<int16_t> Normalise(const std::vector<double>& signal) {
    double loudest = 0;
    for (double sample : signal) loudest = std::max(loudest, std::abs(sample));
    const double gain = loudest > 0 ? kPeak / loudest : 0;
    std::vector<int16_t> samples;
    samples.reserve(signal.size());
    for (double sample : signal) samples.push_back(static_cast<int16_t>(std::lround(sample * gain)));
    return samples;
}

std::vector<uint8_t> EncodeWave(const std::vector<int16_t>& samples) {
    const uint32_t data_size = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> bytes;
    bytes.reserve(44 + data_size);
    PutTag(bytes, "RIFF");
    PutLittleEndian(bytes, 36 + data_size, 4);
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    PutLittleEndian(bytes, 16, 4);
    PutLittleEndian(bytes, 1, 2);  // PCM
    PutLittleEndian(bytes, 1, 2);  // mono
    PutLittleEndian(bytes, kSampleRate, 4);
    PutLittleEndian(bytes, kSampleRate * 2, 4);  // bytes per second
    PutLittleEndian(bytes, 2, 2);                // bytes per sample frame
    PutLittleEndian(bytes, 16, 2);
    PutTag(bytes, "data");
    PutLittleEndian(bytes, data_size, 4);
    for (int16_t sample : samples) PutLittleEndian(bytes, static_cast<uint16_t>(sample), 2);
    return bytes;
}

}  // namespace duskmoor::content
