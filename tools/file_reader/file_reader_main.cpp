// duskmoor-files: prints a character file (".chr") or a saved game (".dms")
// as readable text, every field by name, and says exactly where and why a
// damaged file would be refused by the game.
//
//   duskmoor-files [--character | --game] FILE
//
// Exit status: 0 for a good file, 1 for a refused one, 2 for a usage error.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/safe_file.h"
#include "party/save_file_format.h"
#include "shell/game_state.h"

namespace {

enum class Kind { Unknown, Character, Game };

constexpr int kGood = 0, kRefused = 1, kUsage = 2;

int Usage(const std::string& problem) {
    std::cerr << "duskmoor-files: " << problem << "\n"
              << "usage: duskmoor-files [--character | --game] FILE\n"
              << "  prints a character file (.chr) or a saved game (.dms) field by field;\n"
              << "  the kind is taken from the file's extension unless given\n";
    return kUsage;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

Kind KindFromName(const std::string& path) {
    if (EndsWith(path, ".chr") || EndsWith(path, ".chr.bak")) return Kind::Character;
    if (EndsWith(path, ".dms") || EndsWith(path, ".dms.bak")) return Kind::Game;
    return Kind::Unknown;
}

void PrintFields(const std::vector<duskmoor::FieldReading>& readings) {
    for (const duskmoor::FieldReading& field : readings) {
        char offset[16];
        std::snprintf(offset, sizeof offset, "%6zu", field.offset);
        std::cout << offset << "  " << field.name << " = " << field.value << "\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    Kind kind = Kind::Unknown;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--character") {
            kind = Kind::Character;
        } else if (argument == "--game") {
            kind = Kind::Game;
        } else if (argument == "--help" || argument == "-h") {
            Usage("prints a character file or a saved game");
            return kGood;
        } else if (path.empty() && !argument.starts_with("--")) {
            path = argument;
        } else {
            return Usage("unexpected argument '" + argument + "'");
        }
    }
    if (path.empty()) return Usage("no file given");
    if (kind == Kind::Unknown) kind = KindFromName(path);
    if (kind == Kind::Unknown)
        return Usage("cannot tell the kind of '" + path + "': use --character or --game");

    const bool character = kind == Kind::Character;
    std::vector<uint8_t> bytes;
    std::string error;
    const size_t limit = character ? duskmoor::kMaxCharacterFileSize : duskmoor::kMaxSavedGameSize;
    std::cout << path << ": " << (character ? "character file" : "saved game") << "\n";
    if (!duskmoor::ReadWholeFile(path, limit, bytes, error)) {
        std::cout << "refused: " << error << "\n";
        return kRefused;
    }
    std::cout << "size: " << bytes.size() << " bytes\n";

    std::vector<duskmoor::FieldReading> readings;
    duskmoor::FileRefusal refusal;
    bool good = false;
    if (character) {
        duskmoor::PLAYER record;
        good = duskmoor::DecodeCharacter(bytes, record, &refusal, &readings);
    } else {
        duskmoor::GameState record;
        good = duskmoor::DecodeSavedGame(bytes, record, &refusal, &readings);
    }
    PrintFields(readings);
    if (!good) {
        std::cout << "refused: " << refusal.Describe() << "\n";
        return kRefused;
    }
    std::cout << "good\n";
    return kGood;
}
