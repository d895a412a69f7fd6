#include "events/adventure_log.h"

#include "core/codepage.h"
#include "shell/game_state.h"

namespace duskmoor {

std::string PageToBox(const std::string& page) {
    std::string unified;
    unified.reserve(page.size());
    for (size_t at = 0; at < page.size(); ++at) {
        if (page[at] == '\r') {
            if (at + 1 < page.size() && page[at + 1] == '\n') ++at;
            unified += '\n';
        } else {
            unified += page[at];
        }
    }
    return Cp1252ToUtf8(unified);
}

std::string BoxToPage(const std::string& box_text) {
    const std::string cp1252 = Utf8ToCp1252(box_text);
    std::string page;
    page.reserve(cp1252.size() + cp1252.size() / 16);
    for (char c : cp1252) {
        if (c == '\r') continue;
        if (c == '\n') page += '\r';
        page += c;
    }
    if (page.size() > kPageLimit) {
        page.resize(kPageLimit);
        // Never keep half of a line break.
        if (page.back() == '\r') page.pop_back();
    }
    return page;
}

std::string ReadLog(const GameState& state, int mode) {
    switch (mode) {
        case log_mode::Log:
            return PageToBox(state.LogText);
        case log_mode::Clues:
            return PageToBox(state.CluesText);
        case log_mode::CluesWithNote:
            return PageToBox(state.CluesText + state.NoteText + "\r\n");
        default:
            return {};
    }
}

void WriteFile(GameState& state, int mode, const std::string& box_text) {
    if (mode == log_mode::Log) {
        state.LogText = BoxToPage(box_text);
    } else if (mode == log_mode::Clues || mode == log_mode::CluesWithNote) {
        state.CluesText = BoxToPage(box_text);
    }
}

}  // namespace duskmoor
