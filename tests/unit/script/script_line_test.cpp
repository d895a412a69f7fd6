// Reading scripts: the lines an action is made of, the text and key
// arguments at their edges, and the numbers a script may give.
#include "script/script_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ui/screen.h"

namespace duskmoor {
namespace {

TEST(ScriptLine, TheReaderSkipsCommentsAndBlankLinesAndCountsEveryLine) {
    std::istringstream script(
        "# a comment\n\n  \t\r\n  click   cmdButton1  \r\n#type x\nwait\t250\nget Party[0].HP");
    ScriptReader reader(script);
    std::vector<ScriptAction> read;
    ScriptAction action;
    while (reader.Next(action)) read.push_back(action);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].line, 4);
    EXPECT_EQ(read[0].verb, "click");
    EXPECT_EQ(read[0].rest, "cmdButton1");
    EXPECT_EQ(read[0].text, "click   cmdButton1");
    EXPECT_EQ(read[1].line, 6);
    EXPECT_EQ(read[1].verb, "wait");
    EXPECT_EQ(read[1].rest, "250");
    // The last line needs no line break.
    EXPECT_EQ(read[2].line, 7);
    EXPECT_EQ(read[2].rest, "Party[0].HP");
    EXPECT_FALSE(reader.Next(action));
    EXPECT_EQ(reader.line(), 7);
}

TEST(ScriptLine, ARecordedGameNamesItsSeedBeforeItsFirstAction) {
    const auto seed_of = [](const std::string& text, unsigned long long& seed) {
        std::istringstream script(text);
        const bool found = RecordedSeed(script, seed);
        // The script is left at its start, to be played from there.
        ScriptAction first;
        EXPECT_TRUE(ScriptReader(script).Next(first)) << text;
        EXPECT_EQ(first.verb, "wait") << text;
        return found;
    };
    unsigned long long seed = 1;
    EXPECT_TRUE(seed_of("# seed 12345\nwait 4500\n", seed));
    EXPECT_EQ(seed, 12345u);
    EXPECT_TRUE(seed_of("# played by the bot\n\n  #   seed\t7  \nwait 4500\n", seed));
    EXPECT_EQ(seed, 7u);
    seed = 1;
    // Only a comment before the first action counts, and only a whole number.
    EXPECT_FALSE(seed_of("wait 4500\n# seed 9\n", seed));
    EXPECT_FALSE(seed_of("# seed -3\nwait 1\n", seed));
    EXPECT_FALSE(seed_of("# seed 3 or 4\nwait 1\n", seed));
    EXPECT_FALSE(seed_of("# seeds 3\nwait 1\n", seed));
    EXPECT_EQ(seed, 1u);
}

TEST(ScriptLine, WordsSplitAtSpacesAndTabs) {
    EXPECT_EQ(Words(" 0 \t4  10\t3 "), (std::vector<std::string>{"0", "4", "10", "3"}));
    EXPECT_TRUE(Words(" \t ").empty());
    std::string rest = "  txtName   \"two  words\"  ";
    EXPECT_EQ(TakeWord(rest), "txtName");
    EXPECT_EQ(rest, "\"two  words\"");
    std::string last = "cmdDone";
    EXPECT_EQ(TakeWord(last), "cmdDone");
    EXPECT_EQ(last, "");
}

TEST(ScriptLine, TextArgumentsAreTheRestOfTheLineOrAQuotedString) {
    bool ok = false;
    EXPECT_EQ(TextArgument("  plain words here ", ok), "plain words here");
    EXPECT_TRUE(ok);
    EXPECT_EQ(TextArgument("\"  kept spaces \"", ok), "  kept spaces ");
    EXPECT_TRUE(ok);
    EXPECT_EQ(TextArgument("\"a\\nb \\\"c\\\" d\\\\e\"", ok), "a\nb \"c\" d\\e");
    EXPECT_TRUE(ok);
    EXPECT_EQ(TextArgument("\"\"", ok), "");
    EXPECT_TRUE(ok);
    // A quote inside a bare text is just a character.
    EXPECT_EQ(TextArgument("say \"hi\"", ok), "say \"hi\"");
    EXPECT_TRUE(ok);

    for (const char* malformed : {"\"no end", "\"bad \\t escape\"", "\"text\" after", "\"ends in \\"}) {
        TextArgument(malformed, ok);
        EXPECT_FALSE(ok) << malformed;
    }
}

TEST(ScriptLine, KeyNamesAndCodesAtTheirEdges) {
    EXPECT_EQ(ScriptKeyCode("Up"), keys::Up);
    EXPECT_EQ(ScriptKeyCode("Enter"), keys::Enter);
    EXPECT_EQ(ScriptKeyCode("PageDown"), keys::PageDown);
    EXPECT_EQ(ScriptKeyCode("A"), 'A');
    EXPECT_EQ(ScriptKeyCode("Z"), 'Z');
    EXPECT_EQ(ScriptKeyCode("0"), '0');
    EXPECT_EQ(ScriptKeyCode("9"), '9');
    EXPECT_EQ(ScriptKeyCode("Ctrl+Q"), 'Q' | keys::CtrlModifier);
    EXPECT_EQ(ScriptKeyCode("Ctrl+Enter"), keys::Enter | keys::CtrlModifier);
    // One-digit names are the digit keys; longer numbers are key codes.
    EXPECT_EQ(ScriptKeyCode("38"), 38);
    EXPECT_EQ(ScriptKeyCode("1"), '1');
    EXPECT_EQ(ScriptKeyCode("255"), 255);
    for (const char* unknown : {"a", "up", "256", "-1", "00", "Ctrl+", "Ctrl+x", "Hyper", "", "A B"}) {
        // "00" is a number, but key code 0 is no key.
        EXPECT_EQ(ScriptKeyCode(unknown), -1) << unknown;
    }
}

TEST(ScriptLine, NumbersMustBeWholeAndDrawsLieInTheUnitInterval) {
    long long value = 0;
    EXPECT_TRUE(ParseInteger("-42", value));
    EXPECT_EQ(value, -42);
    EXPECT_TRUE(ParseInteger("9223372036854775807", value));
    EXPECT_EQ(value, 9223372036854775807LL);
    for (const char* bad : {"", "12ms", "1.5", "9223372036854775808", "3 4", "0x10"})
        EXPECT_FALSE(ParseInteger(bad, value)) << bad;

    double draw = 1;
    EXPECT_TRUE(ParseUnitDraw("0", draw));
    EXPECT_EQ(draw, 0.0);
    EXPECT_TRUE(ParseUnitDraw("0.999999", draw));
    EXPECT_EQ(draw, 0.999999);
    for (const char* bad : {"1", "1.0", "-0.1", "0.5x", "", "nan"})
        EXPECT_FALSE(ParseUnitDraw(bad, draw)) << bad;
}

}  // namespace
}  // namespace duskmoor
