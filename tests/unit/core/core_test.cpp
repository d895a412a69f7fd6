#include <gtest/gtest.h>

#include "core/binary_io.h"
#include "core/codepage.h"
#include "core/dice.h"
#include "core/random.h"
#include "core/rounding.h"

namespace duskmoor {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(248.625), 249);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(8.225), 8);
}

TEST(Rounding, TypedNumbersAreRoundedOrRefused) {
    long long value = 0;
    EXPECT_TRUE(ParseRoundedNumber(" 12 ", value));
    EXPECT_EQ(value, 12);
    EXPECT_TRUE(ParseRoundedNumber("2.5", value));
    EXPECT_EQ(value, 2);
    EXPECT_TRUE(ParseRoundedNumber("-3.5", value));
    EXPECT_EQ(value, -4);
    EXPECT_FALSE(ParseRoundedNumber("", value));
    EXPECT_FALSE(ParseRoundedNumber("12a", value));
    EXPECT_FALSE(ParseRoundedNumber("1e99", value));
}

TEST(Dice, EachRollRedrawsUntilItFitsTheDie) {
    // 0.004 * 100 rounds to 0 and 0.07 * 100 to 7, both outside a six-sided die.
    Random().Seed(1);
    for (double draw : {0.004, 0.07, 0.03, 0.06}) Random().Force(draw);
    EXPECT_EQ(RollDice(2, 6), 3 + 6);
    // Exact halves go to the even neighbour: 12.5 -> 12, 37.5 -> 38.
    Random().Force(0.125);
    EXPECT_EQ(RollDice(1, 20), 12);
    Random().Force(0.375);
    EXPECT_EQ(RollDice(1, 100), 38);
    // 0.995 * 100 rounds to 100: a hundred-sided die can roll it.
    Random().Force(0.995);
    EXPECT_EQ(RollDice(1, 100), 100);
}

TEST(Dice, RangesAndDegenerateDice) {
    Random().Seed(7);
    for (int i = 0; i < 2000; ++i) {
        int16_t total = RollDice(3, 6);
        ASSERT_GE(total, 3);
        ASSERT_LE(total, 18);
        ASSERT_EQ(RollDice(1, 1), 1);
    }
    EXPECT_EQ(RollDice(0, 6), 0);
    // Past 100 sides the draw can never exceed 100.
    int highest = 0;
    for (int i = 0; i < 5000; ++i) highest = std::max<int>(highest, RollDice(1, 150));
    EXPECT_LE(highest, 100);
    EXPECT_GE(highest, 95);
}

TEST(Random, SeededSourceRepeatsAndStaysInUnitRange) {
    Random().Seed(42);
    double first = Random().Next();
    Random().Seed(42);
    EXPECT_EQ(Random().Next(), first);
    for (int i = 0; i < 1000; ++i) {
        double value = Random().Next();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
    }
}

TEST(BinaryIo, WritesLittleEndianFieldsAndTexts) {
    ByteWriter writer;
    int16_t small = -2;
    int32_t large = 0x01020304;
    float single = 1.0f;
    std::string text = "Evro";
    writer.Field(small);
    writer.Field(large);
    writer.Field(single);
    writer.Field(text);
    const std::vector<uint8_t> expected = {0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00,
                                           0x80, 0x3F, 0x04, 0x00, 'E',  'v',  'r',  'o'};
    EXPECT_EQ(writer.bytes(), expected);

    ByteReader reader(writer.bytes());
    int16_t small_back = 0;
    int32_t large_back = 0;
    float single_back = 0;
    std::string text_back;
    reader.Field(small_back);
    reader.Field(large_back);
    reader.Field(single_back);
    reader.Field(text_back);
    EXPECT_TRUE(reader.ok());
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(small_back, -2);
    EXPECT_EQ(large_back, 0x01020304);
    EXPECT_EQ(single_back, 1.0f);
    EXPECT_EQ(text_back, "Evro");
}

TEST(BinaryIo, ReaderStopsAtTheEndAndStaysStopped) {
    // A text that claims 9 bytes where only 2 follow.
    const std::vector<uint8_t> bytes = {0x09, 0x00, 'a', 'b'};
    ByteReader reader(bytes);
    std::string text = "unchanged";
    reader.Field(text);
    EXPECT_FALSE(reader.ok());
    EXPECT_EQ(text, "unchanged");
    EXPECT_NE(reader.error().find("byte 2"), std::string::npos);
    int16_t value = 5;
    reader.Field(value);
    EXPECT_EQ(value, 5);
    EXPECT_FALSE(reader.ok());

    const std::vector<uint8_t> one_byte = {0x01};
    ByteReader short_reader(one_byte);
    int16_t number = 7;
    short_reader.Field(number);
    EXPECT_FALSE(short_reader.ok());
    EXPECT_EQ(number, 7);
}

TEST(BinaryIo, TextLongerThanItsLengthFieldIsRefused) {
    ByteWriter writer;
    writer.Field(std::string(70000, 'x'));
    EXPECT_FALSE(writer.ok());
}

TEST(CodePage, ConvertsBothWaysAndReplacesTheUnknown) {
    EXPECT_EQ(Cp1252ToUtf8("Caf\xE9"), "Café");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Utf8ToCp1252("Café"), "Caf\xE9");
    EXPECT_EQ(Utf8ToCp1252("€ and ‘quotes’"), "\x80 and \x91quotes\x92");
    EXPECT_EQ(Utf8ToCp1252("日本"), "??");
    EXPECT_EQ(Utf8ToCp1252("bad \xC3"), "bad ?");
    EXPECT_EQ(Utf8ToCp1252("\xFF"), "?");
    // Every byte survives the round trip through UTF-8.
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    std::string back = Utf8ToCp1252(Cp1252ToUtf8(all));
    EXPECT_EQ(back, all);
}

}  // namespace
}  // namespace duskmoor

#include "core/process_stat.h"

namespace duskmoor {
namespace {

TEST(ProcessStat, ReadsFieldsOfThisProcess) {
    // Field 3 is the state (R, S, ...) and field 4 the parent's id.
    EXPECT_EQ(ProcessStatField("self", 3).size(), 1u);
    EXPECT_GT(std::stoll(ProcessStatField("self", 4)), 0);
    EXPECT_FALSE(ProcessStatField("self", 22).empty());
    EXPECT_EQ(ProcessStatField("self", 2), "");
    EXPECT_EQ(ProcessStatField("self", 500), "");
    EXPECT_EQ(ProcessStatField("no-such-process", 3), "");
}

}  // namespace
}  // namespace duskmoor
