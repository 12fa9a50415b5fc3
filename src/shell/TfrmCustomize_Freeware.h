#pragma once

#include <QDialog>
#include <QIcon>
#include <QImage>

#include "shell/AdvancedForm.h"
#include "shell/TfrmCustomizeChoices.h"
#include "shell/TfrmCustomizeSamples.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The Customize dialog: the card back, the table background, the clock, score and quit
// confirmations and the master sound switch. A new dialog is made for every opening
// (Execute). The choices are previewed in its samples only; OK stores them in the settings
// record and the preferences file, and any closing reloads the card pictures and redraws the
// table: with the choices after OK, with the settings saved at opening after Cancel or the
// close box, so that the table is then exactly as it was.

namespace tindle {

class TfrmMain;
class TindleApp;

class TfrmCustomize_Freeware : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 400;
    static constexpr int kClientHeight = 301;

    TfrmCustomize_Freeware(TindleApp& app, TfrmMain& main);
    ~TfrmCustomize_Freeware() override;

    // The Customize command: a new dialog, shown modally, then destroyed.
    static void Execute(TindleApp& app, TfrmMain& main);

    // What the dialog would store now.
    const CustomizeChoices& Choices() const { return choices_; }
    // Set at opening and by Cancel, cleared by OK: the closing puts the saved settings back.
    bool RestoreMark() const { return restoreMark_; }
    const QImage& BackgroundSampleImage() const { return backgroundSample_; }
    const QImage& DecksSampleImage() const { return decksSample_; }
    // Where the card back lies on the Decks sample.
    QPoint BackPlace() const;

    // ---- Components.
    QTabWidget* pgcCustomize = nullptr;
    QWidget* tabGeneral = nullptr;
    QWidget* tabDecks = nullptr;
    QWidget* tabBackgrounds = nullptr;
    QWidget* tabSounds = nullptr;
    // "General".
    QGroupBox* grpTimeScore = nullptr;
    QCheckBox* chkShowTime = nullptr;
    QCheckBox* chkShowScore = nullptr;
    QGroupBox* grpShow = nullptr;
    QCheckBox* chkConfirmQuitGame = nullptr;
    QCheckBox* chkAnimateDeal = nullptr;
    QCheckBox* chkWinnableDealsOnly = nullptr;
    QCheckBox* chkWinningAnimation = nullptr;  // hidden
    QCheckBox* chkConfirmOnExit = nullptr;     // hidden
    QGroupBox* grpButtons = nullptr;           // hidden
    QGroupBox* grpCardSize = nullptr;
    QComboBox* cmbCardSize = nullptr;  // Automatic, then the zooms
    QCheckBox* chkTBLargeIcons = nullptr;
    QCheckBox* chkTBFlatBtn = nullptr;
    // "Decks".
    QLabel* lblSelectBack = nullptr;
    QTreeWidget* trvCardBack = nullptr;
    QGroupBox* grpDecks = nullptr;
    QLabel* imgSfondoEsempio2 = nullptr;
    QWidget* imgDorsoEsempio = nullptr;  // marks the place of the back on the sample
    QLabel* lblDecks = nullptr;
    // "Backgrounds".
    QLabel* lblSelectBackground = nullptr;
    QTreeWidget* trvBackGround = nullptr;
    QGroupBox* grpBackground = nullptr;
    QLabel* imgSfondoEsempio = nullptr;
    QLabel* lblBackGround = nullptr;
    QCheckBox* chkFadeBackground = nullptr;
    // "Sounds".
    QCheckBox* chkSoundsEnabled = nullptr;
    // Buttons.
    QPushButton* btnOK = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnAiuto = nullptr;

  public slots:
    // Every closing (OK, Cancel, the close box, Escape) ends here.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CreateComponents();
    void CreateGeneralTab();
    void CreateDecksTab();
    void CreateBackgroundsTab();
    void CreateSoundsTab();
    void FillTrees();
    void ConnectHandlers();

    void FormShow();
    void FormClose();
    void trvCardBackChange();
    void trvBackGroundChange();
    void chkFadeBackgroundClick();
    void pgcCustomizeChange();
    void btnOKClick();
    void btnAiutoClick();

    // The check boxes read into choices_.
    void TakeCheckBoxes();
    void RefreshSamples();
    void RefreshBackgroundSample();
    void RefreshDecksSample();
    BackgroundSampleInputs SampleInputs() const;
    QTreeWidgetItem* NodeWithCode(QTreeWidget* tree, long long code) const;
    QTreeWidgetItem* NodeAtPosition(QTreeWidget* tree, int position) const;
    void SelectNode(QTreeWidget* tree, QTreeWidgetItem* node);
    // The chosen back's node shows the card turned over.
    void MarkChosenBack();

    TindleApp& app_;
    TfrmMain& main_;
    CustomizeSavedState saved_;
    CustomizeChoices choices_;
    long long plainColour_ = 0;
    long long shownBack_ = 0;  // the back on the Decks sample
    bool restoreMark_ = false;
    bool shown_ = false;
    bool closing_ = false;
    QImage backgroundSample_;
    QImage decksSample_;
    QIcon backIcon_;
    QIcon chosenBackIcon_;
};

// The main window's Customize command (Tools menu, Ctrl+U) made available: it opens a new
// dialog each time.
void OfferCustomizeCommand(TindleApp& app, TfrmMain& window);

}  // namespace tindle
