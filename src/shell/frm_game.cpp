#include "shell/frm_game.h"

#include "party/character_files.h"
#include "party/frm_generator.h"
#include "shell/frm_credits.h"
#include "shell/frm_dialog.h"
#include "shell/frm_remove.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "ui/host.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {
constexpr int kButtonWidth = 200;
constexpr int kButtonHeight = 40;
constexpr int kLeftColumn = 24;
constexpr int kRightColumn = 236;
constexpr int kFirstRow = 56;
constexpr int kRowStep = 50;

int Row(int index) {
    return kFirstRow + index * kRowStep;
}

// New characters are made, and characters leave, only in town.
void CreateCharacter(Game& game) {
    if (game.state.CurrentBlock != 0) {
        ShowDialog(game, "Characters can only be created while in town.");
        return;
    }
    frmGenerator generator(game);
    game.host.RunModal(generator);
}

void RemoveCharacter(Game& game) {
    if (game.state.NumPlayers < 1) {
        ShowDialog(game, "No characters to remove.");
    } else if (game.state.CurrentBlock != 0) {
        ShowDialog(game, "Characters can only be removed in town.");
    } else {
        frmRemove remove(game);
        game.host.RunModal(remove);
    }
}
}  // namespace

frmGame::frmGame(Game& game, GameMenuReason reason)
    : Screen(game.host, "frmGame", 460, 320), game_(game), reason_(reason) {
    title = "The Duskmoor";
    AddHeading(*this, "lblTitle", "The Duskmoor", 14);
    auto button = [this](const char* name, const char* picture, int column, int row) -> Control& {
        return AddPictureButton(*this, name, picture, column, Row(row), kButtonWidth, kButtonHeight);
    };
    button("imgNewGame", "NewBmp", kLeftColumn, 0).on_click = [this] { NewGame(); };
    button("imgLoadGame", "LoadGameBmp", kLeftColumn, 1).on_click = [this] {
        if (LoadGame(game_)) Close();
    };
    button("imgSaveGame", "SaveBmp", kLeftColumn, 2).on_click = [this] { SaveTheGame(); };
    button("imgSound", "SoundOnBmp", kLeftColumn, 3).on_click = [this] { ToggleSound(); };
    button("imgCredits", "CreditsBmp", kLeftColumn, 4).on_click = [this] {
        frmCredits credits(game_.host);
        game_.host.RunModal(credits);
    };
    button("imgLoadChar", "LoadHeroBmp", kRightColumn, 0).on_click = [this] { LoadCharacter(game_); };
    button("imgCreateChar", "NewHeroBmp", kRightColumn, 1).on_click = [this] { CreateCharacter(game_); };
    button("imgRemoveChar", "RemoveBmp", kRightColumn, 2).on_click = [this] { RemoveCharacter(game_); };
    Control& back = button("imgCancel", "Done2Bmp", kRightColumn, 3);
    back.on_click = [this] { BackToGame(); };
    default_button = &back;
    button("imgExit", "ExitBmp", kRightColumn, 4).on_click = [this] { game_.host.Quit(); };
}

void frmGame::Load() {
    ShowSoundPicture();
}

void frmGame::NewGame() {
    game_.state.NewGamePending = True;
    game_.state.GameActive = True;
    Close();
}

void frmGame::ToggleSound() {
    GameState& state = game_.state;
    if (!IsSet(state.SoundOn)) {
        state.SoundOn = True;
    } else {
        StopSound(game_);
        state.SoundOn = False;
    }
    ShowSoundPicture();
}

void frmGame::ShowSoundPicture() {
    (*this)["imgSound"].picture = IsSet(game_.state.SoundOn) ? "SoundOnBmp" : "SoundOffBmp";
}

// After the party's death the state is that of no game at all: a file of it
// would load the survivors of nothing at the town's corner.
void frmGame::SaveTheGame() {
    if (reason_ == GameMenuReason::PartyFallen) {
        ShowDialog(game_, "There is no game to save.");
        return;
    }
    SaveGame(game_);
}

void frmGame::BackToGame() {
    if (reason_ == GameMenuReason::PartyFallen) {
        ShowDialog(game_, "Your party has fallen. Start a new game or load a saved game.");
        return;
    }
    if (game_.state.NumPlayers < 1) {
        ShowDialog(game_, "You must have at least one character in your party to continue.");
        return;
    }
    Close();
}

}  // namespace duskmoor
