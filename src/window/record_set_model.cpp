#include "window/record_set_model.h"

#include "store/data_source.h"
#include "store/store_error.h"

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

QVariant RecordSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    // Cells are read while the grid paints. After a failed read the grid stops
    // reading (a locked book would make every cell wait) until its record set
    // is refreshed, and says so once, after painting.
    if (readsFailed_)
        return {};
    try {
        return source_.rowValues(index.row()).value(index.column());
    } catch (const StoreError& error) {
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
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool RecordSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    try {
        if (source_.position() != index.row())
            source_.moveTo(index.row());
        source_.setField(source_.columns().at(index.column()), value);
        source_.update();
        return true;
    } catch (const StoreError& error) {
        Q_EMIT failed(error.message());
        return false;
    }
}

} // namespace ravelbook
