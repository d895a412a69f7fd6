#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "core/random.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/game_clock.h"
#include "shell/game_main.h"
#include "shell/game_state.h"
#include "shell/sound.h"
#include "shell/state_names.h"
#include "script/script_host.h"

namespace duskmoor {
namespace {

// A game on a script host that answers from `script`.
struct ScriptedGame {
    explicit ScriptedGame(const std::string& script)
        : input(script), host(input, transcript, "/nonexistent/") {}
    std::istringstream input;
    std::ostringstream transcript;
    ScriptHost host;
    Game game{host};
};

TEST(GameClock, TwoStepsMakeAMinuteAndMidnightWraps) {
    ScriptedGame scripted("");
    GameState& state = scripted.game.state;
    state.GameHour = 13;
    AdvanceClock(scripted.game);
    EXPECT_EQ(state.GameMinute, 0);
    EXPECT_EQ(state.StepFraction, 1.0f);
    AdvanceClock(scripted.game);
    EXPECT_EQ(state.GameMinute, 1);
    EXPECT_EQ(state.StepFraction, 0.0f);
    for (int step = 0; step < 118; ++step) AdvanceClock(scripted.game);
    EXPECT_EQ(state.GameHour, 14);
    EXPECT_EQ(state.GameMinute, 0);

    state.GameHour = 23;
    state.GameMinute = 59;
    AdvanceClock(scripted.game);
    AdvanceClock(scripted.game);
    EXPECT_EQ(state.GameHour, 0);
    EXPECT_EQ(state.GameMinute, 0);
}

TEST(GameClock, LabelPadsMinutesBelowTen) {
    EXPECT_EQ(ClockLabel(13, 5), "13 : 05");
    EXPECT_EQ(ClockLabel(13, 10), "13 : 10");
    EXPECT_EQ(ClockLabel(0, 0), "0 : 00");
}

TEST(GameState, ReinitClearsTheGameButKeepsTheProgram) {
    GameState state;
    state.GameActive = True;
    state.SoundOn = False;
    state.AppPath = "/games/duskmoor/";
    state.RestState = 2;
    state.NumPlayers = 3;
    state.Party[1].Name = "Evro";
    state.Party[1].Active = True;
    state.Monsters[40].MonsterStatus = 1;
    state.Encounters[25].Pending[3] = True;
    state.BankGold = 500;
    state.QuestsDone[4] = True;
    state.RoomRented = True;
    state.TreasureItems[2] = 20;
    state.GameHour = 9;
    state.StepFraction = 1;
    state.PartyDefeated = True;
    Reinit(state);
    EXPECT_EQ(state.GameActive, True);
    EXPECT_EQ(state.SoundOn, False);
    EXPECT_EQ(state.AppPath, "/games/duskmoor/");
    EXPECT_EQ(state.RestState, 2);
    EXPECT_EQ(state.NumPlayers, 0);
    EXPECT_EQ(state.Party[1], PLAYER{});
    for (const Monster& monster : state.Monsters) EXPECT_EQ(monster.MonsterStatus, 256);
    EXPECT_EQ(state.Encounters[25].Pending[3], 0);
    EXPECT_EQ(state.BankGold, 0);
    EXPECT_EQ(state.QuestsDone[4], 0);
    EXPECT_EQ(state.RoomRented, False);
    EXPECT_EQ(state.TreasureItems[2], 0);
    EXPECT_EQ(state.GameHour, 0);
    EXPECT_EQ(state.StepFraction, 0.0f);
    EXPECT_EQ(state.PartyDefeated, False);
}

TEST(StateNames, ReadAndWriteByName) {
    GameState state;
    std::string value;
    EXPECT_EQ(SetStateValue(state, "Party[2].Pack[3]", "20"), "");
    EXPECT_EQ(state.Party[2].Pack[3], 20);
    EXPECT_EQ(SetStateValue(state, "Encounters[14].Pending[6]", "-1"), "");
    EXPECT_EQ(state.Encounters[14].Pending[6], -1);
    EXPECT_EQ(SetStateValue(state, "BankGold", "100000"), "");
    EXPECT_EQ(state.BankGold, 100000);
    EXPECT_EQ(SetStateValue(state, "Party[0].Name", "Jörg"), "");
    EXPECT_EQ(state.Party[0].Name, "J\xF6rg");
    EXPECT_EQ(GetStateValue(state, "Party[0].Name", value), "");
    EXPECT_EQ(value, "Jörg");
    EXPECT_EQ(SetStateValue(state, "StepFraction", "1"), "");
    EXPECT_EQ(GetStateValue(state, "StepFraction", value), "");
    EXPECT_EQ(value, "1");
    EXPECT_EQ(GetStateValue(state, "SoundOn", value), "");
    EXPECT_EQ(value, "-1");
    EXPECT_EQ(SetStateValue(state, "Monsters[40].HitPoints", "7"), "");
    EXPECT_EQ(state.Monsters[40].HitPoints, 7);
    EXPECT_EQ(SetStateValue(state, "EncounterGroups[1].Count", "3"), "");
    EXPECT_EQ(state.EncounterGroups[1].Count, 3);
    EXPECT_EQ(SetStateValue(state, "Map[400].Code1", "5"), "");
    EXPECT_EQ(state.Map[400].Code1, 5);
    // Texts the screens show stay in UTF-8; the log is kept in the files' code page.
    EXPECT_EQ(SetStateValue(state, "DialogText", "Jörg"), "");
    EXPECT_EQ(state.DialogText, "Jörg");
    EXPECT_EQ(SetStateValue(state, "CluesText", "Jörg"), "");
    EXPECT_EQ(state.CluesText, "J\xF6rg");
}

TEST(StateNames, RefusesWhatDoesNotExistOrFit) {
    GameState state;
    std::string value;
    EXPECT_NE(GetStateValue(state, "NoSuchThing", value), "");
    EXPECT_NE(GetStateValue(state, "Party[4].HP", value), "");
    EXPECT_NE(GetStateValue(state, "Party[0]", value), "");
    EXPECT_NE(GetStateValue(state, "Party[0].Pack", value), "");
    EXPECT_NE(GetStateValue(state, "GameHour[1]", value), "");
    EXPECT_NE(GetStateValue(state, "Party[x].HP", value), "");
    EXPECT_NE(GetStateValue(state, "GameHour.Minute", value), "");
    EXPECT_NE(GetStateValue(state, "Party[0].HP.Max", value), "");
    EXPECT_NE(GetStateValue(state, "Monsters[41].HitPoints", value), "");
    EXPECT_NE(GetStateValue(state, "Map[0].Ceiling", value), "");
    EXPECT_NE(SetStateValue(state, "GameHour", "32768"), "");
    EXPECT_NE(SetStateValue(state, "GameHour", "12x"), "");
    EXPECT_NE(SetStateValue(state, "BankGold", "2147483648"), "");
    EXPECT_EQ(state.GameHour, 0);
}

TEST(Dialog, AnswersByMode) {
    ScriptedGame scripted("click cmdButton2\nclick cmdButton1\nclick cmdButton2\nclick cmdButton1\n");
    Game& game = scripted.game;
    EXPECT_EQ(ShowDialog(game, "Load default party?", dialog::YesNo), dialog::No);
    EXPECT_EQ(ShowDialog(game, "Load default party?", dialog::YesNo), dialog::Yes);
    EXPECT_EQ(ShowDialog(game, "You must load at least one character to begin.", dialog::OkCancel),
              dialog::Cancel);
    // A one-button notice leaves the earlier answer in place.
    EXPECT_EQ(ShowDialog(game, "Notice", dialog::OkOnly), dialog::Cancel);
    EXPECT_EQ(scripted.transcript.str(),
              "dialog 2 Load default party?\ndialog 2 Load default party?\n"
              "dialog 3 You must load at least one character to begin.\ndialog 1 Notice\n");
}

TEST(Dialog, PasswordIsUpperCasedButNotTrimmed) {
    EXPECT_TRUE(IsRightPassword("ferox"));
    EXPECT_TRUE(IsRightPassword("FeRoX"));
    EXPECT_FALSE(IsRightPassword(" ferox"));
    EXPECT_FALSE(IsRightPassword("ferox "));
    EXPECT_FALSE(IsRightPassword(""));
    ScriptedGame scripted(
        "click cmdButton2\ntype txtPassword Ferox\nclick cmdButton1\n"
        "type txtPassword feroxx\nclick cmdButton1\n");
    EXPECT_EQ(ShowDialog(scripted.game, "A voice beyond the door asks for the password...", dialog::Password),
              dialog::RightPassword);
    EXPECT_EQ(ShowDialog(scripted.game, "Again", dialog::Password), dialog::WrongPassword);
    EXPECT_NE(scripted.transcript.str().find("ignored click cmdButton2 (hidden)"), std::string::npos);
}

TEST(Dialog, PanelFitsItsTextAndKeepsItsButtonsInside) {
    ScriptedGame scripted("");
    Game& game = scripted.game;
    auto dialog_for = [&game](const std::string& text, int16_t mode) {
        game.state.DialogText = text;
        game.state.DialogMode = mode;
        return std::make_unique<frmDialog>(game);
    };
    const auto notice = dialog_for("Saved.", dialog::OkOnly);
    const auto speech =
        dialog_for(std::string(60, 'w') + " " + std::string(60, 'w') + "\n\nThe end.", dialog::YesNo);
    const auto password = dialog_for("Saved.", dialog::Password);
    const auto endless = dialog_for(
        std::string(4000, 'x').replace(100, 3800, std::string(3800 / 2, ' ') + "\n"), dialog::OkCancel);
    // One short line makes a small panel; more lines a taller one.
    EXPECT_LT(notice->height(), 120);
    EXPECT_GT(speech->height(), notice->height());
    EXPECT_GT(password->height(), notice->height());
    for (frmDialog* screen : {notice.get(), speech.get(), password.get(), endless.get()}) {
        screen->Load();
        const Control& message = (*screen)["lblMessage"];
        const Control& first = (*screen)["cmdButton1"];
        const Control& second = (*screen)["cmdButton2"];
        const Control& box = (*screen)["txtPassword"];
        EXPECT_LE(screen->width(), 640);
        EXPECT_LE(screen->height() + 20, 480);
        EXPECT_LE(first.y + first.height, screen->height());
        EXPECT_GE(first.y, message.y + message.height);
        EXPECT_LE(second.x + second.width, screen->width());
        EXPECT_TRUE(!second.visible || second.x >= first.x + first.width);
        if (box.visible) {
            EXPECT_GE(box.y, message.y + message.height);
            EXPECT_LE(box.y + box.height, first.y);
        }
        EXPECT_EQ(screen->default_button, &first);
    }
}

TEST(Sound, PlaceSoundsWaitForSilenceAndRespectTheSwitch) {
    ScriptedGame scripted("");
    Game& game = scripted.game;
    game.state.AppPath = "/nonexistent/";
    PlayPlaceSound(game, place_sound::Door);
    EXPECT_EQ(game.state.SoundBusy, True);  // busy until the safeguard clears it
    CollisionTick(game);
    EXPECT_EQ(game.state.SoundBusy, False);
    game.state.SoundOn = False;
    PlayPlaceSound(game, place_sound::Bell);
    PlaySound(game, "Gong.wav");
    EXPECT_EQ(game.state.SoundBusy, False);
    game.state.SoundOn = True;
    PlayPlaceSound(game, 1);
    EXPECT_EQ(game.state.SoundBusy, False);
}

}  // namespace
}  // namespace duskmoor
