#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "notes_reading.h"
#include "runner_pipe.h"
#include "session.h"
#include "world_map.h"

namespace duskmoor::bot {
namespace {

std::string Note(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "/note%02d.txt", number);
    std::ifstream file(std::string(DUSKMOOR_NOTES_DIR) + name);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(BotReading, OnlyTheNoteThatGivesThePasswordGivesIt) {
    EXPECT_EQ(PasswordIn(Note(32)), "Ferox");
    int given = 0;
    for (int number = 0; number <= 32; ++number) given += !PasswordIn(Note(number)).empty();
    EXPECT_EQ(given, 1);  // note 24 speaks of the password without giving it
    EXPECT_EQ(PasswordIn("the password is Ferox."), "Ferox");
    EXPECT_EQ(PasswordIn("the password. It is late."), "");
    EXPECT_EQ(PasswordIn(""), "");
}

TEST(BotReading, TranscriptLines) {
    DialogLine dialog = ParseDialogLine("dialog 2 Load default party?");
    EXPECT_EQ(dialog.mode, 2);
    EXPECT_EQ(dialog.text, "Load default party?");
    EXPECT_EQ(ParseDialogLine("open frmDialog").mode, 0);
    EXPECT_EQ(ParseDialogLine("dialog").mode, 0);

    auto answers = ParseAnswers({"Party[0].HP=-3", "show lblMessage=a=b", "open frmMain",
                                 "ignored show x (hidden)", "=5", "DialogText="});
    EXPECT_EQ(answers["Party[0].HP"], "-3");
    EXPECT_EQ(answers["lblMessage"], "a=b");
    EXPECT_EQ(answers.count("DialogText"), 1u);
    EXPECT_EQ(answers.size(), 3u);

    EXPECT_EQ(TopFromProbeAnswer("ignored show @top (no such control on frmBattle2)"), "frmBattle2");
    EXPECT_EQ(TopFromProbeAnswer("ignored show lblX (no such control on frmMain)"), "");
    EXPECT_EQ(TopFromProbeAnswer("show @top=1"), "");
}

TEST(BotReading, TheWayOnFootToTheLairAndNoneToTheOtherTowns) {
    std::vector<int> path = BlockPath(0, 21);
    ASSERT_GE(path.size(), 3u);
    EXPECT_EQ(path.front(), 0);
    EXPECT_EQ(path.back(), 21);
    for (size_t i = 0; i + 1 < path.size(); ++i) EXPECT_NE(CrossingBetween(path[i], path[i + 1]), nullptr);
    // The lair lies below the Foyer, the Foyer behind the Ruins' door.
    EXPECT_EQ(path[path.size() - 2], 14);
    EXPECT_EQ(path[path.size() - 3], 13);
    // Rizevoz, the caves and the camp are reached by wagon or wilderness only.
    EXPECT_TRUE(BlockPath(0, 15).empty());
    EXPECT_TRUE(BlockPath(0, 19).empty());
    // Rizevoz's levels are joined by stairs both ways.
    EXPECT_EQ(BlockPath(15, 18).size(), 4u);
    EXPECT_EQ(BlockPath(18, 15).size(), 4u);
    EXPECT_EQ(BlockPath(3, 3), std::vector<int>{3});
}

}  // namespace
}  // namespace duskmoor::bot
