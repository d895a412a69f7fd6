#include "magic/rest.h"

#include <gtest/gtest.h>

#include <limits>

#include "events/scripted_game.h"
#include "magic/poison.h"
#include "magic/spells.h"
#include "shell/game_clock.h"

namespace duskmoor {
namespace {

// Rests `hours` from start to stop and returns how many beats ended in an hour passed or the end.
int RestThrough(Game& game, RestModel& model) {
    int hours = 0;
    model.resting = true;
    while (model.resting) {
        const RestTick tick = RestHour(game, model);
        if (tick == RestTick::Interrupted) return hours + 1;
        if (tick != RestTick::Idle) ++hours;
    }
    return hours;
}

TEST(Rest, HoursStayWithinTheDial) {
    EXPECT_EQ(RestHoursPlus(0), 1);
    EXPECT_EQ(RestHoursPlus(198), 199);
    EXPECT_EQ(RestHoursPlus(199), 0);
    EXPECT_EQ(RestHoursPlus(4.5), 5.5);
    // A rest that began at the spells' 4.5 hours never shows more than 199.
    EXPECT_EQ(RestHoursPlus(197.5), 198.5);
    EXPECT_EQ(RestHoursPlus(198.5), 0);
    EXPECT_EQ(RestHoursToStart(4.5f), 4.5);
    EXPECT_EQ(RestHoursToStart(199.0f), 199);
    EXPECT_EQ(RestHoursToStart(250.0f), 199);
    EXPECT_EQ(RestHoursToStart(0.0f), 0);
    EXPECT_EQ(RestHoursToStart(-3.0f), 0);
    EXPECT_EQ(RestHoursToStart(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(RestHoursMinus(1), 0);
    EXPECT_EQ(RestHoursMinus(0), 0);
    EXPECT_EQ(RestHoursMinus(0.5), 0);
    EXPECT_EQ(RestHoursShown(0.75), "0");
    EXPECT_EQ(RestHoursShown(-0.5), "0");
    EXPECT_EQ(RestHoursShown(4.5), "4.5");
    EXPECT_EQ(RestHoursShown(12), "12");
}

TEST(Rest, AWholeDayHealsOnceAndTeachesTheChosenSpells) {
    ScriptedGame scripted("click cmdButton1\n", 4);
    GameState& state = scripted.game.state;
    state.GameHour = 22;
    state.Party[0].HP = state.Party[0].MaxHP - 3;
    state.Party[1].HP = 0;
    state.Party[1].Status = status::Unconscious;
    state.Party[2].Status = status::Dead;
    const int16_t dead_hp = state.Party[2].HP = -11;
    const int16_t full = state.Party[3].HP = state.Party[3].MaxHP;
    state.Party[3].Spells = {3, 9, 3, 10};
    RestModel model;
    model.RestHours = 24;
    EXPECT_EQ(RestThrough(scripted.game, model), 24);
    EXPECT_EQ(state.GameHour, 22);
    EXPECT_EQ(state.RestState, rest_state::Completed);
    EXPECT_EQ(state.Party[0].HP, state.Party[0].MaxHP - 2);
    EXPECT_EQ(state.Party[1].HP, 1);
    EXPECT_EQ(state.Party[1].Status, status::Ok);
    EXPECT_EQ(state.Party[2].HP, dead_hp);
    EXPECT_EQ(state.Party[3].HP, full);
    EXPECT_EQ(state.Party[3].Spells[0], spell::Ready);
    EXPECT_EQ(state.Party[3].Spells[2], spell::Ready);
    EXPECT_EQ(scripted.Said(), "dialog 1 The party is healed.\n");
}

TEST(Rest, HalfHoursAreRestedWholeAndOnlyEarlyHoursCanBeBroken) {
    ScriptedGame scripted("", 4);
    GameState& state = scripted.game.state;
    state.CurrentBlock = 3;
    state.Encounters[3].RandomLeft = 1;
    EXPECT_TRUE(RestCanBeInterrupted(state));
    RestModel model;
    model.RestHours = 4.5;
    model.RestCanBeInterrupted = true;
    // Three quiet hours (draws 0.2 round to 2), then nothing is drawn any more.
    for (double draw : {0.2, 0.25, 0.3}) Random().Force(draw);
    Random().Force(0.0);  // would break the rest if it were drawn
    EXPECT_EQ(RestThrough(scripted.game, model), 5);
    EXPECT_EQ(state.GameHour, 5);
    EXPECT_EQ(Random().Next(), 0.0);
    // The next rest is broken off in its second hour: 0.14 rounds to 1.
    state.Party[2].Spells = {3, 1};
    model = RestModel{};
    model.RestHours = 8;
    model.RestCanBeInterrupted = true;
    Random().Force(0.3);
    Random().Force(0.14);
    EXPECT_EQ(RestThrough(scripted.game, model), 2);
    EXPECT_EQ(state.RestState, rest_state::Interrupted);
    EXPECT_EQ(model.RestHours, 0);
    EXPECT_EQ(state.Party[2].Spells[0], spell::Empty);
    // Used-up blocks, and the town outside the wilderness, are safe.
    state.Encounters[3].RandomLeft = 0;
    EXPECT_FALSE(RestCanBeInterrupted(state));
    state.CurrentBlock = 0;
    EXPECT_FALSE(RestCanBeInterrupted(state));
    state.InWilderness = True;
    EXPECT_TRUE(RestCanBeInterrupted(state));
}

TEST(Rest, PoisonOverThreeAndFourHoursKnocksOutOrKills) {
    for (int hours : {3, 4}) {
        ScriptedGame scripted("click cmdButton1\nclick cmdButton1\nclick cmdButton1\n", 2);
        GameState& state = scripted.game.state;
        state.Party[1].HP = 10;
        state.Party[1].Status = status::Ok | status::Poisoned;
        EXPECT_TRUE(CheckPoison(scripted.game));
        RestModel model;
        model.RestHours = hours;
        RestThrough(scripted.game, model);
        EXPECT_EQ(state.Party[1].HP, 10 - 6 * hours);
        CheckDeath(scripted.game);
        CheckDeath(scripted.game);  // a second look says nothing new
        EXPECT_EQ(
            scripted.Said(),
            "dialog 2 Evro is poisoned and may not survive the rest period...rest anyway?\n" +
                std::string(hours == 3 ? "dialog 1 Evro is unconcious.\n" : "dialog 1 Evro has died.\n"));
        EXPECT_EQ(state.Party[1].Status, hours == 3 ? status::Unconscious | status::Poisoned : status::Dead);
    }
}

TEST(Rest, SeveralPoisonedAreAskedAboutTogetherAndMayDecline) {
    ScriptedGame scripted("click cmdButton2\n", 3);
    GameState& state = scripted.game.state;
    state.Party[0].Status = status::Ok | status::Poisoned;
    state.Party[2].Status = status::Ok | status::Poisoned;
    EXPECT_FALSE(CheckPoison(scripted.game));
    EXPECT_EQ(
        scripted.Said(),
        "dialog 2 Members of the party are poisoned and may not survive the rest period...rest anyway?\n");
}

TEST(Rest, WalkingPoisonBitesEveryTenMinutes) {
    ScriptedGame scripted("click cmdButton1\nclick cmdButton1\nclick cmdButton1\n", 2);
    GameState& state = scripted.game.state;
    state.Party[0].HP = 5;
    state.Party[0].Status = status::Ok | status::Poisoned;
    state.Party[1].HP = 1;
    state.Party[1].Status = status::Ok | status::Poisoned;
    for (int step = 0; step < 19; ++step) AdvanceClock(scripted.game);
    EXPECT_EQ(state.Party[0].HP, 5);
    AdvanceClock(scripted.game);
    EXPECT_EQ(state.Party[0].HP, 4);
    EXPECT_EQ(state.Party[1].HP, 0);
    EXPECT_EQ(state.Party[1].Status, status::Unconscious | status::Poisoned);
    EXPECT_EQ(state.PoisonWalkCounter, 0);
    // The fallen at 0 take no more; the standing go on losing.
    for (int step = 0; step < 20; ++step) AdvanceClock(scripted.game);
    EXPECT_EQ(state.Party[1].HP, 0);
    EXPECT_EQ(state.Party[0].HP, 3);
    EXPECT_EQ(scripted.Said(),
              "dialog 1 Rhomadon takes one hit point of poison damage.\n"
              "dialog 1 Evro takes poison damage and is unconcious.\n"
              "dialog 1 Rhomadon takes one hit point of poison damage.\n");
}

}  // namespace
}  // namespace duskmoor
