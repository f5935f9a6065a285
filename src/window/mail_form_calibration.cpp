// File: Calibrate Printer...: a sheet to measure how far a printer is off,
// and the offsets kept for it.
#include "window/mail_form.h"

namespace ravelbook {

void frmMailForm::actCalibrate_Click() {}

PrintOffset frmMailForm::printerOffset(const QString&) const {
    return {};
}

} // namespace ravelbook
