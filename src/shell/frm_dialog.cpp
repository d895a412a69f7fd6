#include "shell/frm_dialog.h"

#include <algorithm>
#include <cctype>

#include "shell/game.h"
#include "ui/host.h"
#include "ui/widget_style.h"
#include "ui/window_layout.h"

namespace duskmoor {
namespace {
constexpr int kMargin = 18;
constexpr int kNarrowest = 300;
constexpr int kWidestText = 520;
constexpr int kButtonWidth = 84, kButtonHeight = 30;
constexpr int kPasswordWidth = 180, kPasswordHeight = 26;
constexpr int kGap = 14;

// The panel fits its text: one short line makes a small panel, a speech a tall one.
struct DialogLayout {
    int width = 0;
    int height = 0;
    int text_height = 0;
    int password_top = 0;
    int button_top = 0;
};

DialogLayout LayOut(const std::string& text, int16_t mode) {
    const TextBlock block = MeasureTextBlock(text, kWidestText, text_size::Body, false);
    DialogLayout layout;
    layout.width = std::clamp(block.width + 2 * kMargin, kNarrowest, kLogicalWidth - 16);
    layout.text_height = block.height + 2;
    layout.password_top = kMargin + layout.text_height + kGap / 2;
    layout.button_top = mode == dialog::Password ? layout.password_top + kPasswordHeight + kGap
                                                 : kMargin + layout.text_height + kGap;
    layout.height = layout.button_top + kButtonHeight + kMargin;
    // A text taller than the window keeps its buttons in view; the rest is cut.
    const int tallest = kLogicalHeight - kTitleBarHeight - 16;
    if (layout.height > tallest) {
        const int excess = layout.height - tallest;
        layout.height = tallest;
        layout.text_height -= excess;
        layout.password_top -= excess;
        layout.button_top -= excess;
    }
    return layout;
}
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

frmDialog::frmDialog(Game& game)
    : Screen(game.host, "frmDialog", LayOut(game.state.DialogText, game.state.DialogMode).width,
             LayOut(game.state.DialogText, game.state.DialogMode).height),
      game_(game) {
    title = "The Duskmoor";
    const DialogLayout layout = LayOut(game.state.DialogText, game.state.DialogMode);
    Control& message =
        AddText(*this, "lblMessage", "", kMargin, kMargin, width() - 2 * kMargin, layout.text_height);
    message.align = TextAlign::Center;
    Control& password = AddTextBox(*this, "txtPassword", (width() - kPasswordWidth) / 2, layout.password_top,
                                   kPasswordWidth, kPasswordHeight);
    password.max_length = 40;
    // Enter answers with the first button; the dialog takes the key itself.
    Control& first = AddDefaultButton(*this, "cmdButton1", "OK", (width() - kButtonWidth) / 2,
                                      layout.button_top, kButtonWidth, kButtonHeight);
    first.on_click = [this] { Answer(1); };
    Control& second = AddButton(*this, "cmdButton2", "Cancel", 2 * width() / 3, layout.button_top,
                                kButtonWidth, kButtonHeight);
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
