#include "shell/HelpViewer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/Launch.h"
#include "shell/LaunchTarget.h"
#include "shell/settings/Placeholders.h"

namespace tindle {

namespace {
constexpr int kWidth = 560;
constexpr int kHeight = 520;
}  // namespace

HelpViewer::HelpViewer(const QUrl& contents, QWidget* parent)
    : C_TAdvancedForm<QWidget>(parent, Qt::Window), contents_(contents) {
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    auto* contentsButton = new QPushButton(tr("&Contents"), this);
    contentsButton->setObjectName(QStringLiteral("btnContents"));
    auto* backButton = new QPushButton(tr("&Back"), this);
    auto* forwardButton = new QPushButton(tr("&Forward"), this);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    connect(contentsButton, &QPushButton::clicked, this, [this] { ShowPage(contents_); });
    connect(backButton, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::LinkClicked);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(QString::fromUtf8(kProductName.data(), kProductName.size()) + tr(" Help") +
                       (title.isEmpty() ? QString() : " - " + title));
    });
    resize(kWidth, kHeight);
}

void HelpViewer::ShowPage(const QUrl& page) {
    browser_->setSource(page);
}

QUrl HelpViewer::CurrentPage() const {
    return browser_->source();
}

QString HelpViewer::PageTitle() const {
    return browser_->documentTitle();
}

void HelpViewer::LinkClicked(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (target.scheme() == QLatin1String("qrc")) {
        ShowPage(target);
    } else if (IsLaunchableScheme(target.scheme().toStdString())) {
        OpenWithSystem(target);
    }
}

}  // namespace tindle
