#include "events/frm_log.h"

#include "events/adventure_log.h"
#include "events/printing.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "ui/text_editing.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 560, kHeight = 440;
constexpr int kButtonWidth = 110, kButtonHeight = 34, kButtonTop = 388;

const char* PageTitle(int mode) {
    return mode == log_mode::Log ? "Adventure Log" : "Clues";
}

}  // namespace

frmLog::frmLog(Game& game) : Screen(game.host, "frmLog", kWidth, kHeight), game_(game) {
    title = "Adventure Log";
    AddHeading(*this, "lblPage", "Adventure Log", 10);
    Control& text = Add(ControlKind::TextBox, "txtLog", 16, 44, kWidth - 32, 330);
    text.multi_line = true;
    text.font_size = 12;
    text.max_length = static_cast<int>(kPageLimit);
    auto button = [this](const char* name, const char* caption, int column) -> Control& {
        return AddButton(*this, name, caption, 16 + column * (kButtonWidth + 29), kButtonTop, kButtonWidth,
                         kButtonHeight);
    };
    button("cmdMode", "Clues", 0).on_click = [this] { SwitchPage(); };
    button("cmdClear", "Clear", 1).on_click = [this] { ClearPage(); };
    button("cmdPrint", "Print", 2).on_click = [this] { PrintPage(); };
    button("cmdDone", "Done", 3).on_click = [this] { Done(); };
}

void frmLog::Load() {
    mode_ = game_.state.LogMode;
    if (mode_ < log_mode::Log || mode_ > log_mode::CluesWithNote) mode_ = log_mode::Log;
    ShowPage();
    focus = &(*this)["txtLog"];
}

// The page of the current mode, with the caret at its end and the end in view.
void frmLog::ShowPage() {
    Control& text = (*this)["txtLog"];
    text.caption = ReadLog(game_.state, mode_);
    text.caret = -1;
    text.first_line = 0;
    KeepCaretVisible(text);
    // The button names the other page.
    (*this)["cmdMode"].caption = mode_ == log_mode::Log ? "Clues" : "Log";
    (*this)["lblPage"].caption = PageTitle(mode_);
}

void frmLog::SwitchPage() {
    WriteFile(game_.state, mode_, (*this)["txtLog"].caption);
    mode_ = (*this)["cmdMode"].caption == "Clues" ? log_mode::Clues : log_mode::Log;
    ShowPage();
}

void frmLog::ClearPage() {
    if (ShowDialog(game_, "This will delete this log...continue?", dialog::YesNo) != dialog::Yes) return;
    Control& text = (*this)["txtLog"];
    text.caption.clear();
    text.caret = -1;
    text.first_line = 0;
}

void frmLog::PrintPage() {
    PrintText(game_, std::string("The Duskmoor - ") + PageTitle(mode_), (*this)["txtLog"].caption);
}

void frmLog::Done() {
    WriteFile(game_.state, mode_, (*this)["txtLog"].caption);
    Close();
}

}  // namespace duskmoor
