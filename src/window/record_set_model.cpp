#include "window/record_set_model.h"

#include "core/address_fields.h"
#include "store/data_source.h"
#include "store/record_conflict.h"
#include "store/store_error.h"

#include <algorithm>

namespace ravelbook {

RecordSetModel::RecordSetModel(DataSource& source, QObject* parent)
    : QAbstractTableModel(parent), source_(source) {
    connect(&source_, &DataSource::recordSetReset, this, [this] {
        beginResetModel();
        readsFailed_ = false;
        endResetModel();
    });
    // The record selector marks the current row.
    connect(&source_, &DataSource::currentChanged, this, [this] {
        if (rowCount() > 0)
            Q_EMIT headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    });
    connect(&source_, &DataSource::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount())
            Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

int RecordSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !source_.hasRecordSet() ? 0 : source_.recordCount();
}

int RecordSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !source_.hasRecordSet() ? 0 : int(source_.columns().size());
}

bool RecordSetModel::isGroup(int column) const {
    return isGroupColumn(source_.columns().value(column));
}

QVariant RecordSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    // Group columns are check boxes: ticked for a member (any value but 0 or none).
    const bool group = isGroup(index.column());
    if (group ? role != Qt::CheckStateRole : role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    // Cells are read while the grid paints. After a failed read the grid stops
    // reading (a locked book would make every cell wait) until its record set
    // is refreshed, and says so once, after painting.
    if (readsFailed_)
        return {};
    try {
        const QVariant value = source_.rowValues(index.row()).value(index.column());
        if (group)
            return !value.isNull() && value.toInt() != 0 ? Qt::Checked : Qt::Unchecked;
        return value;
    } catch (const Error& error) {
        readsFailed_ = true;
        QMetaObject::invokeMethod(
            const_cast<RecordSetModel*>(this),
            [this, message = error.message()] { Q_EMIT failed(message); }, Qt::QueuedConnection);
        return {};
    }
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return source_.columns().value(section);
    return section == source_.position() ? QStringLiteral("\u25B6") : QString();
}

Qt::ItemFlags RecordSetModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (isGroup(index.column()))
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool RecordSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid())
        return false;
    const QString column = source_.columns().value(index.column());
    QVariant stored = value;
    if (isGroupColumn(column)) {
        if (role != Qt::CheckStateRole)
            return false;
        stored = value.toInt() == Qt::Checked ? -1 : 0;
    } else if (role != Qt::EditRole) {
        return false;
    }
    try {
        if (source_.position() != index.row())
            source_.moveTo(index.row());
        // A cell keeps to its box's rules: one line, and no longer than the box
        // admits (or than the value already was, which is shown and kept whole).
        if (const std::optional<FieldRule> rule = addressFieldRule(column)) {
            const QString text = cleanText(value.toString(), rule->multiLine);
            const int before = int(source_.field(column).toString().size());
            stored = cutAt(text, std::max(rule->maxLength, before));
        }
        source_.setField(column, stored);
        source_.update();
        return true;
    } catch (const RecordConflict& conflict) {
        if (onConflict)
            onConflict(conflict);
        else
            Q_EMIT failed(conflict.message());
        return false;
    } catch (const Error& error) {
        Q_EMIT failed(error.message());
        return false;
    }
}

} // namespace ravelbook
