#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/Ports.h"

// The message boxes of the program beyond the engine's message port: the fatal file-missing
// box, the number box and the advice boxes that the player can silence.

namespace tindle {

class PreferencesFile;

// The message port of the front end: the engine's boxes and the advice box.
class ShellMessagePort : public MessagePort {
  public:
    // Shows the advice box modally with the text and the picture of the page (0 colour
    // depth, 1 screen size); true when the player left it with "Don't show this message box
    // again" ticked.
    virtual bool ShowAdvice(std::string_view text, int page) = 0;
};

// "Cannot find file:" + path + the advice to copy the file or reinstall.
std::string FileMissingText(const std::string& path);

// Nothing when the file exists. Otherwise the fatal file-missing box, and false: the caller
// ends the program.
bool CheckProgramFile(const std::filesystem::path& file, MessagePort& messages);

// The number as text in an information box.
void NumberBox(MessagePort& messages, long long number);

// Advice boxes, remembered in the section Show_Messages of the preferences file, one key per
// message: "N" means the player silenced it.
inline constexpr int kAdvicePageColour = 0;
inline constexpr int kAdvicePageScreenSize = 1;
// Shows the advice unless its key holds "N"; a tick in the box writes "N" under the key.
// True when the box was shown.
bool Advice(ShellMessagePort& messages, PreferencesFile& prefs, std::string_view text,
            std::string_view key, int page);

// The only advice of this edition: a display of 256 colours or fewer.
inline constexpr std::string_view kColourAdviceKey = "Screen_Under_256_Colors";
std::string ColourAdviceText();

}  // namespace tindle
