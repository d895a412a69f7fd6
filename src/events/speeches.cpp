#include "events/speeches.h"

#include "core/codepage.h"
#include "events/frm_speech.h"
#include "events/story_texts.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "ui/host.h"
#include "world/block_change.h"

namespace duskmoor {
namespace {

struct Purse {
    int32_t gold, silver, copper;
};
constexpr Purse kStartingMoney[4] = {{32, 12, 5}, {31, 6, 21}, {34, 12, 4}, {28, 9, 9}};

}  // namespace

int SpeechPages(int mode) {
    return mode == speech_mode::Ending ? kEndingPages : kKingSpeechPages;
}

std::string SpeechPage(const GameState& state, int mode, int page) {
    if (mode == speech_mode::Ending) return EndingPage(page, Cp1252ToUtf8(state.Party[0].Name));
    return KingSpeechPage(page);
}

void HandOutStartingMoney(GameState& state) {
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        PLAYER& member = state.Party[slot];
        const Purse& purse = kStartingMoney[slot];
        member.Gold = purse.gold;
        member.Silver = purse.silver;
        member.Copper = purse.copper;
        member.Load = static_cast<int16_t>(member.Load + purse.gold + purse.silver + purse.copper);
    }
}

void KingSpeech(Game& game) {
    game.state.SpeechMode = speech_mode::King;
    frmSpeech speech(game);
    game.host.RunModal(speech);
}

void GameFinale(Game& game) {
    game.state.SpeechMode = speech_mode::Ending;
    frmSpeech speech(game);
    game.host.RunModal(speech);
    // Leaving the Garden eastward is the road home through Verezeve's west gate.
    ChangeBlock(game, 1, 1);
    ShowDialog(game,
               "With your quest now complete, feel free to continue exploring the lands...while waiting for "
               "the release of 'The Cinderreach'...");
}

}  // namespace duskmoor
