#pragma once

#include <QString>
#include <QUrl>

#include <vector>

// The help file bravell.hlp: a Qt binary resource file (rcc --binary) built from the HTML
// pages of help/ (help/README.md). A numbered topic is the page "topics/<number>.html", the
// contents page "topics/contents.html"; pages link to each other by those relative names.
// The file is registered under a root of its own when it is first needed.

namespace tindle {

class HelpFile {
  public:
    HelpFile();
    ~HelpFile();
    HelpFile(const HelpFile&) = delete;
    HelpFile& operator=(const HelpFile&) = delete;

    // Registers the file (unloading one loaded before); false when it is missing or not a
    // help file (no contents page).
    bool Load(const QString& path);
    void Unload();
    bool IsLoaded() const { return loaded_; }
    const QString& Path() const { return path_; }

    bool HasTopic(int topic) const;
    // The page of a topic or of the contents; an empty URL when the file does not hold it.
    QUrl TopicUrl(int topic) const;
    QUrl ContentsUrl() const;
    // Every numbered topic of the file, in ascending order.
    std::vector<int> Topics() const;

  private:
    QString PagePath(const QString& page) const;

    QString root_;
    QString path_;
    bool loaded_ = false;
};

}  // namespace tindle
