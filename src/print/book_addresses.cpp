#include "print/book_addresses.h"

#include "store/database.h"

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
    if (choice.single) {
        query_ = db_.run(sql::printedRecord(db_.dialect(), choice.record.value_or(-1)));
        if (skip > 0)
            query_.next();
    } else {
        query_ = db_.run(sql::printedGroupMembers(db_.dialect(), choice.groups, skip));
    }
    open_ = true;
}

std::optional<AddressLines> BookAddresses::next() {
    if (!open_)
        return std::nullopt;
    if (!query_.next()) {
        open_ = false;
        if (query_.lastError().isValid())
            db_.fail(query_.lastError(), QStringLiteral("The addresses could not be read: %1."));
        query_.finish();
        return std::nullopt;
    }
    AddressLines lines;
    for (int i = 0; i < int(lines.size()); ++i)
        lines[std::size_t(i)] = query_.value(i).toString();
    return lines;
}

} // namespace ravelbook
