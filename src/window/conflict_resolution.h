#pragma once

#include "core/address_record.h"

namespace ravelbook {

class Dialogs;
class RecordConflict;

// Tells the user that someone else changed or deleted the record being saved,
// offers to show the other version and, once it was seen, to write the
// user's changes over it. Nothing is written unless the user says so.
void resolveConflict(Dialogs& dialogs, const RecordConflict& conflict);

// The group titles the other version is shown with; the window keeps them in
// step with its group boxes. Without them groups are named by their number.
void showConflictsWithTitles(const GroupTitles& titles);

} // namespace ravelbook
