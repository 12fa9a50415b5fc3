#pragma once

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/settings/AtomicFile.h"

// The preferences file: an INI text file of "[Section]" header lines followed by
// "Key=Value" lines. Section and key names match without regard to case; names and values
// are read without the blanks around them. Lines that are not understood (comments, junk,
// lines without "=", entries before the first section) are ignored by reads and kept as
// they are by writes. When a key appears twice, the first occurrence counts.
//
// Usage: open an object around a group of reads or writes and drop it afterwards; nothing
// is held open. The file is read when the object is made. Every write is carried to disk at
// once by replacing the whole file atomically (AtomicFile.h); just before writing, the file
// is read again so that a write never undoes another object's earlier write. A write that
// cannot be carried out (a read-only file or folder, a missing folder, a full disk) returns
// false and leaves the old file as it was; callers do not report it to the player. No
// operation throws or shows anything.

namespace tindle {

// The sections of the preferences file.
namespace section {
inline constexpr std::string_view Preference = "Preference";
inline constexpr std::string_view Settings = "Settings";
inline constexpr std::string_view Users = "Users";
inline constexpr std::string_view Autoplay = "Autoplay";
inline constexpr std::string_view ShowMessages = "Show_Messages";
}  // namespace section

class PreferencesFile {
  public:
    // Values read are cut to this many characters.
    static constexpr std::size_t kMaxValueChars = 255;
    // A file longer than this is not ours: reads see only its beginning and writes are
    // refused, so that it is never replaced by a cut copy.
    static constexpr std::size_t kMaxFileBytes = 1 << 20;

    // Reads the file at path. ops (kept by reference, so it must outlive the object) are the
    // system calls of the writes.
    explicit PreferencesFile(std::filesystem::path path, const FileOps& ops = DefaultFileOps());

    const std::filesystem::path& Path() const { return path_; }
    // Whether the file existed and was read completely when last loaded.
    bool Loaded() const { return content_.status == FileReadStatus::Ok; }

    // The value, or fallback when the file, the section or the key is missing. At most
    // maxChars characters (the per-game autoplay string needs more than the usual limit).
    std::string ReadString(std::string_view sectionName, std::string_view key,
                           std::string_view fallback, std::size_t maxChars = kMaxValueChars) const;
    // The value as a whole decimal integer in the 32-bit range; fallback when it is missing
    // or is anything else ("", "12abc", "0x10", "99999999999").
    int ReadInteger(std::string_view sectionName, std::string_view key, int fallback) const;

    // Writes (adds or replaces) a key. Line breaks in the value become blanks. Section and key
    // names must be non-empty, one line, and a key must not contain "=", a section not "]".
    bool WriteString(std::string_view sectionName, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view sectionName, std::string_view key, int value);
    // Removes every occurrence of the key in the section; true also when there was none.
    bool DeleteKey(std::string_view sectionName, std::string_view key);

    // Several keys written together: one replacement of the file, so all of them or none.
    struct Entry {
        std::string_view sectionName;
        std::string_view key;
        std::string_view value;
    };
    bool WriteStrings(std::initializer_list<Entry> entries);

  private:
    struct Content {
        FileReadStatus status = FileReadStatus::Missing;
        std::string raw;                 // the file's bytes as read
        std::vector<std::string> lines;  // without line terminators
        std::string lineBreak = "\n";    // "\r\n" when the file uses it
        bool byteOrderMark = false;
    };

    static Content Load(const std::filesystem::path& path);
    static std::string Serialise(const Content& content);
    // The value of the first occurrence of the key, if any.
    static std::optional<std::string> Find(const Content& content, std::string_view sectionName,
                                           std::string_view key);
    // Sets the key to value, or removes it when value is empty; false for invalid names.
    static bool Change(Content& content, std::string_view sectionName, std::string_view key,
                       const std::optional<std::string>& value);
    struct KeyChange {
        std::string_view sectionName;
        std::string_view key;
        std::optional<std::string> value;  // none: the key is removed
    };
    bool Write(const std::vector<KeyChange>& changes);

    std::filesystem::path path_;
    const FileOps& ops_;
    Content content_;
};

}  // namespace tindle
