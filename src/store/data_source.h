#pragma once

#include "store/statements.h"
#include "store/store_error.h"

#include <functional>
#include <optional>
#include <QCache>
#include <QObject>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <unordered_map>
#include <vector>

namespace ravelbook {

class Database;

// A record set over one table of the address book with a current row, in the
// manner of a bound data control: controls bound by column name show the
// current row (they listen to currentChanged) and hand their edits to
// setField(). Rows are identified by the engine's rowid, so saving and deleting
// touch exactly the current row, also when two rows look alike.
//
// The record set holds only each row's rowid and its first field; the current
// row's values are read when it becomes current, other rows' on demand.
//
// Edits are never dropped silently: leaving a changed row (moving, a new record
// source, refresh) writes it first, or does what the leave guard says. A new row
// that received no input is dropped.
//
// A row is written only while it still holds what was read: when someone else
// changed or deleted it meanwhile, the write throws RecordConflict and the
// edits stay, to be written over the other version only when asked
// (writeOver()). A row deleted by someone else is never made again.
class DataSource : public QObject {
    Q_OBJECT

public:
    // What to do with the changes of a row that is being left.
    enum class Leave { Save, Discard, Stay };
    using LeaveGuard = std::function<Leave(const DataSource&)>;

    DataSource(Database& db, const QString& table, QObject* parent = nullptr);
    ~DataSource() override;

    const QString& table() const { return table_; }
    const QStringList& columns() const { return columns_; }
    int columnIndex(const QString& column) const; // -1 when the table has no such column

    // A bound control's column and the value it writes for a new row it was not edited on.
    void bindColumn(const QString& column, const QVariant& blank);

    // Asked before a changed row is left; without one the changes are written.
    void setLeaveGuard(LeaveGuard guard) { leaveGuard_ = std::move(guard); }

    void setRecordSource(const sql::RecordSource& source);
    const sql::RecordSource& recordSource() const { return source_; }
    // Runs the record source again; the first row becomes current. On failure the
    // previous record set stays.
    void refresh();
    // Runs the record source again to show others' changes, keeping the current
    // row current when it is still there (the first row when it is not).
    void reread();
    bool hasRecordSet() const { return hasRecordSet_; }

    bool bof() const;
    bool eof() const;
    bool hasCurrent() const { return current_.has_value(); }
    int recordCount() const { return static_cast<int>(rowids_.size()); }
    // Index of the current row in the record set; -1 before the first, recordCount() past the last.
    int position() const { return pos_; }

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void moveTo(int row);

    // The engine's key of the current row; none for a new row or without one.
    std::optional<qint64> currentKey() const;
    // Makes the row with this key current; false (and nothing moves) when the
    // record set doesn't hold it.
    bool moveToKey(qint64 key);

    void addNew();
    bool isNew() const { return current_ && !current_->rowid; }
    bool isDirty() const;
    // Writes the current row: every column edited through setField() and, for a
    // new row, every bound column.
    void update();
    // Deletes the current row from the file at once.
    void remove();
    // Leaves the current row's changes behind as the guard says (writing them
    // without a guard); drops a new row that received no input. False when the
    // guard says Stay: the row and its changes stay, and an operation that
    // would leave them (a move, a refresh, addNew) does nothing. Callers that
    // go on after such an operation ask here first.
    [[nodiscard]] bool flushPending();
    // Forgets the current row's changes: a stored row shows its stored values
    // again, a new row is dropped.
    void discardChanges();
    // A value of the current row as stored, before any edit; none for a new row.
    QVariant storedField(int index) const;
    // Takes `theirs` (the current row as someone else saved it) as the values
    // read: the next update() writes this row's edits over them, and the
    // columns not edited show theirs.
    void writeOver(const QVariantList& theirs);

    // Values of the current row, edits included. Throw StoreError without a current row.
    QVariant field(int index) const;
    QVariant field(const QString& column) const;
    void setField(const QString& column, const QVariant& value);

    // While alive, moving forward reads the rows ahead in blocks of `rows`, one
    // statement a block instead of one a row: for a run that visits every row.
    // Rows read ahead may be that many moves old when they become current.
    class ReadAhead {
    public:
        ReadAhead(DataSource& source, int rows);
        ~ReadAhead();
        ReadAhead(const ReadAhead&) = delete;
        ReadAhead& operator=(const ReadAhead&) = delete;

    private:
        DataSource& source_;
    };

    // The first field of every row of the record set, in its order (the name list),
    // and the rows' keys in the same order.
    const QStringList& firstFields() const { return firstFields_; }
    const std::vector<qint64>& keys() const { return rowids_; }
    // All values of row `row` of the record set.
    QVariantList rowValues(int row) const;

Q_SIGNALS:
    void currentChanged();
    void recordSetReset();
    void rowChanged(int row);
    // A row was written (added or changed); its key and its first field as written.
    void rowWritten(qint64 key, const QVariant& firstField);
    // A row was deleted.
    void rowRemoved(qint64 key);

private:
    struct Row {
        std::optional<qint64> rowid; // none while the row is new
        QVariantList values;
        QVariantList stored; // as read, for discarding the edits
        std::vector<bool> changed;
        bool touched = false; // received input since it became current
    };

    void requireRecordSet() const;
    int requireColumn(const QString& column) const;
    void goTo(int pos);
    Row rowAt(qint64 rowid) const;
    std::optional<Row> storedRow(int pos) const;
    QVariantList readRow(qint64 rowid) const;
    std::optional<QVariantList> findRow(qint64 rowid) const;
    // Why the write of the current row touched nothing: thrown.
    [[noreturn]] void conflict();
    // Takes the row a write gave back as the row's values, read and shown.
    void takeWritten(Row& row, QSqlQuery& written);
    void forgetPrepared() const;
    void readBlock(int pos) const;
    Row& current();
    const Row& current() const;
    void dropNewRow();

    Database& db_;
    QString table_;
    QStringList columns_;
    std::vector<std::pair<int, QVariant>> bound_;
    sql::RecordSource source_;
    LeaveGuard leaveGuard_;
    bool hasRecordSet_ = false;

    std::vector<qint64> rowids_;
    QStringList firstFields_;
    int pos_ = -1;
    int posBeforeNew_ = -1;
    std::optional<Row> current_;

    mutable std::optional<QSqlQuery> rowQuery_;
    mutable int preparedOn_ = -1; // the connection the prepared statements belong to
    mutable QCache<qint64, QVariantList> rowCache_;

    int readAhead_ = 0;
    mutable std::unordered_map<qint64, QVariantList> ahead_;
    mutable std::optional<QSqlQuery> blockQuery_;
};

} // namespace ravelbook
