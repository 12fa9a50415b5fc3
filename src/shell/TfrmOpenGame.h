#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QIcon>
#include <QImage>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/AdvancedForm.h"
#include "shell/BackgroundThread.h"
#include "shell/WinnableShares.h"

// The open-a-game dialog: the catalogue as a tree, and for the selected game its name, a
// preview of its table and its ratings. Made once at start-up and shown modally by the Open
// command (and at the first start); confirming a game stores it in the preferences and sets
// the confirmation mark, which the Open command reads to open the game and then clears.

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace tindle {

class ActivePicture;
class Catalogue;
class MessagePort;
class ResourceLibrary;
class SettingsRecord;

// What the dialog asks of the rest of the program. Every member may be left empty.
struct OpenGameServices {
    std::function<void(int gameId)> showRules;     // the rules page of a game
    std::function<void(int topic)> showHelpTopic;  // F1: the dialog's help topic
    std::function<void()> disableGameCommands;     // closed while no game was ever chosen
    std::function<void()> afterClose;              // repaint the table and its highlights
};

using OpenGameFormBase = C_TAdvancedForm<QDialog>;

class TfrmOpenGame : public OpenGameFormBase {
    Q_OBJECT
  public:
    // The number in a tree node's slot: a game's GameId (0 or more) or a folder's code.
    static constexpr int kCodeRole = Qt::UserRole;
    // The node's icon as its index in the image list.
    static constexpr int kImageIndexRole = Qt::UserRole + 1;
    static constexpr int kAllGamesFolder = -30;
    static constexpr int kPlaceholderNode = -1;
    static constexpr int kHelpTopic = 4015;
    static constexpr int kShowGameInterval = 2000;
    static constexpr int kClientWidth = 535;
    static constexpr int kClientHeight = 377;

    // Everything passed is kept by reference and must outlive the dialog. The preferences
    // file named by the settings record is read here (folder to open, preview check box).
    TfrmOpenGame(const Catalogue& catalogue, SettingsRecord& settings,
                 const ResourceLibrary& library, MessagePort& messages,
                 OpenGameServices services = {}, QWidget* parent = nullptr);
    ~TfrmOpenGame() override;

    void SetServices(OpenGameServices services);
    // Whether the display shows 256 colours or fewer (the preview is then plain green).
    // Taken from the screen when the dialog is made.
    void SetLowColourDisplay(bool low) { lowColourDisplay_ = low; }

    // Gets the first showing ready while the dialog is hidden: the folder opened with the
    // current game selected, and its description and preview drawn, so that the showing
    // itself has only to lay out and paint. A game made current after this and before the
    // showing is selected then instead.
    void PrepareShowing();

    // Shows the dialog modally. True when the player confirmed a game.
    bool Execute();

    // The confirmation mark and the game confirmed with it.
    bool Confirmed() const { return confirmed_; }
    void ClearConfirmation() { confirmed_ = false; }
    int ChosenGameId() const { return chosenGameId_; }
    const std::string& ChosenGameName() const { return chosenGameName_; }
    int ChosenTreeNumber() const { return chosenTreeNumber_; }

    // The sorted game list (57-character keys) and the image list's icon names.
    const std::vector<std::string>& GameList() const { return gameList_; }
    static int ImageIndexOfType(int gameType);

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildForm();
    QWidget* BuildDescriptionPanel();
    QWidget* BuildPlainPanels();
    void BuildImageList();
    // An icon of the image list, made when first shown: most of the list's pictures never are.
    const QIcon& ImageListIcon(int index);
    void BuildTree();
    void ReadPreferences();

    void FormShow();
    // The first showing's folder, opened with `gameId` selected (or the folder itself).
    void OpenFirstFolder(int gameId);
    void FillFolder(QTreeWidgetItem* folder);
    bool IsUnfilledFolder(const QTreeWidgetItem* node) const;
    QTreeWidgetItem* FindNode(int code) const;
    void trvGamesExpanded(QTreeWidgetItem* node);
    void trvGamesChange(QTreeWidgetItem* node);
    void trvGamesDblClick(QTreeWidgetItem* node);
    void ShowDescription();
    // The description of the selected game, or the plain panels for a folder; not drawn again
    // for the game it already shows.
    void DescribeSelection();
    void ShowFolderPanels();
    // The preview of the selected game, or its empty background when previews are off.
    void DrawPreview();
    // The preview picture of game `code` over the background of a display of many or few
    // colours. Reads only the library: a background thread may make it.
    QImage PreviewPicture(int code, bool lowColour) const;
    // The preview of the game current when the dialog is made is composed on a background
    // thread while the dialog is built (decoding its picture is most of a description's
    // time). The first preview drawn takes it when it is of that game, and drops it if not.
    void ComposePreviewAhead();
    QImage TakePreviewAhead(int code);
    // Drops the pictures of the description and the plain panels (the dialog is closed).
    void ReleasePictures();
    void chkPreviewClick(bool checked);
    void btnOKClick();
    void btnRulesClick();
    void timShowGameTimer();

    const Catalogue& catalogue_;
    SettingsRecord& settings_;
    const ResourceLibrary& library_;
    MessagePort& messages_;
    OpenGameServices services_;

    std::vector<std::string> gameList_;
    // The solver's measured shares of winnable deals, from the file beside GAMES.DAT.
    WinnableShares winnableShares_;
    std::vector<std::optional<QIcon>> imageList_;
    bool lowColourDisplay_ = false;
    struct PreviewAhead {
        int code = kPlaceholderNode;
        bool lowColour = false;
        QImage picture;
        // Last, so that it is joined before the picture goes (also when the dialog's
        // construction fails after it began).
        BackgroundTask task;
    };
    PreviewAhead previewAhead_;

    int folderToOpen_ = kAllGamesFolder;
    bool firstShowing_ = true;
    // The game the first showing was prepared for, until that showing.
    std::optional<int> preparedGameId_;
    // The game whose description and preview the dialog holds (kPlaceholderNode: none).
    int describedCode_ = kPlaceholderNode;
    bool shown_ = false;
    bool confirmed_ = false;
    int chosenGameId_ = -1;
    std::string chosenGameName_;
    int chosenTreeNumber_ = kAllGamesFolder;
    QElapsedTimer descriptionStamp_;
    int settledNode_ = kPlaceholderNode;

    QWidget* pnlSelect_ = nullptr;
    QTreeWidget* trvGames = nullptr;
    QSplitter* splitter_ = nullptr;
    QLabel* lblPlayers = nullptr;
    QComboBox* cboPlayers = nullptr;
    QPushButton* btnStatistics = nullptr;
    QPushButton* btnRules = nullptr;
    QScrollArea* scbDescGame = nullptr;
    QWidget* pnlDescGame = nullptr;
    QWidget* pnlPlain1 = nullptr;
    QWidget* pnlPlain2 = nullptr;
    QLabel* imgFreeware = nullptr;
    bool freewareMade_ = false;  // its picture, made when the panel is first shown
    QLabel* lblGameName = nullptr;
    QCheckBox* chkPreview = nullptr;
    QLabel* imgGame = nullptr;
    QLabel* lblDecks = nullptr;
    QLabel* imgGameTime = nullptr;
    QLabel* lblGameTime = nullptr;
    QLabel* imgDifficult = nullptr;
    QLabel* lblDiffRules = nullptr;
    QLabel* imgSkill = nullptr;
    QLabel* lblSkill = nullptr;
    QLabel* imgWinning = nullptr;
    QLabel* lblDiffWin = nullptr;
    QLabel* lblRedeal = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnOpen = nullptr;
    QPushButton* btnDemo = nullptr;
    QPushButton* btnCancel = nullptr;
    QTimer* timShowGame = nullptr;
    // Each showing's first picture waits for the activation that focuses the tree.
    ActivePicture* activePicture_ = nullptr;
};

}  // namespace tindle
