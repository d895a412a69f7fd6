#include "shell/frm_party.h"

#include "core/codepage.h"
#include "party/party.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/party_changes.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {
constexpr int kWidth = 340, kHeight = 330;
constexpr int kRowTop = 50, kRowStep = 30;
constexpr int kButtonWidth = 110, kButtonHeight = 34;
constexpr Color kCaptionColor = palette::Caption;
}  // namespace

frmParty::frmParty(Game& game) : Screen(game.host, "frmParty", kWidth, kHeight), game_(game) {
    title = "Marching Order";
    AddHeading(*this, "lblTitle", "Marching Order", 12);
    Control& frame = Add(ControlKind::Label, "lblNameFrame", 40, kRowTop - 6, kWidth - 80, 4 * kRowStep + 8);
    frame.back_visible = true;
    frame.back = palette::Inset;
    for (int row = 0; row < 4; ++row) {
        const int y = kRowTop + row * kRowStep;
        Control& number = Add(ControlKind::Label, "lblPosition[" + std::to_string(row) + "]", 52, y, 30, 24);
        number.caption = std::to_string(row + 1) + ".";
        number.font_size = 13;
        number.align = TextAlign::Right;
        number.fore = kCaptionColor;
        Control& name = Add(ControlKind::Label, "lblName[" + std::to_string(row) + "]", 92, y, 200, 24);
        name.font_size = 13;
        name.bold = true;
        name.fore = palette::Text;
    }
    Control& gold = Add(ControlKind::Label, "lblGold", 20, kRowTop + 4 * kRowStep + 10, kWidth - 40, 22);
    gold.font_size = 12;
    gold.align = TextAlign::Center;
    gold.fore = palette::Heading;

    const int switch_y = kRowTop + 4 * kRowStep + 46;
    auto caption = [this, switch_y](const char* name, const char* text, int x, int width) {
        Control& label = Add(ControlKind::Label, name, x, switch_y + 4, width, 22);
        label.caption = text;
        label.font_size = 12;
        label.fore = kCaptionColor;
    };
    auto box = [this, switch_y](const char* name, int x) {
        Control& text = Add(ControlKind::TextBox, name, x, switch_y, 40, 26);
        text.font_size = 12;
        text.fore = palette::FieldText;
        text.max_length = 2;
    };
    caption("lblSwitch", "Switch", 24, 50);
    box("txt1", 78);
    caption("lblWith", "with", 126, 34);
    box("txt2", 162);
    AddButton(*this, "cmdSwitch", "Switch", 216, switch_y - 4, 100, kButtonHeight).on_click = [this] {
        Switch();
    };
    AddDefaultButton(*this, "cmdDone", "Done", (kWidth - kButtonWidth) / 2, kHeight - kButtonHeight - 14,
                     kButtonWidth, kButtonHeight)
        .on_click = [this] { Done(); };
}

void frmParty::Load() {
    ShowNames();
    (*this)["lblGold"].caption =
        "Total Party Gold: " + std::to_string(PartyGoldTotal(game_.state)) + " gp's.";
    focus = &(*this)["txt1"];
}

void frmParty::ShowNames() {
    for (int row = 0; row < 4; ++row) {
        const int slot = SlotAtPosition(game_.state, row + 1);
        At("lblName", row).caption = slot < 0 ? std::string() : Cp1252ToUtf8(game_.state.Party[slot].Name);
    }
}

void frmParty::Switch() {
    Control& first = (*this)["txt1"];
    Control& second = (*this)["txt2"];
    switch (SwapPositions(game_.state, first.caption, second.caption)) {
        case SwapResult::Ignored:
            return;
        case SwapResult::NobodyThere:
            ShowDialog(game_, "No character marches in that position.");
            return;
        case SwapResult::Swapped:
            break;
    }
    ShowNames();
    first.caption.clear();
    second.caption.clear();
    focus = &first;
}

void frmParty::Done() {
    SortSlotsByPosition(game_.state);
    if (game_.view) game_.view->RefreshPartyPanel();
    Close();
}

}  // namespace duskmoor
