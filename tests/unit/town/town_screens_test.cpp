// The town's screens as a player meets them: each building shows its sign and
// the buttons of its mode, and the bank its coins.
#include <gtest/gtest.h>

#include "shell/game.h"
#include "support/recording_host.h"
#include "support/scripted_game.h"
#include "town/frm_bank.h"
#include "town/frm_message.h"
#include "town/frm_trade.h"
#include "town/trade.h"
#include "ui/resources.h"

namespace duskmoor {
namespace {

TEST(TownScreens, EveryBuildingShowsItsSignAndAWayOut) {
    RecordingHost host;
    Game game(host);
    for (int16_t mode = 1; mode <= 13; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        game.state.BuildingMode = mode;
        frmMessage screen(game);
        screen.Load();
        EXPECT_NE(ResourceBitmap(screen["imgSign"].picture), nullptr) << screen["imgSign"].picture;
        int shown = 0;
        int right = 0;
        for (int number = 1; number <= 4; ++number) {
            const Control& button = screen["cmd" + std::to_string(number)];
            if (!button.visible) continue;
            ++shown;
            EXPECT_FALSE(button.caption.empty());
            EXPECT_GE(button.x, right) << "buttons stand side by side in their order";
            right = button.x + button.width;
            EXPECT_LE(right, screen.width());
        }
        EXPECT_GE(shown, 1);
        // The close box always leads back out: through the inn, or onto the street.
        game.state.MessageResult = 0;
        screen.CloseRequested();
        EXPECT_TRUE(screen.closing());
        EXPECT_EQ(game.state.MessageResult, mode == 2 ? 99 : 98);
    }
    frmMessage king(game, true);
    king.Load();
    EXPECT_TRUE(king["cmd2"].visible);
    EXPECT_EQ(king["cmd2"].caption, "Leave");
    EXPECT_FALSE(king["cmd1"].visible || king["cmd3"].visible || king["cmd4"].visible);
}

TEST(TownScreens, TheBankShowsItsCoins) {
    RecordingHost host;
    Game game(host);
    game.state.NumPlayers = 1;
    frmBank bank(game);
    bank.Load();
    for (const char* coin : {"imgCoinGold", "imgCoinSilver", "imgCoinCopper"})
        EXPECT_NE(ResourceBitmap(bank[coin].picture), nullptr) << coin;
    EXPECT_EQ(bank["txtGold"].caption, "0");
    EXPECT_FALSE(bank["cmdPrior"].enabled);
    EXPECT_FALSE(bank["cmdNext"].enabled) << "one member: nobody to move to";
}

// Picking the character a spell is cast on: the slot comes back in
// `TradeMode`; cancelling leaves it at 51, which means no target.
TEST(TownScreens, ThePickerHandsBackTheChosenSlotOrNothing) {
    for (const auto& [script, expected] : std::initializer_list<std::pair<const char*, int>>{
             {"key Up\nclick lblDone\n", 0},
             {"key Down\nkey Down\nkey Down\nclick lblDone\n", 2},
             {"click lblPlayer[1]\nclick lblDone\n", 1},
             {"key Down\nclick lblCancel\n", trade::PickSpellTarget}}) {
        SCOPED_TRACE(script);
        ScriptedGame scripted(script);
        GameState& state = scripted.game.state;
        state.NumPlayers = 3;
        state.TradeMode = trade::PickSpellTarget;
        frmTrade picker(scripted.game);
        scripted.host.RunModal(picker);
        EXPECT_EQ(state.TradeMode, expected);
        EXPECT_EQ(picker["lblPrompt"].caption, "Cast spell on which character?");
        EXPECT_FALSE(picker["lblPlayer[3]"].visible) << "only the party's members are offered";
    }
}

}  // namespace
}  // namespace duskmoor
