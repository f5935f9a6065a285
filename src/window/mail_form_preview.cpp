// File: Print Preview... and the Preview button: the pages of the current
// choice before they are printed.
#include "window/mail_form.h"

namespace ravelbook {

void frmMailForm::actPrintPreview_Click() {}

} // namespace ravelbook
