#include "notes_reading.h"

#include <cctype>

namespace duskmoor::bot {

std::string PasswordIn(const std::string& text) {
    for (size_t at = text.find("password"); at != std::string::npos; at = text.find("password", at + 1)) {
        // The sentence that speaks of the password, up to its full stop.
        size_t end = text.find_first_of(".\n", at);
        std::string sentence = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        size_t is = sentence.find(" is ");
        if (is == std::string::npos) continue;
        std::string word;
        for (size_t i = is + 4; i < sentence.size() && std::isalpha(static_cast<unsigned char>(sentence[i]));
             ++i)
            word.push_back(sentence[i]);
        if (!word.empty()) return word;
    }
    return {};
}

}  // namespace duskmoor::bot
