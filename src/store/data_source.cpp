#include "store/data_source.h"

#include "store/database.h"
#include "store/record_conflict.h"
#include "store/sql_failure.h"

#include <algorithm>
#include <QSqlError>

namespace ravelbook {

namespace {

constexpr int kRowCacheSize = 512;

[[noreturn]] void noCurrentRecord() {
    throw StoreError(DataSource::tr("There is no current record."));
}

} // namespace

DataSource::DataSource(Database& db, const QString& table, QObject* parent)
    : QObject(parent), db_(db), table_(db.tableName(table)), columns_(db.columns(table_)),
      rowCache_(kRowCacheSize) {}

DataSource::~DataSource() = default;

int DataSource::columnIndex(const QString& column) const {
    for (int i = 0; i < columns_.size(); ++i) {
        if (columns_[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int DataSource::requireColumn(const QString& column) const {
    const int index = columnIndex(column);
    if (index < 0)
        throw StoreError(tr("The table \"%1\" has no column \"%2\".").arg(table_, column));
    return index;
}

void DataSource::bindColumn(const QString& column, const QVariant& blank) {
    bound_.emplace_back(requireColumn(column), blank);
}

void DataSource::setRecordSource(const sql::RecordSource& source) {
    source_ = source;
}

void DataSource::refresh() {
    if (!flushPending())
        return;
    if (source_.text.isEmpty())
        throw StoreError(tr("No records have been chosen yet."));
    const QString keys = sql::keysOf(db_.dialect(), source_.text, columns_.first());
    if (keys.isEmpty())
        throw StoreError(tr("Records can't be read with \"%1\".").arg(source_.text));

    QSqlQuery query = db_.run(keys, source_.bindings);
    std::vector<qint64> rowids;
    QStringList firstFields;
    while (query.next()) {
        rowids.push_back(query.value(0).toLongLong());
        firstFields.append(query.value(1).toString());
    }
    if (query.lastError().isValid())
        db_.fail(query.lastError(), tr("The address book could not be read: %1."));
    query.finish();

    // The first row is read before anything changes, so a failure leaves the
    // previous record set as it was.
    std::optional<Row> first;
    if (!rowids.empty())
        first = rowAt(rowids.front());

    rowids_ = std::move(rowids);
    firstFields_ = std::move(firstFields);
    hasRecordSet_ = true;
    rowCache_.clear();
    ahead_.clear();
    pos_ = rowids_.empty() ? -1 : 0;
    current_ = std::move(first);
    Q_EMIT recordSetReset();
    Q_EMIT currentChanged();
}

void DataSource::reread() {
    if (!flushPending())
        return;
    const std::optional<qint64> key = currentKey();
    const int row = pos_;
    refresh();
    if (key && !moveToKey(*key) && row > 0 && recordCount() > 0)
        moveTo(std::min(row, recordCount() - 1));
}

bool DataSource::bof() const {
    return isNew() ? false : (rowids_.empty() || pos_ < 0);
}

bool DataSource::eof() const {
    return isNew() ? false : (rowids_.empty() || pos_ >= recordCount());
}

void DataSource::requireRecordSet() const {
    if (!hasRecordSet_ || rowids_.empty())
        noCurrentRecord();
}

void DataSource::moveFirst() {
    if (!flushPending())
        return;
    requireRecordSet();
    goTo(0);
}

void DataSource::moveLast() {
    if (!flushPending())
        return;
    requireRecordSet();
    goTo(recordCount() - 1);
}

void DataSource::moveNext() {
    if (!flushPending())
        return;
    if (eof())
        noCurrentRecord();
    goTo(pos_ + 1);
}

void DataSource::movePrevious() {
    // A new row stands after the last one, whichever row was current before it.
    const bool leavingNewRow = isNew();
    const int rowsBefore = recordCount();
    if (!flushPending())
        return;
    if (leavingNewRow && recordCount() == rowsBefore) {
        requireRecordSet();
        goTo(recordCount() - 1);
        return;
    }
    if (bof())
        noCurrentRecord();
    goTo(pos_ - 1);
}

void DataSource::moveTo(int row) {
    if (!flushPending())
        return;
    if (row < 0 || row >= recordCount())
        noCurrentRecord();
    goTo(row);
}

std::optional<qint64> DataSource::currentKey() const {
    return current_ ? current_->rowid : std::nullopt;
}

bool DataSource::moveToKey(qint64 key) {
    const auto found = std::find(rowids_.begin(), rowids_.end(), key);
    if (found == rowids_.end())
        return false;
    moveTo(int(found - rowids_.begin()));
    return true;
}

void DataSource::goTo(int pos) {
    // Read first: when the read fails, position and current row stay together.
    std::optional<Row> row = storedRow(pos);
    pos_ = pos;
    current_ = std::move(row);
    Q_EMIT currentChanged();
}

DataSource::Row DataSource::rowAt(qint64 rowid) const {
    Row row;
    row.rowid = rowid;
    row.values = readRow(rowid);
    row.stored = row.values;
    row.changed.assign(columns_.size(), false);
    return row;
}

std::optional<DataSource::Row> DataSource::storedRow(int pos) const {
    if (pos < 0 || pos >= recordCount())
        return std::nullopt;
    if (readAhead_ == 0)
        return rowAt(rowids_[pos]);
    auto found = ahead_.find(rowids_[pos]);
    if (found == ahead_.end()) {
        readBlock(pos);
        found = ahead_.find(rowids_[pos]);
    }
    Row row;
    row.rowid = rowids_[pos];
    row.values = std::move(found->second);
    row.stored = row.values;
    row.changed.assign(columns_.size(), false);
    ahead_.erase(found);
    return row;
}

void DataSource::readBlock(int pos) const {
    ahead_.clear();
    forgetPrepared();
    if (!blockQuery_)
        blockQuery_ = db_.prepare(sql::selectRows(db_.dialect(), table_, columns_, readAhead_));
    QSqlQuery& query = *blockQuery_;
    // A short last block repeats its first key in the places left over.
    const int end = std::min(recordCount(), pos + readAhead_);
    for (int i = 0; i < readAhead_; ++i)
        query.addBindValue(rowids_[pos + i < end ? pos + i : pos]);
    if (!db_.exec(query))
        db_.fail(query.lastError(), tr("The address book could not be read: %1."));
    while (query.next()) {
        QVariantList values;
        values.reserve(columns_.size());
        for (int i = 0; i < columns_.size(); ++i)
            values.append(query.value(i + 1));
        ahead_[query.value(0).toLongLong()] = std::move(values);
    }
    const bool failed = query.lastError().isValid();
    query.finish();
    if (failed) {
        ahead_.clear();
        db_.fail(query.lastError(), tr("The address book could not be read: %1."));
    }
    // Deleted by another program since the record set was read: shown empty.
    for (int i = pos; i < end; ++i)
        ahead_.try_emplace(rowids_[i], QVariantList(columns_.size()));
}

DataSource::ReadAhead::ReadAhead(DataSource& source, int rows) : source_(source) {
    source_.readAhead_ = std::max(0, rows);
    source_.ahead_.clear();
    source_.blockQuery_.reset();
}

DataSource::ReadAhead::~ReadAhead() {
    source_.readAhead_ = 0;
    source_.ahead_.clear();
    source_.blockQuery_.reset();
}

void DataSource::forgetPrepared() const {
    if (preparedOn_ == db_.connectionGeneration())
        return;
    rowQuery_.reset();
    blockQuery_.reset();
    preparedOn_ = db_.connectionGeneration();
}

std::optional<QVariantList> DataSource::findRow(qint64 rowid) const {
    forgetPrepared();
    if (!rowQuery_)
        rowQuery_ = db_.prepare(sql::selectRows(db_.dialect(), table_, columns_, 1));
    QSqlQuery& query = *rowQuery_;
    query.addBindValue(rowid);
    if (!db_.exec(query)) {
        const QSqlError error = query.lastError();
        rowQuery_.reset(); // a statement the engine failed on is prepared afresh
        db_.fail(error, tr("The address book could not be read: %1."));
    }
    std::optional<QVariantList> values;
    if (query.next()) {
        values.emplace();
        values->reserve(columns_.size());
        for (int i = 0; i < columns_.size(); ++i)
            values->append(query.value(i + 1));
    }
    query.finish();
    return values;
}

QVariantList DataSource::readRow(qint64 rowid) const {
    // Deleted by another program since the record set was read: shown empty.
    return findRow(rowid).value_or(QVariantList(columns_.size()));
}

void DataSource::conflict() {
    const Row& row = current();
    const std::optional<QVariantList> theirs = findRow(*row.rowid);
    const QString name = row.stored.value(0).toString();
    if (!theirs)
        throw RecordConflict(RecordConflict::Change::Deleted, name, columns_, {});
    RecordConflict changed(RecordConflict::Change::Changed, name, columns_, *theirs);
    changed.mine = row.values;
    DataSource* self = this;
    const qint64 key = *row.rowid;
    changed.writeOver = [self, key, theirs = *theirs] {
        if (self->currentKey() != key)
            throw StoreError(tr("The record is no longer the one shown."));
        self->writeOver(theirs);
        self->update();
    };
    throw changed;
}

void DataSource::writeOver(const QVariantList& theirs) {
    Row& row = current();
    if (theirs.size() != columns_.size())
        return;
    for (int i = 0; i < columns_.size(); ++i) {
        if (!row.changed[i])
            row.values[i] = theirs[i];
    }
    row.stored = theirs;
    Q_EMIT currentChanged();
}

DataSource::Row& DataSource::current() {
    if (!current_)
        noCurrentRecord();
    return *current_;
}

const DataSource::Row& DataSource::current() const {
    if (!current_)
        noCurrentRecord();
    return *current_;
}

void DataSource::addNew() {
    if (!flushPending())
        return;
    Row row;
    for (int i = 0; i < columns_.size(); ++i)
        row.values.append(QVariant());
    for (const auto& [index, blank] : bound_)
        row.values[index] = blank;
    row.changed.assign(columns_.size(), false);
    posBeforeNew_ = pos_;
    pos_ = recordCount();
    current_ = std::move(row);
    Q_EMIT currentChanged();
}

bool DataSource::isDirty() const {
    if (!current_)
        return false;
    if (isNew())
        return current_->touched;
    for (bool changed : current_->changed) {
        if (changed)
            return true;
    }
    return false;
}

void DataSource::update() {
    Row& row = current();
    QStringList names;
    QVariantList values;
    for (int i = 0; i < columns_.size(); ++i) {
        bool write = row.changed[i];
        if (!row.rowid) {
            for (const auto& bound : bound_)
                write = write || bound.first == i;
        }
        if (write) {
            names << columns_[i];
            values << row.values[i];
        }
    }

    if (!row.rowid) {
        QSqlQuery& query =
            db_.runKept(sql::insertRow(db_.dialect(), table_, names, columns_), values);
        if (!query.next()) {
            const QSqlError error = query.lastError();
            query.finish();
            db_.fail(error, tr("The new record was not saved: %1."));
        }
        // Written: from here on the row is an ordinary saved row, whatever fails next.
        row.rowid = query.value(0).toLongLong();
        takeWritten(row, query);
        rowids_.push_back(*row.rowid);
        firstFields_.append(row.values.value(0).toString());
        pos_ = recordCount() - 1;
        Q_EMIT recordSetReset();
    } else if (!names.isEmpty()) {
        values << *row.rowid << row.stored;
        QSqlQuery& query =
            db_.runKept(sql::updateRow(db_.dialect(), table_, names, columns_), values);
        if (!query.next()) {
            query.finish();
            conflict();
        }
        takeWritten(row, query);
        rowCache_.remove(*row.rowid);
        ahead_.erase(*row.rowid);
        if (pos_ >= 0 && pos_ < recordCount())
            firstFields_[pos_] = row.values.value(0).toString();
        Q_EMIT rowChanged(pos_);
    } else {
        goTo(pos_); // nothing to write: shows the row as the book holds it now
        return;
    }
    Q_EMIT currentChanged();
    Q_EMIT rowWritten(*row.rowid, row.values.value(0));
}

void DataSource::takeWritten(Row& row, QSqlQuery& written) {
    // What the book holds now (defaults, the engine's conversions) is shown.
    QVariantList values;
    values.reserve(columns_.size());
    for (int i = 0; i < columns_.size(); ++i)
        values.append(written.value(i + 1));
    written.finish();
    row.values = values;
    row.stored = std::move(values);
    row.changed.assign(columns_.size(), false);
    row.touched = false;
}

void DataSource::remove() {
    if (isNew()) {
        dropNewRow();
        Q_EMIT currentChanged();
        return;
    }
    const Row& row = current();
    QVariantList bindings{*row.rowid};
    bindings << row.stored;
    QSqlQuery query = db_.run(sql::deleteRow(db_.dialect(), table_, columns_), bindings);
    // Gone already is as good as deleted; changed by someone else is for the user to see first.
    if (query.numRowsAffected() == 0 && findRow(*row.rowid))
        conflict();
    const qint64 key = *row.rowid;
    rowCache_.remove(key);
    ahead_.erase(key);
    rowids_.erase(rowids_.begin() + pos_);
    firstFields_.removeAt(pos_);
    current_.reset();
    Q_EMIT recordSetReset();
    Q_EMIT rowRemoved(key);
    goTo(pos_);
}

void DataSource::dropNewRow() {
    pos_ = posBeforeNew_;
    current_ = storedRow(pos_);
}

bool DataSource::flushPending() {
    if (!current_)
        return true;
    if (isNew() && !current_->touched) {
        dropNewRow();
        return true;
    }
    if (!isDirty())
        return true;
    switch (leaveGuard_ ? leaveGuard_(*this) : Leave::Save) {
    case Leave::Save:
        update();
        break;
    case Leave::Discard:
        discardChanges();
        break;
    case Leave::Stay:
        return false;
    }
    return true;
}

void DataSource::discardChanges() {
    if (!current_)
        return;
    if (isNew()) {
        dropNewRow();
    } else {
        current_->values = current_->stored;
        current_->changed.assign(columns_.size(), false);
        current_->touched = false;
    }
    Q_EMIT currentChanged();
}

QVariant DataSource::storedField(int index) const {
    const Row& row = current();
    return row.stored.value(index);
}

QVariant DataSource::field(int index) const {
    const Row& row = current();
    if (index < 0 || index >= row.values.size())
        throw StoreError(tr("The table \"%1\" has no field %2.").arg(table_).arg(index));
    return row.values[index];
}

QVariant DataSource::field(const QString& column) const {
    return field(requireColumn(column));
}

void DataSource::setField(const QString& column, const QVariant& value) {
    const int index = requireColumn(column);
    Row& row = current();
    row.values[index] = value;
    row.changed[index] = true;
    row.touched = true;
}

QVariantList DataSource::rowValues(int row) const {
    if (row < 0 || row >= recordCount())
        return {};
    if (row == pos_ && current_)
        return current_->values;
    const qint64 rowid = rowids_[row];
    if (const QVariantList* cached = rowCache_.object(rowid))
        return *cached;
    QVariantList values = readRow(rowid);
    rowCache_.insert(rowid, new QVariantList(values));
    return values;
}

} // namespace ravelbook
