// Page "Return Address": stepping through, adding and removing the sender
// addresses. Their boxes are bound to datReturnAddresses like the editor's.
#include "store/data_source.h"
#include "window/data_navigator.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ravelbook {

void frmMailForm::connectReturnAddresses() {
    connect(cmdNewReturnAddress, &QPushButton::clicked, this, &frmMailForm::newReturnAddress);
    connect(cmdDeleteReturnAddress, &QPushButton::clicked, this, &frmMailForm::deleteReturnAddress);
    connect(datReturnAddresses, &DataSource::currentChanged, this,
            &frmMailForm::showReturnAddressPosition);
    connect(datReturnAddresses, &DataSource::recordSetReset, this,
            &frmMailForm::showReturnAddressPosition);
    showReturnAddressPosition();
}

void frmMailForm::showReturnAddressPosition() {
    const int count = datReturnAddresses->recordCount();
    const bool isNew = datReturnAddresses->isNew();
    lblReturnAddressPosition->setText(
        isNew ? QStringLiteral("new (%1 of %1)").arg(count + 1)
              : QStringLiteral("%1 of %2")
                    .arg(datReturnAddresses->hasCurrent() ? datReturnAddresses->position() + 1 : 0)
                    .arg(count));
    // The book always keeps one return address.
    cmdDeleteReturnAddress->setEnabled(isNew || count > 1);
    cmdNewReturnAddress->setEnabled(!isNew);
}

void frmMailForm::newReturnAddress() {
    runHandler(dialogs_, [this] {
        datReturnAddresses->addNew();
        txtReturnAddress[0]->setFocus();
    });
}

void frmMailForm::deleteReturnAddress() {
    runHandler(dialogs_, [this] {
        if (datReturnAddresses->isNew()) {
            datReturnAddresses->discardChanges();
            return;
        }
        if (!datReturnAddresses->hasCurrent())
            throw StoreError(QStringLiteral("There is no return address to delete."));
        if (datReturnAddresses->recordCount() <= 1)
            throw StoreError(QStringLiteral("The address book keeps at least one return "
                                            "address: change this one instead."));
        QString name = datReturnAddresses->storedField(0).toString();
        if (name.isEmpty())
            name = QStringLiteral("this return address");
        if (dialogs_.message(QStringLiteral("Delete %1 from the return addresses?").arg(name),
                             QStringLiteral("Delete return address?"),
                             Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
            return;
        datReturnAddresses->remove();
        // Removing the last row leaves the one before it shown.
        if (!datReturnAddresses->hasCurrent() && datReturnAddresses->recordCount() > 0)
            datReturnAddresses->moveLast();
    });
}

} // namespace ravelbook
