#include "shell/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "play/Sounds.h"
#include "shell/ProgramVersion.h"
#include "shell/settings/Placeholders.h"
#include "table/ResourceLibrary.h"

namespace tindle {

namespace {
constexpr int kPictureSize = 64;
constexpr double kProductFontScale = 1.8;
constexpr const char* kMakers = "Freeware, written in C++ with Qt by the [Program] developers.";

// The credit counts the games the catalogue really offers: the fixed count the texts quote
// for the edition would tell a player of games the program does not have.
std::string Credit(int gameCount) {
    const std::string games =
        gameCount == 1 ? " solitaire card game.\n" : " solitaire card games.\n";
    return "A collection of " + std::to_string(gameCount) + games + kMakers;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

TfrmAbout::TfrmAbout(const ResourceLibrary& library, const SettingsRecord& settings,
                     SoundPort& sounds, int gameCount, QWidget* parent)
    : C_TAdvancedForm<QDialog>(parent), settings_(settings), sounds_(sounds) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(Q(FillPlaceholders("About [Program]")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgProgram"));
    const QImage icon = library.Bitmap(kIconPicture);
    if (!icon.isNull())
        picture->setPixmap(QPixmap::fromImage(icon.scaled(
            kPictureSize, kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblProduct = new QLabel(Q(std::string(kProductName)), this);
    lblProduct->setObjectName(QStringLiteral("lblProduct"));
    QFont big = lblProduct->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * kProductFontScale);
    lblProduct->setFont(big);
    lblVersion = new QLabel(QStringLiteral("Version ") + Q(VersionText()), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblCredit = new QLabel(Q(FillPlaceholders(Credit(gameCount))), this);
    lblCredit->setObjectName(QStringLiteral("lblCredit"));
    lblCredit->setWordWrap(true);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblProduct);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblCredit);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addSpacing(8);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmAbout::showEvent(QShowEvent* event) {
    C_TAdvancedForm<QDialog>::showEvent(event);
    PlayGatedSound(settings_, sounds_, "About", field::SoundsAbout);
}

}  // namespace tindle
