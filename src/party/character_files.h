#pragma once
// Characters live on disk as character files (".chr", one PLAYER record) in
// Characters/; whole games as saved games (".dms") in Saves/. Every operation
// reports to the player through the message dialog, and file failures
// through the plain message box.
#include <cstdint>
#include <string>
#include <vector>

#include "party/player.h"

namespace duskmoor {

struct Game;
struct GameState;
struct FileRefusal;

// What the file dialogs show and where they start.
inline constexpr const char* kCharacterFilter = "Character Files (*.chr*)|*.chr*|";
inline constexpr const char* kSavedGameFilter = "Duskmoor Save (*.dms*)|*.dms*|";
std::string CharactersFolder(const GameState& state);  // AppPath + "Characters/"
std::string SavesFolder(const GameState& state);       // AppPath + "Saves/"

// A chosen file name keeps its suffix only when its last three characters are
// exactly `extension` ("chr", "dms"; case matters); otherwise "." + extension
// is appended: "x.CHR" becomes "x.CHR.chr".
std::string WithExtension(const std::string& path, const std::string& extension);

// Whole-file reading and checked writing of the two formats. A read fills
// `out` only when the whole file is good; `refusal` (when given) says why not.
bool ReadCharacterFile(const std::string& path, PLAYER& out, FileRefusal* refusal = nullptr);
// A saved game changes only the fields of `out` that a saved game holds.
bool ReadSavedGameFile(const std::string& path, GameState& out, FileRefusal* refusal = nullptr);
// Writes through a temporary file and keeps the previous file as a ".bak".
bool WriteCharacterFile(const std::string& path, const PLAYER& character, std::string& error);
bool WriteSavedGameFile(const std::string& path, const GameState& state, std::string& error);

// From the game menu: adds one character from a file to the party (in town only).
void LoadCharacter(Game& game);
// From the start-of-game prompt: the same without the town check.
void LoadCharacterAtStart(Game& game);
enum class SaveOutcome { Saved, Cancelled, Failed };

// Writes the character in `slot` to a file the player names, reporting a failed write.
SaveOutcome SaveCharacter(Game& game, int slot);
// Writes a character to a file the player names, reporting a failed write.
SaveOutcome SaveCharacterRecord(Game& game, const PLAYER& character);
// Asks for a file name, writes the character and says so; a failed write is
// left to the caller to report, since the generator and the menu say it differently.
SaveOutcome SaveCharacterWithDialog(Game& game, const PLAYER& character);
// True when a game was loaded (the game menu then closes).
bool LoadGame(Game& game);
void SaveGame(Game& game);

}  // namespace duskmoor
