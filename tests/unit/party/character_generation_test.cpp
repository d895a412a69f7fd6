#include "party/character_generation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/random.h"
#include "party/character_files.h"
#include "party/frm_generator.h"
#include "shell/game.h"
#include "script/script_host.h"

namespace duskmoor {
namespace {

TEST(CharacterGeneration, AgeLimitsAtTheirBoundaries) {
    constexpr int16_t dwarf = 0, elf = 1, halfling = 2, human = 3;
    EXPECT_EQ(CheckAge("1000", elf), AgeVerdict::Fine);
    EXPECT_EQ(CheckAge("1001", elf), AgeVerdict::TooOld);
    EXPECT_EQ(CheckAge("275", dwarf), AgeVerdict::Fine);
    EXPECT_EQ(CheckAge("276", dwarf), AgeVerdict::TooOld);
    EXPECT_EQ(CheckAge("100", halfling), AgeVerdict::Fine);
    EXPECT_EQ(CheckAge("101", halfling), AgeVerdict::TooOld);
    EXPECT_EQ(CheckAge("60", human), AgeVerdict::Fine);
    EXPECT_EQ(CheckAge("61", human), AgeVerdict::TooOld);
    EXPECT_EQ(CheckAge("18", human), AgeVerdict::Fine);
    EXPECT_EQ(CheckAge("17", human), AgeVerdict::TooYoung);
    EXPECT_EQ(CheckAge("-5", elf), AgeVerdict::TooYoung);
    // The limits hold for the number as typed; an age inside them is stored rounded.
    EXPECT_EQ(CheckAge("17.5", human), AgeVerdict::TooYoung);
    EXPECT_EQ(CheckAge("18.5", human), AgeVerdict::Fine);
    EXPECT_EQ(CheckAge("60.4", human), AgeVerdict::TooOld);
    // Ages past the 16-bit range are simply too old or too young.
    EXPECT_EQ(CheckAge("32768", elf), AgeVerdict::TooOld);
    EXPECT_EQ(CheckAge("99999", human), AgeVerdict::TooOld);
    EXPECT_EQ(CheckAge("-32769", human), AgeVerdict::TooYoung);
    EXPECT_EQ(CheckAge("abc", human), AgeVerdict::DoesNotFit);

    EXPECT_EQ(AgeMessage(AgeVerdict::TooOld, elf), "Maximum reasonable age for this race is 1000.");
    EXPECT_EQ(AgeMessage(AgeVerdict::TooOld, human), "Maximum reasonable age for this race is 60.");
    EXPECT_EQ(AgeMessage(AgeVerdict::TooYoung, human), "Player must be at least 18 years old.");
    EXPECT_EQ(AgeMessage(AgeVerdict::Fine, human), "");
    EXPECT_EQ(AgeMessage(AgeVerdict::DoesNotFit, human), "");
}

TEST(CharacterGeneration, BioNeedsANameAndANumericAge) {
    EXPECT_TRUE(IsBioComplete("Brandor", "30"));
    EXPECT_TRUE(IsBioComplete("Brandor", " 30 "));
    EXPECT_TRUE(IsBioComplete("Brandor", "-3"));
    EXPECT_TRUE(IsBioComplete("Brandor", "2.5"));
    EXPECT_TRUE(IsBioComplete("Brandor", "99999999999999999999999"));
    EXPECT_TRUE(IsBioComplete(" ", "30"));
    EXPECT_FALSE(IsBioComplete("", "30"));
    EXPECT_FALSE(IsBioComplete("Brandor", ""));
    EXPECT_FALSE(IsBioComplete("Brandor", "abc"));
    EXPECT_FALSE(IsBioComplete("Brandor", "3 0"));
    EXPECT_FALSE(IsBioComplete("Brandor", "-"));
    EXPECT_FALSE(IsBioComplete("Brandor", "."));
    EXPECT_FALSE(IsBioComplete("Brandor", "1.2.3"));
    EXPECT_FALSE(IsBioComplete("Brandor", "1e3"));
}

TEST(CharacterGeneration, TablesOfDiceAndAges) {
    EXPECT_EQ(HitDie(0), 8);
    EXPECT_EQ(HitDie(1), 4);
    EXPECT_EQ(HitDie(2), 4);
    EXPECT_EQ(HitDie(3), 6);
    EXPECT_EQ(HitDie(4), 0);
    EXPECT_EQ(MaximumAge(-1), 0);
}

TEST(CharacterGeneration, AbilitiesRejectDrawsOutsideSevenToEighteen) {
    // 0.19 is 19 and 0.0 is 0, both drawn again; 0.125 is exactly 12.5, which rounds to 12.
    Random().Force(0.19);
    Random().Force(0.0);
    Random().Force(0.125);
    EXPECT_EQ(RollAbility(), 12);
    // 0.06 is 6 (too low); 0.0749 to 7; 0.1849 to 18.
    Random().Force(0.06);
    Random().Force(0.0749);
    EXPECT_EQ(RollAbility(), 7);
    Random().Force(0.1849);
    EXPECT_EQ(RollAbility(), 18);

    // Rolled in the order Strength, Intelligence, Wisdom, Dexterity, Constitution, Charisma.
    for (double draw : {0.07, 0.99, 0.08, 0.09, 0.10, 0.11, 0.12}) Random().Force(draw);
    EXPECT_EQ(RollAbilities(), (std::array<int16_t, kAbilityCount>{7, 8, 9, 10, 11, 12}));

    Random().Seed(7);
    for (int roll = 0; roll < 2000; ++roll) {
        const int16_t score = RollAbility();
        ASSERT_GE(score, 7);
        ASSERT_LE(score, 18);
    }
}

TEST(CharacterGeneration, HitPointsAreOneDieOfTheClass) {
    Random().Force(0.09);  // 9 is no face of a d8
    Random().Force(0.08);
    EXPECT_EQ(RollHitPoints(HitDie(0)), 8);
    Random().Force(0.004);  // rounds to 0
    Random().Force(0.05);
    Random().Force(0.01);
    EXPECT_EQ(RollHitPoints(HitDie(1)), 1);
    Random().Seed(3);
    for (int16_t class_code = 0; class_code < 4; ++class_code) {
        for (int roll = 0; roll < 500; ++roll) {
            const int16_t points = RollHitPoints(HitDie(class_code));
            ASSERT_GE(points, 1);
            ASSERT_LE(points, HitDie(class_code));
        }
    }
}

TEST(CharacterGeneration, BuildsALevelOneCharacter) {
    GeneratorChoices choices;
    choices.name = "Jörg";
    choices.age = "250";
    choices.class_code = 0;
    choices.race = 0;
    choices.gender = 1;
    choices.alignment = 8;
    choices.abilities = {"18", "7", "9", "10", "11", "12"};
    choices.hit_points = "5";
    PLAYER built;
    built.Position = 3;
    ASSERT_TRUE(BuildCharacter(choices, built));
    EXPECT_EQ(built.Name, "J\xF6rg");
    EXPECT_EQ(built.Age, 250);
    EXPECT_EQ(built.Class, 0);
    EXPECT_EQ(built.Gender, 1);
    EXPECT_EQ(built.Alignment, 8);
    EXPECT_EQ(built.Strength, 18);
    EXPECT_EQ(built.Intelligence, 7);
    EXPECT_EQ(built.Wisdom, 9);
    EXPECT_EQ(built.Dexterity, 10);
    EXPECT_EQ(built.Constitution, 11);
    EXPECT_EQ(built.Charisma, 12);
    EXPECT_EQ(built.HP, 5);
    EXPECT_EQ(built.MaxHP, 5);
    EXPECT_EQ(built.ToHit, 19);
    EXPECT_EQ(built.AC, 9);
    EXPECT_EQ(built.Level, 1);
    EXPECT_EQ(built.Status, 1);
    EXPECT_EQ(built.Active, -1);
    EXPECT_EQ(built.MaxLoad, 1600);
    EXPECT_EQ(built.Position, 0);
    EXPECT_EQ(built.Load, 0);
    EXPECT_EQ(built.Experience, 0);
    EXPECT_EQ(built.Pack, (std::array<int16_t, 25>{}));

    // Accepted before rolling: every score and the hit points are 0.
    GeneratorChoices unrolled;
    unrolled.name = "Ana";
    unrolled.age = "20";
    ASSERT_TRUE(BuildCharacter(unrolled, built));
    EXPECT_EQ(built.Strength, 0);
    EXPECT_EQ(built.Charisma, 0);
    EXPECT_EQ(built.MaxHP, 0);

    unrolled.age = "32768";
    built = PLAYER{};
    EXPECT_FALSE(BuildCharacter(unrolled, built));
    EXPECT_EQ(built, PLAYER{});
}

// The generator on a script host: its rules and messages as the player meets them.
struct ScriptedGenerator {
    explicit ScriptedGenerator(const std::string& script, const std::string& folder)
        : input(script), host(input, transcript, folder) {
        game.state.AppPath = folder;
    }
    void Run() {
        frmGenerator generator(game);
        host.RunModal(generator);
    }
    std::istringstream input;
    std::ostringstream transcript;
    ScriptHost host;
    Game game{host};
};

std::string TempFolder(const char* name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

TEST(CharacterGenerator, MessagesAndTheWrittenFile) {
    const std::string folder = TempFolder("duskmoor_generator_test");
    // A file where the save's folder should be: no one can write there, not even root.
    std::ofstream(folder + "blocker") << "x";
    ScriptedGenerator scripted(
        "show lblShowStrength\nshow cmbAlignment\n"
        "type txtName Brandor\ntype txtAge abc\nclick cmdRoll\nclick cmdButton1\n"
        "click cmdAccept\nclick cmdButton1\n"
        "type txtAge 17\nchoose cmbRace 3\nclick cmdAccept\nclick cmdButton1\n"
        "type txtAge 1001\nchoose cmbRace 1\nclick cmdAccept\nclick cmdButton1\n"
        "type txtAge 99999\nclick cmdAccept\nclick cmdButton1\n"
        "type txtAge 1000\nchoose cmbClass 3\nchoose cmbAlignment 4\n"
        "rnd 0.99 0.10 0.11 0.12 0.13 0.14 0.15 0.07 0.06\nclick cmdRoll\n"
        "show lblShowStrength\nshow lblShowCharisma\nshow lblShowHitPoints\n"
        "file " +
            folder +
            "blocker/Brandor\nclick cmdAccept\nclick cmdButton1\n"
            "file Characters/Brandor\nclick cmdAccept\nclick cmdButton1\n",
        folder);
    scripted.Run();
    EXPECT_EQ(scripted.transcript.str(),
              "open frmGenerator\n"
              "show lblShowStrength=0\nshow cmbAlignment=Lawful Good\n"
              "dialog 1 Stats cannot be rolled until bio is complete.\n"
              "dialog 1 Character generation is not complete.\n"
              "dialog 1 Player must be at least 18 years old.\n"
              "dialog 1 Maximum reasonable age for this race is 1000.\n"
              "dialog 1 Maximum reasonable age for this race is 1000.\n"
              "show lblShowStrength=10\nshow lblShowCharisma=15\nshow lblShowHitPoints=6\n"
              "dialog 1 Command cancelled.\n"
              "dialog 1 Brandor has been saved to disk.\n"
              "close frmGenerator\n");
    PLAYER saved;
    ASSERT_TRUE(ReadCharacterFile(folder + "Characters/Brandor.chr", saved));
    EXPECT_EQ(saved.Name, "Brandor");
    EXPECT_EQ(saved.Age, 1000);
    EXPECT_EQ(saved.Race, 1);
    EXPECT_EQ(saved.Class, 3);
    EXPECT_EQ(saved.Alignment, 4);
    EXPECT_EQ(saved.Strength, 10);
    EXPECT_EQ(saved.Intelligence, 11);
    EXPECT_EQ(saved.Wisdom, 12);
    EXPECT_EQ(saved.Charisma, 15);
    EXPECT_EQ(saved.HP, 6);
    EXPECT_EQ(saved.ToHit, 19);
    // The new character joins no party.
    EXPECT_EQ(scripted.game.state.NumPlayers, 0);
    std::filesystem::remove_all(folder);
}

TEST(CharacterGenerator, CancelledSaveWritesNothingAndCloses) {
    const std::string folder = TempFolder("duskmoor_generator_cancel_test");
    ScriptedGenerator scripted("type txtName Ana\ntype txtAge 20\nfile\nclick cmdAccept\n", folder);
    scripted.Run();
    EXPECT_EQ(scripted.transcript.str(), "open frmGenerator\nclose frmGenerator\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder + "Characters"));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace duskmoor
