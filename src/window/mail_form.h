#pragma once

#include "core/address_record.h"
#include "print/layout.h"
#include "print/print_destination.h"
#include "print/print_run.h"
#include "store/data_source.h"
#include "store/statements.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QString>
#include <QWidget>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStatusBar;
class QStringListModel;
class QTabWidget;
class QTableView;

namespace ravelbook {

class SystemPrintDestination;

class Bindings;
class DataNavigator;
class DataSource;
class Database;
class Dialogs;
class GridColumns;
class GroupColumnsModel;
class ExchangeDialogs;
class LimitedTextEdit;
class NameFilterModel;
class PrintPreviewDialog;
class RecordSetModel;
class SettingsStore;
class TwipGeometry;

// The one window of the program: the address editor, the mailing choices and
// the return addresses on three tab pages, over one open address book.
class frmMailForm : public QWidget {
    Q_OBJECT

public:
    static inline const QString kApplication = QStringLiteral("Ravelbook");
    static inline const QString kSection = QStringLiteral("Startup");
    static constexpr int kGroupBoxes = 36;
    // Box i and box 35 - i carry the same group: one on page "Names", one on "Mailings".
    static constexpr int twinOf(int index) { return kGroupBoxes - 1 - index; }

    // Builds the controls, opens the data sources and runs Form_Load.
    frmMailForm(Database& db, SettingsStore& settings, Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmMailForm() override;

    // Settings key of group i's title.
    static QString captionKey(int group);

    // Text of a group box as the user gave it (access-key escaping removed).
    QString groupCaption(int index) const;
    void setGroupCaption(int index, const QString& caption);

    QString strSQL;
    qint16 intVerticalAdjustment = 0;

    // The menu bar above the client area. Features add their actions to these
    // menus (File's entries go before actQuit).
    QMenuBar* menuBar = nullptr;
    QMenu* menuFile = nullptr;
    QAction* actQuit = nullptr;
    QStatusBar* statusBar = nullptr;
    // Every control below sits in the client area, at its designed place.
    QWidget* clientArea = nullptr;
    QSize designedClientSize() const;

    // What a desktop program offers around the designed controls
    // (mail_form_desktop.cpp): books, Find, the grid's group columns, About.
    QMenu* menuEdit = nullptr;
    QMenu* menuHelp = nullptr;
    QAction* actNewBook = nullptr;
    QAction* actOpenBook = nullptr;
    QAction* actFind = nullptr;
    QAction* actAbout = nullptr;
    QAction* actShowGroupColumns = nullptr;
    QLineEdit* txtFind = nullptr;  // narrows the name list; never edits the record shown
    QListView* lstFound = nullptr; // the names it matches, below it
    // Shows the record of the name in this row of the narrowed list.
    void showFound(int row);
    // The recent books offered under File, the latest first.
    QStringList recentBooks() const;
    // Closes this window so that the program opens `path` in its place; asks
    // first when there is no file there.
    void openBook(const QString& path);
    // File: Open Server Book…: a shared book on a PostgreSQL server.
    QAction* actOpenServerBook = nullptr;
    void actOpenServerBook_Click();

    // View: Refresh (F5): others' changes to the book read again, the name list,
    // the record shown and the grid, each staying where it was.
    QMenu* menuView = nullptr;
    QAction* actRefresh = nullptr;
    void actRefresh_Click();
    // Called when the window is activated: the name list is read again when the
    // book changed since it was last read.
    void refreshIfBookChanged();

    // Controls, named as the window's code and tests know them.
    QTabWidget* SSTab1 = nullptr;
    QPushButton* cmdExit = nullptr;

    std::array<QLabel*, 7> lblAddress{};
    QComboBox* cboName = nullptr;
    std::array<QLineEdit*, 6> txtAddress{}; // boxes 0 to 5; box 6 is the notes box below
    LimitedTextEdit* txtNotes = nullptr;    // txtAddress(6)
    std::array<QGroupBox*, 2> Frame1{};
    std::array<QCheckBox*, kGroupBoxes> chkGroups{};
    QPushButton* cmdNewAddress = nullptr;
    QPushButton* cmdEnter = nullptr;
    QPushButton* cmdDeleteRecord = nullptr;

    QRadioButton* optAverySmall = nullptr;
    QRadioButton* optAveryLarge = nullptr;
    QRadioButton* optEnvelope = nullptr;
    QRadioButton* optCards = nullptr;
    QRadioButton* optFlier = nullptr;
    QCheckBox* chkPrintSample = nullptr;
    QPushButton* cmdPrintMailingList = nullptr;
    QPushButton* cmdPreview = nullptr;
    QLabel* lblAdjustmentNote = nullptr;
    QLabel* lblStartAt = nullptr;
    QSpinBox* spnStartAt = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblSpecial = nullptr;
    QLineEdit* txtSpecial = nullptr;
    QGroupBox* frmFold = nullptr;
    QRadioButton* optBiFold = nullptr;
    QRadioButton* optTriFold = nullptr;
    QLabel* Label19 = nullptr;
    QLineEdit* txtVerticalAdjustment = nullptr;
    QCheckBox* chkFirstNameFirst = nullptr;
    QTableView* TDBGridS1 = nullptr;

    DataNavigator* datReturnAddressesBar = nullptr;
    std::array<QLineEdit*, 4> txtReturnAddress{};
    std::array<QLabel*, 3> lblReturnAddress{};
    QLabel* lblReturnAddressPosition = nullptr; // "2 of 3"
    QPushButton* cmdNewReturnAddress = nullptr;
    QPushButton* cmdDeleteReturnAddress = nullptr;

    DataSource* Data1 = nullptr;
    DataSource* datGrid = nullptr;
    DataSource* datIni = nullptr;
    DataSource* datReturnAddresses = nullptr;

    // Life cycle.
    void Form_Load();
    void Form_QueryUnload();
    void Form_Unload();
    void cmdExit_Click();
    void FillComboBox();

    QStringListModel* nameList() const { return nameList_; }

    // Address editing on page "Names".
    void cboName_Click();
    void cmdNewAddress_Click();
    void cmdEnter_Click();
    void cmdDeleteRecord_Click();
    bool newAddressMode() const { return newAddressMode_; }

    // The group boxes, index 0 to 35.
    void chkGroups_Click(int index);
    void chkGroups_MouseUp(int index, Qt::MouseButton button);
    // The groups chosen on page "Mailings": group k is box 35 - k.
    GroupChoice chosenGroups() const;

    // Print job selection on page "Mailings".
    void optAverySmall_Click();
    void optAveryLarge_Click();
    void optEnvelope_Click();
    void optCards_Click();
    void optFlier_Click();
    void txtVerticalAdjustment_Change();
    void acceptVerticalAdjustment();
    void showAdjustmentNote(const std::optional<qint16>& value);
    void cmdPrintMailingList_Click();
    // The option button that chooses this stationery.
    QRadioButton* stationeryOption(Stationery stationery) const;

    // The print routines, one for each stationery.
    void PrintSmallLabels();
    void PrintLargeLabels();
    void PrintLegalEnvelopes();
    void PrintCards();
    void PrintFlier();

    // File: Print Preview..., Print... and Calibrate Printer..., and the Preview button.
    QAction* actPrintPreview = nullptr;
    QAction* actPrint = nullptr;
    QAction* actCalibrate = nullptr;
    void actPrintPreview_Click();
    void actPrint_Click();
    void actCalibrate_Click();
    // The stationery chosen on page "Mailings"; none when no option is on.
    std::optional<Stationery> chosenStationery() const;

    // Where print runs go; nullptr restores the window's own (the system's printer).
    void setPrintDestination(PrintDestination* destination);
    // Runs the print preview, true when the user asked to print from it; by
    // default modally. Tests and the benchmark look at the dialog instead.
    using PreviewRunner = std::function<bool(PrintPreviewDialog&)>;
    void setPreviewRunner(PreviewRunner runner) { previewRunner_ = std::move(runner); }
    // How the last print run ended and what it put out.
    const PrintOutcome& lastPrint() const { return lastPrint_; }
    const PrintTally& lastPrintTally() const { return lastTally_; }

Q_SIGNALS:
    // The user chose another book and this window closed to make way for it.
    void bookChosen(const QString& path);

public:
    // File: Import... and Export... (mail_form_exchange.cpp).
    QAction* actImport = nullptr;
    QAction* actExport = nullptr;
    void actImport_Click();
    void actExport_Click();
    // Where import and export ask for files and run the preview; nullptr for Qt's own.
    void setExchangeDialogs(ExchangeDialogs* dialogs);
    GroupTitles groupTitles() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void applyGeometry();
    // Places the controls for the client area's present size and tells which
    // group captions are cut.
    void placeControls();
    void setUpDesktop();
    void buildBookMenu();
    void buildViewMenu();
    void refreshNameList();
    // Changes the name list, keeping the entry shown in the name box (or what was typed there).
    void keepNameShown(const std::function<void()>& change);
    // A record of the book written or deleted here: its entry in the name list follows.
    void placeInNameList(qint64 key, const QVariant& name);
    void dropFromNameList(qint64 key);
    // Makes this record's entry the one chosen in the name list (none when it has none).
    void chooseInNameList(qint64 key);
    // The row of the whole name list chosen in the name box; -1 for none.
    int chosenNameListRow() const;
    // The name list's entry of this record; end() when it has none.
    std::vector<qint64>::iterator nameListEntry(qint64 key);
    // Where the File menu's book entries end.
    QAction* booksEnd() const;
    void buildFind();
    void fillRecentBooks();
    void switchToBook(QString path, bool askFirst);
    void placeFoundList();
    void restoreChoices();
    void keepChoices();
    void buildNamesPage(QWidget* page);
    void buildMailingsPage(QWidget* page);
    void buildReturnAddressPage(QWidget* page);
    void buildGroupBoxes(QGroupBox* frame, bool onMailingsPage);
    void openDataSources();
    void bindControls();
    void connectGrid();
    void connectEditing();
    void connectGroupBoxes();
    void connectPrinting();
    void connectReturnAddresses();
    void showReturnAddressPosition();
    void newReturnAddress();
    void deleteReturnAddress();
    void showPrintOptions(Stationery stationery);
    // Runs the print routine of this stationery.
    void printOn(Stationery stationery);
    void print(Stationery stationery);
    void buildPrintMenu();
    // The print button's checks: the group query into strSQL, a group and a
    // stationery chosen (else the user is told). The job the page describes.
    std::optional<PrintJob> requestedJob();
    // Prints the job on `destination`, telling the user on the status line or,
    // for a failure, in a box.
    void runJob(const PrintJob& job, PrintDestination& destination);
    // Whether a selected run has something to print; if not, the user is told
    // why (no record chosen, the book unreadable, groups without members).
    bool printable(const PrintRun& run, const PrintOutcome& selected);
    // What the run did, for the status line.
    QString printSummary(Stationery stationery, const PrintDestination& destination) const;
    // The offsets kept for this printer's calibration; none for a file.
    PrintOffset printerOffset(const QString& printer) const;
    // The job the controls of page "Mailings" describe, on this stationery.
    PrintJob printJob(Stationery stationery) const;
    void showEditorOn(const PrintJob& job);
    void setNewAddressMode(bool on);
    void centreOnScreen();
    // Writes edits still in the bound boxes; false when the user would rather
    // keep the window open and try again.
    bool savePendingEdits();
    // Asks what to do with the changes of a record that is being left.
    DataSource::Leave askToLeave(const DataSource& source);
    // Leaves the record shown in the editor as the user says. Throws DataSource::LeaveCancelled
    // when the user stays, StoreError when saving fails.
    void leaveEditedRecord();
    // Escape in new-address mode: drops the new record, asking first when it was typed into.
    void discardNewAddress();
    void restoreGroupTitles();

    Database& db_;
    SettingsStore& settings_;
    Dialogs& dialogs_;
    TwipGeometry* geometry_ = nullptr;
    Bindings* addressBindings_ = nullptr;
    Bindings* iniBindings_ = nullptr;
    Bindings* returnBindings_ = nullptr;
    RecordSetModel* gridModel_ = nullptr;
    GroupColumnsModel* gridColumnsModel_ = nullptr;
    GridColumns* gridColumns_ = nullptr;
    NameFilterModel* nameFilter_ = nullptr;
    QStringListModel* nameList_ = nullptr;
    std::vector<qint64> nameListKeys_; // the record behind each entry of the name list
    std::optional<qint64> bookMark_;   // the book's change mark when it was last read
    // The titles as the window started with them: on exit only the ones renamed
    // since are written, so another window's renames are kept.
    std::array<QString, kGroupCount> titlesAtStart_;
    bool unloaded_ = false;
    bool damageFoundAtStart_ = false;
    bool newAddressMode_ = false;
    std::unique_ptr<SystemPrintDestination> ownDestination_;
    PrintDestination* destination_ = nullptr;
    PreviewRunner previewRunner_;
    PrintOutcome lastPrint_;
    PrintTally lastTally_;

    void buildExchangeMenu();
    ExchangeDialogs& exchangeDialogs();
    ExchangeDialogs* exchangeDialogs_ = nullptr;
    std::shared_ptr<ExchangeDialogs> ownExchangeDialogs_;
};

} // namespace ravelbook
