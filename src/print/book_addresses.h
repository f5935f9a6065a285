#pragma once

#include "print/address_source.h"

#include <cstddef>
#include <QSqlQuery>
#include <vector>

namespace ravelbook {

class Database;

// The records of an address book as a print run reads them: one forward pass
// over the chosen records, so a run of any length holds one record at a time;
// only postal-code order holds the chosen records, to sort them.
class BookAddresses final : public AddressSource {
public:
    explicit BookAddresses(const Database& db) : db_(db) {}

    int count(const RecordChoice& choice) override;
    void open(const RecordChoice& choice, int skip) override;
    std::optional<AddressLines> next() override;

private:
    // The chosen records in postal-code order, from the `skip`+1-th on.
    std::vector<AddressLines> byPostalCode(const GroupChoice& groups, int skip) const;

    const Database& db_;
    QSqlQuery query_;
    bool open_ = false;
    std::vector<AddressLines> held_; // postal-code order: what is still to come
    std::size_t heldAt_ = 0;
    bool fromHeld_ = false;
};

} // namespace ravelbook
