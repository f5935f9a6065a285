#pragma once

#include "store/store_error.h"

#include <functional>
#include <QCoreApplication>
#include <QStringList>
#include <QVariantList>

namespace ravelbook {

// A save refused because someone else changed or deleted the record after it
// was read. What was typed stays with the data source; the message names the record.
class RecordConflict : public StoreError {
public:
    enum class Change { Changed, Deleted };

    RecordConflict(Change change, const QString& recordName, const QStringList& columns,
                   const QVariantList& theirs)
        : StoreError(describe(change, recordName), Error::Kind::Conflict), change_(change),
          recordName_(recordName), columns_(columns), theirs_(theirs) {}

    Change change() const { return change_; }
    const QString& recordName() const { return recordName_; }
    // The record as the other person left it (nothing when deleted), by column.
    const QStringList& columns() const { return columns_; }
    const QVariantList& theirs() const { return theirs_; }
    // The record as this user has it, typed changes included (changed records only).
    QVariantList mine;
    // Writes the edits over the other version (changed records only); throws
    // StoreError, a RecordConflict again when it changed once more meanwhile.
    std::function<void()> writeOver;

private:
    static QString describe(Change change, const QString& name) {
        const QString record =
            name.trimmed().isEmpty()
                ? QCoreApplication::translate("RecordConflict", "The record being edited")
                : QCoreApplication::translate("RecordConflict", "The record \"%1\"").arg(name);
        return change == Change::Changed
                   ? QCoreApplication::translate(
                         "RecordConflict",
                         "%1 was changed by someone else after you read it, so your "
                         "changes were not saved. What you typed is kept.")
                         .arg(record)
                   : QCoreApplication::translate(
                         "RecordConflict",
                         "%1 was deleted by someone else after you read it, so your "
                         "changes were not saved and the record is not made again. "
                         "What you typed is kept.")
                         .arg(record);
    }

    Change change_;
    QString recordName_;
    QStringList columns_;
    QVariantList theirs_;
};

} // namespace ravelbook
