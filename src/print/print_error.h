#pragma once

#include "core/error.h"

namespace ravelbook {

// A printer or PDF file that could not take a page. The message is written for the user.
class PrintError : public Error {
public:
    using Error::Error;
};

} // namespace ravelbook
