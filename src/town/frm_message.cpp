#include "town/frm_message.h"

#include <array>

#include "events/council.h"
#include "items/frm_backpack.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "town/frm_bank.h"
#include "town/money.h"
#include "town/training.h"
#include "ui/host.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 500, kHeight = 270;
constexpr int kSignSize = 112;
constexpr int kButtonWidth = 100, kButtonHeight = 34, kButtonGap = 14, kButtonTop = kHeight - 54;
constexpr int32_t kInnPrice = 12, kRidePrice = 200;

// Each building's sign, by `BuildingMode`.
constexpr std::array<const char*, 14> kSigns = {
    "KingSignBmp",  "InnSignBmp",     "InnSignBmp",  "TempleSignBmp", "BankSignBmp",
    "MagicSignBmp", "CouncilSignBmp", "KingSignBmp", "ArmorySignBmp", "TrainingSignBmp",
    "ArmorSignBmp", "WeaponSignBmp",  "PawnSignBmp", "WagonSignBmp"};

}  // namespace

frmMessage::frmMessage(Game& game, bool with_the_king)
    : Screen(game.host, "frmMessage", kWidth, kHeight), game_(game), with_the_king_(with_the_king) {
    title = "Verezeve";
    Control& sign = Add(ControlKind::ImageButton, "imgSign", 20, 28, kSignSize, kSignSize);
    sign.enabled = false;
    Control& message = Add(ControlKind::Label, "lblMessage", 150, 24, kWidth - 170, kButtonTop - 40);
    message.word_wrap = true;
    message.font_size = text_size::Body + 1;
    message.fore = palette::Text;
    for (int number = 1; number <= 4; ++number)
        AddButton(*this, "cmd" + std::to_string(number), "", 0, kButtonTop, kButtonWidth, kButtonHeight);
}

// Each building's buttons: the button, its caption, and what it does.
const frmMessage::ButtonRow frmMessage::kButtonRows[] = {
    {building::InnArriving, 2, "Yes", &frmMessage::StayAtTheInn},
    {building::InnArriving, 3, "No", &frmMessage::Leave},
    {building::InnLeaving, 4, "Ok", &frmMessage::Farewell},
    {building::Temple, 2, "Yes", &frmMessage::Temple},
    {building::Temple, 3, "No", &frmMessage::Leave},
    {building::Bank, 1, "Convert", &frmMessage::Convert},
    {building::Bank, 2, "Deposit", &frmMessage::Deposit},
    {building::Bank, 3, "Withdrawal", &frmMessage::Withdrawal},
    {building::Bank, 4, "Nothing", &frmMessage::Leave},
    {building::MagicShop, 2, "Yes", &frmMessage::MagicShop},
    {building::MagicShop, 3, "No", &frmMessage::Leave},
    {building::Council, 1, "Redeem", &frmMessage::Redeem},
    {building::Council, 2, "Review", &frmMessage::Review},
    {building::Council, 3, "Quests", &frmMessage::Quests},
    {building::Council, 4, "Leave", &frmMessage::Leave},
    {building::KingsHall, 2, "Leave", &frmMessage::Leave},
    {building::KingsHall, 3, "Attack", &frmMessage::Attack30},
    {building::Armory, 2, "Leave", &frmMessage::Leave},
    {building::Armory, 3, "Attack", &frmMessage::Attack25},
    {building::Training, 2, "Yes", &frmMessage::Train},
    {building::Training, 3, "No", &frmMessage::Leave},
    {building::ArmorShop, 2, "Buy", &frmMessage::ArmorShop},
    {building::ArmorShop, 3, "Leave", &frmMessage::Leave},
    {building::WeaponShop, 2, "Buy", &frmMessage::WeaponShop},
    {building::WeaponShop, 3, "Leave", &frmMessage::Leave},
    {building::PawnShop, 2, "Sell", &frmMessage::PawnShop},
    {building::PawnShop, 3, "Leave", &frmMessage::Leave},
    {building::Transport, 1, "Caves", &frmMessage::RideToCaves},
    {building::Transport, 2, "Rizevoz", &frmMessage::RideToRizevoz},
    {building::Transport, 3, "Trogs", &frmMessage::RideToTrogs},
    {building::Transport, 4, "Leave", &frmMessage::Leave},
};

void frmMessage::Load() {
    GameState& state = game_.state;
    for (int number = 1; number <= 4; ++number) (*this)["cmd" + std::to_string(number)].visible = false;
    (*this)["lblMessage"].caption = state.BuildingMessage;
    const int16_t mode = state.BuildingMode;
    (*this)["imgSign"].picture = kSigns[with_the_king_ || mode < 0 || mode > 13 ? 0 : mode];
    if (with_the_king_) {
        ShowButton(2, "Leave", &frmMessage::Leave);
    } else {
        // The inn's farewell has only its "Ok", which is the way on through the inn.
        if (mode == building::InnLeaving) state.MessageResult = message_result::StepIn;
        for (const ButtonRow& row : kButtonRows)
            if (row.mode == mode) ShowButton(row.number, row.caption, row.action);
    }
    PlaceButtons();
}

void frmMessage::ShowButton(int number, const char* caption, void (frmMessage::*action)()) {
    Control& button = (*this)["cmd" + std::to_string(number)];
    button.caption = caption;
    button.visible = true;
    button.on_click = [this, action] { (this->*action)(); };
}

// The buttons shown stand side by side, centred under the greeting.
void frmMessage::PlaceButtons() {
    int shown = 0;
    for (int number = 1; number <= 4; ++number) shown += (*this)["cmd" + std::to_string(number)].visible;
    int x = (kWidth - shown * kButtonWidth - (shown - 1) * kButtonGap) / 2;
    for (int number = 1; number <= 4; ++number) {
        Control& button = (*this)["cmd" + std::to_string(number)];
        if (!button.visible) continue;
        button.x = x;
        x += kButtonWidth + kButtonGap;
    }
}

// The window's close box or Escape is the way out: Ok at the inn's farewell,
// leaving anywhere else. It never pays, buys or attacks.
void frmMessage::CloseRequested() {
    if (!with_the_king_ && game_.state.BuildingMode == building::InnLeaving) {
        Farewell();
    } else {
        Leave();
    }
}

void frmMessage::Finish(int16_t result) {
    game_.state.MessageResult = result;
    Close();
}

void frmMessage::Leave() {
    Finish(message_result::StepOut);
}

void frmMessage::Farewell() {
    Finish(message_result::StepIn);
}

void frmMessage::StayAtTheInn() {
    GameState& state = game_.state;
    if (PayGoldTelling(game_, kInnPrice)) {
        state.RoomRented = True;
        Close();
    } else {
        Leave();
    }
}

void frmMessage::OpenCounter(int16_t backpack_mode) {
    game_.state.BackpackMode = backpack_mode;
    frmBackPack counter(game_);
    host().RunModal(counter);
    Leave();
}

void frmMessage::Convert() {
    ConvertMoney(game_.state);
    ShowDialog(game_, kConvertedNotice);
    Leave();
}

void frmMessage::OpenBank(int16_t bank_mode) {
    game_.state.BankMode = bank_mode;
    frmBank bank(game_);
    host().RunModal(bank);
    Leave();
}

void frmMessage::Redeem() {
    RedeemQuestObject(game_);
    Leave();
}

void frmMessage::OpenQuests(int16_t quests_mode) {
    game_.state.QuestsMode = quests_mode;
    OpenQuestsScreen(game_);
    Leave();
}

void frmMessage::Train() {
    TrainParty(game_);
    Leave();
}

void frmMessage::Ride(int16_t result) {
    if (!PayGoldTelling(game_, kRidePrice)) {
        Leave();
        return;
    }
    game_.state.WagonRide = True;
    Finish(result);
}

}  // namespace duskmoor
