#include "core/rounding.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace duskmoor {

long long RoundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value));
}

bool ParseNumber(const std::string& text, double& out) {
    size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) return false;
    size_t end = text.find_last_not_of(' ');
    std::string body = text.substr(start, end - start + 1);
    for (char c : body) {
        bool allowed = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
        if (!allowed) return false;
    }
    errno = 0;
    char* stop = nullptr;
    double value = std::strtod(body.c_str(), &stop);
    if (errno != 0 || stop == body.c_str() || *stop != '\0' || !std::isfinite(value)) return false;
    out = value;
    return true;
}

bool ParseRoundedNumber(const std::string& text, long long& out) {
    double value = 0;
    if (!ParseNumber(text, value) || value > 9.2e18 || value < -9.2e18) return false;
    out = RoundHalfEven(value);
    return true;
}

}  // namespace duskmoor
