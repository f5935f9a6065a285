// Address editing on page "Names": choosing a name, adding, saving and deleting
// the record that Data1 holds.
#include "store/data_source.h"
#include "store/database.h"
#include "store/store_error.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"
#include "window/name_filter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
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

    // Leaving a record with changes the user has not entered asks what to do with them.
    Data1->setLeaveGuard([this](const DataSource& source) { return askToLeave(source); });
    datReturnAddresses->setLeaveGuard(
        [this](const DataSource& source) { return askToLeave(source); });
}

void frmMailForm::keyPressEvent(QKeyEvent* event) {
    // Escape reaches the window when the box being typed in has no use for it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && newAddressMode_) {
        discardNewAddress();
        return;
    }
    QWidget::keyPressEvent(event);
}

DataSource::Leave frmMailForm::askToLeave(const DataSource& source) {
    QString name = (source.isNew() ? source.field(0) : source.storedField(0)).toString();
    if (name.isEmpty())
        name = source.isNew() ? QStringLiteral("the new address") : QStringLiteral("this record");
    switch (dialogs_.message(QStringLiteral("Save the changes to %1?").arg(name),
                             QStringLiteral("Ravelbook"), Dialogs::Buttons::SaveDiscardCancel)) {
    case Dialogs::Answer::Save:
        if (&source == Data1)
            nameListStale_ = true;
        return DataSource::Leave::Save;
    case Dialogs::Answer::Discard:
        return DataSource::Leave::Discard;
    default:
        return DataSource::Leave::Stay;
    }
}

void frmMailForm::leaveEditedRecord() {
    nameListStale_ = false;
    Data1->flushPending();
    if (nameListStale_)
        FillComboBox();
}

void frmMailForm::discardNewAddress() {
    if (!newAddressMode_)
        return;
    runHandler(dialogs_, [this] {
        if (Data1->isNew() && Data1->isDirty() &&
            dialogs_.message(QStringLiteral("Discard the new address?"),
                             QStringLiteral("Ravelbook"),
                             Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
            return;
        if (Data1->isNew())
            Data1->discardChanges();
        setNewAddressMode(false);
    });
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
        // The entry stands for one record: of several equal names, the k-th entry
        // is the k-th record.
        const int entry = nameFilter_->nameListRow(cboName->currentIndex());
        const std::optional<qint64> key =
            entry >= 0 && std::size_t(entry) < nameListKeys_.size()
                ? std::optional<qint64>(nameListKeys_[std::size_t(entry)])
                : std::nullopt;
        leaveEditedRecord();
        Data1->setRecordSource(sql::selectAddressesNamed(chosen));
        Data1->refresh();
        if (!Data1->hasCurrent() || (key && !Data1->moveToKey(key.value_or(0)))) {
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
        leaveEditedRecord();
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
        Data1->setRecordSource(sql::selectAllAddressesByName(db_.dialect()));
        Data1->refresh();
    });
}

} // namespace ravelbook
