#pragma once

#include "core/address_record.h"
#include "print/job_selection.h"
#include "print/layout.h"
#include "print/print_job.h"
#include "print/stationery/stationery_catalogue.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QString>
#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QThread;

namespace ravelbook {

class Bindings;
class CurrentRecord;
class DataSource;
class GroupColumnsModel;
class Placer;
class RecordSetModel;
class StationeryChooser;
struct OpenBook;

// Page "Mailings": what to print (the stationery and its options, the groups,
// the vertical adjustment) and the grid of the records the groups hold. The
// job it describes is printed by MailingPrinter.
class MailingsPage : public QWidget {
    Q_OBJECT

public:
    // A group's title as page "Names" shows it, for the grid's columns.
    using GroupTitleOf = std::function<QString(int group)>;
    // The return address's lines as page "Return Address" shows them.
    using ReturnLines = std::function<std::array<QString, 3>()>;
    MailingsPage(const OpenBook& book, CurrentRecord& record, GroupTitleOf groupTitle,
                 ReturnLines returnLines, QTabWidget* tabs);
    ~MailingsPage() override;

    QRadioButton* optAverySmall = nullptr;
    QRadioButton* optAveryLarge = nullptr;
    QRadioButton* optEnvelope = nullptr;
    QRadioButton* optCards = nullptr;
    QRadioButton* optFlier = nullptr;
    // A sixth option: a stationery of the catalogue, chosen in the chooser,
    // and its name beside it.
    QRadioButton* optMoreStationery = nullptr;
    QLabel* lblStock = nullptr;
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
    // The mailing options, in the row above the grid, and the address list's
    // paper where the label sheets' start is.
    QRadioButton* optAddressList = nullptr;
    QLabel* lblListPaper = nullptr;
    QComboBox* cboListPaper = nullptr;
    QLabel* lblCopies = nullptr;
    QSpinBox* spnCopies = nullptr;
    QCheckBox* chkFillSheet = nullptr;
    QLabel* lblSortBy = nullptr;
    QComboBox* cboSortBy = nullptr;
    QCheckBox* chkCloseUp = nullptr;
    QTableView* TDBGridS1 = nullptr;
    QLineEdit* txtReturnAddress3 = nullptr; // txtReturnAddress(3): the return address's name
    QGroupBox* Frame1 = nullptr;            // Frame1(1)
    std::array<QCheckBox*, kGroupCount> chkGroups{}; // group k is box 35 - k
    QAction* actShowGroupColumns = nullptr;

    DataSource* datGrid = nullptr;
    DataSource* datIni = nullptr;
    GroupColumnsModel& gridColumns() const { return *gridColumnsModel_; }

    // The query of the groups chosen, as the last print or group click built it.
    QString strSQL;
    qint16 intVerticalAdjustment = 0;

    void optAverySmall_Click();
    void optAveryLarge_Click();
    void optEnvelope_Click();
    void optCards_Click();
    void optFlier_Click();
    void optAddressList_Click();
    // Opens the chooser; Cancel leaves the choice as it was.
    void optMoreStationery_Click();
    // Runs the chooser, true when the user chose; by default modally.
    using ChooserRunner = std::function<bool(StationeryChooser&)>;
    void setChooserRunner(ChooserRunner runner) { chooserRunner_ = std::move(runner); }
    // Makes a catalogue entry the choice: its option for one of the built-in
    // five, else "More stationery…" with its name shown.
    void chooseStock(const StockTemplate& stock);
    // The catalogue stationery chosen; null when "More stationery…" is not.
    std::shared_ptr<const StockTemplate> chosenStock() const;
    // Chooses the kept id once the catalogue is read, in the background; an id
    // the catalogue no longer has leaves no choice.
    void restoreStock(const QString& id);
    // The catalogue, read on first use; catalogueChanged() reads the folders again.
    std::shared_ptr<const StationeryCatalogue> catalogue();
    void catalogueChanged();
    void txtVerticalAdjustment_Change();
    void acceptVerticalAdjustment();
    // A box of this page toggled: the grid shows the groups chosen.
    void chkGroups_Click(int group);

    GroupChoice chosenGroups() const;
    // The stationery chosen; none when no option is on.
    std::optional<Stationery> chosenStationery() const;
    // The option button that chooses this stationery.
    QRadioButton* stationeryOption(Stationery stationery) const;
    // The print button's checks: the group query into strSQL, a group and a
    // stationery chosen (else the user is told). The job the page describes.
    std::optional<PrintJob> requestedJob();
    // The job on the chosen catalogue stationery; none when it is not chosen.
    std::optional<PrintJob> stockJob() const;
    // The job on whichever of the six options is chosen; none when none is.
    std::optional<PrintJob> chosenJob() const;
    // The chosen records as an address list; none when it is not chosen.
    std::optional<PrintJob> addressListJob() const;
    // A sheet of the return address shown, on the label stationery chosen:
    // the free labels from Start at label, or "Copies of each" labels. None
    // when no stationery is chosen (the user is told); other stationery is
    // refused by the run.
    std::optional<PrintJob> requestedSenderLabels();
    // The sort order and the list's paper chosen, and choosing them.
    SortOrder chosenSortOrder() const;
    void chooseSortOrder(SortOrder order);
    ListPaper chosenListPaper() const;
    void chooseListPaper(ListPaper paper);
    // The job the controls describe, on this stationery.
    PrintJob printJob(Stationery stationery) const;
    // Leaves the editor on the query of a run that was printed.
    void showEditorOn(const PrintJob& job);

private:
    void buildControls();
    void buildMailingOptions(Placer& onPage);
    void connectControls();
    void connectGrid();
    void showPrintOptions(Stationery stationery);
    void showPrintOptions(const PrintOptionsShown& shown, int slots);
    // Enables the mailing options that the stationery chosen uses.
    void showMailingOptions();
    // The mailing options on `job`, as far as its stationery takes them.
    void applyMailingOptions(PrintJob& job) const;
    void showStockOptions();
    void waitForCatalogue();
    void showAdjustmentNote(const std::optional<qint16>& value);

    const OpenBook& book_;
    CurrentRecord& record_;
    GroupTitleOf groupTitle_;
    ReturnLines returnLines_;
    int slotsShown_ = 0; // of the stationery whose options are shown
    Bindings* iniBindings_ = nullptr;
    RecordSetModel* gridModel_ = nullptr;
    GroupColumnsModel* gridColumnsModel_ = nullptr;
    ChooserRunner chooserRunner_;
    std::shared_ptr<const StockTemplate> stock_;
    std::shared_ptr<const StationeryCatalogue> catalogue_;
    // Reads the catalogue for a kept choice; waited for before the page goes.
    std::unique_ptr<QThread> loader_;
    std::shared_ptr<const StationeryCatalogue> loaded_; // by loader_, taken once it finished
    QRadioButton* checkedBeforeMore_ = nullptr;
};

} // namespace ravelbook
