#pragma once

#include "core/error.h"

namespace ravelbook {

// A printer or PDF file that could not take a page: an Error of kind Print.
class PrintError : public Error {
public:
    explicit PrintError(const QString& message, QString detail = {})
        : Error(message, Kind::Print, std::move(detail)) {}
};

} // namespace ravelbook
