#include "atomic_file.h"

#include <unistd.h>

#include <cstdio>

namespace duskmoor::content {

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    // The process number keeps two writers of the same file from sharing a temporary.
    const std::string temporary = path + ".tmp" + std::to_string(getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::remove(temporary.c_str());
        return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace duskmoor::content
