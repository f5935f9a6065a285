// Address editing on page "Names": choosing a name, adding, saving and deleting
// the record that Data1 holds.
#include "store/data_source.h"
#include "store/store_error.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace ravelbook {

namespace {

constexpr int kMailingsPage = 1;

} // namespace

void frmMailForm::connectEditing() {
    // activated, not currentIndexChanged: choosing the name already shown must
    // show its record again, and refilling the list must not choose anything.
    connect(cboName, &QComboBox::activated, this, &frmMailForm::cboName_Click);
    connect(cmdNewAddress, &QPushButton::clicked, this, &frmMailForm::cmdNewAddress_Click);
    connect(cmdEnter, &QPushButton::clicked, this, &frmMailForm::cmdEnter_Click);
    connect(cmdDeleteRecord, &QPushButton::clicked, this, &frmMailForm::cmdDeleteRecord_Click);
}

void frmMailForm::setNewAddressMode(bool on) {
    newAddressMode_ = on;
    SSTab1->setTabEnabled(kMailingsPage, !on);
    cmdDeleteRecord->setEnabled(!on);
    cmdNewAddress->setEnabled(!on);
    Frame1[0]->setEnabled(true);
}

void frmMailForm::cboName_Click() {
    runHandler(dialogs_, [this] {
        const QString chosen = cboName->currentText();
        // Edits still in the editor are written before another record is shown;
        // the list then follows them, as after Enter Changes.
        if (Data1->isDirty()) {
            Data1->flushPending();
            FillComboBox();
        }
        Data1->setRecordSource(sql::selectAddressesNamed(chosen));
        Data1->refresh();
        if (!Data1->hasCurrent()) {
            // Renamed or deleted by another window or program since the list was
            // filled. Said plainly, so the empty editor isn't taken for that record.
            FillComboBox();
            throw StoreError(QStringLiteral("\"%1\" is no longer in the address book; it was "
                                            "renamed or deleted elsewhere. The name list now "
                                            "shows the book as it is.")
                                 .arg(chosen));
        }
    });
}

void frmMailForm::cmdNewAddress_Click() {
    runHandler(dialogs_, [this] {
        Data1->addNew();
        txtAddress[0]->setFocus();
        setNewAddressMode(true);
    });
}

void frmMailForm::cmdEnter_Click() {
    runHandler(dialogs_, [this] {
        const QString name = txtAddress[0]->text();
        if (!Data1->hasCurrent())
            throw StoreError(QStringLiteral("There is no record to save. Choose a name from the "
                                            "list or press New Address first."));
        Data1->update();
        const std::optional<qint64> written = Data1->currentKey();
        FillComboBox();
        Data1->setRecordSource(sql::selectAddressesNamed(name));
        Data1->refresh();
        // Among records of the same name, show the one just written.
        if (written)
            Data1->moveToKey(*written);
        setNewAddressMode(false);
    });
}

void frmMailForm::cmdDeleteRecord_Click() {
    runHandler(dialogs_, [this] {
        if (!Data1->hasCurrent())
            throw StoreError(QStringLiteral("There is no record to delete."));
        const QString question = QStringLiteral("Are you SURE you want to Delete ") +
                                 txtAddress[0]->text() + QStringLiteral(" PERMANENTLY?");
        if (dialogs_.message(question, QStringLiteral("Delete record?"), Dialogs::Buttons::YesNo) !=
            Dialogs::Answer::Yes)
            return;
        Data1->remove();
        FillComboBox();
        Data1->setRecordSource(sql::selectAllAddressesByName());
        Data1->refresh();
    });
}

} // namespace ravelbook
