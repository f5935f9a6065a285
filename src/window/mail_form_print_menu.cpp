// File: Print Preview..., Print... and Calibrate Printer...: the menu's way to
// the print runs of page "Mailings", and the offsets kept for a printer.
#include "print/system_printers.h"
#include "store/database.h"
#include "window/calibration_dialog.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"
#include "window/mailing_printer.h"
#include "window/mailings_page.h"
#include "window/new_stationery_dialog.h"

#include <QAction>
#include <QMenu>

namespace ravelbook {

void frmMailForm::buildPrintMenu() {
    const auto add = [this](const char* name, const QString& text, const QKeySequence& keys) {
        QAction* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        menuFile->insertAction(actQuit, action);
        return action;
    };
    actPrintPreview =
        add("actPrintPreview", tr("Print Pre&view…"), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    actPrint = add("actPrint", tr("&Print…"), QKeySequence::Print);
    actCalibrate = add("actCalibrate", tr("&Calibrate Printer…"), {});
    actNewStationery = add("actNewStationery", tr("New S&tationery…"), {});
    menuFile->insertSeparator(actQuit);
    connect(actPrintPreview, &QAction::triggered, this, &frmMailForm::actPrintPreview_Click);
    connect(actPrint, &QAction::triggered, this, &frmMailForm::actPrint_Click);
    connect(actCalibrate, &QAction::triggered, this, &frmMailForm::actCalibrate_Click);
    connect(actNewStationery, &QAction::triggered, this, &frmMailForm::actNewStationery_Click);
}

void frmMailForm::actPrintPreview_Click() {
    printer_->preview();
}

void frmMailForm::actPrint_Click() {
    printer_->printOnChosenPrinter();
}

void frmMailForm::actCalibrate_Click() {
    runHandler(book_.dialogs, [this] {
        static const SystemPrinters printers;
        CalibrationDialog dialog(book_.settings, book_.dialogs, printers, book_.db.path(),
                                 mailings_->chosenStationery(), this);
        dialog.addStock(mailings_->chosenStock());
        dialog.exec();
    });
}

// The catalogue is read again, so the chooser lists what was saved.
void frmMailForm::actNewStationery_Click() {
    NewStationeryDialog dialog(book_.dialogs, this);
    if (dialog.exec() == QDialog::Accepted)
        mailings_->catalogueChanged();
}

} // namespace ravelbook
