#include "shell/Messages.h"

#include <system_error>

#include "shell/settings/PreferencesFile.h"

namespace tindle {

namespace {
constexpr std::string_view kSilenced = "N";
}

std::string FileMissingText(const std::string& path) {
    return "Cannot find file:\n" + path +
           "\nCopy the file into the directory that above is specified\nor reinstall the "
           "program.";
}

bool CheckProgramFile(const std::filesystem::path& file, MessagePort& messages) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec)) return true;
    messages.FatalError(FileMissingText(file.string()));
    return false;
}

void NumberBox(MessagePort& messages, long long number) {
    messages.Information(std::to_string(number));
}

bool Advice(ShellMessagePort& messages, PreferencesFile& prefs, std::string_view text,
            std::string_view key, int page) {
    if (prefs.ReadString(section::ShowMessages, key, "Y") == kSilenced) return false;
    if (messages.ShowAdvice(text, page)) prefs.WriteString(section::ShowMessages, key, kSilenced);
    return true;
}

std::string ColourAdviceText() {
    return "At this time your video driver supports 256 colors or less. This program takes "
           "advantage of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) "
           "palettes or higher resolutions. \nIf your video driver allows High or True color "
           "mode settings (16 bit or 24 bit), modify your screen resolution using the Display "
           "Properties Settings in the Control Panel.";
}

}  // namespace tindle
