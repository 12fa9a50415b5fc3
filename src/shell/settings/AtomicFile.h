#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reads and crash-safe whole-file replacement for the small text files the
// program writes (the preferences file). A replacement writes a temporary file beside the
// target, forces it to disk and renames it over the target: a crash, a full disk or a
// read-only folder leaves either the old file or the new one, never a mix, and no temporary
// file is left behind by a failure the program sees.

namespace tindle {

// The few system calls of a replacement. Tests substitute one that fails at a chosen step.
class FileOps {
  public:
    virtual ~FileOps() = default;
    // Writes every byte of data to the open descriptor.
    virtual bool WriteAll(int fd, std::string_view data) const;
    // Forces the descriptor's data to disk.
    virtual bool Sync(int fd) const;
    virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) const;
};

// The real system calls.
const FileOps& DefaultFileOps();

// Replaces target by a file holding exactly contents. On failure the old file (if any) is
// untouched, the temporary file is removed and false comes back. A target the user may not
// write (a read-only file) is refused, although the rename could replace it.
bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view contents,
                           const FileOps& ops = DefaultFileOps());

// The names of the temporary files of replacements: the target's name followed by
// kReplacementTemporaryMark and six characters of mkstemp (ReplaceFileAtomically), and
// kScoreTemporaryPrefix, six characters, kScoreTemporarySuffix (the score file migration).
inline constexpr std::string_view kReplacementTemporaryMark = ".tmp-";
inline constexpr std::string_view kScoreTemporaryPrefix = "rpl";
inline constexpr std::string_view kScoreTemporarySuffix = ".tmp";
inline constexpr std::size_t kTemporaryUniqueChars = 6;

// Removes from dir the temporary files that a replacement killed on its way (a crash, a
// SIGKILL, a power cut) left behind: regular files with the names above only, and only when
// they are older than a minute, so that a write another instance is making just now is left
// alone. Called once at start with the data folder; failures are ignored.
void RemoveLeftoverTemporaryFiles(const std::filesystem::path& dir);

enum class FileReadStatus {
    Ok,          // the whole file is in the text
    Missing,     // no such file; the text is empty
    Unreadable,  // not a regular file (a folder, a FIFO, a device) or no permission to read
                 // it; the text is empty
    TooLarge,    // longer than the limit; the text holds its first maxBytes bytes
};

// Every file the program reads is read through this: only a regular file (a symbolic link
// to one too), never more than maxBytes + 1 bytes, and never waiting for a writer.
FileReadStatus ReadFileLimited(const std::filesystem::path& path, std::size_t maxBytes,
                               std::string& text);

}  // namespace tindle
