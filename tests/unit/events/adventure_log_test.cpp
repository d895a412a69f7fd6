#include "events/adventure_log.h"

#include <gtest/gtest.h>

#include "events/frm_log.h"
#include "events/printing.h"
#include "events/scripted_game.h"
#include "party/save_file_format.h"
#include "support/recording_host.h"

namespace duskmoor {
namespace {

TEST(AdventureLog, PagesKeepEveryCharacterTheCodePageHolds) {
    GameState state;
    state.LogText = "Caf\xE9 \x80 5\r\nsecond";  // é and the euro sign in Windows-1252
    state.CluesText = "old\rclue\n";
    state.NoteText = "A note.\r\n";
    EXPECT_EQ(ReadLog(state, log_mode::Log), "Caf\u00e9 \u20ac 5\nsecond");
    EXPECT_EQ(ReadLog(state, log_mode::Clues), "old\nclue\n");
    EXPECT_EQ(ReadLog(state, log_mode::CluesWithNote), "old\nclue\nA note.\n\n");
    EXPECT_EQ(ReadLog(state, 0), "");
    WriteFile(state, log_mode::Log, "Na\u00efve \u4e2d\nend");  // no Windows-1252 form for the Chinese sign
    EXPECT_EQ(state.LogText, "Na\xEFve ?\r\nend");
    WriteFile(state, log_mode::CluesWithNote, "kept");
    EXPECT_EQ(state.CluesText, "kept");
    EXPECT_EQ(state.LogText, "Na\xEFve ?\r\nend");
}

TEST(AdventureLog, APageBeyondWhatASaveHoldsKeepsItsBeginningAndSaves) {
    GameState state;
    std::string huge(40000, 'a');
    huge += std::string(40000, '\n');  // line breaks become two bytes each
    WriteFile(state, log_mode::Log, huge);
    ASSERT_EQ(state.LogText.size(), kPageLimit - 1);  // never half a line break
    EXPECT_EQ(state.LogText.substr(state.LogText.size() - 2), "\r\n");
    WriteFile(state, log_mode::Clues, std::string(70000, 'b'));
    EXPECT_EQ(state.CluesText.size(), kPageLimit);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(EncodeSavedGame(state, bytes));
    GameState loaded;
    ASSERT_TRUE(DecodeSavedGame(bytes, loaded));
    EXPECT_EQ(loaded.LogText, state.LogText);
    EXPECT_EQ(loaded.CluesText, state.CluesText);
}

// The quest table of a saved game holds flags for objects 1..14 only: any
// other value is damage, and the whole save is refused.
TEST(AdventureLog, ASavedGameWithADamagedQuestTableIsRefused) {
    GameState state;
    state.QuestsDone[14] = True;
    state.CluesText = "Ferox";
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(EncodeSavedGame(state, bytes));
    GameState loaded;
    ASSERT_TRUE(DecodeSavedGame(bytes, loaded));
    for (auto [entry, value] : {std::pair{3, 5}, std::pair{0, -1}, std::pair{14, 1}}) {
        GameState damaged = state;
        damaged.QuestsDone[entry] = static_cast<int16_t>(value);
        ASSERT_TRUE(EncodeSavedGame(damaged, bytes));
        GameState untouched;
        FileRefusal refusal;
        EXPECT_FALSE(DecodeSavedGame(bytes, untouched, &refusal)) << entry;
        EXPECT_EQ(refusal.field, "QuestsDone[" + std::to_string(entry) + "]");
        EXPECT_TRUE(untouched.CluesText.empty());
    }
}

// The screen: a note lands after the clues, typing goes where the caret is,
// switching pages stores the page left, Clear asks, Done stores.
TEST(AdventureLog, TheScreenShowsStoresAndSwitchesItsPages) {
    ScriptedGame scripted(
        "show txtLog\nshow cmdMode\nkey Left\nkey Backspace\nkey Left\nkey Backspace\nclick cmdMode\n"
        "show cmdMode\nshow txtLog\nkey End\nkey Enter\ntype txtLog \"Day 2\"\nclick cmdMode\nclick "
        "cmdClear\n"
        "click cmdButton2\nshow txtLog\nclick cmdClear\nclick cmdButton1\nshow txtLog\nclick cmdMode\n"
        "click cmdDone\n",
        1);
    GameState& state = scripted.game.state;
    state.LogMode = log_mode::CluesWithNote;
    state.CluesText = "Clue one.\r\n";
    state.NoteText = "Note two.\r\n";
    state.LogText = "My log";
    frmLog screen(scripted.game);
    scripted.host.RunModal(screen);
    EXPECT_EQ(scripted.Said(),
              "open frmLog\n"
              "show txtLog=Clue one.\\nNote two.\\n\\n\n"
              "show cmdMode=Log\n"
              "show cmdMode=Clues\n"
              "show txtLog=My log\n"
              "dialog 2 This will delete this log...continue?\n"
              "show txtLog=Clue one.\\nNote tw.\\n\n"
              "dialog 2 This will delete this log...continue?\n"
              "show txtLog=\n"
              "close frmLog\n");
    // Two characters went from before the caret, which opened at the end.
    EXPECT_EQ(state.LogText, "Day 2");
    // Clearing the clues and switching pages stored the empty page.
    EXPECT_EQ(state.CluesText, "");
}

// A host whose printer is out of order.
class BrokenPrinterHost : public ScriptHost {
  public:
    using ScriptHost::ScriptHost;
    bool PrintPage(const std::string&) override { return false; }
};

TEST(AdventureLog, APrintedPageHasItsHeadingAndWrappedLines) {
    const std::string body =
        std::string(50, 'w') + " " + std::string(50, 'x') + "\n\n" + std::string(80, 'y');
    EXPECT_EQ(PrintedPage("Clues", body), "Clues\n=====\n\n" + std::string(50, 'w') + "\n" +
                                              std::string(50, 'x') + "\n\n" + std::string(76, 'y') +
                                              "\nyyyy\n");
    EXPECT_EQ(PrintedPage("Log", ""), "Log\n===\n\n");
    RecordingHost host;
    Game game(host);
    PrintText(game, "Log", "text");
    ASSERT_EQ(host.printed.size(), 1u);
    EXPECT_EQ(host.printed[0], "Log\n===\n\ntext\n");

    std::istringstream script("click cmdButton1\n");
    std::ostringstream said;
    BrokenPrinterHost broken(script, said, "/nonexistent/");
    Game unlucky(broken);
    PrintText(unlucky, "Log", "text");
    EXPECT_EQ(said.str(), "dialog 1 An print error has occured, aborting command.\n");
}

}  // namespace
}  // namespace duskmoor
