// Address editing on page "Names": choosing a name, adding, saving and deleting
// the record that Data1 holds.
#include "store/data_source.h"
#include "store/database.h"
#include "store/name_order.h"
#include "store/store_error.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"
#include "window/name_filter.h"

#include <algorithm>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>
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

    // The name list follows the saves and deletions made here one entry at a
    // time: reading it again would cost a large book a tenth of a second a save.
    for (DataSource* addresses : {Data1, datGrid}) {
        connect(addresses, &DataSource::rowWritten, this, &frmMailForm::placeInNameList);
        connect(addresses, &DataSource::rowRemoved, this, &frmMailForm::dropFromNameList);
    }

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
        return DataSource::Leave::Save;
    case Dialogs::Answer::Discard:
        return DataSource::Leave::Discard;
    default:
        return DataSource::Leave::Stay;
    }
}

void frmMailForm::leaveEditedRecord() {
    Data1->flushPending();
}

int frmMailForm::chosenNameListRow() const {
    const int row = nameFilter_ ? nameFilter_->nameListRow(cboName->currentIndex()) : -1;
    return row >= 0 && std::size_t(row) < nameListKeys_.size() ? row : -1;
}

std::vector<qint64>::iterator frmMailForm::nameListEntry(qint64 key) {
    // Mostly the record written is the one chosen in the list.
    const int chosen = chosenNameListRow();
    if (chosen >= 0 && nameListKeys_[std::size_t(chosen)] == key)
        return nameListKeys_.begin() + chosen;
    return std::find(nameListKeys_.begin(), nameListKeys_.end(), key);
}

void frmMailForm::placeInNameList(qint64 key, const QVariant& name) {
    const QString written = name.toString();
    const bool named = !name.isNull() && !written.isEmpty();
    const auto entry = nameListEntry(key);
    if (entry != nameListKeys_.end() && named &&
        nameList_->stringList().at(entry - nameListKeys_.begin()) == written)
        return; // saved under the name it is listed by
    if (entry == nameListKeys_.end() && !named)
        return;
    keepNameShown([&] {
        if (entry != nameListKeys_.end()) {
            nameList_->removeRows(int(entry - nameListKeys_.begin()), 1);
            nameListKeys_.erase(entry);
        }
        if (!named)
            return;
        int low = 0;
        {
            // Let go of the list before inserting, or the insert copies it.
            const QStringList names = nameList_->stringList();
            int high = int(names.size());
            while (low < high) {
                const int middle = low + (high - low) / 2;
                if (comesBeforeInNameList(names[middle], nameListKeys_[std::size_t(middle)],
                                          written, key))
                    low = middle + 1;
                else
                    high = middle;
            }
        }
        nameList_->insertRows(low, 1);
        nameList_->setData(nameList_->index(low), written);
        nameListKeys_.insert(nameListKeys_.begin() + low, key);
    });
}

void frmMailForm::chooseInNameList(qint64 key) {
    const auto entry = nameListEntry(key);
    const int row = entry == nameListKeys_.end()
                        ? -1
                        : nameFilter_->rowShowing(int(entry - nameListKeys_.begin()));
    if (row == cboName->currentIndex())
        return;
    const QSignalBlocker quiet(cboName);
    cboName->setCurrentIndex(row);
}

void frmMailForm::dropFromNameList(qint64 key) {
    const auto entry = nameListEntry(key);
    if (entry == nameListKeys_.end())
        return;
    keepNameShown([&] {
        nameList_->removeRows(int(entry - nameListKeys_.begin()), 1);
        nameListKeys_.erase(entry);
    });
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
    if (SSTab1->isTabEnabled(kMailingsPage) == on) // a tab bar repaints even when unchanged
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
        const int entry = chosenNameListRow();
        const std::optional<qint64> key =
            entry >= 0 ? std::optional<qint64>(nameListKeys_[std::size_t(entry)]) : std::nullopt;
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
        Data1->update(); // the name list follows
        const std::optional<qint64> written = Data1->currentKey();
        // The list opens at the record saved, a new one too.
        if (written)
            chooseInNameList(*written);
        const sql::RecordSource named = sql::selectAddressesNamed(name);
        if (!(Data1->recordSource() == named)) {
            Data1->setRecordSource(named);
            Data1->refresh();
            // Among records of the same name, show the one just written.
            if (written)
                Data1->moveToKey(*written);
        }
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
        Data1->remove(); // the name list follows
        cboName->setCurrentIndex(-1);
        Data1->setRecordSource(sql::selectAllAddressesByName(db_.dialect()));
        Data1->refresh();
    });
}

} // namespace ravelbook
