#pragma once

#include "core/address_record.h"
#include "print/layout.h"
#include "print/print_job.h"

#include <array>
#include <functional>
#include <optional>
#include <QString>
#include <QWidget>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace ravelbook {

class Bindings;
class CurrentRecord;
class DataSource;
class GroupColumnsModel;
class RecordSetModel;
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
    // The job the controls describe, on this stationery.
    PrintJob printJob(Stationery stationery) const;
    // Leaves the editor on the query of a run that was printed.
    void showEditorOn(const PrintJob& job);

private:
    void buildControls();
    void connectControls();
    void connectGrid();
    void showPrintOptions(Stationery stationery);
    void showAdjustmentNote(const std::optional<qint16>& value);

    const OpenBook& book_;
    CurrentRecord& record_;
    ReturnLines returnLines_;
    Bindings* iniBindings_ = nullptr;
    RecordSetModel* gridModel_ = nullptr;
    GroupColumnsModel* gridColumnsModel_ = nullptr;
};

} // namespace ravelbook
