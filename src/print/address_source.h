#pragma once

#include "core/field_table.h"
#include "print/print_job.h"

#include <array>
#include <optional>
#include <QString>

namespace ravelbook {

// The fields a run prints of one record, indexed by Field: name, address,
// city, country, contact, and for the address list phone and notes.
using AddressLines = std::array<QString, kFieldCount>;

// Where a run reads its records. Every operation may throw StoreError.
class AddressSource {
public:
    virtual ~AddressSource() = default;

    // How many records the choice selects; for a single record, 0 when it is gone.
    virtual int count(const RecordChoice& choice) = 0;
    // Starts reading the chosen records in the choice's order, skipping the first `skip`.
    virtual void open(const RecordChoice& choice, int skip) = 0;
    // The next record read; nothing past the last.
    virtual std::optional<AddressLines> next() = 0;
};

} // namespace ravelbook
