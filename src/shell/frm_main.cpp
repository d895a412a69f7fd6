#include "shell/frm_main.h"

#include "core/rounding.h"
#include "events/adventure_log.h"
#include "events/frm_log.h"
#include "events/frm_quests.h"
#include "events/set_encounters.h"
#include "items/frm_backpack.h"
#include "magic/frm_camp.h"
#include "magic/frm_magic.h"
#include "magic/rest_interruption.h"
#include "party/frm_view.h"
#include "party/party.h"
#include "shell/frm_dialog.h"
#include "shell/frm_game.h"
#include "shell/game_clock.h"
#include "shell/new_game.h"
#include "shell/sound.h"
#include "ui/host.h"
#include "ui/widget_style.h"
#include "world/movement.h"
#include "world/view.h"

namespace duskmoor {
namespace {

constexpr int kViewLeft = 10, kViewTop = 10, kViewWidth = 445, kViewHeight = 329;
constexpr int kCommandWidth = 78, kCommandHeight = 44;
constexpr int kCommandLeft = 468, kCommandRight = 552;
constexpr int kArrowWidth = 52, kArrowHeight = 44;
constexpr int kPanelTop = 350, kPanelRowHeight = 29;

const char* kDirectionLetters[4] = {"N", "E", "S", "W"};

}  // namespace

frmMain::frmMain(Game& game) : Screen(game.host, "frmMain", 640, 480), game_(game) {
    title = "The Duskmoor";
    background = palette::ScreenBack;
    BuildControls();
    game_.view = this;
}

frmMain::~frmMain() {
    if (game_.view == this) game_.view = nullptr;
}

void frmMain::BuildControls() {
    Control& frame =
        Add(ControlKind::Label, "lblViewFrame", kViewLeft - 3, kViewTop - 3, kViewWidth + 6, kViewHeight + 6);
    frame.back_visible = true;
    frame.back = palette::Bronze;
    Add(ControlKind::Picture, "picViewPort", kViewLeft, kViewTop, kViewWidth, kViewHeight);

    auto command = [this](const char* name, int x, int y) -> Control& {
        return AddPictureButton(*this, name, "", x, y, kCommandWidth, kCommandHeight);
    };
    command("imgOptions", kCommandLeft, 10).on_click = [this] { OptionsClicked(); };
    command("imgCamp", kCommandRight, 10).on_click = [this] { CampClicked(); };
    command("imgMagic", kCommandLeft, 60).on_click = [this] { MagicClicked(); };
    command("imgLog", kCommandRight, 60).on_click = [this] { LogClicked(); };
    command("imgQuests", kCommandLeft, 110).on_click = [this] {
        if (CommandAllowed()) ShowQuestsScreen(game_, quests_mode::Sought);
    };
    command("imgOverhead", kCommandRight, 110).on_click = [this] { TradeClicked(); };
    command("imgView", kCommandLeft, 160).on_click = [this] { ViewClicked(); };
    command("imgSearch", kCommandRight, 160).on_click = [this] { SearchClicked(); };

    Control& search = Add(ControlKind::Label, "lblSearch", kCommandLeft, 210, 162, 20);
    search.caption = "SEARCHING";
    search.align = TextAlign::Center;
    search.fore = palette::Heading;
    search.bold = true;
    search.visible = false;

    auto readout = [this](const char* name, int y) -> Control& {
        Control& label = Add(ControlKind::Label, name, kCommandLeft, y, 162, 24);
        label.align = TextAlign::Center;
        label.font_size = 14;
        label.back_visible = true;
        label.back = palette::ReadoutBack;
        label.fore = palette::Caption;
        return label;
    };
    readout("lblTime", 234);
    readout("lblCoords", 262).caption = "0 , 0";
    readout("lblDirection", 290).caption = "N";

    AddPictureButton(*this, "imgUp", "", 523, 322, kArrowWidth, kArrowHeight).on_click = [this] {
        if (CommandAllowed()) ForwardCommand(game_);
    };
    AddPictureButton(*this, "imgLeft", "", 468, 372, kArrowWidth, kArrowHeight).on_click = [this] {
        if (CommandAllowed()) TurnCommand(game_, move::Left);
    };
    AddPictureButton(*this, "imgRight", "", 578, 372, kArrowWidth, kArrowHeight).on_click = [this] {
        if (CommandAllowed()) TurnCommand(game_, move::Right);
    };

    BuildPartyPanel();

    Control& title_timer = Add(ControlKind::Timer, "tmrTitleScreen", 0, 0, 0, 0);
    title_timer.on_tick = [this] { TitleTick(); };
    Control& collision = Add(ControlKind::Timer, "tmrCollision", 0, 0, 0, 0);
    collision.interval = 780;
    collision.on_tick = [this] { CollisionTick(game_); };
    collision.tick_is_idle = [this] { return CollisionTickIdle(game_); };
}

void frmMain::BuildPartyPanel() {
    Control& panel = Add(ControlKind::Label, "lblPanel", kViewLeft - 3, kPanelTop - 4, kViewWidth + 6,
                         4 * kPanelRowHeight + 8);
    panel.back_visible = true;
    panel.back = palette::Inset;
    for (int row = 0; row < 4; ++row) {
        int y = kPanelTop + row * kPanelRowHeight;
        auto cell = [&](const char* base, int x, int width) -> Control& {
            Control& label = Add(ControlKind::Label, std::string(base) + "[" + std::to_string(row) + "]", x,
                                 y, width, kPanelRowHeight - 4);
            label.font_size = 13;
            label.fore = palette::Text;
            return label;
        };
        Control& name = cell("lblPlayer", 16, 170);
        name.bold = true;
        name.on_click = [this, row] { PlayerClicked(row); };
        cell("lblHP", 190, 110);
        cell("lblAC", 305, 60);
        cell("lblClass", 368, 86);
    }
}

void frmMain::LoadImages() {
    const std::pair<const char*, const char*> pictures[] = {
        {"imgCamp", "CampBmp"},     {"imgLeft", "ArrowLeftBmp"},   {"imgLog", "LogBmp"},
        {"imgMagic", "MagicBmp"},   {"imgOptions", "GameBmp"},     {"imgOverhead", "TradeBmp"},
        {"imgQuests", "QuestsBmp"}, {"imgRight", "ArrowRightBmp"}, {"imgSearch", "SearchBmp"},
        {"imgUp", "ArrowUpBmp"},    {"imgView", "ViewBmp"}};
    for (const auto& [control, picture] : pictures) (*this)[control].picture = picture;
}

void frmMain::Load() {
    game_.state.SoundOn = True;
    LoadImages();
    Initialize(game_);
    first_person_view_.SetViewPort(kViewWidth, kViewHeight);
    StartScreen();
}

void frmMain::Unload() {
    StopSound(game_);
}

void frmMain::CloseRequested() {
    host().Quit();
}

// The title: a maker's line over blue bands, then the game's name with a gong.
void frmMain::StartScreen() {
    DrawTitleBackground();
    view_font_size_ = 18;
    view_fore_ = colors::White;
    game_.state.TitleStep = 1;
    StartTimer((*this)["tmrTitleScreen"], 1500);
}

void frmMain::DrawTitleBackground() {
    Canvas& view = (*this)["picViewPort"].canvas;
    int band_height = static_cast<int>(RoundHalfEven(view.height() / 40.0));
    long long blue = 255;
    for (int band = 0; band < 40; ++band) {
        blue = RoundHalfEven(static_cast<double>(blue) - 6.375);
        if (blue < 1) blue = 1;
        view.FillRect(0, band * band_height, view.width(), (band + 1) * band_height,
                      Rgb(0, 0, static_cast<uint8_t>(blue)));
    }
}

// The title's words are cut in bold and cast a shadow on the bands, as the
// captions of the buttons beside them do.
void frmMain::PrintOnView(int x, int y, const std::string& text) {
    DrawShadowedText((*this)["picViewPort"].canvas, x, y, text, view_font_size_, view_fore_, true);
}

void frmMain::TitleTick() {
    Canvas& view = (*this)["picViewPort"].canvas;
    const double width = view.width();
    const double height = view.height();
    auto at = [](double value) { return static_cast<int>(RoundHalfEven(value)); };
    switch (game_.state.TitleStep) {
        case 1:
            PrintOnView(at(width / 7), at(height / 2 - view_font_size_), "Moorlight Games presents...");
            game_.state.TitleStep = 2;
            break;
        case 2:
            view.Clear(colors::Black);
            DrawTitleBackground();
            game_.state.TitleStep = 3;
            break;
        case 3: {
            view_font_size_ = 24;
            PrintOnView(at(width / 7), at(height / 3 - view_font_size_), "The Duskmoor");
            view_font_size_ = 14;
            PrintOnView(at(width / 9), at(5 * height / 9), "A Fantasy Role-Playing Game");
            PrintOnView(at(width / 4), at(2 * height / 3), "by the Duskmoor developers");
            StopTimer((*this)["tmrTitleScreen"]);
            view_fore_ = colors::Black;
            PlaySound(game_, "Gong.wav");
            Control& collision = (*this)["tmrCollision"];
            SetTimerInterval(collision, 6000);
            collision.timer_enabled = true;
            break;
        }
        default:
            break;
    }
    host().Invalidate();
}

bool frmMain::CommandAllowed() const {
    return IsSet(game_.state.GameActive) && !ChoosingCharacter();
}

void frmMain::CampClicked() {
    if (!CommandAllowed()) return;
    GameState& state = game_.state;
    if (state.CurrentBlock != 0 || IsSet(state.RoomRented)) {
        frmCamp camp(game_);
        host().RunModal(camp);
        if (BreakCamp(game_)) EndGameByDeath();
        return;
    }
    ShowDialog(game_, "You must rent a room at the inn.");
    RefreshPartyPanel();
}

void frmMain::MagicClicked() {
    if (!CommandAllowed()) return;
    game_.state.MagicMode = magic_mode::MainScreen;
    frmMagic magic(game_);
    host().RunModal(magic);
    game_.state.MagicMode = 0;
    RefreshPartyPanel();
}

void frmMain::LogClicked() {
    if (!CommandAllowed()) return;
    game_.state.LogMode = log_mode::Log;
    frmLog log(game_);
    host().RunModal(log);
}

// Searching only shows that the party is looking about; no rule reads it.
void frmMain::SearchClicked() {
    if (!CommandAllowed()) return;
    game_.state.SearchMode = Flag(!IsSet(game_.state.SearchMode));
    (*this)["lblSearch"].visible = IsSet(game_.state.SearchMode);
}

// The party's equipment, with trading between its members.
void frmMain::TradeClicked() {
    if (!CommandAllowed()) return;
    GameState& state = game_.state;
    state.BackpackMode = 8;
    state.SelectedPlayer = 0;
    state.BrowseParty = True;
    frmBackPack pack(game_);
    host().RunModal(pack);
    state.BrowseParty = False;
    RefreshPartyPanel();
}

void frmMain::OptionsClicked() {
    if ((*this)["tmrTitleScreen"].timer_enabled || ChoosingCharacter()) return;
    frmGame menu(game_, party_fallen_ ? GameMenuReason::PartyFallen : GameMenuReason::Asked);
    host().RunModal(menu);
    GameState& state = game_.state;
    if (IsSet(state.LoadPending) || IsSet(state.NewGamePending)) party_fallen_ = false;
    if (IsSet(state.LoadPending)) KickStart(game_);
    if (IsSet(state.NewGamePending)) {
        state.NewGamePending = False;
        StartNewGame(game_);
        SetEncounters(state);
    }
    (*this)["lblSearch"].visible = IsSet(state.SearchMode);
    RefreshPartyPanel();
}

void frmMain::ViewClicked() {
    if (!IsSet(game_.state.GameActive)) return;
    if (ChoosingCharacter() || game_.state.NumPlayers < 1) {
        mouse_pointer.clear();
    } else {
        mouse_pointer = "ViewIcon";
    }
}

void frmMain::PlayerClicked(int index) {
    const bool open_sheet = ChoosingCharacter() && index < game_.state.NumPlayers;
    mouse_pointer.clear();
    if (!open_sheet) return;
    game_.state.SelectedPlayer = static_cast<int16_t>(index + 1);
    frmView sheet(game_);
    host().RunModal(sheet);
    RefreshPartyPanel();
}

void frmMain::KeyUp(int key) {
    const char* command = key == keys::Left    ? "imgLeft"
                          : key == keys::Right ? "imgRight"
                          : key == keys::Up    ? "imgUp"
                                               : nullptr;
    if (!command) return;
    Control& button = (*this)[command];
    if (button.on_click) button.on_click();
}

// The whole party has fallen: back to "no game" and the game menu.
void frmMain::EndGameByDeath() {
    Initialize(game_);
    first_person_view_.SetViewPort(kViewWidth, kViewHeight);
    Reinit(game_.state);
    // The read-outs go back to where a fresh main screen has them.
    RefreshCoords();
    ClearView();
    party_fallen_ = true;
    OptionsClicked();
}

void frmMain::RefreshClock() {
    (*this)["lblTime"].caption = ClockLabel(game_.state.GameHour, game_.state.GameMinute);
}

void frmMain::RefreshCoords() {
    const GameState& state = game_.state;
    (*this)["lblCoords"].caption = std::to_string(state.PosX) + " , " + std::to_string(state.PosY);
    (*this)["lblDirection"].caption =
        state.Facing >= 0 && state.Facing < 4 ? kDirectionLetters[state.Facing] : "";
}

void frmMain::RefreshPartyPanel() {
    auto rows = PartyPanelRows(game_.state);
    for (int row = 0; row < 4; ++row) {
        At("lblPlayer", row).caption = rows[row].name;
        At("lblHP", row).caption = rows[row].hit_points;
        At("lblAC", row).caption = rows[row].armor_class;
        At("lblClass", row).caption = rows[row].class_name;
    }
    host().Invalidate();
}

void frmMain::RedrawView() {
    first_person_view_.UpdateGraphics(game_, (*this)["picViewPort"].canvas);
    host().Invalidate();
}

void frmMain::ClearView() {
    (*this)["picViewPort"].canvas.Clear(colors::Black);
    host().Invalidate();
}

void frmMain::RestartCollisionTimer() {
    Control& collision = (*this)["tmrCollision"];
    StartTimer(collision, collision.interval);
}

void frmMain::SetCollisionInterval(int interval_ms) {
    SetTimerInterval((*this)["tmrCollision"], interval_ms);
}

}  // namespace duskmoor
