#include "combat/frm_battle.h"

#include <algorithm>

#include "combat/battle_flow.h"
#include "combat/battle_roster.h"
#include "combat/monster_catalogue.h"
#include "items/frm_backpack.h"
#include "magic/frm_magic.h"
#include "party/code_tables.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/screen_style.h"
#include "shell/sound.h"
#include "ui/host.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 600, kHeight = 450;
constexpr int kGroupWidth = 140, kGroupLeft = 20;
constexpr int kPictureWidth = 112, kPictureHeight = 96;
constexpr int kTableTop = 176, kRowStep = 22;
constexpr int kCommandLeft = 486, kCommandStep = 21;

struct Column {
    const char* name;
    const char* header;
    int x, width;
};
constexpr Column kColumns[] = {
    {"lblPlayer", "NAME", 16, 112}, {"lblClass", "CLASS", 128, 78},   {"lblHP", "HP", 206, 58},
    {"lblAC", "AC", 264, 30},       {"lblStatus", "STATUS", 294, 78}, {"lblCommand", "COMMAND", 372, 96},
};

constexpr const char* kCommandLabels[] = {"lblWeapon", "lblSpell",  "lblTurn", "lblItem",
                                          "lblDefend", "lblChange", "lblFlee"};
constexpr const char* kCommandCaptions[] = {"WEAPON ATTACK", "SPELL ATTACK",  "TURN UNDEAD", "USE ITEM",
                                            "DEFEND",        "CHANGE WEAPON", "FLEE BATTLE"};

// The battle's labels are the shared running text, in the size each row needs.
Control& AddSizedText(Screen& screen, const std::string& name, const std::string& caption, int x, int y,
                      int width, int height, int font_size = 11) {
    Control& label = AddText(screen, name, caption, x, y, width, height);
    label.font_size = font_size;
    return label;
}

int GroupLeft(int group) {
    return kGroupLeft + group * kGroupWidth;
}

}  // namespace

frmBattle2::frmBattle2(Game& game)
    : Screen(game.host, "frmBattle2", kWidth, kHeight), game_(game), battle_{game.state, model_, *this} {
    title = "Battle";
    BuildGroupRows();
    BuildPartyRows();
    BuildCommands();
    Control& message = AddSizedText(*this, "lblMessage", "", 16, 344, kWidth - 32, 66, 12);
    message.word_wrap = true;
    message.back_visible = true;
    message.back = palette::ReadoutBack;
    message.border = true;
    Control& next = AddSizedText(*this, "lblNext", "NEXT...", 408, 418, 90, 24, 13);
    next.bold = true;
    next.fore = colors::Gold;
    next.on_click = [this] { PressNext(battle_); };
    Control& exit = AddSizedText(*this, "lblexit", "ExiT", 516, 418, 64, 24, 13);
    exit.fore = palette::Caption;
    exit.on_click = [this] { Exit(); };
}

void frmBattle2::BuildGroupRows() {
    for (int group = 0; group < 4; ++group) {
        const int left = GroupLeft(group);
        Control& picture =
            AddPictureButton(*this, "imgMonster[" + std::to_string(group) + "]", "",
                             left + (kGroupWidth - kPictureWidth) / 2, 12, kPictureWidth, kPictureHeight);
        picture.on_click = [this, group] { SelectTarget(battle_, group); };
        Control& name = AddSizedText(*this, "lblMonsterName[" + std::to_string(group) + "]", "", left, 112,
                                     kGroupWidth, 20, 12);
        name.align = TextAlign::Center;
        name.bold = true;
        name.on_click = [this, group] { SelectTarget(battle_, group); };
        Control& number =
            AddSizedText(*this, "lblNumber[" + std::to_string(group) + "]", "", left + 45, 134, 50, 20, 12);
        number.align = TextAlign::Center;
        number.on_click = [this, group] { SelectTarget(battle_, group); };
    }
    Control& arrow = AddSizedText(*this, "lblMonsterArrow", "\xE2\x96\xBA", 0, 134, 20, 20, 12);
    arrow.fore = colors::Gold;
}

void frmBattle2::BuildPartyRows() {
    for (const Column& column : kColumns) {
        Control& header = AddSizedText(*this, std::string("lblHead") + column.header, column.header, column.x,
                                       kTableTop - 22, column.width, 20, 10);
        header.fore = palette::Caption;
        header.bold = true;
        for (int row = 0; row < 4; ++row)
            AddSizedText(*this, std::string(column.name) + "[" + std::to_string(row) + "]", "", column.x,
                         kTableTop + row * kRowStep, column.width, 20);
    }
}

void frmBattle2::BuildCommands() {
    Control& options =
        AddSizedText(*this, "lblOptions", "OPTIONS:", kCommandLeft - 18, kTableTop - 22, 110, 20, 10);
    options.fore = palette::Caption;
    options.bold = true;
    for (int command = 1; command <= battle_command::kCount; ++command) {
        Control& label = AddSizedText(*this, kCommandLabels[command - 1], kCommandCaptions[command - 1],
                                      kCommandLeft, kTableTop + (command - 1) * kCommandStep, 112, 20);
        label.on_click = [this, command] { SelectCommand(battle_, command); };
        label.on_dblclick = [this, command] {
            SelectCommand(battle_, command);
            if (model_.CommandIndex == command) RecordCommand(battle_);
        };
    }
    AddSizedText(*this, "lblArrow", "\xE2\x96\xBA", kCommandLeft - 18, kTableTop, 16, 20).fore = colors::Gold;
}

void frmBattle2::Load() {
    model_ = BattleModel{};
    SetupBattle(battle_);
}

void frmBattle2::Unload() {
    game_.state.InBattle = False;
    game_.state.AcceptingCommands = False;
}

void frmBattle2::KeyDown(int key) {
    switch (key) {
        case 'Q' | keys::CtrlModifier:
            Exit();
            break;
        case keys::Up:
            CommandUp(battle_);
            break;
        case keys::Down:
            CommandDown(battle_);
            break;
        case keys::Right:
            TargetRight(battle_);
            break;
        case keys::Left:
            TargetLeft(battle_);
            break;
        case keys::Enter:
            RecordCommand(battle_);
            break;
        case 'N':
            PressNext(battle_);
            break;
        default:
            break;
    }
}

void frmBattle2::Exit() {
    Close();
}

void frmBattle2::Refresh() {
    PaintGroups();
    PaintParty();
    PaintCommands();
    (*this)["lblMessage"].caption = model_.message;
    Control& next = (*this)["lblNext"];
    next.visible = next.enabled = model_.next_visible;
    host().Invalidate();
}

void frmBattle2::PaintGroups() {
    const GameState& state = game_.state;
    for (int group = 0; group < 4; ++group) {
        const bool in_use = group < GroupsInUse(state);
        const int type = GroupType(state, group);
        Control& picture = At("imgMonster", group);
        picture.visible = in_use;
        picture.picture = !in_use ? "" : model_.tomb[group] ? kTombPicture : MonsterPicture(type);
        At("lblMonsterName", group).caption = in_use ? MonsterName(type) : "";
        At("lblNumber", group).caption = in_use ? "(" + std::to_string(model_.shown_count[group]) + ")" : "";
    }
    Control& arrow = (*this)["lblMonsterArrow"];
    arrow.visible = model_.monster_arrow;
    arrow.x = GroupLeft(model_.TargetGroup) + 28;
}

void frmBattle2::PaintParty() {
    const GameState& state = game_.state;
    for (int row = 0; row < 4; ++row) {
        const bool in_play = row < state.NumPlayers;
        const PLAYER& member = state.Party[row];
        Control& name = At("lblPlayer", row);
        name.caption = in_play ? ShownName(member) : "";
        name.fore = row == model_.white_name ? colors::White : colors::Red;
        At("lblClass", row).caption = in_play ? ClassNameOf(member.Class) : "";
        At("lblHP", row).caption =
            in_play ? std::to_string(member.HP) + "/" + std::to_string(member.MaxHP) : "";
        At("lblAC", row).caption = in_play ? std::to_string(member.AC) : "";
        At("lblStatus", row).caption = in_play ? StatusNameOf(member.Status) : "";
        At("lblCommand", row).caption = in_play ? model_.command_text[row] : "";
    }
}

void frmBattle2::PaintCommands() {
    for (int command = 1; command <= battle_command::kCount; ++command) {
        Control& label = (*this)[kCommandLabels[command - 1]];
        const bool lit = model_.command_lit && command == model_.CommandIndex;
        label.fore = lit ? colors::White : colors::Red;
        if (command == battle_command::Spell) label.enabled = model_.spell_enabled;
        if (command == battle_command::Turn) label.enabled = model_.turn_enabled;
    }
    const int index = std::clamp(model_.CommandIndex, 1, battle_command::kCount);
    (*this)["lblArrow"].y = kTableTop + (index - 1) * kCommandStep;
}

bool frmBattle2::WaitForNext() {
    return host().WaitUntil([this] { return IsSet(game_.state.NextPressed); });
}

bool frmBattle2::WaitForClose() {
    const bool confirmed = host().WaitUntil([this] { return model_.CloseRequested; });
    Close();
    return confirmed;
}

void frmBattle2::PlayBattleCry() {
    StopSound(game_);
    PlaySound(game_, "Sword.wav");
}

void frmBattle2::OpenBackpack() {
    frmBackPack pack(game_);
    host().RunModal(pack);
}

bool frmBattle2::OpenMagicScreen() {
    frmMagic magic(game_);
    host().RunModal(magic);
    return game_.state.MagicMode == magic_mode::Cancelled;
}

void frmBattle2::ShowMessage(const std::string& text) {
    ShowDialog(game_, text);
}

void frmBattle2::ShowError(const std::string& text) {
    host().MessageBox(text);
}

}  // namespace duskmoor
