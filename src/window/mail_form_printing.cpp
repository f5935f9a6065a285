// Page "Mailings": the stationery options, the vertical adjustment and the
// print button, and the five print routines behind it.
#include "print/job_selection.h"
#include "print/print_error.h"
#include "print/print_inputs.h"
#include "print/printer_surface.h"
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
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>

namespace ravelbook {

namespace {

// A run this long shows its progress and can be cancelled.
constexpr int kProgressFrom = 300;
// How often the progress dialog shows where the run is.
constexpr qint64 kProgressEveryMs = 40;

bool isChecked(const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked;
}

// The window as a print run sees it: the print options and the boxes that
// show the current record, read when the run asks. The address boxes are held
// still during a run; what they would show is read through their bindings.
class WindowPrintInputs final : public PrintInputs {
public:
    WindowPrintInputs(const frmMailForm& form, const Bindings& addressBindings)
        : form_(form), addressBindings_(addressBindings) {}

    bool printSample() const override { return isChecked(form_.chkPrintSample); }
    bool firstNameFirst() const override { return isChecked(form_.chkFirstNameFirst); }
    qint16 verticalAdjustment() const override { return form_.intVerticalAdjustment; }
    std::optional<QString> selectedName() const override {
        if (!form_.datGrid->hasCurrent())
            return std::nullopt;
        return form_.datGrid->field(0).toString();
    }
    QString address(int line) const override {
        return addressBindings_.shownValue(form_.txtAddress[line]).toString();
    }
    QString returnAddress(int line) const override { return form_.txtReturnAddress[line]->text(); }
    QString specialText() const override { return form_.txtSpecial->text(); }

private:
    const frmMailForm& form_;
    const Bindings& addressBindings_;
};

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
    connect(cmdPrintMailingList, &QPushButton::clicked, this,
            &frmMailForm::cmdPrintMailingList_Click);
}

void frmMailForm::setPrintDestination(PrintDestination* destination) {
    destination_ = destination ? destination : ownDestination_.get();
}

void frmMailForm::showPrintOptions(Stationery stationery) {
    const PrintOptionsShown shown = printOptionsShownFor(stationery);
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
    if (const std::optional<qint16> value = readVerticalAdjustment(txtVerticalAdjustment->text())) {
        intVerticalAdjustment = *value;
        txtVerticalAdjustment->setStyleSheet(QString());
        txtVerticalAdjustment->setToolTip(QString());
        return;
    }
    // Out of range: the labels keep the last good value, and the box says so.
    txtVerticalAdjustment->setStyleSheet(QStringLiteral("QLineEdit { color: #b00020; }"));
    txtVerticalAdjustment->setToolTip(
        QStringLiteral("Not used: the adjustment must lie between -32768 and 32767 twips. "
                       "Labels stay at %1.")
            .arg(intVerticalAdjustment));
}

void frmMailForm::cmdPrintMailingList_Click() {
    runHandler(dialogs_, [this] {
        const sql::GroupChoice groups = chosenGroups();
        strSQL = sql::selectGroups(groups).text;
        if (!sql::anyGroup(groups)) {
            dialogs_.message(kNoGroupChosen.text, kNoGroupChosen.title, Dialogs::Buttons::Ok);
            return;
        }
        for (const Stationery stationery : kStationeryOrder) {
            if (stationeryOption(stationery)->isChecked()) {
                printOn(stationery);
                return;
            }
        }
        dialogs_.message(kNoStationeryChosen.text, kNoStationeryChosen.title, Dialogs::Buttons::Ok);
    });
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
    print(layoutFor(Stationery::SmallLabels));
}

void frmMailForm::PrintLargeLabels() {
    print(layoutFor(Stationery::LargeLabels));
}

void frmMailForm::PrintLegalEnvelopes() {
    print(layoutFor(Stationery::Envelopes));
}

void frmMailForm::PrintCards() {
    print(layoutFor(Stationery::Cards));
}

void frmMailForm::PrintFlier() {
    print(layoutFor(Stationery::Fliers, optBiFold->isChecked()));
}

void frmMailForm::print(const Layout& layout) {
    lastPrint_ = {};
    lastTally_ = {};
    // The run moves the editor's data source through the records it prints:
    // changes in the editor are dealt with first, as the user says.
    try {
        leaveEditedRecord();
    } catch (const DataSource::LeaveCancelled&) {
        return;
    } catch (const StoreError& error) {
        showError(dialogs_, error.message());
        return;
    }
    PrinterSurface* surface = nullptr;
    try {
        surface = destination_->begin();
    } catch (const PrintError& error) {
        showError(dialogs_, error.message());
        return;
    }
    if (!surface)
        return; // the user called it off

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

    const WindowPrintInputs inputs(*this, *addressBindings_);
    {
        // Refilling the editor's boxes for every record would cost more than printing it.
        const Bindings::Hold hold(*addressBindings_);
        lastPrint_ = runPrint(layout, strSQL, *Data1, inputs, *surface, progress);
    }
    try {
        lastTally_ = destination_->end();
    } catch (const PrintError& error) {
        if (!lastPrint_.failure)
            lastPrint_.failure = error.message();
    }
    progressDialog.reset();

    if (lastPrint_.stop == PrintOutcome::Stop::NoRecord)
        dialogs_.message(kNoRecordToPrint.text, kNoRecordToPrint.title, Dialogs::Buttons::Ok);
    else if (lastPrint_.failure)
        showError(dialogs_, *lastPrint_.failure);
    else if (lastPrint_.items == 0)
        dialogs_.message(kNothingInGroups.text, kNothingInGroups.title, Dialogs::Buttons::Ok);
}

} // namespace ravelbook
