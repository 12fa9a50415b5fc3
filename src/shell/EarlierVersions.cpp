#include "shell/EarlierVersions.h"

#include <cstdio>
#include <system_error>

#include "shell/ProgramVersion.h"
#include "shell/settings/AtomicFile.h"
#include "shell/settings/SettingsInit.h"

namespace tindle {

namespace {

std::string Numbered(const char* format, int number) {
    char text[64];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

bool Exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

}  // namespace

std::string VersionStampFileName() {
    return "SOLV" + std::string(kVersionDigits) + ".DAT";
}

std::string VersionStampLine() {
    return "Bravell version: " + VersionText();
}

bool WriteVersionStamp(const std::filesystem::path& dataFolder) {
    const std::filesystem::path stamp = dataFolder / VersionStampFileName();
    if (Exists(stamp)) return true;
    return ReplaceFileAtomically(stamp, VersionStampLine() + "\n");
}

std::vector<std::filesystem::path> LeftoverFiles(const std::filesystem::path& dataFolder) {
    std::vector<std::string> stored;
    auto inDir = [&](std::string_view storedPath) {
        return dataFolder / FromStoredPath(storedPath);
    };

    if (Exists(inDir("IMAGES\\GAME0000.BMP"))) {
        for (int n = 0; n <= 100; ++n)
            stored.push_back(Numbered("IMAGES\\GAME%04d.BMP", n));
    }
    if (Exists(inDir("IMAGES\\WB001.BMP"))) {
        for (const char* kind : {"WB", "WM", "WP"}) {
            for (int n = 0; n <= 25; ++n)
                stored.push_back("IMAGES\\" + std::string(kind) + Numbered("%03d.BMP", n));
        }
    }
    if (Exists(inDir("IMAGES\\CB001C.BMP"))) {
        for (int n = 1; n <= 5; ++n) {
            for (const char* suit : {"C", "D", "H", "S"})
                stored.push_back(Numbered("IMAGES\\CB%03d", n) + suit + ".BMP");
        }
        for (const char* size : {"CM", "CL"}) {
            for (const char* suit : {"C", "D", "H", "S"})
                stored.push_back("IMAGES\\" + std::string(size) + "003" + suit + ".BMP");
        }
    }
    stored.push_back("BRAVELL.DLL");

    std::vector<std::filesystem::path> existing;
    for (const std::string& name : stored) {
        std::filesystem::path path = inDir(name);
        if (Exists(path)) existing.push_back(std::move(path));
    }
    return existing;
}

void RemoveLeftoverFiles(const std::filesystem::path& dataFolder) {
    for (const std::filesystem::path& path : LeftoverFiles(dataFolder)) {
        std::error_code ec;
        // Only files: a folder that happens to carry one of the names is not ours to clear.
        if (std::filesystem::is_regular_file(path, ec)) std::filesystem::remove(path, ec);
    }
}

}  // namespace tindle
