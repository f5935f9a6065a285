#pragma once

#include "core/error.h"
#include "store/record_conflict.h"
#include "window/conflict_resolution.h"
#include "window/dialogs.h"

namespace ravelbook {

// The edge of an event handler: a failing step ends the handler there and the
// user is told why, in a message box, so nothing reaches the event loop. A user
// who chooses to stay on a changed record is a return value of the step that
// asked, never an exception: the steps stop there themselves.
template <typename Steps> void runHandler(Dialogs& dialogs, Steps&& steps) {
    try {
        steps();
    } catch (const RecordConflict& conflict) {
        resolveConflict(dialogs, conflict);
    } catch (const Error& error) {
        showError(dialogs, error.message());
    }
}

} // namespace ravelbook
