#include "window/stationery_chooser.h"

#include "print/calibration_sheet.h"
#include "settings/choices.h"
#include "window/sheet_drawing.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace ravelbook {

namespace {

// The notes listed in the tooltip; the rest are counted.
constexpr int kNotesShown = 25;

QString number(double value, int decimals) {
    return QString::number(value, 'f', decimals)
        .remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString noteLine(const CatalogueNote& note) {
    const QString where =
        note.file.isEmpty() ? QString()
        : note.line > 0
            ? QStringLiteral("%1:%2: ").arg(QFileInfo(note.file).fileName()).arg(note.line)
            : QFileInfo(note.file).fileName() + QStringLiteral(": ");
    return where + note.message;
}

} // namespace

QString stockSize(const StockTemplate& stock) {
    const bool inches = stock.paperName.startsWith(QLatin1String("US"), Qt::CaseInsensitive);
    const double width = inches ? stock.labelWidth.inches() : stock.labelWidth.millimetres();
    const double height =
        stock.shape == StockShape::Round
            ? width
            : (inches ? stock.labelHeight.inches() : stock.labelHeight.millimetres());
    return QStringLiteral("%1 x %2 %3")
        .arg(number(width, 3), number(height, 3),
             inches ? QCoreApplication::translate("ravelbook::StationeryChooser", "in")
                    : QCoreApplication::translate("ravelbook::StationeryChooser", "mm"));
}

void StockTableModel::setEntries(std::vector<const StockTemplate*> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

int StockTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(entries_.size());
}

int StockTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StockTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const StockTemplate& stock = *entry(index.row());
    switch (index.column()) {
    case Brand:
        return stock.brand;
    case Part:
        return stock.part;
    case Description:
        return stock.description;
    case Size:
        return stockSize(stock);
    case Labels:
        return stock.kind == StockKind::Labels ? QVariant(stock.labelCount()) : QVariant();
    default:
        return {};
    }
}

QVariant StockTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[] = {
        QT_TRANSLATE_NOOP("ravelbook::StockTableModel", "Brand"),
        QT_TRANSLATE_NOOP("ravelbook::StockTableModel", "Part"),
        QT_TRANSLATE_NOOP("ravelbook::StockTableModel", "Description"),
        QT_TRANSLATE_NOOP("ravelbook::StockTableModel", "Size"),
        //: Column head: how many labels a sheet has
        QT_TRANSLATE_NOOP("ravelbook::StockTableModel", "Labels")};
    return QCoreApplication::translate("ravelbook::StockTableModel", titles[section]);
}

StationeryChooser::StationeryChooser(std::shared_ptr<const StationeryCatalogue> catalogue,
                                     QStringList recent, const QString& current, QWidget* parent)
    : QDialog(parent), catalogue_(std::move(catalogue)) {
    setObjectName(QStringLiteral("StationeryChooser"));
    setWindowTitle(tr("More Stationery"));
    auto* grid = new QGridLayout(this);

    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(tr("Search: brand, part number or description"));
    txtSearch->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(txtSearch);
    grid->addWidget(searchLabel, 0, 0);
    grid->addWidget(txtSearch, 0, 1);

    lstRecent = new QListWidget(this);
    lstRecent->setObjectName(QStringLiteral("lstRecent"));
    for (const QString& id : recent) {
        if (const StockTemplate* stock = catalogue_->find(id)) {
            auto* item = new QListWidgetItem(stationeryTitle(*stock), lstRecent);
            item->setData(Qt::UserRole, stock->id);
        }
    }
    if (lstRecent->count() > 0)
        lstRecent->setMaximumHeight(lstRecent->sizeHintForRow(0) * choices::kRecentStationeries +
                                    2 * lstRecent->frameWidth());
    auto* recentLabel = new QLabel(tr("&Recent:"), this);
    recentLabel->setBuddy(lstRecent);
    recentLabel->setVisible(lstRecent->count() > 0);
    lstRecent->setVisible(lstRecent->count() > 0);
    grid->addWidget(recentLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(lstRecent, 1, 1);

    model_ = new StockTableModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortCaseSensitivity(Qt::CaseInsensitive);
    grdStationery = new QTableView(this);
    grdStationery->setObjectName(QStringLiteral("grdStationery"));
    grdStationery->setModel(sorted_);
    grdStationery->setSortingEnabled(true);
    grdStationery->sortByColumn(-1, Qt::AscendingOrder); // the catalogue's own order first
    grdStationery->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdStationery->setSelectionMode(QAbstractItemView::SingleSelection);
    grdStationery->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdStationery->verticalHeader()->setVisible(false);
    grdStationery->horizontalHeader()->setStretchLastSection(false);
    grdStationery->horizontalHeader()->setSectionResizeMode(StockTableModel::Description,
                                                            QHeaderView::Stretch);
    grid->addWidget(grdStationery, 2, 0, 1, 2);

    picSheet = new SheetDrawing(this);
    picSheet->setObjectName(QStringLiteral("picSheet"));
    grid->addWidget(picSheet, 0, 2, 3, 1);
    lblChosen = new QLabel(this);
    lblChosen->setObjectName(QStringLiteral("lblChosen"));
    lblChosen->setWordWrap(true);
    grid->addWidget(lblChosen, 3, 2);

    // Entries the catalogue skipped, so a user's damaged file is not silently missing.
    lblNotes = new QLabel(this);
    lblNotes->setObjectName(QStringLiteral("lblNotes"));
    const std::vector<CatalogueNote>& notes = catalogue_->notes();
    if (!notes.empty()) {
        lblNotes->setText(
            notes.size() == 1
                ? tr("1 template entry could not be read or was left out")
                : tr("%1 template entries could not be read or were left out").arg(notes.size()));
        QStringList lines;
        for (std::size_t i = 0; i < notes.size() && i < std::size_t(kNotesShown); ++i)
            lines << noteLine(notes[i]);
        if (notes.size() > std::size_t(kNotesShown))
            lines << tr("… and %1 more").arg(notes.size() - kNotesShown);
        lblNotes->setToolTip(lines.join(QLatin1Char('\n')));
    }
    lblNotes->setVisible(!notes.empty());
    grid->addWidget(lblNotes, 3, 0, 1, 2);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(txtSearch, &QLineEdit::textChanged, this, &StationeryChooser::search);
    connect(grdStationery->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StationeryChooser::showChosen);
    connect(model_, &QAbstractItemModel::modelReset, this, &StationeryChooser::showChosen);
    connect(lstRecent, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(item->data(Qt::UserRole).toString()); });
    connect(lstRecent, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        choose(item->data(Qt::UserRole).toString());
        accept();
    });
    connect(grdStationery, &QTableView::doubleClicked, this, &StationeryChooser::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &StationeryChooser::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &StationeryChooser::reject);

    search(QString());
    if (!current.isEmpty())
        choose(current);
    resize(860, 520);
    txtSearch->setFocus();
}

void StationeryChooser::search(const QString& text) {
    model_->setEntries(catalogue_->search(text));
    // The product whose part is the text typed comes selected ("5160").
    int best = model_->rowCount() > 0 ? 0 : -1;
    const QString wanted = text.trimmed();
    for (int row = 0; row < model_->rowCount() && !wanted.isEmpty(); ++row) {
        if (model_->entry(row)->part.compare(wanted, Qt::CaseInsensitive) == 0) {
            best = row;
            break;
        }
    }
    if (best >= 0)
        grdStationery->selectRow(sorted_->mapFromSource(model_->index(best, 0)).row());
    showChosen();
}

void StationeryChooser::choose(const QString& id) {
    const auto rowOf = [&]() -> int {
        for (int row = 0; row < model_->rowCount(); ++row) {
            if (model_->entry(row)->id == id)
                return row;
        }
        return -1;
    };
    int row = rowOf();
    if (row < 0 && !txtSearch->text().isEmpty()) {
        txtSearch->clear();
        row = rowOf();
    }
    if (row < 0)
        return;
    const QModelIndex shown = sorted_->mapFromSource(model_->index(row, 0));
    grdStationery->selectRow(shown.row());
    grdStationery->scrollTo(shown);
}

const StockTemplate* StationeryChooser::chosen() const {
    const QModelIndexList rows = grdStationery->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    return model_->entry(sorted_->mapToSource(rows.first()).row());
}

void StationeryChooser::showChosen() {
    const StockTemplate* stock = chosen();
    picSheet->setStock(stock ? std::optional<StockTemplate>(*stock) : std::nullopt);
    lblChosen->setText(stock ? stationeryTitle(*stock) : QString());
    buttons->button(QDialogButtonBox::Ok)->setEnabled(stock != nullptr);
}

} // namespace ravelbook
