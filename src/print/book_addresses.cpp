#include "print/book_addresses.h"

#include "core/postal_code.h"
#include "store/database.h"
#include "store/name_order.h"

#include <algorithm>
#include <QCoreApplication>
#include <QSqlError>

namespace ravelbook {

int BookAddresses::count(const RecordChoice& choice) {
    if (choice.single) {
        if (!choice.record)
            return 0;
        QSqlQuery query = db_.run(sql::printedRecord(db_.dialect(), *choice.record));
        return query.next() ? 1 : 0;
    }
    QSqlQuery query = db_.run(sql::countGroupMembers(choice.groups));
    return query.next() ? query.value(0).toInt() : 0;
}

void BookAddresses::open(const RecordChoice& choice, int skip) {
    open_ = false;
    fromHeld_ = false;
    held_.clear();
    heldAt_ = 0;
    if (choice.single) {
        query_ = db_.run(sql::printedRecord(db_.dialect(), choice.record.value_or(-1)));
        if (skip > 0)
            query_.next();
    } else if (choice.sort == SortOrder::PostalCode) {
        held_ = byPostalCode(choice.groups, skip);
        fromHeld_ = true;
    } else if (choice.sort == SortOrder::Name) {
        query_ = db_.run(sql::printedGroupMembersByName(db_.dialect(), choice.groups, skip));
    } else {
        query_ = db_.run(sql::printedGroupMembers(db_.dialect(), choice.groups, skip));
    }
    open_ = true;
}

// The postal code is read from the city line by rules of each country that
// SQL can't express, so the records are read once and sorted here.
std::vector<AddressLines> BookAddresses::byPostalCode(const GroupChoice& groups, int skip) const {
    struct Held {
        QString code; // empty: none recognised
        qint64 key;
        AddressLines lines;
    };
    std::vector<Held> all;
    QSqlQuery query = db_.run(sql::keyedGroupMembers(db_.dialect(), groups));
    while (query.next()) {
        Held record{QString(), query.value(0).toLongLong(), {}};
        for (int i = 0; i < int(record.lines.size()); ++i)
            record.lines[std::size_t(i)] = query.value(i + 1).toString();
        record.code = postalSortKey(record.lines[std::size_t(Field::CityStateZip)],
                                    record.lines[std::size_t(Field::Country)]);
        all.push_back(std::move(record));
    }
    if (query.lastError().isValid())
        db_.fail(query.lastError(), QCoreApplication::translate(
                                        "BookAddresses", "The addresses could not be read: %1."));
    std::stable_sort(all.begin(), all.end(), [](const Held& a, const Held& b) {
        if (a.code.isEmpty() != b.code.isEmpty())
            return b.code.isEmpty();
        if (a.code != b.code)
            return a.code < b.code;
        return comesBeforeInNameList(a.lines[std::size_t(Field::Name)], a.key,
                                     b.lines[std::size_t(Field::Name)], b.key);
    });
    std::vector<AddressLines> sorted;
    for (std::size_t i = std::size_t(std::max(skip, 0)); i < all.size(); ++i)
        sorted.push_back(std::move(all[i].lines));
    return sorted;
}

std::optional<AddressLines> BookAddresses::next() {
    if (!open_)
        return std::nullopt;
    if (fromHeld_) {
        if (heldAt_ < held_.size())
            return std::move(held_[heldAt_++]);
        open_ = false;
        held_.clear();
        return std::nullopt;
    }
    if (!query_.next()) {
        open_ = false;
        if (query_.lastError().isValid())
            db_.fail(query_.lastError(),
                     QCoreApplication::translate("BookAddresses",
                                                 "The addresses could not be read: %1."));
        query_.finish();
        return std::nullopt;
    }
    AddressLines lines;
    for (int i = 0; i < int(lines.size()); ++i)
        lines[std::size_t(i)] = query_.value(i).toString();
    return lines;
}

} // namespace ravelbook
