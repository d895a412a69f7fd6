#include "core/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

namespace duskmoor {
namespace {

std::string SystemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
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

// Points `path`.bak at the file now at `path` without ever leaving `path`
// missing: a hard link made under a temporary name is renamed over the old
// backup. Where hard links are not possible the backup is a copy.
bool KeepBackup(const std::string& path, std::string& error) {
    const std::string backup = BackupPath(path);
    // Named so that no file dialog filter ("*.chr*", "*.dms*") ever lists it.
    const std::string link_name = FolderOf(path) + "/.duskmoor-backup.new";
    ::unlink(link_name.c_str());
    if (::link(path.c_str(), link_name.c_str()) == 0) {
        if (::rename(link_name.c_str(), backup.c_str()) == 0) return true;
        error = SystemError("cannot keep the backup", backup);
        ::unlink(link_name.c_str());
        return false;
    }
    std::vector<uint8_t> old_bytes;
    std::string read_error;
    constexpr size_t kNoLimit = static_cast<size_t>(-1);
    if (!ReadWholeFile(path, kNoLimit, old_bytes, read_error)) {
        error = "cannot keep the backup: " + read_error;
        return false;
    }
    std::error_code ignored;
    std::filesystem::remove(backup, ignored);
    return WriteFileAtomically(backup, old_bytes, error);
}

}  // namespace

namespace {
constexpr std::string_view kBackupSuffix = ".bak";
}  // namespace

std::string BackupPath(const std::string& path) {
    return path + std::string(kBackupSuffix);
}

bool IsBackupFile(const std::string& name) {
    return name.ends_with(kBackupSuffix);
}

bool ReadWholeFile(const std::string& path, size_t max_size, std::vector<uint8_t>& bytes,
                   std::string& error) {
    bytes.clear();
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
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
    while (true) {
        ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            error = SystemError("cannot read", path);
            return false;
        }
        if (count == 0) break;
        if (bytes.size() + static_cast<size_t>(count) > max_size) {
            error = path + " is larger than " + std::to_string(max_size) + " bytes";
            bytes.clear();
            return false;
        }
        bytes.insert(bytes.end(), buffer, buffer + count);
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
    const std::string folder = FolderOf(path);
    // Named so that no file dialog filter lists a half-written file.
    std::string temporary = folder + "/.duskmoor-saving-XXXXXX";
    std::vector<char> name_buffer(temporary.begin(), temporary.end());
    name_buffer.push_back('\0');
    FileDescriptor file(::mkstemp(name_buffer.data()));
    if (file.get() < 0) {
        error = SystemError("cannot create a file in", folder);
        return false;
    }
    temporary = name_buffer.data();
    auto give_up = [&](const std::string& why) {
        error = why;
        file.Close();
        ::unlink(temporary.c_str());
        return false;
    };
    if (!WriteAll(file.get(), bytes)) return give_up(SystemError("cannot write", temporary));
    if (::fsync(file.get()) != 0) return give_up(SystemError("cannot flush", temporary));
    if (::fchmod(file.get(), 0644) != 0) return give_up(SystemError("cannot set the mode of", temporary));
    if (!file.Close()) return give_up(SystemError("cannot close", temporary));

    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) return give_up("not a regular file: " + path);
        if (!KeepBackup(path, error)) return give_up(error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) return give_up(SystemError("cannot replace", path));
    FlushFolder(folder);
    return true;
}

bool EnsureFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace duskmoor
