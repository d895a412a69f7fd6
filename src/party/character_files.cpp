#include "party/character_files.h"

#include "core/codepage.h"
#include "core/safe_file.h"
#include "party/save_file_format.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/game_clock.h"
#include "ui/host.h"

namespace duskmoor {
namespace {

constexpr const char* kErrorReadingCharacter = "Error reading character from disk.";
constexpr const char* kErrorSavingCharacter = "Error saving character to disk.";
constexpr const char* kErrorReadingGame = "Error reading game from disk.";
constexpr const char* kErrorSavingGame = "Error saving game to disk.";

std::string AskForFile(Game& game, bool saving, const char* filter, const std::string& folder,
                       const std::string& default_name) {
    // The folders beside the program are made the first time they are wanted.
    EnsureFolder(folder);
    FileDialogRequest request;
    request.saving = saving;
    request.filter = filter;
    request.folder = folder;
    request.default_name = default_name;
    return game.host.FileDialog(request);
}

bool ReadRecordFile(const std::string& path, size_t max_size, std::vector<uint8_t>& bytes,
                    FileRefusal* refusal) {
    std::string error;
    if (ReadWholeFile(path, max_size, bytes, error)) return true;
    if (refusal) *refusal = {0, "(file)", error};
    return false;
}

// Both entry points share everything but the town check and the full-party message.
void LoadCharacterInto(Game& game, const char* full_party_message) {
    GameState& state = game.state;
    if (state.NumPlayers >= 4) {
        ShowDialog(game, full_party_message);
        return;
    }
    const std::string path = AskForFile(game, false, kCharacterFilter, CharactersFolder(state), "");
    PLAYER character;
    // A cancelled dialog names no file, and reading it fails like any other.
    if (!ReadCharacterFile(path, character)) {
        game.host.MessageBox(kErrorReadingCharacter);
        return;
    }
    const std::string name = Cp1252ToUtf8(character.Name);
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        if (state.Party[slot].Name == character.Name) {
            ShowDialog(game, name + " has already been loaded.");
            return;
        }
    }
    ShowDialog(game, name + " has been retrieved from disk.");
    const int slot = state.NumPlayers;
    state.Party[slot] = character;
    state.Party[slot].Active = True;
    state.Party[slot].Position = static_cast<int16_t>(slot + 1);
    state.NumPlayers = static_cast<int16_t>(slot + 1);
}

}  // namespace

std::string CharactersFolder(const GameState& state) {
    return state.AppPath + "Characters/";
}

std::string SavesFolder(const GameState& state) {
    return state.AppPath + "Saves/";
}

std::string WithExtension(const std::string& path, const std::string& extension) {
    if (path.size() >= extension.size() &&
        path.compare(path.size() - extension.size(), extension.size(), extension) == 0)
        return path;
    return path + "." + extension;
}

bool ReadCharacterFile(const std::string& path, PLAYER& out, FileRefusal* refusal) {
    std::vector<uint8_t> bytes;
    if (path.empty()) {
        if (refusal) *refusal = {0, "(file)", "no file was chosen"};
        return false;
    }
    return ReadRecordFile(path, kMaxCharacterFileSize, bytes, refusal) &&
           DecodeCharacter(bytes, out, refusal);
}

bool ReadSavedGameFile(const std::string& path, GameState& out, FileRefusal* refusal) {
    std::vector<uint8_t> bytes;
    if (path.empty()) {
        if (refusal) *refusal = {0, "(file)", "no file was chosen"};
        return false;
    }
    return ReadRecordFile(path, kMaxSavedGameSize, bytes, refusal) && DecodeSavedGame(bytes, out, refusal);
}

bool WriteCharacterFile(const std::string& path, const PLAYER& character, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!EncodeCharacter(character, bytes)) {
        error = "the name is too long for a character file";
        return false;
    }
    return WriteFileAtomically(path, bytes, error);
}

bool WriteSavedGameFile(const std::string& path, const GameState& state, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!EncodeSavedGame(state, bytes)) {
        error = "a text is too long for a saved game";
        return false;
    }
    return WriteFileAtomically(path, bytes, error);
}

void LoadCharacter(Game& game) {
    if (game.state.CurrentBlock != 0) {
        ShowDialog(game, "Characters can only be loaded in town.");
        return;
    }
    const int16_t before = game.state.NumPlayers;
    LoadCharacterInto(game, "You have a full party.  Remove a character before adding another.");
    if (game.state.NumPlayers != before && game.view) game.view->RefreshPartyPanel();
}

void LoadCharacterAtStart(Game& game) {
    LoadCharacterInto(game, "You have already filled the party.");
}

SaveOutcome SaveCharacter(Game& game, int slot) {
    return SaveCharacterRecord(game, game.state.Party[slot]);
}

SaveOutcome SaveCharacterWithDialog(Game& game, const PLAYER& character) {
    const PLAYER copy = character;
    const std::string name = Cp1252ToUtf8(copy.Name);
    std::string path = AskForFile(game, true, kCharacterFilter, CharactersFolder(game.state), name + ".chr");
    if (path.empty()) return SaveOutcome::Cancelled;
    path = WithExtension(path, "chr");
    std::string error;
    if (!WriteCharacterFile(path, copy, error)) return SaveOutcome::Failed;
    ShowDialog(game, name + " has been saved to disk.");
    return SaveOutcome::Saved;
}

SaveOutcome SaveCharacterRecord(Game& game, const PLAYER& character) {
    const SaveOutcome outcome = SaveCharacterWithDialog(game, character);
    if (outcome == SaveOutcome::Failed) game.host.MessageBox(kErrorSavingCharacter);
    return outcome;
}

void SaveGame(Game& game) {
    std::string path = AskForFile(game, true, kSavedGameFilter, SavesFolder(game.state), "");
    if (path.empty()) return;
    path = WithExtension(path, "dms");
    std::string error;
    if (!WriteSavedGameFile(path, game.state, error)) {
        game.host.MessageBox(kErrorSavingGame);
        return;
    }
    ShowDialog(game, "Game has been saved to disk.");
}

bool LoadGame(Game& game) {
    const std::string path = AskForFile(game, false, kSavedGameFilter, SavesFolder(game.state), "");
    if (path.empty()) return false;
    GameState& state = game.state;
    if (!ReadSavedGameFile(path, state)) {
        game.host.MessageBox(kErrorReadingGame);
        return false;
    }
    ShowDialog(game, "Game has been loaded from disk.");
    state.LoadPending = True;
    state.GameActive = True;
    AdvanceClock(game);
    if (game.view) game.view->RefreshPartyPanel();
    return true;
}

}  // namespace duskmoor
