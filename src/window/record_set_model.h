#pragma once

#include <functional>
#include <QAbstractTableModel>

namespace ravelbook {

class RecordConflict;

class DataSource;

// The rows of a data source's record set as a table for the grid: one column per
// field, cells editable and written back through the data source. Rows are read
// as the grid shows them, not all at once. The grid can't add or delete rows.
class RecordSetModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Shown a cell edit refused because someone else changed the record; without
    // one the refusal goes out as failed().
    std::function<void(const RecordConflict&)> onConflict;

    explicit RecordSetModel(DataSource& source, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

Q_SIGNALS:
    // An edit or a read failed; the text says why.
    void failed(const QString& message) const;

private:
    bool isGroup(int column) const;

    DataSource& source_;
    mutable bool readsFailed_ = false;
};

} // namespace ravelbook
