#include "shell/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>

#include "table/ResourceFileCheck.h"

namespace tindle {

namespace {
const QString kTopicsFolder = QStringLiteral("topics");
const QString kContentsPage = QStringLiteral("contents.html");

QString NewRoot() {
    static std::atomic<int> counter{0};
    return QStringLiteral("/tindle-help-%1").arg(++counter);
}

}  // namespace

HelpFile::HelpFile() : file_(NewRoot()) {}

HelpFile::~HelpFile() = default;

HelpFile::LoadStatus HelpFile::Load(const QString& path) {
    const LoadStatus status = file_.Load(path, kMaxHelpFileBytes);
    if (status != LoadStatus::Loaded) return status;
    if (!QFile::exists(PagePath(kContentsPage))) {
        Unload();
        return LoadStatus::Damaged;
    }
    return LoadStatus::Loaded;
}

void HelpFile::Unload() {
    file_.Unload();
}

QString HelpFile::PagePath(const QString& page) const {
    return QStringLiteral(":") + file_.Root() + "/" + kTopicsFolder + "/" + page;
}

bool HelpFile::HasTopic(int topic) const {
    return IsLoaded() && topic >= 0 && QFile::exists(PagePath(QString::number(topic) + ".html"));
}

QUrl HelpFile::TopicUrl(int topic) const {
    if (!HasTopic(topic)) return {};
    return QUrl(QStringLiteral("qrc") + PagePath(QString::number(topic) + ".html"));
}

QUrl HelpFile::ContentsUrl() const {
    if (!IsLoaded()) return {};
    return QUrl(QStringLiteral("qrc") + PagePath(kContentsPage));
}

std::vector<int> HelpFile::Topics() const {
    std::vector<int> topics;
    if (!IsLoaded()) return topics;
    const QDir dir(QStringLiteral(":") + file_.Root() + "/" + kTopicsFolder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        bool ok = false;
        const int number = QFileInfo(name).completeBaseName().toInt(&ok);
        if (ok) topics.push_back(number);
    }
    std::sort(topics.begin(), topics.end());
    return topics;
}

}  // namespace tindle
