#include "core/safe_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

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
