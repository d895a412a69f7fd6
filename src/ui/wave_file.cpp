#include "ui/wave_file.h"

#include "core/safe_file.h"

namespace duskmoor {

bool ReadWaveFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::string ignored;
    return ReadWholeFile(path, kMaxWaveFileSize, bytes, ignored);
}

}  // namespace duskmoor
