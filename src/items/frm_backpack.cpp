#include "items/frm_backpack.h"

#include "shell/game.h"
#include "town/frm_trade.h"
#include "ui/host.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 520, kHeight = 430;
constexpr int kListTop = 52, kRowHeight = 24, kRowsPerColumn = 12;
constexpr int kColumnLeft[2] = {20, 266};
constexpr int kLabelWidth = 234;
constexpr int kButtonTop = 384, kButtonWidth = 88, kButtonHeight = 34;
constexpr Color kItemText = palette::Text;
constexpr Color kHighlight = palette::Selection;
constexpr Color kListBack = palette::Inset;
constexpr int kKeyE = 69;

}  // namespace

frmBackPack::frmBackPack(Game& game) : Screen(game.host, "frmBackPack", kWidth, kHeight), game_(game) {
    title = "Backpack";
    BuildControls();
}

void frmBackPack::BuildControls() {
    AddHeading(*this, "lblName", "", 12);
    AddInset(*this, "lblListFrame", 12, kListTop - 6, kWidth - 24, kRowsPerColumn * kRowHeight + 12);
    for (int index = 0; index < kItemLabels; ++index) {
        const int column = index / kRowsPerColumn;
        const int row = index % kRowsPerColumn;
        Control& item = Add(ControlKind::Label, "lblItem[" + std::to_string(index) + "]", kColumnLeft[column],
                            kListTop + row * kRowHeight, kLabelWidth, kRowHeight - 2);
        item.font_size = text_size::Body;
        item.fore = palette::Text;
        item.back = palette::Selection;
        item.on_click = [this, index] {
            model_.selected = index;
            ShowModel();
        };
    }
    Control& gold =
        Add(ControlKind::Label, "lblGold", 12, kListTop + kRowsPerColumn * kRowHeight + 14, kWidth - 24, 22);
    gold.font_size = 12;
    gold.align = TextAlign::Center;
    gold.fore = palette::Heading;

    const int gap = (kWidth - 5 * kButtonWidth) / 6;
    auto button = [&](const char* name, const char* caption, int place) -> Control& {
        return AddButton(*this, name, caption, gap + place * (kButtonWidth + gap), kButtonTop, kButtonWidth,
                         kButtonHeight);
    };
    button("lblPrior", "Prior", 0).on_click = [this] { Browse(-1); };
    button("lblAction", "", 1).on_click = [this] {
        DoAction(game_, model_, *this);
        ShowModel();
    };
    button("lblUse", "Use", 2).on_click = [this] {
        UseHighlighted(game_, model_);
        ShowModel();
    };
    button("lblDone", "Done", 3).on_click = [this] { Done(); };
    button("lblNext", "Next", 4).on_click = [this] { Browse(1); };
}

void frmBackPack::Load() {
    model_ = OpenBackpack(game_.state);
    ShowButtons();
    ShowModel();
}

void frmBackPack::ShowButtons() {
    const GameState& state = game_.state;
    const bool browse = CanBrowse(state, model_);
    Control& use = (*this)["lblUse"];
    use.visible = use.enabled = !model_.loot && model_.mode == pack_mode::OwnPack && !IsSet(state.InBattle);
    (*this)["lblNext"].visible = (*this)["lblPrior"].visible = browse;
    (*this)["lblAction"].caption = ActionCaption(state, model_);
}

void frmBackPack::ShowModel() {
    const GameState& state = game_.state;
    for (int index = 0; index < kItemLabels; ++index) {
        Control& item = At("lblItem", index);
        item.caption = model_.labels[index];
        item.back_visible = index == model_.selected && !item.caption.empty();
        item.fore = item.back_visible ? palette::SelectionText : palette::Text;
    }
    (*this)["lblName"].caption = ShownName(state, model_);
    (*this)["lblGold"].caption = MoneyLine(state, model_);
    const bool browse = CanBrowse(state, model_);
    (*this)["lblPrior"].enabled = browse && model_.slot > 0;
    (*this)["lblNext"].enabled = browse && model_.slot + 1 < state.NumPlayers;
    host().Invalidate();
}

void frmBackPack::Browse(int step) {
    if (BrowseTo(game_.state, model_, step)) ShowModel();
}

void frmBackPack::KeyDown(int key) {
    if (key == keys::Up || key == keys::Down) {
        MoveHighlight(model_, key == keys::Up ? -1 : 1);
    } else if (key == kKeyE) {
        ToggleEquipped(game_, model_);
    } else {
        return;
    }
    ShowModel();
}

void frmBackPack::OpenTrade() {
    frmTrade trade(game_);
    host().RunModal(trade);
}

void frmBackPack::Done() {
    CloseBackpack(game_.state, model_);
    if (game_.view) game_.view->RefreshPartyPanel();
    Close();
}

}  // namespace duskmoor
