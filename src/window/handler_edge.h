#pragma once

#include "store/store_error.h"
#include "window/dialogs.h"

namespace ravelbook {

// The edge of an event handler: a failing step ends the handler there and the
// user is told why, in a message box, so nothing reaches the event loop.
template <typename Steps> void runHandler(Dialogs& dialogs, Steps&& steps) {
    try {
        steps();
    } catch (const StoreError& error) {
        showError(dialogs, error.message());
    }
}

} // namespace ravelbook
