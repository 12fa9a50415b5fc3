#pragma once

#include <QString>
#include <QUrl>

#include <vector>

#include "table/SealedResourceFile.h"

// The help file bravell.hlp: a Qt binary resource file (rcc --binary) built from the HTML
// pages of help/ (help/README.md). A numbered topic is the page "topics/<number>.html", the
// contents page "topics/contents.html"; pages link to each other by those relative names.
// The file is registered under a root of its own when it is first needed, once it has passed
// the checks of a sealed resource file (SealedResourceFile.h).

namespace tindle {

class HelpFile {
  public:
    HelpFile();
    ~HelpFile();
    HelpFile(const HelpFile&) = delete;
    HelpFile& operator=(const HelpFile&) = delete;

    using LoadStatus = SealedResourceFile::LoadStatus;

    // Registers the file (unloading one loaded before). A file without a contents page is no
    // help file: Damaged.
    LoadStatus Load(const QString& path);
    void Unload();
    bool IsLoaded() const { return file_.IsLoaded(); }
    const QString& Path() const { return file_.Path(); }

    bool HasTopic(int topic) const;
    // The page of a topic or of the contents; an empty URL when the file does not hold it.
    QUrl TopicUrl(int topic) const;
    QUrl ContentsUrl() const;
    // Every numbered topic of the file, in ascending order.
    std::vector<int> Topics() const;

  private:
    QString PagePath(const QString& page) const;

    SealedResourceFile file_;
};

}  // namespace tindle
