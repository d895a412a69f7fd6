#include "core/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

namespace duskmoor {
namespace {

// Our own files in a save folder, all hidden (a leading dot) so that no file
// dialog filter ("*.chr*", "*.dms*") ever lists them:
// a new file being written,
constexpr std::string_view kSavingPrefix = ".duskmoor-saving-";
constexpr std::string_view kSavingPattern = "XXXXXX";
// the file being replaced, held under a second name until it becomes the backup,
constexpr std::string_view kOldPrefix = ".duskmoor-old-";
// and the one name older versions of the game held it under.
constexpr std::string_view kOlderHoldName = ".duskmoor-backup.new";
constexpr std::string_view kBackupSuffix = ".bak";

std::string SystemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string HoldPath(const std::string& folder, const std::string& target_name) {
    return folder + "/" + std::string(kOldPrefix) + target_name;
}

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return descriptor_; }
    bool Close() {
        if (descriptor_ < 0) return true;
        int result = ::close(descriptor_);
        descriptor_ = -1;
        return result == 0;
    }

  private:
    int descriptor_;
};

bool WriteAll(int descriptor, const std::vector<uint8_t>& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t result = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR) continue;
        if (result <= 0) return false;
        written += static_cast<size_t>(result);
    }
    return true;
}

// A rename is only durable once the folder that holds the name is flushed.
void FlushFolder(const std::string& folder) {
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) ::fsync(directory.get());
}

constexpr size_t kNoLimit = static_cast<size_t>(-1);

bool ReadFile(const std::string& path, size_t max_size, bool longer_is_error, std::vector<uint8_t>& bytes,
              std::string& error) {
    bytes.clear();
    // Opened without waiting: a FIFO in place of a file would otherwise hold
    // the game until something wrote into it.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) {
        error = SystemError("cannot open", path);
        return false;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = "not a regular file: " + path;
        return false;
    }
    uint8_t buffer[65536];
    while (bytes.size() < max_size || longer_is_error) {
        ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            error = SystemError("cannot read", path);
            bytes.clear();
            return false;
        }
        if (count == 0) break;
        size_t taken = static_cast<size_t>(count);
        if (bytes.size() + taken > max_size) {
            if (longer_is_error) {
                error = path + " is larger than " + std::to_string(max_size) + " bytes";
                bytes.clear();
                return false;
            }
            taken = max_size - bytes.size();
        }
        bytes.insert(bytes.end(), buffer, buffer + taken);
    }
    return true;
}

bool SameContents(const std::string& first, const std::string& second) {
    std::vector<uint8_t> first_bytes, second_bytes;
    std::string ignored;
    return ReadFile(first, kNoLimit, true, first_bytes, ignored) &&
           ReadFile(second, kNoLimit, true, second_bytes, ignored) && first_bytes == second_bytes;
}

bool SameFile(const struct stat& first, const struct stat& second) {
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// A write was killed while the file it replaced was held under its second
// name. If the target still is that file, the new save never landed and the
// second name goes; otherwise the new save did land, and the old file
// finishes its way to the backup.
void FinishHeldFile(const std::string& folder, const std::string& hold_name) {
    const std::string hold = folder + "/" + hold_name;
    const std::string target = folder + "/" + hold_name.substr(kOldPrefix.size());
    struct stat hold_info {
    }, target_info{};
    if (::lstat(hold.c_str(), &hold_info) != 0 || !S_ISREG(hold_info.st_mode)) return;
    const bool target_there = ::lstat(target.c_str(), &target_info) == 0;
    if (target_there && (SameFile(hold_info, target_info) || SameContents(hold, target))) {
        ::unlink(hold.c_str());
    } else {
        ::rename(hold.c_str(), BackupPath(target).c_str());
    }
}

bool IsSavingName(std::string_view name) {
    return name.starts_with(kSavingPrefix) && name.size() == kSavingPrefix.size() + kSavingPattern.size();
}

// Tidies up what killed writes left in `folder`.
void ClearStaleFiles(const std::string& folder) {
    std::vector<std::string> saving, held;
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr) return;
    while (const dirent* entry = ::readdir(directory)) {
        std::string_view name = entry->d_name;
        if (IsSavingName(name) || name == kOlderHoldName) saving.emplace_back(name);
        if (name.starts_with(kOldPrefix) && name.size() > kOldPrefix.size()) held.emplace_back(name);
    }
    ::closedir(directory);
    for (const std::string& name : saving) ::unlink((folder + "/" + name).c_str());
    for (const std::string& name : held) FinishHeldFile(folder, name);
    if (!saving.empty() || !held.empty()) FlushFolder(folder);
}

// Only one writer at a time works in a folder, so that the files another
// running game is writing are never taken for stale ones. The lock goes with
// the process: a killed writer never holds it.
class FolderLock {
  public:
    explicit FolderLock(const std::string& folder)
        : directory_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        held_ = directory_.get() >= 0 && ::flock(directory_.get(), LOCK_EX | LOCK_NB) == 0;
    }
    bool held() const { return held_; }

  private:
    FileDescriptor directory_;
    bool held_ = false;
};

// A new file of our own naming in `folder`, complete and flushed when this
// returns true; `name` is then its path.
bool WriteTemporary(const std::string& folder, const std::vector<uint8_t>& bytes, std::string& name,
                    std::string& error) {
    std::string pattern = folder + "/" + std::string(kSavingPrefix) + std::string(kSavingPattern);
    FileDescriptor file(::mkstemp(pattern.data()));
    if (file.get() < 0) {
        error = SystemError("cannot create a file in", folder);
        return false;
    }
    name = pattern;
    const char* failed = nullptr;
    if (!WriteAll(file.get(), bytes)) {
        failed = "cannot write";
    } else if (::fsync(file.get()) != 0) {
        failed = "cannot flush";
    } else if (::fchmod(file.get(), 0644) != 0) {
        failed = "cannot set the mode of";
    } else if (!file.Close()) {
        failed = "cannot close";
    }
    if (failed == nullptr) return true;
    error = SystemError(failed, name);
    file.Close();
    ::unlink(name.c_str());
    return false;
}

// Gives the file at `target` the second name `hold` as well: a hard link, or
// where the file system has none, a complete copy.
bool HoldOldFile(const std::string& target, const std::string& hold, std::string& error) {
    ::unlink(hold.c_str());
    if (::link(target.c_str(), hold.c_str()) == 0) return true;
    if (errno == ENAMETOOLONG) {
        error = SystemError("the name is too long to keep a backup of", target);
        return false;
    }
    std::vector<uint8_t> old_bytes;
    std::string read_error;
    if (!ReadFile(target, kNoLimit, true, old_bytes, read_error)) {
        error = "cannot keep the backup: " + read_error;
        return false;
    }
    std::string copy;
    if (!WriteTemporary(FolderOf(target), old_bytes, copy, error)) return false;
    if (::rename(copy.c_str(), hold.c_str()) == 0) return true;
    error = SystemError("cannot keep the backup", hold);
    ::unlink(copy.c_str());
    return false;
}

}  // namespace

std::string BackupPath(const std::string& path) {
    return path + std::string(kBackupSuffix);
}

bool IsBackupFile(const std::string& name) {
    return name.ends_with(kBackupSuffix);
}

bool ReadWholeFile(const std::string& path, size_t max_size, std::vector<uint8_t>& bytes,
                   std::string& error) {
    return ReadFile(path, max_size, true, bytes, error);
}

bool ReadFileStart(const std::string& path, size_t max_size, std::vector<uint8_t>& bytes,
                   std::string& error) {
    return ReadFile(path, max_size, false, bytes, error);
}

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
    return WriteFileAtomically(path, bytes, error, nullptr);
}

// The order keeps both names whole at every instant: the target is renamed
// from the old file straight to the new one, and the backup from an older
// file straight to the old one. Between the two renames the backup is one
// generation behind, and the old file waits under its second name; the next
// write into the folder finishes its move if the game was killed there.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error,
                         const SaveStepCheck& before_step) {
    auto proceed = [&](SaveStep step) {
        if (!before_step || before_step(step)) return true;
        error = "the write was stopped";
        return false;
    };
    const std::string folder = FolderOf(path);
    FolderLock lock(folder);
    if (lock.held()) ClearStaleFiles(folder);

    struct stat info {};
    const bool replacing = ::stat(path.c_str(), &info) == 0;
    if (replacing && !S_ISREG(info.st_mode)) {
        error = "not a regular file: " + path;
        return false;
    }
    if (!proceed(SaveStep::WriteNewFile)) return false;
    std::string temporary;
    if (!WriteTemporary(folder, bytes, temporary, error)) return false;

    const std::string hold = HoldPath(folder, NameOf(path));
    if (replacing) {
        if (!proceed(SaveStep::HoldOldFile)) return false;
        if (!HoldOldFile(path, hold, error)) {
            ::unlink(temporary.c_str());
            return false;
        }
    }
    if (!proceed(SaveStep::ReplaceTarget)) return false;
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        error = SystemError("cannot replace", path);
        ::unlink(temporary.c_str());
        if (replacing) ::unlink(hold.c_str());
        return false;
    }
    FlushFolder(folder);
    if (!replacing) return true;
    if (!proceed(SaveStep::MoveOldToBackup)) return false;
    // The save itself has landed; a backup that cannot take its name stays
    // held and is moved by the next write.
    if (::rename(hold.c_str(), BackupPath(path).c_str()) == 0) FlushFolder(folder);
    return true;
}

bool EnsureFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace duskmoor
