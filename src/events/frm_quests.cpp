#include "events/frm_quests.h"

#include "events/printing.h"
#include "events/quest_objects.h"
#include "shell/game.h"
#include "shell/screen_style.h"
#include "ui/host.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 420, kHeight = 420;

}  // namespace

frmQuests::frmQuests(Game& game) : Screen(game.host, "frmQuests", kWidth, kHeight), game_(game) {
    title = "Quests";
    AddHeading(*this, "lblTitle", "Quests", 10);
    Control& quests = Add(ControlKind::Label, "lblQuests", 24, 46, kWidth - 48, 316);
    quests.word_wrap = true;
    quests.font_size = 12;
    AddButton(*this, "cmdPrint", "Print", 70, 372, 120, 34).on_click = [this] {
        PrintText(game_, "The Duskmoor - Quests", (*this)["lblQuests"].caption);
    };
    AddButton(*this, "cmdDone", "Done", 230, 372, 120, 34).on_click = [this] { Close(); };
}

void frmQuests::Load() {
    const bool completed = game_.state.QuestsMode == quests_mode::Completed;
    (*this)["lblTitle"].caption = completed ? "Completed Quests" : "Quests";
    (*this)["lblQuests"].caption = completed ? ShowCompleted(game_.state) : ShowQuests();
}

void ShowQuestsScreen(Game& game, int16_t mode) {
    game.state.QuestsMode = mode;
    frmQuests quests(game);
    game.host.RunModal(quests);
}

}  // namespace duskmoor
