#include "events/frm_speech.h"

#include "events/speeches.h"
#include "shell/game.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 480, kHeight = 300;
constexpr int kButtonWidth = 100, kButtonHeight = 34, kButtonTop = 250;

}  // namespace

frmSpeech::frmSpeech(Game& game) : Screen(game.host, "frmSpeech", kWidth, kHeight), game_(game) {
    title = "The Duskmoor";
    AddHeading(*this, "lblTitle", "", 12);
    Control& speech = Add(ControlKind::Label, "lblSpeech", 28, 52, kWidth - 56, 184);
    speech.word_wrap = true;
    speech.font_size = 14;
    Control& page = Add(ControlKind::Label, "lblPage", kWidth - 120, 226, 100, 18);
    page.align = TextAlign::Right;
    page.font_size = 10;
    AddButton(*this, "cmdBack", "Back", 50, kButtonTop, kButtonWidth, kButtonHeight).on_click = [this] {
        Back();
    };
    AddButton(*this, "cmdNext", "Next", 190, kButtonTop, kButtonWidth, kButtonHeight).on_click = [this] {
        Next();
    };
    AddButton(*this, "cmdSkip", "Skip", 330, kButtonTop, kButtonWidth, kButtonHeight).on_click = [this] {
        Skip();
    };
}

void frmSpeech::Load() {
    mode_ = game_.state.SpeechMode == speech_mode::Ending ? speech_mode::Ending : speech_mode::King;
    pages_ = SpeechPages(mode_);
    page_ = 1;
    (*this)["lblTitle"].caption = mode_ == speech_mode::King ? "The King of Verezeve" : "Victory";
    (*this)["cmdBack"].enabled = false;
    (*this)["cmdNext"].enabled = pages_ > 1;
    (*this)["cmdSkip"].caption = pages_ > 1 ? "Skip" : "Ok";
    DisplayPage();
}

void frmSpeech::DisplayPage() {
    (*this)["lblSpeech"].caption = SpeechPage(game_.state, mode_, page_);
    (*this)["lblPage"].caption = std::to_string(page_) + " / " + std::to_string(pages_);
}

void frmSpeech::Next() {
    if (page_ >= pages_) return;
    ++page_;
    (*this)["cmdBack"].enabled = true;
    if (page_ == pages_) {
        (*this)["cmdNext"].enabled = false;
        (*this)["cmdSkip"].caption = "Ok";
    }
    DisplayPage();
}

void frmSpeech::Back() {
    if (page_ <= 1) return;
    --page_;
    (*this)["cmdNext"].enabled = true;
    (*this)["cmdSkip"].caption = "Skip";
    if (page_ == 1) (*this)["cmdBack"].enabled = false;
    DisplayPage();
}

void frmSpeech::Skip() {
    if (mode_ == speech_mode::King) HandOutStartingMoney(game_.state);
    Close();
}

}  // namespace duskmoor
