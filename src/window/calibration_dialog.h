#pragma once

#include "print/layout.h"
#include "print/print_job.h"
#include "settings/printer_calibration.h"

#include <functional>
#include <memory>
#include <optional>
#include <QDialog>
#include <QString>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace ravelbook {

class Dialogs;
class PaintedDestination;
class PrintPreviewDialog;
class Printers;
class SettingsStore;

// File: Calibrate Printer...: prints the calibration sheet of a stationery on
// a printer (or into a PDF file) and keeps the offsets the user measured on it
// for that printer. The sheet is printed with the offsets in the boxes, so the
// user can print, correct and print again until the outlines sit on the
// stationery; OK keeps them.
class CalibrationDialog final : public QDialog {
    Q_OBJECT

public:
    // `book`, the open address book, is never written over by the PDF.
    CalibrationDialog(SettingsStore& settings, Dialogs& dialogs, const Printers& printers,
                      QString book, std::optional<Stationery> stationery,
                      QWidget* parent = nullptr);
    ~CalibrationDialog() override;

    Stationery stationery() const;
    void setStationery(Stationery stationery);
    // A catalogue stationery listed after the built-in five and chosen; stock()
    // is it while it stays chosen, else null.
    void addStock(std::shared_ptr<const StockTemplate> stock);
    std::shared_ptr<const StockTemplate> stock() const;
    // The printer calibrated; empty when no printer is installed.
    QString printer() const { return printer_; }
    // Shows the printer and the offsets kept for it.
    void setPrinter(const QString& name);
    // The offsets in the boxes, in twips; positive moves right and down.
    PrintOffset offset() const { return offset_; }
    void setOffset(PrintOffset offset);
    printer_calibration::Unit unit() const { return unit_; }
    // Shows the offsets in this unit and keeps the choice for next time.
    void setUnit(printer_calibration::Unit unit);

    // The buttons: "Printer...", "Print Sheet", "Save Sheet as PDF...".
    void choosePrinter();
    void printSheet();
    void saveSheetAsPdf();
    // The sheet as it would print now, in the print preview; its Print prints it.
    void previewSheet();
    // Runs the preview instead of showing it modally (tests); true prints.
    void setPreviewRunner(std::function<bool(PrintPreviewDialog&)> runner) {
        previewRunner_ = std::move(runner);
    }
    // Keeps the offsets for the printer, then closes; stays open when they
    // can't be saved.
    void accept() override;

    // The controls, for the user and for tests.
    QComboBox* cboStationery = nullptr;
    QLabel* lblPrinter = nullptr;
    QPushButton* cmdPrinter = nullptr;
    QPushButton* cmdPrintSheet = nullptr;
    QPushButton* cmdSavePdf = nullptr;
    QPushButton* cmdPreviewSheet = nullptr;
    QDoubleSpinBox* spnRight = nullptr;
    QDoubleSpinBox* spnDown = nullptr;
    QComboBox* cboUnit = nullptr;
    QLabel* lblStatus = nullptr; // where the last sheet went

Q_SIGNALS:
    // The sheet as it would now print has changed: another stationery or offset.
    void sheetChanged();

private:
    void showOffset();
    void offsetEdited(int& twips, double shownValue);
    void print(PaintedDestination& destination);

    std::function<bool(PrintPreviewDialog&)> previewRunner_;
    SettingsStore& settings_;
    Dialogs& dialogs_;
    const Printers& printers_;
    QString book_;
    std::shared_ptr<const StockTemplate> stock_;
    QString printer_;
    PrintOffset offset_;
    printer_calibration::Unit unit_ = printer_calibration::Unit::Inches;
};

} // namespace ravelbook
