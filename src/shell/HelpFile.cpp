#include "shell/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include <algorithm>
#include <atomic>

namespace tindle {

namespace {
const QString kTopicsFolder = QStringLiteral("topics");
const QString kContentsPage = QStringLiteral("contents.html");
}  // namespace

HelpFile::HelpFile() {
    static std::atomic<int> counter{0};
    root_ = QStringLiteral("/tindle-help-%1").arg(++counter);
}

HelpFile::~HelpFile() {
    Unload();
}

bool HelpFile::Load(const QString& path) {
    Unload();
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) return false;
    const QString absolute = info.absoluteFilePath();
    if (!QResource::registerResource(absolute, root_)) return false;
    path_ = absolute;
    loaded_ = true;
    if (!QFile::exists(PagePath(kContentsPage))) {
        Unload();
        return false;
    }
    return true;
}

void HelpFile::Unload() {
    if (!loaded_) return;
    QResource::unregisterResource(path_, root_);
    loaded_ = false;
    path_.clear();
}

QString HelpFile::PagePath(const QString& page) const {
    return QStringLiteral(":") + root_ + "/" + kTopicsFolder + "/" + page;
}

bool HelpFile::HasTopic(int topic) const {
    return loaded_ && topic >= 0 && QFile::exists(PagePath(QString::number(topic) + ".html"));
}

QUrl HelpFile::TopicUrl(int topic) const {
    if (!HasTopic(topic)) return {};
    return QUrl(QStringLiteral("qrc") + PagePath(QString::number(topic) + ".html"));
}

QUrl HelpFile::ContentsUrl() const {
    if (!loaded_) return {};
    return QUrl(QStringLiteral("qrc") + PagePath(kContentsPage));
}

std::vector<int> HelpFile::Topics() const {
    std::vector<int> topics;
    if (!loaded_) return topics;
    const QDir dir(QStringLiteral(":") + root_ + "/" + kTopicsFolder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        bool ok = false;
        const int number = QFileInfo(name).completeBaseName().toInt(&ok);
        if (ok) topics.push_back(number);
    }
    std::sort(topics.begin(), topics.end());
    return topics;
}

}  // namespace tindle
