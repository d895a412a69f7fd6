#pragma once
// The adventure log's two pages, the log and the clues, as the game keeps
// them (Windows-1252 with "\r\n" line breaks, as saved) and as its text box
// shows them (UTF-8 with "\n").
#include <string>

namespace duskmoor {

struct GameState;

namespace log_mode {
constexpr int16_t Log = 1, Clues = 2, CluesWithNote = 3;
}  // namespace log_mode

// The most a page holds: the saved game keeps each page behind a 16-bit length.
constexpr size_t kPageLimit = 0xFFFF;

// The page of `mode` as the text box shows it: the log, the clues, or the
// clues with the note just found appended and followed by a line break.
std::string ReadLog(const GameState& state, int mode);
// Stores the text box back into the page of `mode`: the log in mode 1, the
// clues in modes 2 and 3. A page beyond `kPageLimit` bytes keeps its beginning.
void WriteFile(GameState& state, int mode, const std::string& box_text);

// Conversions between a stored page and the text box.
std::string PageToBox(const std::string& page);
std::string BoxToPage(const std::string& box_text);

}  // namespace duskmoor
