#include "script/script_line.h"

#include <cctype>
#include <istream>
#include <string_view>
#include <utility>

#include "ui/screen.h"

namespace duskmoor {
namespace {

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

bool ScriptReader::Next(ScriptAction& action) {
    std::string line;
    while (std::getline(script_, line)) {
        ++line_;
        std::string text = Trim(line);
        if (text.empty() || text.front() == '#') continue;
        action.line = line_;
        action.text = text;
        action.rest = text;
        action.verb = TakeWord(action.rest);
        return true;
    }
    return false;
}

bool RecordedSeed(std::istream& script, unsigned long long& seed) {
    bool found = false;
    std::string line;
    while (!found && std::getline(script, line)) {
        std::string text = Trim(line);
        if (!text.empty() && text.front() != '#') break;
        const std::vector<std::string> words = Words(text.empty() ? text : text.substr(1));
        long long number = 0;
        if (words.size() == 2 && words[0] == "seed" && ParseInteger(words[1], number) && number >= 0) {
            seed = static_cast<unsigned long long>(number);
            found = true;
        }
    }
    script.clear();
    script.seekg(0);
    return found;
}

std::vector<std::string> Words(const std::string& text) {
    constexpr const char* kSpaces = " \t\r";
    std::vector<std::string> words;
    size_t start = text.find_first_not_of(kSpaces);
    while (start != std::string::npos) {
        size_t end = text.find_first_of(kSpaces, start);
        words.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? end : text.find_first_not_of(kSpaces, end);
    }
    return words;
}

std::string TakeWord(std::string& rest) {
    rest = Trim(rest);
    size_t end = rest.find_first_of(" \t");
    std::string word = rest.substr(0, end);
    rest = end == std::string::npos ? std::string() : Trim(rest.substr(end));
    return word;
}

std::string TextArgument(const std::string& rest, bool& ok) {
    ok = true;
    std::string text = Trim(rest);
    if (text.empty() || text.front() != '"') return text;
    std::string out;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            ok = Trim(text.substr(i + 1)).empty();
            return out;
        }
        if (c == '\\' && i + 1 < text.size()) {
            char escaped = text[++i];
            if (escaped == 'n') {
                out += '\n';
            } else if (escaped == '"' || escaped == '\\') {
                out += escaped;
            } else {
                ok = false;
                return out;
            }
        } else {
            out += c;
        }
    }
    ok = false;  // no closing quote
    return out;
}

int ScriptKeyCode(const std::string& name) {
    static const std::pair<std::string_view, int> kNamed[] = {
        {"Up", keys::Up},         {"Down", keys::Down},
        {"Left", keys::Left},     {"Right", keys::Right},
        {"Enter", keys::Enter},   {"Escape", keys::Escape},
        {"Space", keys::Space},   {"Shift", keys::Shift},
        {"Tab", keys::Tab},       {"Backspace", keys::Backspace},
        {"Delete", keys::Delete}, {"F11", keys::F11},
        {"Home", keys::Home},     {"End", keys::End},
        {"PageUp", keys::PageUp}, {"PageDown", keys::PageDown}};
    for (const auto& [key_name, code] : kNamed) {
        if (name == key_name) return code;
    }
    if (name.rfind("Ctrl+", 0) == 0) {
        int code = ScriptKeyCode(name.substr(5));
        return code < 0 ? -1 : code | keys::CtrlModifier;
    }
    if (name.size() == 1 && std::isupper(static_cast<unsigned char>(name[0]))) return name[0];
    if (name.size() == 1 && std::isdigit(static_cast<unsigned char>(name[0]))) return name[0];
    long long code = 0;
    if (ParseInteger(name, code) && code > 0 && code < 256) return static_cast<int>(code);
    return -1;
}

bool ParseInteger(const std::string& text, long long& value) {
    if (text.empty()) return false;
    size_t used = 0;
    try {
        value = std::stoll(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size();
}

bool ParseUnitDraw(const std::string& text, double& value) {
    if (text.empty()) return false;
    size_t used = 0;
    try {
        value = std::stod(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size() && value >= 0.0 && value < 1.0;
}

}  // namespace duskmoor
