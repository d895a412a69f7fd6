#include <gtest/gtest.h>

#include <set>

#include "events/encounter_content.h"
#include "events/frm_speech.h"
#include "events/scripted_game.h"
#include "events/speeches.h"
#include "events/story_texts.h"
#include "world/block_tables.h"

namespace duskmoor {
namespace {

int Sentences(const std::string& text) {
    int count = 0;
    for (size_t at = 0; at < text.size(); ++at)
        if ((text[at] == '.' || text[at] == '!' || text[at] == '?') &&
            (at + 1 == text.size() || text[at + 1] == ' '))
            ++count;
    return count;
}

// Every note lies on exactly one cell of the ruins and has words to say.
TEST(Story, EveryNoteIsPlacedOnceAndWritten) {
    std::multiset<int> placed;
    for (int block = 0; block < kBlockCount; ++block)
        for (const EncounterContent& entry : EncounterContentOf(block).entries)
            if (entry.note >= 0) placed.insert(entry.note);
    for (int note = 0; note < kNoteCount; ++note) {
        EXPECT_EQ(placed.count(note), 1u) << "note " << note;
        const std::string prose = NoteProse(note);
        EXPECT_GE(Sentences(prose), 1) << "note " << note;
        EXPECT_LE(Sentences(prose), 4) << "note " << note;
        EXPECT_EQ(prose.find('\n'), std::string::npos) << "note " << note;
    }
    EXPECT_EQ(placed.size(), static_cast<size_t>(kNoteCount));
    EXPECT_TRUE(NoteProse(-1).empty());
    EXPECT_TRUE(NoteProse(kNoteCount).empty());
    // The last note gives away the word the great door asks for.
    EXPECT_NE(NoteProse(32).find("Ferox"), std::string::npos);
}

TEST(Story, EverySpeechPageIsWrittenAndTheEndingNamesTheHero) {
    for (int page = 1; page <= kKingSpeechPages; ++page)
        EXPECT_GE(Sentences(KingSpeechPage(page)), 1) << page;
    for (int page = 1; page <= kEndingPages; ++page) {
        const std::string text = EndingPage(page, "Evro");
        EXPECT_GE(Sentences(text), 1) << page;
        EXPECT_EQ(text.find('{'), std::string::npos) << page;
        EXPECT_EQ(text.find("Evro") != std::string::npos, page == 1) << page;
    }
    EXPECT_TRUE(KingSpeechPage(0).empty());
    EXPECT_TRUE(KingSpeechPage(kKingSpeechPages + 1).empty());
    EXPECT_TRUE(EndingPage(kEndingPages + 1, "Evro").empty());
    EXPECT_EQ(SpeechPages(speech_mode::King), 9);
    EXPECT_EQ(SpeechPages(speech_mode::Ending), 8);
}

// Back and Next walk the pages; Skip on the first page still fills the purses
// of the members in play, replacing what they had.
TEST(Story, TheKingsSpeechPagesAndPaysEvenWhenSkipped) {
    ScriptedGame scripted(
        "click cmdBack\nclick cmdNext\nshow cmdSkip\nclick cmdBack\nclick cmdNext\nclick cmdNext\nclick "
        "cmdNext\nclick cmdNext\nclick cmdNext\nclick cmdNext\nclick cmdNext\nclick cmdNext\nshow "
        "cmdSkip\nclick cmdNext\n"
        "show lblPage\nclick cmdBack\nshow cmdSkip\nclick cmdSkip\n",
        2);
    GameState& state = scripted.game.state;
    state.Party[0].Gold = 500;
    state.Party[0].Load = 10;
    state.Party[2].Gold = 7;  // not in play
    KingSpeech(scripted.game);
    EXPECT_EQ(scripted.Said(),
              "open frmSpeech\n"
              "ignored click cmdBack (disabled)\n"
              "show cmdSkip=Skip\n"
              "show cmdSkip=Ok\n"
              "ignored click cmdNext (disabled)\n"
              "show lblPage=9 / 9\n"
              "show cmdSkip=Skip\n"
              "close frmSpeech\n");
    EXPECT_EQ(state.Party[0].Gold, 32);
    EXPECT_EQ(state.Party[0].Silver, 12);
    EXPECT_EQ(state.Party[0].Copper, 5);
    EXPECT_EQ(state.Party[0].Load, 10 + 49);
    EXPECT_EQ(state.Party[1].Copper, 21);
    EXPECT_EQ(state.Party[2].Gold, 7);
}

}  // namespace
}  // namespace duskmoor
