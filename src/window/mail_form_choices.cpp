// The choices of page "Mailings", the return address shown and the window's
// size and place, kept for the next start.
#include "print/job_selection.h"
#include "settings/choices.h"
#include "store/data_source.h"
#include "store/database.h"
#include "store/store_error.h"
#include "window/mail_form.h"
#include "window/system_print_destination.h"

#include <algorithm>
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace ravelbook {

void frmMailForm::restoreChoices() {
    const choices::Choices kept = choices::read(settings_);
    for (const Stationery stationery : kStationeryOrder) {
        QRadioButton* option = stationeryOption(stationery);
        if (option->objectName() == kept.stationery)
            option->click(); // shows the options this stationery uses
    }
    (kept.biFold ? optBiFold : optTriFold)->setChecked(true);
    chkFirstNameFirst->setChecked(kept.firstNameFirst);
    chkPrintSample->setChecked(kept.printSingle);
    txtSpecial->setText(kept.specialText);
    actShowGroupColumns->setChecked(kept.showGroupColumns);
    try {
        if (kept.returnAddress > 0 && kept.returnAddress < datReturnAddresses->recordCount())
            datReturnAddresses->moveTo(kept.returnAddress);
    } catch (const StoreError&) {
        // The first return address stays, as on a first start.
    }
    if (!kept.windowGeometry.isEmpty())
        restoreGeometry(kept.windowGeometry);
    ownDestination_->setPdfFolder(kept.pdfFolder);
}

void frmMailForm::keepChoices() {
    choices::Choices kept;
    for (const Stationery stationery : kStationeryOrder) {
        if (stationeryOption(stationery)->isChecked())
            kept.stationery = stationeryOption(stationery)->objectName();
    }
    kept.biFold = optBiFold->isChecked();
    kept.firstNameFirst = chkFirstNameFirst->isChecked();
    kept.printSingle = chkPrintSample->isChecked();
    kept.specialText = txtSpecial->text();
    kept.returnAddress = std::max(0, datReturnAddresses->position());
    kept.showGroupColumns = actShowGroupColumns->isChecked();
    kept.windowGeometry = saveGeometry();
    kept.pdfFolder = ownDestination_->pdfFolder();
    choices::save(settings_, kept);
    choices::rememberBook(settings_, db_.path());
}

} // namespace ravelbook
