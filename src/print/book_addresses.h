#pragma once

#include "print/address_source.h"

#include <QSqlQuery>

namespace ravelbook {

class Database;

// The records of an address book as a print run reads them: one forward pass
// over the chosen records, so a run of any length holds one record at a time.
class BookAddresses final : public AddressSource {
public:
    explicit BookAddresses(const Database& db) : db_(db) {}

    int count(const RecordChoice& choice) override;
    void open(const RecordChoice& choice, int skip) override;
    std::optional<AddressLines> next() override;

private:
    const Database& db_;
    QSqlQuery query_;
    bool open_ = false;
};

} // namespace ravelbook
