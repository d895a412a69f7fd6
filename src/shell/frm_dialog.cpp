#include "shell/frm_dialog.h"

#include <cctype>

#include "shell/game.h"
#include "ui/host.h"

namespace duskmoor {
namespace {
constexpr int kWidth = 360;
constexpr int kHeight = 170;
constexpr int kButtonWidth = 84;
constexpr int kButtonTop = 126;
}  // namespace

int16_t EscapeAnswer(int16_t mode, int16_t last_answer) {
    switch (mode) {
        case dialog::YesNo:
            return dialog::No;
        case dialog::OkCancel:
            // The one OK/Cancel question is the start of a game without
            // characters, where Cancel ends the program: Escape asks again.
            return dialog::Ok;
        case dialog::Password:
            // Walking away from the door is no answer, whatever was typed.
            return dialog::WrongPassword;
        default:
            return last_answer;
    }
}

bool IsRightPassword(const std::string& typed) {
    std::string upper = typed;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == "FEROX";
}

frmDialog::frmDialog(Game& game) : Screen(game.host, "frmDialog", kWidth, kHeight), game_(game) {
    title = "The Duskmoor";
    Control& message = Add(ControlKind::Label, "lblMessage", 16, 14, kWidth - 32, 64);
    message.word_wrap = true;
    message.align = TextAlign::Center;
    message.font_size = 12;
    Control& password = Add(ControlKind::TextBox, "txtPassword", 90, 84, 180, 26);
    password.fore = colors::Black;
    password.max_length = 40;
    Control& first =
        Add(ControlKind::Button, "cmdButton1", (kWidth - kButtonWidth) / 2, kButtonTop, kButtonWidth, 30);
    first.caption = "OK";
    first.on_click = [this] { Answer(1); };
    Control& second = Add(ControlKind::Button, "cmdButton2", 2 * kWidth / 3, kButtonTop, kButtonWidth, 30);
    second.caption = "Cancel";
    second.visible = false;
    second.on_click = [this] { Answer(2); };
    Control& delay = Add(ControlKind::Timer, "tmrDelay", 0, 0, 0, 0);
    delay.on_tick = [this] {
        Control& timer = (*this)["tmrDelay"];
        StopTimer(timer);
        focus = &(*this)["txtPassword"];
    };
}

void frmDialog::Load() {
    Control& password = (*this)["txtPassword"];
    Control& first = (*this)["cmdButton1"];
    Control& second = (*this)["cmdButton2"];
    password.visible = false;
    password.enabled = false;
    switch (game_.state.DialogMode) {
        case dialog::OkOnly:
            first.caption = "OK";
            second.visible = false;
            break;
        case dialog::YesNo:
            first.caption = "Yes";
            second.caption = "No";
            second.visible = true;
            break;
        case dialog::OkCancel:
            first.caption = "OK";
            second.caption = "Cancel";
            second.visible = true;
            break;
        case dialog::Password:
            first.caption = "OK";
            second.visible = false;
            password.visible = true;
            password.enabled = true;
            StartTimer((*this)["tmrDelay"], 600);
            break;
        default:
            break;
    }
    if (game_.state.DialogMode == dialog::YesNo || game_.state.DialogMode == dialog::OkCancel) PlaceButtons();
    (*this)["lblMessage"].caption = game_.state.DialogText;
}

void frmDialog::PlaceButtons() {
    Control& first = (*this)["cmdButton1"];
    Control& second = (*this)["cmdButton2"];
    first.x = 2 * width() / 9;
    second.x = 2 * width() / 3;
    second.y = first.y;
}

void frmDialog::Answer(int button) {
    GameState& state = game_.state;
    switch (state.DialogMode) {
        case dialog::YesNo:
            state.DialogResult = button == 1 ? dialog::Yes : dialog::No;
            break;
        case dialog::OkCancel:
            state.DialogResult = button == 1 ? dialog::Ok : dialog::Cancel;
            break;
        case dialog::Password:
            state.DialogResult = IsRightPassword((*this)["txtPassword"].caption) ? dialog::RightPassword
                                                                                 : dialog::WrongPassword;
            break;
        default:
            break;  // a one-button notice leaves the last answer alone
    }
    Close();
}

void frmDialog::KeyUp(int key) {
    if (key == keys::Enter) Answer(1);
}

void frmDialog::CloseRequested() {
    game_.state.DialogResult = EscapeAnswer(game_.state.DialogMode, game_.state.DialogResult);
    Close();
}

// The transcript shows the dialog as the player reads it: its mode and its text.
std::string frmDialog::TranscriptOpenLine() const {
    return "dialog " + std::to_string(game_.state.DialogMode) + " " +
           EscapeLineBreaks(game_.state.DialogText);
}

int16_t ShowDialog(Game& game, const std::string& text, int16_t mode) {
    game.state.DialogText = text;
    game.state.DialogMode = mode;
    frmDialog screen(game);
    game.host.RunModal(screen);
    return game.state.DialogResult;
}

}  // namespace duskmoor
