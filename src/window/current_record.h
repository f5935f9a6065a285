#pragma once

#include "store/data_source.h"

#include <QObject>

namespace ravelbook {

class Bindings;
class Dialogs;
struct OpenBook;

// Asks what to do with the changes of a record that is being left.
DataSource::Leave askToLeave(Dialogs& dialogs, const DataSource& source);

// The record shown in the editor of page "Names": Data1, the controls bound to
// it, and leaving it as the user says. The print runs leave the editor on the
// records they printed.
class CurrentRecord : public QObject {
    Q_OBJECT

public:
    CurrentRecord(const OpenBook& book, QObject* parent);

    DataSource* Data1 = nullptr;
    Bindings& bindings() const { return *bindings_; }

    // Leaves the record shown as the user says: false when the user stays on
    // it. Throws StoreError when saving fails.
    [[nodiscard]] bool leaveEditedRecord() { return Data1->flushPending(); }
    // Whether the editor holds any record at all.
    bool holdsRecords() const { return Data1->hasRecordSet() && !(Data1->bof() && Data1->eof()); }

private:
    Bindings* bindings_ = nullptr;
};

} // namespace ravelbook
