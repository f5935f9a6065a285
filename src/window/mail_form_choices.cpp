// The choices of page "Mailings", the return address shown and the window's
// size and place, kept for the next start.
#include "print/address_list.h"
#include "print/job_selection.h"
#include "print/option_names.h"
#include "settings/choices.h"
#include "store/data_source.h"
#include "store/database.h"
#include "store/store_error.h"
#include "window/mail_form.h"
#include "window/mailing_printer.h"
#include "window/mailings_page.h"
#include "window/return_address_page.h"
#include "window/system_print_destination.h"

#include <algorithm>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSpinBox>

namespace ravelbook {

void frmMailForm::restoreChoices() {
    const choices::Choices kept = choices::read(book_.settings);
    MailingsPage& page = *mailings_;
    for (const Stationery stationery : kStationeryOrder) {
        QRadioButton* option = page.stationeryOption(stationery);
        if (option->objectName() == kept.stationery)
            option->click(); // shows the options this stationery uses
    }
    if (kept.stationery == page.optAddressList->objectName())
        page.optAddressList->click();
    if (kept.stationery.isEmpty())
        page.restoreStock(kept.catalogueStationery);
    page.spnCopies->setValue(kept.copies);
    page.chkFillSheet->setChecked(kept.fillSheet);
    if (const auto order = named(kSortOrderNames, kept.sortOrder))
        page.chooseSortOrder(*order);
    page.chkCloseUp->setChecked(kept.closeUp);
    if (const auto paper = named(kListPaperNames, kept.listPaper))
        page.chooseListPaper(*paper);
    (kept.biFold ? page.optBiFold : page.optTriFold)->setChecked(true);
    page.chkFirstNameFirst->setChecked(kept.firstNameFirst);
    page.chkPrintSample->setChecked(kept.printSingle);
    page.txtSpecial->setText(kept.specialText);
    page.actShowGroupColumns->setChecked(kept.showGroupColumns);
    DataSource& returnAddresses = *returnAddress_->datReturnAddresses;
    try {
        if (kept.returnAddress > 0 && kept.returnAddress < returnAddresses.recordCount())
            returnAddresses.moveTo(kept.returnAddress);
    } catch (const Error&) {
        // The first return address stays, as on a first start.
    }
    if (!kept.windowGeometry.isEmpty())
        restoreGeometry(kept.windowGeometry);
    printer_->ownDestination().setPdfFolder(kept.pdfFolder);
}

void frmMailForm::keepChoices() {
    const MailingsPage& page = *mailings_;
    choices::Choices kept;
    for (const Stationery stationery : kStationeryOrder) {
        if (page.stationeryOption(stationery)->isChecked())
            kept.stationery = page.stationeryOption(stationery)->objectName();
    }
    if (page.optAddressList->isChecked())
        kept.stationery = page.optAddressList->objectName();
    if (const std::shared_ptr<const StockTemplate> stock = page.chosenStock())
        kept.catalogueStationery = stock->id;
    kept.biFold = page.optBiFold->isChecked();
    kept.firstNameFirst = page.chkFirstNameFirst->isChecked();
    kept.printSingle = page.chkPrintSample->isChecked();
    kept.specialText = page.txtSpecial->text();
    kept.returnAddress = std::max(0, returnAddress_->datReturnAddresses->position());
    kept.showGroupColumns = page.actShowGroupColumns->isChecked();
    kept.windowGeometry = saveGeometry();
    kept.pdfFolder = printer_->ownDestination().pdfFolder();
    kept.copies = page.spnCopies->value();
    kept.fillSheet = page.chkFillSheet->isChecked();
    kept.sortOrder = nameOf(kSortOrderNames, page.chosenSortOrder());
    kept.closeUp = page.chkCloseUp->isChecked();
    // Kept when it is not the locale's, which the list follows otherwise.
    if (page.chosenListPaper() != listPaperForLocale(QLocale()))
        kept.listPaper = nameOf(kListPaperNames, page.chosenListPaper());
    choices::save(book_.settings, kept);
    choices::rememberBook(book_.settings, book_.db.path());
}

} // namespace ravelbook
