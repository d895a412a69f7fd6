#include "ui/wave_file.h"

#include <algorithm>

#include "core/safe_file.h"

namespace duskmoor {
namespace {

uint32_t LittleEndian(const uint8_t* bytes, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

bool ReadWaveFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::string ignored;
    return ReadWholeFile(path, kMaxWaveFileSize, bytes, ignored);
}

long long WaveDurationMs(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!ReadWaveFile(path, bytes)) return -1;
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE")
        return -1;
    uint32_t byte_rate = 0;
    size_t position = 12;
    while (position + 8 <= bytes.size()) {
        std::string chunk(bytes.begin() + position, bytes.begin() + position + 4);
        uint32_t size = LittleEndian(&bytes[position + 4], 4);
        size_t body = position + 8;
        if (chunk == "fmt " && size >= 16 && body + 16 <= bytes.size())
            byte_rate = LittleEndian(&bytes[body + 8], 4);
        if (chunk == "data") {
            if (byte_rate == 0) return -1;
            uint64_t available = std::min<uint64_t>(size, bytes.size() - body);
            return static_cast<long long>(available * 1000 / byte_rate);
        }
        position = body + size + (size & 1);
    }
    return -1;
}

}  // namespace duskmoor
