#pragma once

#include "store/data_source.h"
#include "store/record_conflict.h"
#include "store/store_error.h"
#include "window/conflict_resolution.h"
#include "window/dialogs.h"

namespace ravelbook {

// The edge of an event handler: a failing step ends the handler there and the
// user is told why, in a message box, so nothing reaches the event loop. A user
// who chose to stay on a changed record has been asked already.
template <typename Steps> void runHandler(Dialogs& dialogs, Steps&& steps) {
    try {
        steps();
    } catch (const DataSource::LeaveCancelled&) {
        // The user chose to stay with the changed record: nothing more to say.
    } catch (const RecordConflict& conflict) {
        resolveConflict(dialogs, conflict);
    } catch (const Error& error) {
        showError(dialogs, error.message());
    }
}

} // namespace ravelbook
