// Page "Mailings": the stationery options, the vertical adjustment and the
// print button, and the five print routines behind it.
#include "core/counted.h"
#include "print/book_addresses.h"
#include "print/job_selection.h"
#include "print/painted_destination.h"
#include "print/print_error.h"
#include "print/printer_surface.h"
#include "print/system_printers.h"
#include "print/vertical_adjustment.h"
#include "store/data_source.h"
#include "store/database.h"
#include "window/bindings.h"
#include "window/dialogs.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"
#include "window/system_print_destination.h"

#include <memory>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>

namespace ravelbook {

namespace {

// A run this long shows its progress and can be cancelled.
constexpr int kProgressFrom = 300;
// How often the progress dialog shows where the run is.
constexpr qint64 kProgressEveryMs = 40;

// Red text for an entry that is not used. Through the palette: a style sheet
// would give the box the style sheet's font, another than the page's.
void setRefusedLook(QLineEdit* box, bool refused) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, refused
                                         ? QColor(0xb0, 0x00, 0x20)
                                         : box->style()->standardPalette().color(QPalette::Text));
    box->setPalette(palette);
}

bool isChecked(const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked;
}

} // namespace

void frmMailForm::connectPrinting() {
    ownDestination_ = std::make_unique<SystemPrintDestination>(dialogs_, db_.path());
    destination_ = ownDestination_.get();
    connect(optAverySmall, &QRadioButton::clicked, this, &frmMailForm::optAverySmall_Click);
    connect(optAveryLarge, &QRadioButton::clicked, this, &frmMailForm::optAveryLarge_Click);
    connect(optEnvelope, &QRadioButton::clicked, this, &frmMailForm::optEnvelope_Click);
    connect(optCards, &QRadioButton::clicked, this, &frmMailForm::optCards_Click);
    connect(optFlier, &QRadioButton::clicked, this, &frmMailForm::optFlier_Click);
    connect(txtVerticalAdjustment, &QLineEdit::textChanged, this,
            &frmMailForm::txtVerticalAdjustment_Change);
    connect(txtVerticalAdjustment, &QLineEdit::editingFinished, this,
            &frmMailForm::acceptVerticalAdjustment);
    connect(cmdPrintMailingList, &QPushButton::clicked, this,
            &frmMailForm::cmdPrintMailingList_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &frmMailForm::actPrintPreview_Click);
}

void frmMailForm::buildPrintMenu() {
    const auto add = [this](const char* name, const char* text, const QKeySequence& keys) {
        QAction* action = new QAction(QString::fromUtf8(text), this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        menuFile->insertAction(actQuit, action);
        return action;
    };
    actPrintPreview =
        add("actPrintPreview", "Print Pre&view…", QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    actPrint = add("actPrint", "&Print…", QKeySequence::Print);
    actCalibrate = add("actCalibrate", "&Calibrate Printer…", {});
    menuFile->insertSeparator(actQuit);
    connect(actPrintPreview, &QAction::triggered, this, &frmMailForm::actPrintPreview_Click);
    connect(actPrint, &QAction::triggered, this, &frmMailForm::actPrint_Click);
    connect(actCalibrate, &QAction::triggered, this, &frmMailForm::actCalibrate_Click);
}

void frmMailForm::actPrint_Click() {
    runHandler(dialogs_, [this] {
        const std::optional<PrintJob> job = requestedJob();
        if (!job)
            return;
        const std::optional<Dialogs::PrinterChoice> printer = dialogs_.choosePrinter();
        if (!printer)
            return;
        // Without any printer the run goes to a PDF file, as from the print button.
        if (printer->name.isEmpty() && printer->pdfFile.isEmpty()) {
            runJob(*job, *destination_);
            return;
        }
        static const SystemPrinters printers;
        const std::unique_ptr<PaintedDestination> chosen =
            printer->pdfFile.isEmpty()
                ? PaintedDestination::printer(printers, printer->name, printer->copies)
                : PaintedDestination::pdf(printer->pdfFile, db_.path());
        runJob(*job, *chosen);
    });
}

void frmMailForm::setPrintDestination(PrintDestination* destination) {
    destination_ = destination ? destination : ownDestination_.get();
}

void frmMailForm::showPrintOptions(Stationery stationery) {
    const PrintOptionsShown shown = printOptionsShownFor(stationery);
    // A partly used sheet of labels can be finished; the other stationery has no slots.
    const int slots = slotsPerSheet(stationery);
    lblStartAt->setVisible(slots > 0);
    spnStartAt->setVisible(slots > 0);
    // Only label sheets are moved by the vertical adjustment.
    for (QWidget* adjustment :
         {static_cast<QWidget*>(Label19), static_cast<QWidget*>(txtVerticalAdjustment),
          static_cast<QWidget*>(lblAdjustmentNote)})
        adjustment->setVisible(slots > 0);
    if (slots > 0)
        spnStartAt->setRange(1, slots);
    lblSpecial->setVisible(shown.lblSpecial);
    txtSpecial->setVisible(shown.txtSpecial);
    frmFold->setVisible(shown.frmFold);
    Label1->setVisible(shown.Label1);
    txtReturnAddress[3]->setVisible(shown.txtReturnAddress3);
}

void frmMailForm::optAverySmall_Click() {
    showPrintOptions(Stationery::SmallLabels);
}

void frmMailForm::optAveryLarge_Click() {
    showPrintOptions(Stationery::LargeLabels);
}

void frmMailForm::optEnvelope_Click() {
    showPrintOptions(Stationery::Envelopes);
}

void frmMailForm::optCards_Click() {
    showPrintOptions(Stationery::Cards);
}

void frmMailForm::optFlier_Click() {
    showPrintOptions(Stationery::Fliers);
}

void frmMailForm::txtVerticalAdjustment_Change() {
    // The book's own value is in force at once; a typed entry once it is finished.
    if (!txtVerticalAdjustment->isModified())
        acceptVerticalAdjustment();
    else
        showAdjustmentNote(usableVerticalAdjustment(txtVerticalAdjustment->text()));
}

void frmMailForm::acceptVerticalAdjustment() {
    const std::optional<qint16> value = usableVerticalAdjustment(txtVerticalAdjustment->text());
    if (value) {
        intVerticalAdjustment = *value;
        if (txtVerticalAdjustment->isModified()) {
            txtVerticalAdjustment->setModified(false);
            iniBindings_->handOver(txtVerticalAdjustment);
        }
    }
    showAdjustmentNote(value);
}

void frmMailForm::showAdjustmentNote(const std::optional<qint16>& value) {
    const QString text = txtVerticalAdjustment->text();
    if (value) {
        setRefusedLook(txtVerticalAdjustment, false);
        txtVerticalAdjustment->setToolTip(QString());
        // "1,440" is read as 1: say so when the text is not written plainly.
        lblAdjustmentNote->setText(
            isPlainWholeNumber(text) ? QString() : QStringLiteral("Labels use %1").arg(*value));
        return;
    }
    // Refused: the labels keep the last good value, and the box says so.
    const AdjustmentRange range = usableAdjustments();
    setRefusedLook(txtVerticalAdjustment, true);
    txtVerticalAdjustment->setToolTip(
        QStringLiteral("Not used: the adjustment must lie between %1 and %2 twips, or lines of "
                       "the last labels leave the printable area. Labels stay at %3.")
            .arg(range.lowest)
            .arg(range.highest)
            .arg(intVerticalAdjustment));
    lblAdjustmentNote->setText(QStringLiteral("Labels stay at %1").arg(intVerticalAdjustment));
}

void frmMailForm::cmdPrintMailingList_Click() {
    runHandler(dialogs_, [this] {
        if (const std::optional<PrintJob> job = requestedJob())
            printOn(job->stationery);
    });
}

std::optional<PrintJob> frmMailForm::requestedJob() {
    // A print from the menu leaves the box with the focus: its entry counts as finished.
    acceptVerticalAdjustment();
    const GroupChoice groups = chosenGroups();
    strSQL = sql::selectGroups(groups).text;
    if (!sql::anyGroup(groups)) {
        dialogs_.message(kNoGroupChosen.text, kNoGroupChosen.title, Dialogs::Buttons::Ok);
        return std::nullopt;
    }
    if (const std::optional<Stationery> stationery = chosenStationery())
        return printJob(*stationery);
    dialogs_.message(kNoStationeryChosen.text, kNoStationeryChosen.title, Dialogs::Buttons::Ok);
    return std::nullopt;
}

std::optional<Stationery> frmMailForm::chosenStationery() const {
    for (const Stationery stationery : kStationeryOrder) {
        if (stationeryOption(stationery)->isChecked())
            return stationery;
    }
    return std::nullopt;
}

QRadioButton* frmMailForm::stationeryOption(Stationery stationery) const {
    const std::array<QRadioButton*, 5> options = {optAverySmall, optAveryLarge, optEnvelope,
                                                  optCards, optFlier};
    return options[std::size_t(stationery)];
}

void frmMailForm::printOn(Stationery stationery) {
    const std::array<void (frmMailForm::*)(), 5> routines = {
        &frmMailForm::PrintSmallLabels, &frmMailForm::PrintLargeLabels,
        &frmMailForm::PrintLegalEnvelopes, &frmMailForm::PrintCards, &frmMailForm::PrintFlier};
    (this->*routines[std::size_t(stationery)])();
}

void frmMailForm::PrintSmallLabels() {
    print(Stationery::SmallLabels);
}

void frmMailForm::PrintLargeLabels() {
    print(Stationery::LargeLabels);
}

void frmMailForm::PrintLegalEnvelopes() {
    print(Stationery::Envelopes);
}

void frmMailForm::PrintCards() {
    print(Stationery::Cards);
}

void frmMailForm::PrintFlier() {
    print(Stationery::Fliers);
}

PrintJob frmMailForm::printJob(Stationery stationery) const {
    PrintJob job;
    job.stationery = stationery;
    job.biFold = optBiFold->isChecked();
    job.records.groups = chosenGroups();
    job.records.single = isChecked(chkPrintSample);
    // The grid's current record; none when the editor holds no record at all.
    const bool editorHasRecords = Data1->hasRecordSet() && !(Data1->bof() && Data1->eof());
    if (job.records.single && editorHasRecords && datGrid->hasCurrent())
        job.records.record = datGrid->currentKey();
    job.firstNameFirst = isChecked(chkFirstNameFirst);
    job.specialText = txtSpecial->text();
    for (int line = 0; line < 3; ++line)
        job.returnAddress[std::size_t(line)] = txtReturnAddress[line]->text();
    job.verticalAdjustment = intVerticalAdjustment;
    if (slotsPerSheet(stationery) > 0)
        job.startAt = spnStartAt->value();
    return job;
}

void frmMailForm::print(Stationery stationery) {
    runJob(printJob(stationery), *destination_);
}

void frmMailForm::runJob(const PrintJob& job, PrintDestination& destination) {
    lastPrint_ = {};
    lastTally_ = {};
    // The editor is left on the printed records afterwards: changes in it are
    // dealt with first, as the user says.
    try {
        leaveEditedRecord();
    } catch (const DataSource::LeaveCancelled&) {
        return;
    } catch (const StoreError& error) {
        showError(dialogs_, error.message());
        return;
    }
    BookAddresses addresses(db_);
    PrintRun run(job, addresses);
    // What can't be printed is said before a printer is started or a file asked for.
    lastPrint_ = run.select();
    if (!printable(run, lastPrint_)) {
        // Groups without members leave the editor on their query, as any group run does.
        if (lastPrint_.stop == PrintOutcome::Stop::Done && !lastPrint_.failure)
            showEditorOn(run.job());
        return;
    }

    PrinterSurface* surface = nullptr;
    try {
        surface = destination.begin();
    } catch (const PrintError& error) {
        showError(dialogs_, error.message());
        return;
    }
    if (!surface)
        return; // the user called it off
    // A calibrated printer has its offsets added to every print.
    run.setOffset(job.offset + printerOffset(destination.printer()));

    std::unique_ptr<QProgressDialog> progressDialog;
    QElapsedTimer sinceShown;
    const PrintProgress progress = [&](int done, int total) {
        if (total < kProgressFrom || !isVisible())
            return true;
        if (!progressDialog) {
            progressDialog = std::make_unique<QProgressDialog>(
                QStringLiteral("Printing..."), QStringLiteral("Cancel"), 0, total, this);
            progressDialog->setWindowTitle(kApplication);
            progressDialog->setWindowModality(Qt::WindowModal);
            progressDialog->setMinimumDuration(0);
        } else if (sinceShown.isValid() && sinceShown.elapsed() < kProgressEveryMs &&
                   done < total) {
            return true; // showing every item would cost more than printing it
        }
        progressDialog->setLabelText(QStringLiteral("Item %1 of %2").arg(done).arg(total));
        progressDialog->setValue(done); // also lets Cancel through
        sinceShown.start();
        return !progressDialog->wasCanceled();
    };

    lastPrint_ = run.draw(*surface, progress);
    try {
        lastTally_ = destination.end();
    } catch (const PrintError& error) {
        if (!lastPrint_.failure)
            lastPrint_.failure = error.message();
    }
    progressDialog.reset();
    showEditorOn(run.job());

    if (lastPrint_.failure) {
        statusBar->clearMessage();
        showError(dialogs_, *lastPrint_.failure);
        return;
    }
    const QString fitted = lineFitsNote(lastPrint_);
    statusBar->showMessage(printSummary(job.stationery, destination) +
                           (fitted.isEmpty() ? QString() : QStringLiteral(" ") + fitted));
    // The next run starts on a fresh sheet unless the user says otherwise.
    if (lastPrint_.items > 0)
        spnStartAt->setValue(1);
}

QString frmMailForm::printSummary(Stationery stationery,
                                  const PrintDestination& destination) const {
    static const char* const kItems[][2] = {{"label", "labels"},
                                            {"label", "labels"},
                                            {"envelope", "envelopes"},
                                            {"card", "cards"},
                                            {"flier", "fliers"}};
    const auto& items = kItems[std::size_t(stationery)];
    const bool labels = slotsPerSheet(stationery) > 0;
    const QString sheets =
        counted(lastTally_.pages, labels ? "sheet" : "page", labels ? "sheets" : "pages");
    if (lastPrint_.stop == PrintOutcome::Stop::Cancelled) {
        const QString where = destination.printer().isEmpty()
                                  ? QStringLiteral("%1 holds the %2 drawn before the cancel")
                                  : QStringLiteral("%2 went to %1");
        return QStringLiteral("Cancelled after %1 of %2: ")
                   .arg(lastPrint_.items)
                   .arg(counted(lastPrint_.total, items[0], items[1])) +
               where.arg(destination.where(), sheets) + QStringLiteral(".");
    }
    return QStringLiteral("Printed %1 on %2 to %3.")
        .arg(counted(lastPrint_.items, items[0], items[1]), sheets, destination.where());
}

bool frmMailForm::printable(const PrintRun& run, const PrintOutcome& selected) {
    if (selected.stop == PrintOutcome::Stop::NoRecord) {
        dialogs_.message(kNoRecordToPrint.text, kNoRecordToPrint.title, Dialogs::Buttons::Ok);
        return false;
    }
    if (selected.failure) {
        showError(dialogs_, *selected.failure);
        return false;
    }
    if (run.total() == 0) {
        dialogs_.message(kNothingInGroups.text, kNothingInGroups.title, Dialogs::Buttons::Ok);
        return false;
    }
    return true;
}

// The editor is left on the query of the run, as it always was: past its last
// record after a group run, on the printed record after a single one.
void frmMailForm::showEditorOn(const PrintJob& job) {
    // The boxes show the record the editor ends on, once.
    const Bindings::Hold hold(*addressBindings_);
    try {
        if (job.records.single) {
            const QString name = datGrid->hasCurrent() ? datGrid->field(0).toString() : QString();
            const sql::RecordSource query = sql::selectAddressesNamed(name);
            strSQL = query.text;
            Data1->setRecordSource(query);
            Data1->refresh();
            if (job.records.record)
                Data1->moveToKey(*job.records.record);
        } else {
            Data1->setRecordSource({strSQL, {}});
            Data1->refresh();
            if (Data1->recordCount() > 0) {
                Data1->moveLast();
                Data1->moveNext();
            }
        }
    } catch (const StoreError& error) {
        showError(dialogs_, error.message());
    }
}

} // namespace ravelbook
