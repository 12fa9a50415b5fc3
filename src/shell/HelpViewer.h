#pragma once

#include <QUrl>
#include <QWidget>

#include "shell/AdvancedForm.h"

class QTextBrowser;

namespace tindle {

// The help window: one page of the help file at a time, with Contents, Back and Forward.
// Links to other pages stay in the window; web and mail links go to the system.
class HelpViewer : public C_TAdvancedForm<QWidget> {
    Q_OBJECT
  public:
    HelpViewer(const QUrl& contents, QWidget* parent = nullptr);

    void ShowPage(const QUrl& page);
    QUrl CurrentPage() const;
    QString PageTitle() const;

  private:
    void LinkClicked(const QUrl& link);

    QTextBrowser* browser_;
    QUrl contents_;
};

}  // namespace tindle
