// The pipe, the session and the view against the real script runner.
#include <gtest/gtest.h>

#include "game_view.h"
#include "play_folder.h"
#include "runner_pipe.h"
#include "session.h"

namespace duskmoor::bot {
namespace {

const std::string kRunner = std::string(DUSKMOOR_GAME_DIR) + "/duskmoor-script";

TEST(BotSession, FollowsTheTopScreenThroughDialogsAndBatches) {
    PlayFolder folder(kRunner);
    RunnerPipe runner(kRunner, 3, folder.path());
    Session session(runner);
    EXPECT_EQ(session.top(), "");
    session.ActAll({"wait 4500", "click imgOptions", "click imgNewGame"});
    EXPECT_EQ(session.top(), "frmPrompt");
    session.Act("click cmdDefault");
    EXPECT_EQ(session.top(), "frmDialog");
    EXPECT_EQ(session.dialog().mode, 2);
    EXPECT_EQ(session.dialog().text, "Load default party?");
    // Answers read in the same exchange as the actions.
    auto answers = session.ActAll({"click cmdButton1", "click cmdDone"}, {"get NumPlayers", "show cmdSkip"});
    EXPECT_EQ(session.top(), "frmSpeech");
    EXPECT_EQ(answers["NumPlayers"], "4");
    EXPECT_EQ(answers["cmdSkip"], "Skip");
    session.Act("click cmdSkip");
    EXPECT_EQ(session.top(), "frmMain");
    // Six actions recorded; reading is not playing.
    EXPECT_EQ(session.Get("Party[0].Name"), "Rhomadon");
    EXPECT_EQ(session.GetInt("Party[0].Gold"), 32);
    EXPECT_EQ(session.actions(), 7);
    EXPECT_EQ(session.record().front(), "wait 4500");
    EXPECT_FALSE(session.ended());
}

TEST(BotSession, AProgramThatEndsEndsTheSession) {
    PlayFolder folder(kRunner);
    RunnerPipe runner(kRunner, 1, folder.path());
    Session session(runner);
    session.ActAll({"wait 4500", "click imgOptions", "click imgExit"});
    EXPECT_TRUE(session.ended());
    EXPECT_FALSE(runner.running());
    // Nothing more is sent or recorded once the program has ended.
    session.Act("click imgOptions");
    EXPECT_EQ(session.actions(), 3);
    EXPECT_TRUE(session.GetMany({"NumPlayers"}).empty());
}

TEST(BotGameView, MirrorsTheStartOfANewGame) {
    PlayFolder folder(kRunner);
    RunnerPipe runner(kRunner, 1, folder.path());
    Session session(runner);
    session.ActAll({"wait 4500", "click imgOptions", "click imgNewGame", "click cmdDefault",
                    "click cmdButton1", "click cmdDone", "click cmdSkip"});
    GameView view(session);
    view.Refresh();
    const GameState& state = view.state();
    EXPECT_EQ(view.members(), 4);
    EXPECT_EQ(state.Party[3].Name, "Whisper");
    EXPECT_EQ(state.Party[2].Class, 3);
    EXPECT_EQ(state.PosCell, 164);
    EXPECT_EQ(state.Facing, 3);
    EXPECT_EQ(state.MapWidth, 16);
    EXPECT_TRUE(view.Able(0));
    EXPECT_FALSE(view.Dead(0));
    // 125 gold, 39 silver and 39 copper: wealth as the shops count it.
    EXPECT_EQ(view.Wealth(), 129);
    // The town's buildings wait on their cells; the inn is entry 0 on cell 33.
    EXPECT_EQ(state.Encounters[0].Cell[0], 33);
    EXPECT_EQ(state.Encounters[0].Pending[0], -1);
    view.RefreshAllEncounters();
    EXPECT_EQ(state.Encounters[21].Pending[2], -1);  // Von Devever waits
    EXPECT_EQ(state.Encounters[1].Pending[15], -1);  // entry 15 has no cell but is pending
    // A quarter turn right from facing west faces north.
    session.Act("key Right");
    view.RefreshPosition();
    EXPECT_EQ(state.Facing, 0);
}

TEST(BotGameView, PartyAndBattleNamesAreAllKnownToTheRunner) {
    // An unknown name would stop the runner with a script error: every name the bot reads must exist.
    PlayFolder folder(kRunner);
    RunnerPipe runner(kRunner, 1, folder.path());
    Session session(runner);
    session.Act("wait 100");
    std::vector<std::string> names = BattleNames();
    for (const std::string& name : FinalStateNames()) names.push_back(name);
    for (const std::string& name : EncounterNames(21)) names.push_back(name);
    auto values = session.GetMany(names);
    EXPECT_FALSE(session.ended());
    EXPECT_EQ(values.size(), std::set<std::string>(names.begin(), names.end()).size());
}

}  // namespace
}  // namespace duskmoor::bot
