// File: Calibrate Printer...: a sheet to measure how far a printer is off,
// and the offsets kept for it.
#include "print/system_printers.h"
#include "settings/printer_calibration.h"
#include "store/database.h"
#include "window/calibration_dialog.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"

namespace ravelbook {

void frmMailForm::actCalibrate_Click() {
    runHandler(dialogs_, [this] {
        static const SystemPrinters printers;
        CalibrationDialog dialog(settings_, dialogs_, printers, db_.path(), chosenStationery(),
                                 this);
        dialog.exec();
    });
}

PrintOffset frmMailForm::printerOffset(const QString& printer) const {
    const printer_calibration::Offset kept = printer_calibration::read(settings_, printer);
    return {kept.x, kept.y};
}

} // namespace ravelbook
