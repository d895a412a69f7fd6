#include "magic/frm_magic.h"

#include <cstdio>

#include "core/codepage.h"
#include "magic/frm_rest.h"
#include "magic/rest.h"
#include "magic/spells.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "ui/host.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {
constexpr int kWidth = 560, kHeight = 420;
constexpr int kRow = 20, kListTop = 70, kLeftColumn = 30, kRightColumn = 300;
constexpr const char* kCommands[] = {"lblMemorize", "lblCast",   "lblScrolls", "lblRest",
                                     "lblDone",     "lblCancel", "lblPrior",   "lblNext"};
constexpr const char* kCaptions[] = {"Memorize", "Cast",   "Scrolls", "Rest",
                                     "Done",     "Cancel", "Prior",   "Next"};

std::string Hours(double hours) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", hours);
    return text;
}
}  // namespace

frmMagic::frmMagic(Game& game) : Screen(game.host, "frmMagic", kWidth, kHeight), game_(game) {
    title = "Magic";
    Control& player = AddHeading(*this, "lblPlayer", "", 12);
    player.font_size = 16;
    AddText(*this, "lblListTitle", "", kLeftColumn, kListTop - 26, 240, 22).bold = true;
    AddText(*this, "lblAvailSpells", "Spell Book:", kRightColumn, kListTop - 26, 240, 22).bold = true;
    for (int label = 0; label < kListLabels + kBookLabels; ++label) {
        const bool left = label < kListLabels;
        const int row = left ? label : label - kListLabels;
        Control& entry = Add(ControlKind::Label, "lblSpells[" + std::to_string(label) + "]",
                             left ? kLeftColumn : kRightColumn, kListTop + row * kRow, 230, kRow);
        entry.font_size = 12;
        entry.on_click = [this, label] { Highlight(label); };
    }
    const int info_top = kListTop + 9 * kRow;
    AddCaption(*this, "lblSlots", "spell slots left", kRightColumn, info_top, 150, 22);
    AddReadout(*this, "lblShowSpellSlots", kRightColumn + 160, info_top, 60, 22);
    AddCaption(*this, "lblRestTime", "rest time needed", kRightColumn, info_top + 28, 150, 22);
    AddReadout(*this, "lblShowRestTime", kRightColumn + 160, info_top + 28, 60, 22);
    const int button_width = (kWidth - 40) / 4;
    for (size_t index = 0; index < std::size(kCommands); ++index) {
        const int column = static_cast<int>(index % 4), row = static_cast<int>(index / 4);
        AddButton(*this, kCommands[index], kCaptions[index], 20 + column * button_width,
                  kHeight - 84 + row * 38, button_width - 8, 32);
    }
    (*this)["lblMemorize"].on_click = [this] { MemorizeClicked(); };
    (*this)["lblCast"].on_click = [this] { CastClicked(); };
    (*this)["lblScrolls"].on_click = [this] {
        model_.showing_scrolls = !model_.showing_scrolls;
        ShowAvailable();
    };
    (*this)["lblRest"].on_click = [this] { RestClicked(); };
    (*this)["lblDone"].on_click = [this] { Done(); };
    (*this)["lblCancel"].on_click = [this] { Cancel(); };
    (*this)["lblNext"].on_click = [this] { StepCaster(1); };
    (*this)["lblPrior"].on_click = [this] { StepCaster(-1); };
}

void frmMagic::Load() {
    Setup();
}

void frmMagic::Setup() {
    const GameState& state = game_.state;
    model_ = MagicModel{};
    model_.mode = state.MagicMode;
    if (model_.mode == magic_mode::Battle) {
        model_.caster =
            state.MagicCaster >= 0 && state.MagicCaster < state.NumPlayers ? state.MagicCaster : -1;
    } else {
        model_.caster = FindCaster(state, 0, 1);
    }
    SetupButtons();
    ShowAvailable();
}

void frmMagic::SetupButtons() {
    const bool camp = model_.mode == magic_mode::Camp, battle = model_.mode == magic_mode::Battle;
    (*this)["lblPrior"].enabled = (*this)["lblNext"].enabled = !battle;
    (*this)["lblMemorize"].enabled = (*this)["lblRest"].enabled = camp;
}

std::string frmMagic::CasterName() const {
    return model_.caster < 0 ? std::string() : Cp1252ToUtf8(game_.state.Party[model_.caster].Name);
}

void frmMagic::SetupLabels() {
    (*this)["lblPlayer"].caption = CasterName();
    (*this)["lblListTitle"].caption = model_.showing_scrolls ? "Scrolls:" : "Readied Spells:";
    (*this)["lblScrolls"].caption = model_.showing_scrolls ? "Spells" : "Scrolls";
}

// Both lists, the slots and the rest time of the caster shown.
void frmMagic::ShowAvailable() {
    ClearLabels();
    SetupLabels();
    if (model_.caster >= 0) {
        const PLAYER& caster = game_.state.Party[model_.caster];
        model_.showing_scrolls ? ShowScrolls() : ShowSpells();
        const std::vector<int16_t> book = SpellBook(caster);
        for (size_t row = 0; row < book.size() && row < kBookLabels; ++row)
            At("lblSpells", kListLabels + static_cast<int>(row)).caption = SpellName(book[row]);
    }
    UpdateMaxSpells();
    highlight_ = -1;
    RedLabels();
}

void frmMagic::UpdateMaxSpells() {
    if (model_.caster < 0) {
        (*this)["lblShowSpellSlots"].caption = (*this)["lblShowRestTime"].caption = "";
        return;
    }
    (*this)["lblShowSpellSlots"].caption = std::to_string(SpellSlotsLeft(game_.state.Party[model_.caster]));
    (*this)["lblShowRestTime"].caption = Hours(model_.rest_time[static_cast<size_t>(model_.caster)]);
}

void frmMagic::ClearLabels() {
    entries_.clear();
    for (int label = 0; label < kListLabels + kBookLabels; ++label) At("lblSpells", label).caption.clear();
}

void frmMagic::RedLabels() {
    for (int label = 0; label < kListLabels + kBookLabels; ++label) {
        Control& entry = At("lblSpells", label);
        // The entries stand in red; the one the player points at on the bronze bar.
        entry.fore = label == highlight_ ? palette::SelectionText : palette::Chosen;
        entry.back_visible = label == highlight_;
        entry.back = palette::Selection;
    }
    host().Invalidate();
}

void frmMagic::Highlight(int label) {
    if (label < 0 || label >= kListLabels + kBookLabels || At("lblSpells", label).caption.empty()) return;
    highlight_ = label;
    RedLabels();
}

void frmMagic::ShowScrolls() {
    entries_ = Scrolls(game_.state.Party[model_.caster]);
    for (size_t row = 0; row < entries_.size() && row < kListLabels; ++row)
        At("lblSpells", static_cast<int>(row)).caption = SpellName(entries_[row].spell);
}

void frmMagic::ShowSpells() {
    const PLAYER& caster = game_.state.Party[model_.caster];
    entries_ = ReadiedSpells(caster);
    for (size_t row = 0; row < entries_.size() && row < kListLabels; ++row) {
        const bool chosen = caster.Spells[2 * entries_[row].index] == spell::Chosen;
        At("lblSpells", static_cast<int>(row)).caption =
            SpellName(entries_[row].spell) + (chosen ? " (to learn)" : "");
    }
}

void frmMagic::StepCaster(int step) {
    if (model_.caster < 0) return;
    model_.caster = FindCaster(game_.state, model_.caster + step, step);
    ShowAvailable();
}

void frmMagic::MemorizeClicked() {
    if (model_.caster < 0) return;
    const int16_t spell =
        highlight_ >= kListLabels ? SpellCode(At("lblSpells", highlight_).caption) : int16_t{0};
    const std::string name = CasterName();
    switch (Memorize(game_.state, model_, spell)) {
        case MemorizeResult::NotConscious:
            ShowDialog(game_, name + " is not concious.");
            return;
        case MemorizeResult::NoSlotLeft:
            ShowDialog(game_, name + " cannot memorize any more spells.");
            return;
        case MemorizeResult::NotInBook:
            return;
        case MemorizeResult::Chosen:
            break;
    }
    UpdateMaxSpells();
    ShowDialog(game_, name + " will memorize " + SpellName(spell));
    ShowAvailable();
}

void frmMagic::CastClicked() {
    if (model_.caster < 0) return;
    PLAYER& caster = game_.state.Party[model_.caster];
    if (caster.Status & (status::Dead | status::Unconscious)) {
        ShowDialog(game_, CasterName() + " is not concious.");
        return;
    }
    caster.CastSpell = caster.CastSource = 0;
    if (highlight_ < 0 || highlight_ >= static_cast<int>(entries_.size())) return;
    const SpellEntry entry = entries_[static_cast<size_t>(highlight_)];
    if (model_.showing_scrolls) {
        CastScrollSpell(game_, model_, entry);
    } else if (caster.Spells[2 * entry.index] != spell::Ready) {
        // A spell chosen in this camp is learned only by resting.
        ShowDialog(game_, CasterName() + " must rest to learn " + SpellName(entry.spell) + ".");
    } else {
        CastMemSpell(game_, model_, entry.spell);
    }
    if (model_.mode == magic_mode::Battle) {
        Close();
        return;
    }
    ShowAvailable();
}

bool frmMagic::StartRest() {
    GameState& state = game_.state;
    state.RestNeeded = static_cast<float>(RestNeeded(model_));
    state.RestState = rest_state::NotDone;
    frmRest rest(game_);
    host().RunModal(rest);
    state.RestNeeded = 0;
    if (state.RestState == rest_state::Interrupted) {
        Close();
        return false;
    }
    if (state.RestState == rest_state::Completed) model_.rest_time.fill(0.0);
    return state.RestState == rest_state::Completed;
}

void frmMagic::RestClicked() {
    if (RestNeeded(model_) <= 0 && ShowDialog(game_, "Your spell casters do not need any rest, rest anyway?",
                                              dialog::YesNo) != dialog::Yes)
        return;
    if (StartRest()) ShowAvailable();
}

void frmMagic::Done() {
    if (RestNeeded(model_) > 0) {
        const int16_t answer =
            ShowDialog(game_, "Your spell casters must rest now or no spells will be memorized.  Rest now?",
                       dialog::YesNo);
        if (answer == dialog::Yes) {
            StartRest();
        } else {
            DropChosenSpells(game_.state, model_);
        }
    }
    Close();
}

void frmMagic::Cancel() {
    DropChosenSpells(game_.state, model_);
    if (model_.mode == magic_mode::Battle) game_.state.MagicMode = magic_mode::Cancelled;
    Close();
}

// The list holds labels 0..12 on the left and the spell book 13..20 on the right.
void frmMagic::KeyUp(int key) {
    const int last = kListLabels + kBookLabels - 1;
    int target = highlight_ < 0 ? 0 : highlight_;
    if (highlight_ >= 0) {
        if (key == keys::Up)
            target = highlight_ - 1;
        else if (key == keys::Down)
            target = highlight_ + 1;
        else if (key == keys::Right && highlight_ < kListLabels)
            target = highlight_ + kListLabels;
        else if (key == keys::Left && highlight_ >= kListLabels)
            target = highlight_ - kListLabels;
        else
            return;
    } else if (key != keys::Up && key != keys::Down && key != keys::Left && key != keys::Right) {
        return;
    }
    if (target >= 0 && target <= last) Highlight(target);
}

}  // namespace duskmoor
