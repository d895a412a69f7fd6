#pragma once
// The story's written words: the notes the party finds in the ruins and the
// pages of the king's speech and of the ending. Their prose lives in data/notes
// and data/speeches and is compiled into the game.
#include <string>

namespace duskmoor {

constexpr int kNoteCount = 33;       // notes 0..32
constexpr int kKingSpeechPages = 9;  // pages 1..9
constexpr int kEndingPages = 8;      // pages 1..8

// The prose of note `number` (UTF-8, no line break at its end); empty when
// there is no such note.
std::string NoteProse(int number);
// Page `page` of the king's speech; empty outside 1..9.
std::string KingSpeechPage(int page);
// Page `page` of the ending, with `hero` (the first of the party) as the one
// who strikes the last blow; empty outside 1..8.
std::string EndingPage(int page, const std::string& hero);

}  // namespace duskmoor
