#include "core/safe_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace duskmoor {
namespace {

namespace fs = std::filesystem;

// A fresh folder, removed with everything in it at the end of the test.
struct TemporaryFolder {
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "duskmoor-safe-file-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { fs::remove_all(path); }
    std::string File(const std::string& name) const { return path + "/" + name; }
    std::string path;
};

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<uint8_t> Contents(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadWholeFile(path, 1 << 20, bytes, error)) << error;
    return bytes;
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SafeFile, ReplacesAndKeepsThePreviousFileAsBackup) {
    TemporaryFolder folder;
    const std::string target = folder.File("Evro.chr");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(target, Bytes("first"), error)) << error;
    EXPECT_EQ(Contents(target), Bytes("first"));
    EXPECT_EQ(Names(folder.path), std::vector<std::string>{"Evro.chr"});  // nothing to back up yet

    ASSERT_TRUE(WriteFileAtomically(target, Bytes("second"), error)) << error;
    EXPECT_EQ(Contents(target), Bytes("second"));
    EXPECT_EQ(Contents(BackupPath(target)), Bytes("first"));

    ASSERT_TRUE(WriteFileAtomically(target, Bytes("third!"), error)) << error;
    EXPECT_EQ(Contents(target), Bytes("third!"));
    EXPECT_EQ(Contents(target + ".bak"), Bytes("second"));
    // No temporary file is left behind.
    EXPECT_EQ(Names(folder.path), (std::vector<std::string>{"Evro.chr", "Evro.chr.bak"}));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::owner_read, fs::perms::owner_read);
}

TEST(SafeFile, AFailedWriteLeavesTheOldFileAlone) {
    TemporaryFolder folder;
    const std::string target = folder.File("game.dms");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(target, Bytes("good save"), error));
    // A target whose folder is a regular file cannot be written, even by root.
    const std::string impossible = target + "/inside.dms";
    EXPECT_FALSE(WriteFileAtomically(impossible, Bytes("lost"), error));
    EXPECT_NE(error, "");
    EXPECT_EQ(Contents(target), Bytes("good save"));
    // A folder standing where the file should be is not replaced either.
    fs::create_directory(folder.File("folder.dms"));
    error.clear();
    EXPECT_FALSE(WriteFileAtomically(folder.File("folder.dms"), Bytes("x"), error));
    EXPECT_NE(error, "");
    EXPECT_TRUE(fs::is_directory(folder.File("folder.dms")));
    EXPECT_EQ(Names(folder.path), (std::vector<std::string>{"folder.dms", "game.dms"}));
}

TEST(SafeFile, ReadsWholeFilesUpToTheirLimit) {
    TemporaryFolder folder;
    const std::string path = folder.File("ten");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, Bytes("0123456789"), error));
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(path, 10, bytes, error));
    EXPECT_EQ(bytes, Bytes("0123456789"));
    EXPECT_FALSE(ReadWholeFile(path, 9, bytes, error));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReadWholeFile(folder.File("missing"), 10, bytes, error));
    EXPECT_FALSE(ReadWholeFile(folder.path, 10, bytes, error));  // a folder is no file
    EXPECT_FALSE(ReadWholeFile("", 10, bytes, error));
    // A longer file is cut, not refused, when only its start is wanted.
    EXPECT_TRUE(ReadFileStart(path, 4, bytes, error));
    EXPECT_EQ(bytes, Bytes("0123"));
    EXPECT_TRUE(ReadFileStart(path, 40, bytes, error));
    EXPECT_EQ(bytes, Bytes("0123456789"));
}

// Nothing but a regular file is read, and nothing is waited on: a FIFO with
// no writer, a device that never ends, a file that cannot be read.
TEST(SafeFile, RefusesWhatIsNoFileWithoutWaiting) {
    TemporaryFolder folder;
    const std::string fifo = folder.File("Gong.wav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(ReadWholeFile(fifo, 100, bytes, error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_FALSE(ReadFileStart(fifo, 100, bytes, error));
    EXPECT_FALSE(ReadWholeFile("/dev/zero", 100, bytes, error));
    EXPECT_FALSE(ReadFileStart("/dev/zero", 100, bytes, error));
    const std::string locked = folder.File("locked.bmp");
    ASSERT_TRUE(WriteFileAtomically(locked, Bytes("BM"), error));
    ::chmod(locked.c_str(), 0);
    // Root reads it anyway; everyone else is refused with a reason.
    if (::geteuid() != 0) {
        EXPECT_FALSE(ReadWholeFile(locked, 100, bytes, error));
        EXPECT_NE(error, "");
    }
}

std::vector<uint8_t> Generation(int number) {
    return Bytes("save number " + std::to_string(number));
}

// The program is killed before each step of a save in turn. At that instant
// the target holds the old or the new save, and the backup an older one; the
// next write into the folder removes what was half done and finishes the
// backup's move, so no generation is lost.
TEST(SafeFile, AKilledSaveLeavesWholeFilesOfTheRightGenerations) {
    const SaveStep kSteps[] = {SaveStep::WriteNewFile, SaveStep::HoldOldFile, SaveStep::ReplaceTarget,
                               SaveStep::MoveOldToBackup};
    for (SaveStep killed_at : kSteps) {
        SCOPED_TRACE(static_cast<int>(killed_at));
        TemporaryFolder folder;
        const std::string target = folder.File("game.dms");
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(target, Generation(1), error));
        ASSERT_TRUE(WriteFileAtomically(target, Generation(2), error));
        // Killed halfway through a write of the third generation.
        std::vector<SaveStep> reached;
        auto kill = [&](SaveStep step) {
            reached.push_back(step);
            if (step == SaveStep::ReplaceTarget) {
                // Left behind by this kill: the new file under its temporary name.
                EXPECT_EQ(Names(folder.path).size(), 4u);
            }
            return step != killed_at;
        };
        EXPECT_FALSE(WriteFileAtomically(target, Generation(3), error, kill));
        EXPECT_EQ(reached.back(), killed_at);
        const bool landed = killed_at == SaveStep::MoveOldToBackup;
        EXPECT_EQ(Contents(target), Generation(landed ? 3 : 2));
        EXPECT_EQ(Contents(BackupPath(target)), Generation(1));

        // The next write into the folder, of another file, tidies up.
        ASSERT_TRUE(WriteFileAtomically(folder.File("other.chr"), Bytes("x"), error));
        EXPECT_EQ(Names(folder.path), (std::vector<std::string>{"game.dms", "game.dms.bak", "other.chr"}));
        EXPECT_EQ(Contents(target), Generation(landed ? 3 : 2));
        EXPECT_EQ(Contents(BackupPath(target)), Generation(landed ? 2 : 1));

        // And the save that follows goes on from there.
        ASSERT_TRUE(WriteFileAtomically(target, Generation(4), error));
        EXPECT_EQ(Contents(target), Generation(4));
        EXPECT_EQ(Contents(BackupPath(target)), Generation(landed ? 3 : 2));
    }
}

// Only files of our own naming are cleared, and only when no other running
// game is writing into the folder.
TEST(SafeFile, ClearsOnlyOurOwnStaleFiles) {
    TemporaryFolder folder;
    std::string error;
    const std::vector<std::string> ours = {".duskmoor-saving-a1B2c3", ".duskmoor-backup.new"};
    const std::vector<std::string> theirs = {".duskmoor-saving-toolong", "notes.txt", "old.dms.bak"};
    for (const std::string& name : ours) std::ofstream(folder.File(name)) << "?";
    for (const std::string& name : theirs) std::ofstream(folder.File(name)) << "!";
    {
        // Another game holds the folder: its files are not stale.
        const int other = ::open(folder.path.c_str(), O_RDONLY | O_DIRECTORY);
        ASSERT_EQ(::flock(other, LOCK_EX), 0);
        ASSERT_TRUE(WriteFileAtomically(folder.File("a.chr"), Bytes("a"), error));
        EXPECT_EQ(Names(folder.path).size(), ours.size() + theirs.size() + 1);
        ::close(other);
    }
    ASSERT_TRUE(WriteFileAtomically(folder.File("a.chr"), Bytes("b"), error));
    std::vector<std::string> expected = theirs;
    expected.insert(expected.end(), {"a.chr", "a.chr.bak"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(folder.path), expected);
}

TEST(SafeFile, FoldersAreMadeWhenFirstWanted) {
    TemporaryFolder folder;
    const std::string saves = folder.File("game/Saves/");
    EXPECT_TRUE(EnsureFolder(saves));
    EXPECT_TRUE(fs::is_directory(saves));
    EXPECT_TRUE(EnsureFolder(saves));  // already there
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(folder.File("plain"), Bytes("x"), error));
    EXPECT_FALSE(EnsureFolder(folder.File("plain/Saves/")));
}

}  // namespace
}  // namespace duskmoor
