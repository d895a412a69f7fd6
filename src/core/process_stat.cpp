#include "core/process_stat.h"

#include <fstream>
#include <sstream>

namespace duskmoor {

std::string ProcessStatField(const std::string& pid, int number) {
    std::ifstream stat_file("/proc/" + pid + "/stat");
    std::string line;
    if (number < 3 || !std::getline(stat_file, line)) return {};
    // The program name (field 2) may hold spaces and parentheses; it ends at the last ')'.
    const size_t name_end = line.rfind(')');
    if (name_end == std::string::npos || name_end + 2 > line.size()) return {};
    std::istringstream fields(line.substr(name_end + 2));
    std::string field;
    for (int current = 3; current <= number; ++current) {
        if (!(fields >> field)) return {};
    }
    return field;
}

}  // namespace duskmoor
