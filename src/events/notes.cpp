#include "events/notes.h"

#include "core/codepage.h"
#include "events/adventure_log.h"
#include "events/frm_log.h"
#include "events/story_texts.h"
#include "shell/game.h"
#include "ui/host.h"

namespace duskmoor {

void ShowNote(Game& game, int number) {
    GameState& state = game.state;
    state.NoteText = Utf8ToCp1252(NoteProse(number)) + "\r\n";
    state.LogMode = log_mode::CluesWithNote;
    frmLog log(game);
    game.host.RunModal(log);
}

}  // namespace duskmoor
