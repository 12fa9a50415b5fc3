#pragma once

#include <QString>

#include <map>
#include <memory>

#include "shell/HelpFile.h"

// Help as the program uses it: the application's help file is set as a path followed by ">"
// and a window name ("...bravell.hlp>proc"); a topic opens in the help window of that name
// (one window per name, reused). The rules of a game open in the window "rules".

namespace tindle {

class HelpViewer;
class MessagePort;

inline constexpr const char* kHelpFileName = "bravell.hlp";
inline constexpr const char* kProcedureWindow = "proc";
inline constexpr const char* kRulesWindow = "rules";

class HelpSystem {
  public:
    explicit HelpSystem(MessagePort& messages);
    ~HelpSystem();

    // The help file of the application: path, ">" and the window name.
    void SetHelpFile(const QString& target) { target_ = target; }
    const QString& HelpFileTarget() const { return target_; }
    // The target of the help file in a program directory (with its trailing separator).
    static QString HelpFileTargetIn(const QString& programDir, const char* window);

    // Opens a numbered topic (or the contents page) in the window of the help file target
    // (path>window). A missing, unreadable or damaged help file, or a missing topic, is told
    // in an information box; false then, and the program goes on.
    bool ShowTopic(int topic);
    bool ShowContents();
    // The rules of a game (a GameId below 0: the current game) in the window "rules"; the
    // help file target (path>window) is the same afterwards. Nothing for a customised game.
    bool ShowRules(int gameId, int currentGameId);

    // The window of a name, when it was opened.
    HelpViewer* Viewer(const QString& window) const;

  private:
    bool Open(const QUrl& page);
    bool EnsureFile();
    QString TargetPath() const;
    QString TargetWindow() const;

    MessagePort& messages_;
    QString target_;
    HelpFile file_;
    std::map<QString, std::unique_ptr<HelpViewer>> viewers_;
};

}  // namespace tindle
