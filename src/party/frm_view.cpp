#include "party/frm_view.h"

#include "core/codepage.h"
#include "items/frm_backpack.h"
#include "items/item_catalogue.h"
#include "party/frm_attributes.h"
#include "party/party.h"
#include "shell/game.h"
#include "ui/host.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {
constexpr int kWidth = 480, kHeight = 330;
constexpr int kFirstRow = 50, kRowStep = 26;
constexpr int kLeftCaptionX = 14, kRightCaptionX = 244, kCaptionWidth = 92, kValueWidth = 130;
constexpr int kButtonWidth = 110, kButtonHeight = 34;
constexpr Color kCaptionColor = palette::Caption;
constexpr Color kValueColor = palette::Value;

struct SheetLine {
    const char* label;
    const char* caption;
    bool right_column;
    int row;
};

constexpr SheetLine kSheet[] = {
    {"lblShowName", "Name:", false, 0},      {"lblShowClass", "Class:", false, 1},
    {"lblShowRace", "Race:", false, 2},      {"lblShowGender", "Gender:", false, 3},
    {"lblShowAge", "Age:", false, 4},        {"lblShowAlign", "Alignment:", false, 5},
    {"lblShowStatus", "Status:", false, 6},  {"lblShowLevel", "Level:", false, 7},
    {"lblShowExp", "Experience:", false, 8}, {"lblShowHP", "Hit Points:", true, 0},
    {"lblShowAC", "Armor Class:", true, 1},  {"lblShowWeapon", "Weapon:", true, 2},
    {"lblShowArmor", "Armor:", true, 3},     {"lblShowGold", "Gold:", true, 5},
    {"lblShowSilver", "Silver:", true, 6},   {"lblShowCopper", "Copper:", true, 7},
};

}  // namespace

frmView::frmView(Game& game) : Screen(game.host, "frmView", kWidth, kHeight), game_(game) {
    title = "Character Sheet";
    AddHeading(*this, "lblTitle", "Character Sheet", 12);
    for (const SheetLine& line : kSheet) {
        const int x = line.right_column ? kRightCaptionX : kLeftCaptionX;
        const int y = kFirstRow + line.row * kRowStep;
        Control& caption = Add(ControlKind::Label, std::string("lblCaption") + (line.label + 7), x, y,
                               kCaptionWidth, kRowStep - 4);
        caption.caption = line.caption;
        caption.font_size = 11;
        caption.align = TextAlign::Right;
        caption.fore = kCaptionColor;
        Control& value =
            Add(ControlKind::Label, line.label, x + kCaptionWidth + 8, y, kValueWidth, kRowStep - 4);
        value.font_size = 11;
        value.bold = true;
        value.fore = kValueColor;
    }
    const int buttons_y = kHeight - kButtonHeight - 16;
    const int gap = (kWidth - 3 * kButtonWidth) / 4;
    AddButton(*this, "cmdItems", "Items", gap, buttons_y, kButtonWidth, kButtonHeight).on_click = [this] {
        Items();
    };
    AddButton(*this, "cmdStats", "Attributes", 2 * gap + kButtonWidth, buttons_y, kButtonWidth, kButtonHeight)
        .on_click = [this] { Stats(); };
    AddDefaultButton(*this, "cmdOK", "OK", 3 * gap + 2 * kButtonWidth, buttons_y, kButtonWidth, kButtonHeight)
        .on_click = [this] { OK(); };
}

void frmView::ShowPlayer() {
    const GameState& state = game_.state;
    const int slot = state.SelectedPlayer - 1;
    if (slot < 0 || slot > 3) return;
    const PLAYER& member = state.Party[slot];
    auto show = [this](const char* label, const std::string& text) { (*this)[label].caption = text; };
    show("lblShowName", Cp1252ToUtf8(member.Name));
    show("lblShowClass", ClassName(state, slot));
    show("lblShowAge", std::to_string(member.Age));
    show("lblShowWeapon", WeaponName(state, slot));
    show("lblShowArmor", ArmorName(state, slot));
    show("lblShowExp", std::to_string(member.Experience));
    show("lblShowLevel", std::to_string(member.Level));
    show("lblShowHP", std::to_string(member.HP));
    show("lblShowAC", std::to_string(member.AC));
    show("lblShowGold", std::to_string(member.Gold));
    show("lblShowSilver", std::to_string(member.Silver));
    show("lblShowCopper", std::to_string(member.Copper));
    show("lblShowStatus", StatusName(state, slot));
    show("lblShowAlign", AlignmentName(state, slot));
    show("lblShowGender", GenderName(state, slot));
    show("lblShowRace", RaceName(state, slot));
}

// The pack of the character on the sheet; what changed there (equipment,
// armour class, hit points from a potion) shows on the sheet at once.
void frmView::Items() {
    GameState& state = game_.state;
    const int16_t shown = state.SelectedPlayer;
    state.BackpackMode = 5;
    frmBackPack pack(game_);
    host().RunModal(pack);
    state.SelectedPlayer = shown;
    ShowPlayer();
}

void frmView::Stats() {
    frmAttributes attributes(game_);
    host().RunModal(attributes);
}

void frmView::OK() {
    game_.state.SelectedPlayer = 0;
    Close();
}

}  // namespace duskmoor
