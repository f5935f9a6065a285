#pragma once

#include "core/error.h"

namespace ravelbook {

// The address store's failures: an Error of kind Store unless said otherwise.
class StoreError : public Error {
public:
    explicit StoreError(const QString& message, Kind kind = Kind::Store, QString detail = {})
        : Error(message, kind, std::move(detail)) {}
};

} // namespace ravelbook
