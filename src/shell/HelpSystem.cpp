#include "shell/HelpSystem.h"

#include "model/Ports.h"
#include "shell/HelpTopics.h"
#include "shell/HelpViewer.h"

namespace tindle {

HelpSystem::HelpSystem(MessagePort& messages) : messages_(messages) {}

HelpSystem::~HelpSystem() = default;

QString HelpSystem::HelpFileTargetIn(const QString& programDir, const char* window) {
    return programDir + kHelpFileName + ">" + window;
}

QString HelpSystem::TargetPath() const {
    const qsizetype mark = target_.lastIndexOf('>');
    return mark < 0 ? target_ : target_.left(mark);
}

QString HelpSystem::TargetWindow() const {
    const qsizetype mark = target_.lastIndexOf('>');
    return mark < 0 ? QString::fromLatin1(kProcedureWindow) : target_.mid(mark + 1);
}

bool HelpSystem::EnsureFile() {
    const QString path = TargetPath();
    if (file_.IsLoaded() && file_.Path() == path) return true;
    switch (file_.Load(path)) {
        case HelpFile::LoadStatus::Loaded:
            return true;
        case HelpFile::LoadStatus::Missing:
            messages_.Information(("Cannot find the help file:\n" + path).toStdString());
            return false;
        case HelpFile::LoadStatus::Unreadable:
        case HelpFile::LoadStatus::Damaged:
            break;
    }
    messages_.Information(
        ("The help file cannot be read; it may be damaged:\n" + path).toStdString());
    return false;
}

bool HelpSystem::Open(const QUrl& page) {
    const QString window = TargetWindow();
    std::unique_ptr<HelpViewer>& viewer = viewers_[window];
    if (!viewer) viewer = std::make_unique<HelpViewer>(file_.ContentsUrl());
    viewer->ShowPage(page);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

bool HelpSystem::ShowTopic(int topic) {
    if (!EnsureFile()) return false;
    const QUrl page = file_.TopicUrl(topic);
    if (page.isEmpty()) {
        messages_.Information("The help file has no topic " + std::to_string(topic) + ".");
        return false;
    }
    return Open(page);
}

bool HelpSystem::ShowContents() {
    if (!EnsureFile()) return false;
    return Open(file_.ContentsUrl());
}

bool HelpSystem::ShowRules(int gameId, int currentGameId) {
    const std::optional<int> topic = RulesTopic(gameId, currentGameId);
    if (!topic) return false;
    const QString remembered = target_;
    target_ = TargetPath() + ">" + kRulesWindow;
    const bool shown = ShowTopic(*topic);
    target_ = remembered;
    return shown;
}

HelpViewer* HelpSystem::Viewer(const QString& window) const {
    auto found = viewers_.find(window);
    return found == viewers_.end() ? nullptr : found->second.get();
}

}  // namespace tindle
