#pragma once

#include "print/stationery/stationery_catalogue.h"

#include <memory>
#include <QAbstractTableModel>
#include <QDialog>
#include <QStringList>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSortFilterProxyModel;
class QTableView;

namespace ravelbook {

class SheetDrawing;

// Catalogue entries as rows: brand, part, description, size, labels per sheet.
class StockTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Brand, Part, Description, Size, Labels, ColumnCount };
    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(std::vector<const StockTemplate*> entries);
    const StockTemplate* entry(int row) const { return entries_.at(std::size_t(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<const StockTemplate*> entries_;
};

// "2.625 x 1 in" or "63.5 x 38.1 mm", in the unit of the paper's country.
QString stockSize(const StockTemplate& stock);

// "More stationery…": the catalogue searched as the user types (every word
// must match), a drawing of the sheet selected, and the ones chosen lately.
class StationeryChooser final : public QDialog {
    Q_OBJECT

public:
    StationeryChooser(std::shared_ptr<const StationeryCatalogue> catalogue, QStringList recent,
                      const QString& current, QWidget* parent = nullptr);

    // The entry selected; null when none is.
    const StockTemplate* chosen() const;
    // Selects the entry of this id, clearing the search when it hides it.
    void choose(const QString& id);

    QLineEdit* txtSearch = nullptr;
    QListWidget* lstRecent = nullptr;
    QTableView* grdStationery = nullptr;
    SheetDrawing* picSheet = nullptr;
    QLabel* lblChosen = nullptr;
    QLabel* lblNotes = nullptr;
    QDialogButtonBox* buttons = nullptr;

private:
    void search(const QString& text);
    void showChosen();

    std::shared_ptr<const StationeryCatalogue> catalogue_;
    StockTableModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
};

} // namespace ravelbook
