#include "magic/frm_camp.h"

#include "magic/frm_magic.h"
#include "magic/frm_rest.h"
#include "magic/rest.h"
#include "party/character_files.h"
#include "shell/frm_dialog.h"
#include "shell/frm_party.h"
#include "shell/game.h"
#include "ui/host.h"
#include "ui/resources.h"
#include "ui/widget_style.h"
#include "world/wilderness_battle.h"

namespace duskmoor {
namespace {
constexpr int kWidth = 540, kHeight = 360;
constexpr int kButtonWidth = 96, kButtonHeight = 48;
}  // namespace

frmCamp::frmCamp(Game& game) : Screen(game.host, "frmCamp", kWidth, kHeight), game_(game) {
    title = "Camp";
    Add(ControlKind::Picture, "picCampFire", 0, 0, kWidth, kHeight - kButtonHeight - 16);
    const int gap = (kWidth - 5 * kButtonWidth) / 6;
    const int top = kHeight - kButtonHeight - 8;
    const struct {
        const char* name;
        const char* picture;
    } buttons[] = {{"imgRest", "RestBmp"},
                   {"imgMagic", "MagicBmp"},
                   {"imgParty", "PartyBmp"},
                   {"imgSave", "Save2Bmp"},
                   {"imgDone", "DoneBmp"}};
    int left = gap;
    for (const auto& button : buttons) {
        AddPictureButton(*this, button.name, button.picture, left, top, kButtonWidth, kButtonHeight);
        left += kButtonWidth + gap;
    }
    (*this)["imgRest"].on_click = [this] { Rest(); };
    (*this)["imgMagic"].on_click = [this] { Magic(); };
    (*this)["imgParty"].on_click = [this] {
        frmParty party(game_);
        host().RunModal(party);
    };
    (*this)["imgSave"].on_click = [this] { Save(); };
    (*this)["imgDone"].on_click = [this] {
        if (game_.view) game_.view->RefreshPartyPanel();
        Close();
    };
}

void frmCamp::Load() {
    Control& picture = (*this)["picCampFire"];
    picture.canvas.Resize(picture.width, picture.height);
    if (const Bitmap* fire = ResourceBitmap("CampFireBmp"))
        picture.canvas.BlitScaled(*fire, 0, 0, picture.width, picture.height);
}

void frmCamp::Rest() {
    game_.state.RestState = rest_state::NotDone;
    frmRest rest(game_);
    host().RunModal(rest);
    if (game_.view) game_.view->RefreshClock();
    AfterRest();
}

void frmCamp::Magic() {
    GameState& state = game_.state;
    state.MagicMode = magic_mode::Camp;
    state.RestState = rest_state::NotDone;
    frmMagic magic(game_);
    host().RunModal(magic);
    state.MagicMode = 0;
    AfterRest();
}

// Wandering monsters broke the rest: in the wilderness the party fights them
// here; elsewhere the main screen meets them when the camp closes.
void frmCamp::AfterRest() {
    GameState& state = game_.state;
    if (state.RestState != rest_state::Interrupted) return;
    if (!IsSet(state.InWilderness)) {
        Close();
        return;
    }
    ShowDialog(game_, "Your rest is interrupted!");
    FightWanderingMonsters(game_);
    // The fight is over: a later camp on the main screen must not meet these
    // monsters a second time.
    state.RestState = rest_state::NotDone;
    if (IsSet(state.PartyDefeated)) Close();
}

void frmCamp::Save() {
    if (IsSet(game_.state.InWilderness)) {
        ShowDialog(game_, "Cannot save game in wilderness.");
        return;
    }
    SaveGame(game_);
}

}  // namespace duskmoor
