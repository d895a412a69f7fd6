#include "party/frm_attributes.h"

#include <utility>

#include "core/codepage.h"
#include "shell/game.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {
constexpr int kWidth = 280, kHeight = 300;
constexpr int kFirstRow = 56, kRowStep = 30;
constexpr int kCaptionX = 30, kCaptionWidth = 130, kValueX = 172, kValueWidth = 60;
constexpr int kButtonWidth = 110, kButtonHeight = 34;

// The captions are the sheet's own wording, spelling included.
constexpr std::pair<const char*, const char*> kScores[] = {
    {"lblShowStrength", "Strength:"},         {"lblShowWisdom", "Wisdom:"},
    {"lblShowIntelligence", "Intellegence:"}, {"lblShowDexterity", "Dexterity:"},
    {"lblShowConstitution", "Constitution:"}, {"lblShowCharisma", "charisma:"},
};
}  // namespace

frmAttributes::frmAttributes(Game& game) : Screen(game.host, "frmAttributes", kWidth, kHeight), game_(game) {
    title = "Attributes";
    Control& heading = AddHeading(*this, "lblTitle", "", 12);
    heading.font_size = 14;
    for (int row = 0; row < 6; ++row) {
        const auto& [label, text] = kScores[row];
        const int y = kFirstRow + row * kRowStep;
        Control& caption = Add(ControlKind::Label, std::string("lblCaption") + (label + 7), kCaptionX, y + 2,
                               kCaptionWidth, 22);
        caption.caption = text;
        caption.font_size = 12;
        caption.align = TextAlign::Right;
        caption.fore = palette::Caption;
        Control& value = Add(ControlKind::Label, label, kValueX, y + 1, kValueWidth, 21);
        value.font_size = 13;
        value.bold = true;
        value.align = TextAlign::Center;
        value.back_visible = true;
        value.back = palette::ReadoutBack;
        value.fore = palette::Heading;
    }
    AddDefaultButton(*this, "cmdDone", "Done", (kWidth - kButtonWidth) / 2, kHeight - kButtonHeight - 16,
                     kButtonWidth, kButtonHeight)
        .on_click = [this] { Close(); };
}

void frmAttributes::Load() {
    const int slot = game_.state.SelectedPlayer - 1;
    if (slot < 0 || slot > 3) return;
    const PLAYER& member = game_.state.Party[slot];
    (*this)["lblTitle"].caption = Cp1252ToUtf8(member.Name);
    const int16_t scores[6] = {member.Strength,  member.Wisdom,       member.Intelligence,
                               member.Dexterity, member.Constitution, member.Charisma};
    for (int row = 0; row < 6; ++row) (*this)[kScores[row].first].caption = std::to_string(scores[row]);
}

}  // namespace duskmoor
