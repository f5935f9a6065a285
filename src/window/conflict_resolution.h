#pragma once

namespace ravelbook {

class Dialogs;
class RecordConflict;

// Tells the user that someone else changed or deleted the record being saved,
// offers to show the other version and, once it was seen, to write the
// user's changes over it. Nothing is written unless the user says so.
void resolveConflict(Dialogs& dialogs, const RecordConflict& conflict);

} // namespace ravelbook
