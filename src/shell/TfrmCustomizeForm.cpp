// The components of the Customize dialog: the notebook with its four pages, the two trees
// and the buttons, placed for a client area of 400 x 301.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <array>
#include <string_view>

#include "shell/TfrmCustomizeTrees.h"
#include "shell/TfrmCustomize_Freeware.h"
#include "shell/TindleApp.h"
#include "table/ResourceNames.h"
#include "table/layout/Zoom.h"

namespace tindle {

namespace {

constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;
constexpr int kNotebookHeight = 252;
constexpr int kCheckHeight = 20;
// The pages: a tree on the left, the sample's group on the right.
constexpr int kTreeLeft = 8;
constexpr int kTreeTop = 24;
constexpr int kTreeWidth = 176;
constexpr int kTreeHeight = 190;
constexpr QRect kSampleGroup(192, 18, 176, 196);
constexpr int kSampleLeft = 10;
constexpr int kSampleTop = 18;
constexpr int kSampleWidth = 156;
constexpr int kDecksSampleHeight = 140;
constexpr int kBackgroundSampleHeight = 120;

// The image list of both trees, in the order the icons are added.
enum TreeIcon { kFolderClosed, kFolderOpen, kBackItem, kChosenBackItem, kBackgroundItem };
constexpr std::array<std::string_view, 5> kTreeIconNames{"TREE1", "TREE2", "N_TREE3", "N_TREE4",
                                                         "N_TREE5"};

QCheckBox* Check(const char* text, QWidget* parent, int x, int y, int width = 240) {
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setGeometry(x, y, width, kCheckHeight);
    return box;
}

QLabel* Sample(QWidget* parent, int height) {
    auto* label = new QLabel(parent);
    label->setGeometry(kSampleLeft, kSampleTop, kSampleWidth, height);
    label->setFrameShape(QFrame::NoFrame);
    return label;
}

QTreeWidget* Tree(QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setGeometry(kTreeLeft, kTreeTop, kTreeWidth, kTreeHeight);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setRootIsDecorated(true);
    tree->setSortingEnabled(false);  // the nodes come sorted
    return tree;
}

}  // namespace

void TfrmCustomize_Freeware::CreateComponents() {
    pgcCustomize = new QTabWidget(this);
    pgcCustomize->setObjectName(QStringLiteral("pgcCustomize"));
    pgcCustomize->setGeometry(kMargin, kMargin, kClientWidth - 2 * kMargin, kNotebookHeight);
    CreateGeneralTab();
    CreateDecksTab();
    CreateBackgroundsTab();
    CreateSoundsTab();

    const int top = kMargin + kNotebookHeight + kMargin;
    int left = kClientWidth - kMargin - 3 * kButtonWidth - 2 * kButtonGap;
    auto button = [&](const char* text, const char* name) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setGeometry(left, top, kButtonWidth, kButtonHeight);
        b->setAutoDefault(false);
        left += kButtonWidth + kButtonGap;
        return b;
    };
    btnOK = button("OK", "btnOK");
    btnOK->setDefault(true);
    btnAnnulla = button("Cancel", "btnAnnulla");
    btnAiuto = button("&?", "btnAiuto");
    FillTrees();
}

void TfrmCustomize_Freeware::CreateGeneralTab() {
    tabGeneral = new QWidget;
    tabGeneral->setObjectName(QStringLiteral("tabGeneral"));
    pgcCustomize->addTab(tabGeneral, QStringLiteral("&General"));

    grpTimeScore = new QGroupBox(QStringLiteral("Time / Scores options"), tabGeneral);
    grpTimeScore->setGeometry(8, 8, 360, 70);
    chkShowTime = Check("Show &time", grpTimeScore, 12, 22);
    chkShowScore = Check("Show sco&re", grpTimeScore, 12, 44);

    grpShow = new QGroupBox(QStringLiteral("Show "), tabGeneral);
    grpShow->setGeometry(8, 86, 360, 72);
    chkConfirmQuitGame = Check("C&onfirm quit game", grpShow, 12, 22);
    chkAnimateDeal = Check("&Animate the deal", grpShow, 180, 22, 170);
    chkWinnableDealsOnly = Check("Wi&nnable deals only", grpShow, 12, 44);
    // Kept for the values they carry; this edition does not show them.
    chkWinningAnimation = Check("&Winning animation", grpShow, 12, 44);
    chkWinningAnimation->setChecked(true);
    chkWinningAnimation->hide();
    chkConfirmOnExit = Check("Confirm on e&xit", grpShow, 180, 22, 170);
    chkConfirmOnExit->hide();

    grpButtons = new QGroupBox(QStringLiteral("Buttons "), tabGeneral);
    grpButtons->setGeometry(8, 144, 360, 70);
    chkTBLargeIcons = Check("&Large buttons", grpButtons, 12, 22);
    chkTBFlatBtn = Check("&Flat buttons", grpButtons, 12, 44);
    grpButtons->hide();

    grpCardSize = new QGroupBox(QStringLiteral("Card size"), tabGeneral);
    grpCardSize->setGeometry(8, 166, 360, 50);
    cmbCardSize = new QComboBox(grpCardSize);
    cmbCardSize->setObjectName(QStringLiteral("cmbCardSize"));
    cmbCardSize->setGeometry(12, 20, 160, 22);
    cmbCardSize->addItem(QString::fromUtf8(kAutomaticZoomText), kAutomaticZoom);
    for (int percent : kZoomPercents)
        cmbCardSize->addItem(QStringLiteral("%1%").arg(percent), percent);
}

void TfrmCustomize_Freeware::CreateDecksTab() {
    tabDecks = new QWidget;
    tabDecks->setObjectName(QStringLiteral("tabDecks"));
    pgcCustomize->addTab(tabDecks, QStringLiteral("&Decks  "));

    lblSelectBack = new QLabel(QStringLiteral("Select a card back:"), tabDecks);
    lblSelectBack->setGeometry(kTreeLeft, 6, kTreeWidth, 16);
    trvCardBack = Tree(tabDecks);
    trvCardBack->setObjectName(QStringLiteral("trvCardBack"));

    grpDecks = new QGroupBox(tabDecks);
    grpDecks->setGeometry(kSampleGroup);
    imgSfondoEsempio2 = Sample(grpDecks, kDecksSampleHeight);
    imgSfondoEsempio2->setObjectName(QStringLiteral("imgSfondoEsempio2"));
    const CardSizeSpec big = kCardSizes[0];
    imgDorsoEsempio = new QWidget(grpDecks);
    imgDorsoEsempio->setObjectName(QStringLiteral("imgDorsoEsempio"));
    imgDorsoEsempio->setGeometry(kSampleLeft + (kSampleWidth - big.width) / 2,
                                 kSampleTop + (kDecksSampleHeight - big.height) / 2, big.width,
                                 big.height);
    imgDorsoEsempio->hide();  // the back is drawn into the sample itself
    lblDecks = new QLabel(grpDecks);
    lblDecks->setObjectName(QStringLiteral("lblDecks"));
    lblDecks->setAlignment(Qt::AlignCenter);
    lblDecks->setGeometry(kSampleLeft, kSampleTop + kDecksSampleHeight + 8, kSampleWidth, 18);
}

void TfrmCustomize_Freeware::CreateBackgroundsTab() {
    tabBackgrounds = new QWidget;
    tabBackgrounds->setObjectName(QStringLiteral("tabBackgrounds"));
    pgcCustomize->addTab(tabBackgrounds, QStringLiteral("&Backgrounds"));

    lblSelectBackground = new QLabel(QStringLiteral("Select a background:"), tabBackgrounds);
    lblSelectBackground->setGeometry(kTreeLeft, 6, kTreeWidth, 16);
    trvBackGround = Tree(tabBackgrounds);
    trvBackGround->setObjectName(QStringLiteral("trvBackGround"));

    grpBackground = new QGroupBox(tabBackgrounds);
    grpBackground->setGeometry(kSampleGroup);
    imgSfondoEsempio = Sample(grpBackground, kBackgroundSampleHeight);
    imgSfondoEsempio->setObjectName(QStringLiteral("imgSfondoEsempio"));
    lblBackGround = new QLabel(grpBackground);
    lblBackGround->setObjectName(QStringLiteral("lblBackGround"));
    lblBackGround->setAlignment(Qt::AlignCenter);
    lblBackGround->setGeometry(kSampleLeft, kSampleTop + kBackgroundSampleHeight + 4, kSampleWidth,
                               18);
    chkFadeBackground = Check("&Fade background", grpBackground, kSampleLeft,
                              kSampleTop + kBackgroundSampleHeight + 28, kSampleWidth);
}

void TfrmCustomize_Freeware::CreateSoundsTab() {
    tabSounds = new QWidget;
    tabSounds->setObjectName(QStringLiteral("tabSounds"));
    pgcCustomize->addTab(tabSounds, QStringLiteral("&Sounds"));
    chkSoundsEnabled = Check("Disable all &sounds", tabSounds, 16, 16);
}

void TfrmCustomize_Freeware::FillTrees() {
    std::array<QIcon, kTreeIconNames.size()> icons;
    for (size_t i = 0; i < kTreeIconNames.size(); ++i) {
        // A picture the library does not hold leaves the node without an icon.
        const QImage picture = app_.library.Bitmap(kTreeIconNames[i]);
        if (!picture.isNull()) icons[i] = QIcon(QPixmap::fromImage(picture));
    }

    auto fill = [&icons](QTreeWidget* tree, const std::vector<CustomizeNode>& nodes,
                         TreeIcon itemIcon) {
        auto add = [&](auto& self, QTreeWidgetItem* parent, const CustomizeNode& node) -> void {
            auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
            item->setText(0, QString::fromStdString(node.text));
            item->setData(0, Qt::UserRole, node.code);
            item->setIcon(0, icons[node.IsFolder() ? kFolderClosed : itemIcon]);
            for (const CustomizeNode& child : node.children)
                self(self, item, child);
        };
        for (const CustomizeNode& node : nodes)
            add(add, nullptr, node);
        // Open folders show the open icon.
        QObject::connect(
            tree, &QTreeWidget::itemExpanded, tree,
            [open = icons[kFolderOpen]](QTreeWidgetItem* item) { item->setIcon(0, open); });
        QObject::connect(
            tree, &QTreeWidget::itemCollapsed, tree,
            [closed = icons[kFolderClosed]](QTreeWidgetItem* item) { item->setIcon(0, closed); });
    };
    fill(trvCardBack, CardBackTree(), kBackItem);
    fill(trvBackGround, BackgroundTree(), kBackgroundItem);

    backIcon_ = icons[kBackItem];
    chosenBackIcon_ = icons[kChosenBackItem];
}

}  // namespace tindle
