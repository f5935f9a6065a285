// The name list of page "Names": filled from the book, kept in step with the
// saves and deletions made here, and read again for others' changes.
#include "store/data_source.h"
#include "store/database.h"
#include "store/name_order.h"
#include "store/statements.h"
#include "window/current_record.h"
#include "window/name_filter.h"
#include "window/names_page.h"
#include "window/open_book.h"

#include <algorithm>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QStringListModel>

namespace ravelbook {

void NamesPage::FillComboBox() {
    Data1.setRecordSource(sql::selectNamedAddresses(book_.db.dialect()));
    Data1.refresh();
    nameList_->setStringList({});
    nameListKeys_.clear();
    if (Data1.bof() && Data1.eof())
        return;
    // The whole list in one go: a large book must not cost one insert per name.
    nameList_->setStringList(Data1.firstFields());
    nameListKeys_ = Data1.keys();
    cboName->setCurrentIndex(-1);
    Data1.moveLast();
    Data1.moveNext();
}

int NamesPage::chosenNameListRow() const {
    const int row = nameFilter_->nameListRow(cboName->currentIndex());
    return row >= 0 && std::size_t(row) < nameListKeys_.size() ? row : -1;
}

std::vector<qint64>::iterator NamesPage::nameListEntry(qint64 key) {
    // Mostly the record written is the one chosen in the list.
    const int chosen = chosenNameListRow();
    if (chosen >= 0 && nameListKeys_[std::size_t(chosen)] == key)
        return nameListKeys_.begin() + chosen;
    return std::find(nameListKeys_.begin(), nameListKeys_.end(), key);
}

void NamesPage::placeInNameList(qint64 key, const QVariant& name) {
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

void NamesPage::chooseInNameList(qint64 key) {
    const auto entry = nameListEntry(key);
    const int row = entry == nameListKeys_.end()
                        ? -1
                        : nameFilter_->rowShowing(int(entry - nameListKeys_.begin()));
    if (row == cboName->currentIndex())
        return;
    const QSignalBlocker quiet(cboName);
    cboName->setCurrentIndex(row);
}

void NamesPage::dropFromNameList(qint64 key) {
    const auto entry = nameListEntry(key);
    if (entry == nameListKeys_.end())
        return;
    keepNameShown([&] {
        nameList_->removeRows(int(entry - nameListKeys_.begin()), 1);
        nameListKeys_.erase(entry);
    });
}

void NamesPage::refreshNameList() {
    // Read on the side: Data1 and the record it shows stay as they are.
    const Database& db = book_.db;
    const sql::RecordSource named = sql::selectNamedAddresses(db.dialect());
    QSqlQuery query =
        db.run(sql::keysOf(db.dialect(), named.text, Data1.columns().value(0)), named.bindings);
    QStringList names;
    std::vector<qint64> keys;
    while (query.next()) {
        keys.push_back(query.value(0).toLongLong());
        names << query.value(1).toString();
    }
    keepNameShown([&] {
        nameList_->setStringList(names);
        nameListKeys_ = std::move(keys);
    });
}

void NamesPage::keepNameShown(const std::function<void()>& change) {
    const int shown = chosenNameListRow();
    const bool keyShown = shown >= 0;
    const qint64 shownKey = keyShown ? nameListKeys_[std::size_t(shown)] : 0;
    const QString typed = cboName->currentText();
    const QSignalBlocker quiet(cboName);
    change();
    int again = -1;
    if (keyShown) {
        const auto entry = nameListEntry(shownKey);
        if (entry != nameListKeys_.end())
            again = nameFilter_->rowShowing(int(entry - nameListKeys_.begin()));
    }
    cboName->setCurrentIndex(again);
    if (again < 0)
        cboName->setEditText(typed);
}

} // namespace ravelbook
