#pragma once

#include "core/error.h"

namespace ravelbook {

// What the address store throws. Its message is written for the user: event
// handlers catch it at their edge and show message() as it stands.
class StoreError : public Error {
public:
    using Error::Error;
};

} // namespace ravelbook
