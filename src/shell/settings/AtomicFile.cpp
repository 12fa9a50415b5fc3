#include "shell/settings/AtomicFile.h"

#include <cerrno>
#include <fstream>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tindle {

namespace {

// Mode of a newly created file when there is no old file to copy it from.
constexpr mode_t kNewFileMode = 0644;

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

    std::string pattern = (dir / (target.filename().string() + ".tmp-XXXXXX")).string();
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

FileReadStatus ReadFileLimited(const std::filesystem::path& path, std::size_t maxBytes,
                               std::string& text) {
    text.clear();
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return FileReadStatus::Missing;
    if (!std::filesystem::is_regular_file(status)) return FileReadStatus::Unreadable;

    std::ifstream in(path, std::ios::binary);
    if (!in) return FileReadStatus::Unreadable;
    std::string buffer(maxBytes + 1, '\0');
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.bad()) return FileReadStatus::Unreadable;
    buffer.resize(static_cast<std::size_t>(in.gcount()));
    if (buffer.size() > maxBytes) {
        buffer.resize(maxBytes);
        text = std::move(buffer);
        return FileReadStatus::TooLarge;
    }
    text = std::move(buffer);
    return FileReadStatus::Ok;
}

}  // namespace tindle
