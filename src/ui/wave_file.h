#pragma once
// Reading a wave file of the Sounds folder for playing. A path that is no
// regular file (a folder, a FIFO, a device) or cannot be read plays nothing.
#include <cstdint>
#include <string>
#include <vector>

namespace duskmoor {

// Far beyond any sound of the game; a larger file is not played.
constexpr size_t kMaxWaveFileSize = 64u << 20;

bool ReadWaveFile(const std::string& path, std::vector<uint8_t>& bytes);
// Milliseconds a PCM wave file plays, or -1 when it is not a readable wave.
long long WaveDurationMs(const std::string& path);

}  // namespace duskmoor
