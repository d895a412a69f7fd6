#pragma once
// Generated files are written through a temporary file and a rename, so that a
// build interrupted half way never leaves a damaged picture or sound behind.
#include <cstdint>
#include <string>
#include <vector>

namespace duskmoor::content {

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace duskmoor::content
