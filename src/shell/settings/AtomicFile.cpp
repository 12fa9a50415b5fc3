#include "shell/settings/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tindle {

namespace {

// Mode of a newly created file when there is no old file to copy it from.
constexpr mode_t kNewFileMode = 0644;

// A temporary file younger than this may belong to a write in progress.
constexpr auto kLeftoverAge = std::chrono::minutes(1);

bool UniqueChars(std::string_view text) {
    return text.size() == kTemporaryUniqueChars &&
           std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
           });
}

bool TemporaryName(std::string_view name) {
    const std::size_t mark = name.rfind(kReplacementTemporaryMark);
    if (mark != std::string_view::npos && mark > 0 &&
        UniqueChars(name.substr(mark + kReplacementTemporaryMark.size())))
        return true;
    return name.size() == kScoreTemporaryPrefix.size() + kTemporaryUniqueChars +
                              kScoreTemporarySuffix.size() &&
           name.starts_with(kScoreTemporaryPrefix) && name.ends_with(kScoreTemporarySuffix) &&
           UniqueChars(name.substr(kScoreTemporaryPrefix.size(), kTemporaryUniqueChars));
}

// Makes a rename durable. Best effort: a failure here cannot undo the rename.
void SyncDirectory(const std::filesystem::path& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool FileOps::WriteAll(int fd, std::string_view data) const {
    while (!data.empty()) {
        ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool FileOps::Sync(int fd) const {
    return ::fsync(fd) == 0;
}

bool FileOps::Rename(const std::filesystem::path& from, const std::filesystem::path& to) const {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

const FileOps& DefaultFileOps() {
    static const FileOps ops;
    return ops;
}

bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view contents,
                           const FileOps& ops) {
    if (target.filename().empty()) return false;
    std::filesystem::path dir = target.parent_path();
    if (dir.empty()) dir = ".";

    // The old file's mode is kept, but a file the user may not write is not replaced.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) return false;

    std::string pattern =
        (dir / (target.filename().string() + std::string(kReplacementTemporaryMark) + "XXXXXX"))
            .string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    std::filesystem::path temp(name.data());

    struct stat old {};
    mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : kNewFileMode;
    bool ok = ::fchmod(fd, mode) == 0 && ops.WriteAll(fd, contents) && ops.Sync(fd);
    ok = (::close(fd) == 0) && ok;
    ok = ok && ops.Rename(temp, target);
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncDirectory(dir);
    return true;
}

void RemoveLeftoverTemporaryFiles(const std::filesystem::path& dir) {
    std::error_code ec;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::directory_entry& entry = *it;
        std::error_code entryError;
        if (!TemporaryName(entry.path().filename().string()) ||
            !entry.is_regular_file(entryError) || entry.is_symlink(entryError))
            continue;
        const auto changed = entry.last_write_time(entryError);
        if (entryError || now - changed < kLeftoverAge) continue;
        std::filesystem::remove(entry.path(), entryError);
    }
}

FileReadStatus ReadFileLimited(const std::filesystem::path& path, std::size_t maxBytes,
                               std::string& text) {
    text.clear();
    // Opened without waiting (a FIFO with no writer would block the open itself) and without
    // taking a terminal as the controlling one. Whatever the name leads to is then asked
    // through the open descriptor, so nothing can be swapped in between the question and the
    // read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? FileReadStatus::Missing
                                                   : FileReadStatus::Unreadable;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileReadStatus::Unreadable;
    }
    // One byte more than allowed tells a file that is too long; the size the system reports
    // only sizes the buffer, as the file may change while it is read.
    const std::size_t expected = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    std::string buffer(std::min(expected, maxBytes) + 1, '\0');
    std::size_t filled = 0;
    while (filled <= maxBytes) {
        if (filled == buffer.size()) buffer.resize(std::min(buffer.size() * 2, maxBytes + 1));
        const ssize_t got = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            return FileReadStatus::Unreadable;
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (filled > maxBytes) {
        buffer.resize(maxBytes);
        text = std::move(buffer);
        return FileReadStatus::TooLarge;
    }
    buffer.resize(filled);
    text = std::move(buffer);
    return FileReadStatus::Ok;
}

}  // namespace tindle
