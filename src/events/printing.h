#pragma once
// Printing a page of the adventure log or the quest list on the system's printer.
#include <string>

namespace duskmoor {

struct Game;

// The printed page: the heading, a rule under it, a blank line, and the body
// (UTF-8, "\n" line breaks) wrapped at `kPrintColumns` characters.
constexpr int kPrintColumns = 76;
std::string PrintedPage(const std::string& heading, const std::string& body);

// Prints the page; when the printer cannot take it, says so and the game goes on.
void PrintText(Game& game, const std::string& heading, const std::string& body);

}  // namespace duskmoor
