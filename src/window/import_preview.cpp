#include "window/import_preview.h"

#include "print/vertical_adjustment.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ravelbook {

// The wheel over a drop-down in a table scrolls the table: the user who scrolls
// past the boxes must not change them on the way. A click opens them.
class WheelScrollsTable final : public QObject {
public:
    explicit WheelScrollsTable(QTableWidget* table) : QObject(table), table_(table) {}

    void watch(QComboBox* box) {
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel)
            return QObject::eventFilter(watched, event);
        QCoreApplication::sendEvent(table_->viewport(), event);
        return true;
    }

private:
    QTableWidget* table_;
};

namespace {

QTableWidget* makeTable(QWidget* parent, const QString& name, const QStringList& headings) {
    auto* table = new QTableWidget(0, int(headings.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem* item(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QStringLiteral(" / "));
    auto* cell = new QTableWidgetItem(shown.left(200));
    cell->setToolTip(text.left(1000));
    return cell;
}

} // namespace

ImportPreview::ImportPreview(const QString& file, exchange::ImportSource source,
                             exchange::Mapping mapping, const GroupTitles& titles,
                             std::unordered_set<QString> existing, QWidget* parent)
    : QDialog(parent), source_(std::move(source)), mapping_(std::move(mapping)), titles_(titles),
      existing_(std::move(existing)) {
    setObjectName(QStringLiteral("ImportPreview"));
    setWindowTitle(tr("Import from %1").arg(QFileInfo(file).fileName()));
    auto* layout = new QVBoxLayout(this);

    auto* mappingLabel =
        new QLabel(tr("Where each column of the %1 file goes:").arg(source_.table.kind), this);
    layout->addWidget(mappingLabel);
    mappingTable_ = makeTable(this, QStringLiteral("mapping"),
                              {tr("Column"), tr("First value"), tr("Goes to")});
    // A table takes no name from a label's buddy: each is named by the caption above it.
    mappingTable_->setAccessibleName(mappingLabel->text());
    const exchange::SourceTable& table = source_.table;
    mappingTable_->setRowCount(int(table.columns.size()));
    auto* mappingWheel = new WheelScrollsTable(mappingTable_);
    for (int c = 0; c < table.columns.size(); ++c) {
        mappingTable_->setItem(c, 0, item(table.columns[c]));
        mappingTable_->setItem(c, 1,
                               item(table.rows.empty() ? QString() : table.rows.front().value(c)));
        auto* box = new QComboBox(mappingTable_);
        box->setObjectName(QStringLiteral("mapping(%1)").arg(c));
        box->setAccessibleName(tr("Where %1 goes").arg(table.columns[c]));
        for (const exchange::Target& target : exchange::allTargets())
            box->addItem(exchange::targetLabel(target, titles_));
        const auto& all = exchange::allTargets();
        box->setCurrentIndex(int(std::find(all.begin(), all.end(), mapping_[c]) - all.begin()));
        connect(box, &QComboBox::currentIndexChanged, this, [this, c](int index) {
            if (index < 0)
                return;
            mapping_[c] = exchange::allTargets()[index];
            replan();
        });
        mappingTable_->setCellWidget(c, 2, box);
        mappingWheel->watch(box);
        mappingBoxes_.push_back(box);
    }
    mappingTable_->resizeColumnsToContents();
    layout->addWidget(mappingTable_);

    auto* previewLabel = new QLabel(tr("The first records as they will be in the book:"), this);
    layout->addWidget(previewLabel);
    QStringList headings;
    for (const QString& column : fieldColumns())
        headings << column;
    headings << tr("Groups");
    preview_ = makeTable(this, QStringLiteral("preview"), headings);
    preview_->setAccessibleName(previewLabel->text());
    layout->addWidget(preview_);

    categoriesLabel_ =
        new QLabel(tr("Groups of the file that match no group title (give one a group "
                      "column, which then takes its title):"),
                   this);
    categories_ =
        makeTable(this, QStringLiteral("categories"), {tr("Group"), tr("Records"), tr("Goes to")});
    categories_->setAccessibleName(categoriesLabel_->text());
    layout->addWidget(categoriesLabel_);
    layout->addWidget(categories_);
    categoriesWheel_ = new WheelScrollsTable(categories_);

    summary_ = new QPlainTextEdit(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setAccessibleName(tr("Summary"));
    summary_->setReadOnly(true);
    layout->addWidget(summary_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    importButton_ = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    importButton_->setObjectName(QStringLiteral("importButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    resize(900, 700);
    categoriesLabel_->hide();
    categories_->hide();
    replan(); // fills the categories when there are any
}

QComboBox* ImportPreview::categoryBox(int row) const {
    return qobject_cast<QComboBox*>(categories_->cellWidget(row, 2));
}

void ImportPreview::replan() {
    plan_ = exchange::planImport(source_, mapping_, titles_, existing_, assignments_,
                                 isUsableAdjustment);
    fillPreview();
    summary_->setPlainText(exchange::summary(plan_, 500));
    importButton_->setEnabled(!plan_.records.empty() || plan_.book.has_value());
    // A new mapping may bring other categories; the list follows it.
    if (categories_->rowCount() != int(plan_.unknownCategories.size()))
        fillCategories();
}

void ImportPreview::fillPreview() {
    const int rows = std::min(int(plan_.records.size()), kPreviewRows);
    preview_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const AddressRecord& record = plan_.records[r];
        for (int f = 0; f < kFieldCount; ++f)
            preview_->setItem(r, f, item(record.fields[f]));
        QStringList groups;
        for (int k = 0; k < kGroupCount; ++k) {
            if (record.groups[k])
                groups << QStringLiteral("%1 %2").arg(k).arg(plan_.titles[k]);
        }
        preview_->setItem(r, kFieldCount, item(groups.join(QStringLiteral(", "))));
    }
}

void ImportPreview::fillCategories() {
    const auto& unknown = plan_.unknownCategories;
    categories_->setRowCount(int(unknown.size()));
    categoriesLabel_->setVisible(!unknown.empty());
    categories_->setVisible(!unknown.empty());
    for (int r = 0; r < int(unknown.size()); ++r) {
        categories_->setItem(r, 0, item(unknown[r].name));
        categories_->setItem(r, 1, item(QString::number(unknown[r].records)));
        auto* box = new QComboBox(categories_);
        box->setObjectName(QStringLiteral("category(%1)").arg(r));
        box->addItem(tr("(not kept)"));
        for (int k = 0; k < kGroupCount; ++k)
            box->addItem(tr("Group %1 \"%2\"").arg(k).arg(titles_[k]));
        if (unknown[r].assigned)
            box->setCurrentIndex(*unknown[r].assigned + 1);
        const QString key = unknown[r].name.toLower();
        connect(box, &QComboBox::currentIndexChanged, this, [this, key](int index) {
            if (index <= 0)
                assignments_.erase(key);
            else
                assignments_[key] = index - 1;
            replan();
        });
        categories_->setCellWidget(r, 2, box);
        categoriesWheel_->watch(box);
    }
}

} // namespace ravelbook
