#pragma once

#include "exchange/import.h"

#include <QDialog>
#include <unordered_set>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace ravelbook {

class WheelScrollsTable;

// Shows, before anything is written, what an import will do: each source
// column with the field it goes to (the user may change it), the first records
// as they will land, how many are added and skipped, every warning, and the
// categories no group title matches, each of which the user may give a group.
class ImportPreview : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPreviewRows = 10;

    ImportPreview(const QString& file, exchange::ImportSource source, exchange::Mapping mapping,
                  const GroupTitles& titles, std::unordered_set<QString> existing,
                  QWidget* parent = nullptr);

    const exchange::ImportPlan& plan() const { return plan_; }
    const exchange::Mapping& mapping() const { return mapping_; }
    const exchange::ImportSource& source() const { return source_; }

    // The controls, for the user and for tests.
    QComboBox* mappingBox(int column) const { return mappingBoxes_.at(column); }
    // The box of unknown category `row` of plan().unknownCategories: "not kept" or a group column.
    QComboBox* categoryBox(int row) const;
    QTableWidget* previewTable() const { return preview_; }
    QPlainTextEdit* summaryText() const { return summary_; }
    QPushButton* importButton() const { return importButton_; }

private:
    void replan();
    void fillPreview();
    void fillCategories();

    exchange::ImportSource source_;
    exchange::Mapping mapping_;
    GroupTitles titles_;
    std::unordered_set<QString> existing_;
    exchange::CategoryAssignments assignments_;
    exchange::ImportPlan plan_;

    std::vector<QComboBox*> mappingBoxes_;
    QTableWidget* mappingTable_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QTableWidget* categories_ = nullptr;
    WheelScrollsTable* categoriesWheel_ = nullptr;
    QLabel* categoriesLabel_ = nullptr;
    QPlainTextEdit* summary_ = nullptr;
    QPushButton* importButton_ = nullptr;
};

} // namespace ravelbook
