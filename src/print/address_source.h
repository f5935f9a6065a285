#pragma once

#include "print/print_job.h"

#include <array>
#include <optional>
#include <QString>

namespace ravelbook {

// The lines a run prints of one record: name, address, city, country, contact.
using AddressLines = std::array<QString, 5>;

// Where a run reads its records. Every operation may throw StoreError.
class AddressSource {
public:
    virtual ~AddressSource() = default;

    // How many records the choice selects; for a single record, 0 when it is gone.
    virtual int count(const RecordChoice& choice) = 0;
    // Starts reading the chosen records in print order, skipping the first `skip`.
    virtual void open(const RecordChoice& choice, int skip) = 0;
    // The next record read; nothing past the last.
    virtual std::optional<AddressLines> next() = 0;
};

} // namespace ravelbook
