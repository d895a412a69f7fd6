#include "events/printing.h"

#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "ui/control_input.h"
#include "ui/host.h"

namespace duskmoor {
namespace {

// Appends one line of the body, wrapped at spaces; a word longer than a
// whole line is cut.
void WrapInto(std::string& page, const std::string& line) {
    std::string rest = line;
    while (CharacterCount(rest) > kPrintColumns) {
        // The byte where the kPrintColumns-th character ends.
        size_t limit = 0;
        for (int counted = 0; counted < kPrintColumns; ++counted) {
            ++limit;
            while (limit < rest.size() && (static_cast<unsigned char>(rest[limit]) & 0xC0) == 0x80) ++limit;
        }
        size_t cut = rest.rfind(' ', limit);
        const bool at_space = cut != std::string::npos && cut > 0;
        if (!at_space) cut = limit;
        page += rest.substr(0, cut) + "\n";
        rest.erase(0, at_space ? cut + 1 : cut);
    }
    page += rest + "\n";
}

}  // namespace

std::string PrintedPage(const std::string& heading, const std::string& body) {
    std::string page = heading + "\n" + std::string(CharacterCount(heading), '=') + "\n\n";
    size_t begin = 0;
    while (begin <= body.size()) {
        size_t end = body.find('\n', begin);
        if (end == std::string::npos) end = body.size();
        if (end == body.size() && begin == end) break;  // no empty line after the last break
        WrapInto(page, body.substr(begin, end - begin));
        begin = end + 1;
    }
    return page;
}

void PrintText(Game& game, const std::string& heading, const std::string& body) {
    if (!game.host.PrintPage(PrintedPage(heading, body)))
        ShowDialog(game, "An print error has occured, aborting command.");
}

}  // namespace duskmoor
