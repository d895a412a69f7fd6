#include "world/wilderness_screen.h"

#include <cmath>

#include "magic/frm_camp.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "ui/host.h"
#include "ui/resources.h"
#include "ui/widget_style.h"
#include "world/wilderness_battle.h"

namespace duskmoor {
namespace {
constexpr int kWidth = 640, kHeight = 480;
}  // namespace

frmWilderness::frmWilderness(Game& game) : Screen(game.host, "frmWilderness", kWidth, kHeight), game_(game) {
    title = "Wilderness";
    Add(ControlKind::Picture, "imgMap", 0, 0, kWidth, kHeight);
    Control& pawn = Add(ControlKind::Label, "shpPawn", 0, 0, 1, 1);
    pawn.back_visible = true;
    pawn.back = palette::Chosen;
    pawn.border = true;
}

void frmWilderness::Load() {
    Control& map = (*this)["imgMap"];
    map.canvas.Resize(map.width, map.height);
    if (const Bitmap* picture = ResourceBitmap("WildBmp"))
        map.canvas.BlitScaled(*picture, 0, 0, map.width, map.height);
    LoadHotSpots(model_);
    PlaceMarker(model_, static_cast<float>(map.width), static_cast<float>(map.height), game_.state.TownSite);
    Control& pawn = (*this)["shpPawn"];
    pawn.width = static_cast<int>(std::lround(model_.marker_width));
    pawn.height = static_cast<int>(std::lround(model_.marker_height));
    ShowMarker();
    game_.state.InWilderness = True;
}

void frmWilderness::Unload() {
    game_.state.InWilderness = False;
}

void frmWilderness::ShowMarker() {
    Control& pawn = (*this)["shpPawn"];
    pawn.x = static_cast<int>(std::lround(model_.left));
    pawn.y = static_cast<int>(std::lround(model_.top));
    host().Invalidate();
}

void frmWilderness::KeyDown(int key) {
    if (closing()) return;
    const int16_t site = Handle(key);
    if (closing()) return;
    if (site == 0) {
        InTheOpen();
    } else {
        AtTown(site);
    }
}

int16_t frmWilderness::Handle(int key) {
    if (key == wild_key::Camp) {
        frmCamp camp(game_);
        host().RunModal(camp);
        if (IsSet(game_.state.PartyDefeated)) Close();
        return 0;
    }
    const int16_t site = MoveMarker(model_, key);
    ShowMarker();
    return site;
}

void frmWilderness::InTheOpen() {
    if (!CheckEncounter()) return;
    ShowDialog(game_, "Wilderness encounter!");
    FightWanderingMonsters(game_);
    if (IsSet(game_.state.PartyDefeated)) Close();
}

void frmWilderness::AtTown(int16_t site) {
    const HotSpot* spot = FindHotSpot(model_, site);
    if (!spot || ShowDialog(game_, spot->question, dialog::YesNo) != dialog::Yes) return;
    game_.state.TownSite = site;
    Close();
}

void CrossTheWilderness(Game& game) {
    frmWilderness wilderness(game);
    game.host.RunModal(wilderness);
}

}  // namespace duskmoor
