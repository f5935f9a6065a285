#pragma once

#include "print/stationery/stock_template.h"
#include "print/stationery/template_writer.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ravelbook {

class Dialogs;
class SheetDrawing;

// File: New Stationery…: a sheet of labels (or an envelope or card) described
// by its sizes, drawn as it is typed, and saved as a template file in the
// user's stationery folder, where the catalogue reads it.
class NewStationeryDialog final : public QDialog {
    Q_OBJECT

public:
    explicit NewStationeryDialog(Dialogs& dialogs, QWidget* parent = nullptr);

    // The stationery as the boxes describe it.
    StockTemplate stock() const;
    // Why it can't be saved as it is ("The labels overlap…"); empty when it can.
    QString problem() const;
    TemplateUnit unit() const;
    void setUnit(TemplateUnit unit);
    // The file it is saved as.
    QString path() const;
    // Saves the file (asking before one is replaced), then closes; stays open
    // when it can't be saved or the user keeps the old file.
    void accept() override;

    QComboBox* cboKind = nullptr;
    QComboBox* cboPaper = nullptr;
    QComboBox* cboUnit = nullptr;
    QDoubleSpinBox* spnPaperWidth = nullptr;
    QDoubleSpinBox* spnPaperHeight = nullptr;
    QDoubleSpinBox* spnLabelWidth = nullptr;
    QDoubleSpinBox* spnLabelHeight = nullptr;
    QDoubleSpinBox* spnRadius = nullptr;
    QSpinBox* spnColumns = nullptr;
    QSpinBox* spnRows = nullptr;
    QDoubleSpinBox* spnLeft = nullptr;
    QDoubleSpinBox* spnTop = nullptr;
    QDoubleSpinBox* spnPitchX = nullptr;
    QDoubleSpinBox* spnPitchY = nullptr;
    QLineEdit* txtBrand = nullptr;
    QLineEdit* txtPart = nullptr;
    QLineEdit* txtDescription = nullptr;
    QLabel* lblId = nullptr;
    QLabel* lblProblem = nullptr;
    SheetDrawing* picSheet = nullptr;
    QDialogButtonBox* buttons = nullptr;

private:
    QDoubleSpinBox* lengthBox(const char* name);
    std::vector<QDoubleSpinBox*> lengthBoxes() const;
    Length length(const QDoubleSpinBox* box) const;
    void paperChosen();
    void refresh();

    Dialogs& dialogs_;
    std::vector<QWidget*> labelRows_; // shown for label sheets only
};

} // namespace ravelbook
