#include "window/calibration_dialog.h"

#include "core/length.h"
#include "print/calibration_sheet.h"
#include "print/painted_destination.h"
#include "print/preview_target.h"
#include "print/print_error.h"
#include "print/print_run.h"
#include "print/printers.h"
#include "print/stock_layout.h"
#include "settings/settings_store.h"
#include "window/dialogs.h"
#include "window/handler_edge.h"
#include "window/print_preview.h"

#include <cmath>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>

namespace ravelbook {

namespace {

using printer_calibration::Unit;

constexpr double kTwipsPerMillimetre = kTwipsPerInch / 25.4;

struct UnitShown {
    const char* name;
    const char* suffix;
    double twips; // in one unit
    int decimals;
    double step;
};

const UnitShown& shown(Unit unit) {
    static const UnitShown inches{QT_TRANSLATE_NOOP("ravelbook::CalibrationDialog", "inches"),
                                  QT_TRANSLATE_NOOP("ravelbook::CalibrationDialog", " in"),
                                  kTwipsPerInch, 3, 0.01};
    static const UnitShown millimetres{
        QT_TRANSLATE_NOOP("ravelbook::CalibrationDialog", "millimetres"),
        QT_TRANSLATE_NOOP("ravelbook::CalibrationDialog", " mm"), kTwipsPerMillimetre, 1, 0.5};
    return unit == Unit::Millimetres ? millimetres : inches;
}

// An offset box that takes "0,05" as well as "0.05": offsets are never large
// enough for a thousands separator, so either mark is the decimal one,
// whatever the locale says.
class OffsetBox final : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    QValidator::State validate(QString& text, int& position) const override {
        QString read = withLocalePoint(text);
        return QDoubleSpinBox::validate(read, position);
    }
    double valueFromText(const QString& text) const override {
        return QDoubleSpinBox::valueFromText(withLocalePoint(text));
    }

private:
    QString withLocalePoint(QString text) const {
        const QString point = locale().decimalPoint();
        for (const QChar mark : {QLatin1Char('.'), QLatin1Char(',')}) {
            if (QString(mark) != point)
                text.replace(mark, point);
        }
        return text;
    }
};

QDoubleSpinBox* offsetBox(QWidget* parent, const char* name, const QString& tip) {
    auto* box = new OffsetBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(tip);
    box->setAccelerated(true);
    return box;
}

} // namespace

CalibrationDialog::CalibrationDialog(SettingsStore& settings, Dialogs& dialogs,
                                     const Printers& printers, QString book,
                                     std::optional<Stationery> stationery, QWidget* parent)
    : QDialog(parent), settings_(settings), dialogs_(dialogs), printers_(printers),
      book_(std::move(book)), unit_(printer_calibration::readUnit(settings)) {
    setObjectName(QStringLiteral("CalibrationDialog"));
    setWindowTitle(tr("Calibrate Printer"));
    auto* form = new QFormLayout(this);

    cboStationery = new QComboBox(this);
    cboStationery->setObjectName(QStringLiteral("cboStationery"));
    for (const Stationery kind : {Stationery::SmallLabels, Stationery::LargeLabels,
                                  Stationery::Envelopes, Stationery::Cards, Stationery::Fliers})
        cboStationery->addItem(stationeryTitle(kind));
    cboStationery->setCurrentIndex(int(stationery.value_or(Stationery::SmallLabels)));
    form->addRow(tr("&Stationery:"), cboStationery);

    lblPrinter = new QLabel(this);
    lblPrinter->setObjectName(QStringLiteral("lblPrinter"));
    cmdPrinter = new QPushButton(tr("P&rinter…"), this);
    cmdPrinter->setObjectName(QStringLiteral("cmdPrinter"));
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(lblPrinter, 1);
    printerRow->addWidget(cmdPrinter);
    form->addRow(tr("Printer:"), printerRow);

    // Made in the row's order, which Tab follows.
    cmdPreviewSheet = new QPushButton(tr("Pre&view Sheet"), this);
    cmdPreviewSheet->setObjectName(QStringLiteral("cmdPreviewSheet"));
    cmdPrintSheet = new QPushButton(tr("&Print Sheet"), this);
    cmdPrintSheet->setObjectName(QStringLiteral("cmdPrintSheet"));
    cmdSavePdf = new QPushButton(tr("Save Sheet as P&DF…"), this);
    cmdSavePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    auto* sheetRow = new QHBoxLayout;
    sheetRow->addWidget(cmdPreviewSheet);
    sheetRow->addWidget(cmdPrintSheet);
    sheetRow->addWidget(cmdSavePdf);
    sheetRow->addStretch();
    form->addRow(tr("Calibration sheet:"), sheetRow);

    spnRight = offsetBox(this, "spnRight", tr("Negative moves the print left"));
    spnDown = offsetBox(this, "spnDown", tr("Negative moves the print up"));
    form->addRow(tr("Move print &right by:"), spnRight);
    form->addRow(tr("Move print &down by:"), spnDown);
    cboUnit = new QComboBox(this);
    cboUnit->setObjectName(QStringLiteral("cboUnit"));
    for (const Unit unit : {Unit::Inches, Unit::Millimetres})
        cboUnit->addItem(
            QCoreApplication::translate("ravelbook::CalibrationDialog", shown(unit).name));
    cboUnit->setCurrentIndex(int(unit_));
    form->addRow(tr("&Unit:"), cboUnit);

    auto* note =
        new QLabel(tr("Print the sheet on plain paper, hold it against the stationery in front "
                      "of a light and add how far the printed outlines are off to the offsets "
                      "above; print again to check. OK keeps the offsets for this printer, and "
                      "everything printed on it is moved by them."),
                   this);
    note->setWordWrap(true);
    form->addRow(note);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    form->addRow(lblStatus);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);

    connect(cboStationery, &QComboBox::currentIndexChanged, this, &CalibrationDialog::sheetChanged);
    connect(cmdPrinter, &QPushButton::clicked, this, &CalibrationDialog::choosePrinter);
    connect(cmdPrintSheet, &QPushButton::clicked, this, &CalibrationDialog::printSheet);
    connect(cmdSavePdf, &QPushButton::clicked, this, &CalibrationDialog::saveSheetAsPdf);
    connect(cmdPreviewSheet, &QPushButton::clicked, this, &CalibrationDialog::previewSheet);
    connect(spnRight, &QDoubleSpinBox::valueChanged, this,
            [this](double value) { offsetEdited(offset_.x, value); });
    connect(spnDown, &QDoubleSpinBox::valueChanged, this,
            [this](double value) { offsetEdited(offset_.y, value); });
    connect(cboUnit, &QComboBox::currentIndexChanged, this,
            [this](int index) { setUnit(Unit(index)); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CalibrationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CalibrationDialog::reject);

    setPrinter(printers_.defaultPrinter());
}

CalibrationDialog::~CalibrationDialog() = default;

Stationery CalibrationDialog::stationery() const {
    return Stationery(std::min(cboStationery->currentIndex(), int(Stationery::Fliers)));
}

void CalibrationDialog::addStock(std::shared_ptr<const StockTemplate> stock) {
    if (!stock || stock_)
        return;
    stock_ = std::move(stock);
    cboStationery->addItem(stationeryTitle(*stock_));
    cboStationery->setCurrentIndex(cboStationery->count() - 1);
}

std::shared_ptr<const StockTemplate> CalibrationDialog::stock() const {
    return cboStationery->currentIndex() == int(Stationery::Fliers) + 1 ? stock_ : nullptr;
}

void CalibrationDialog::setStationery(Stationery stationery) {
    cboStationery->setCurrentIndex(int(stationery));
}

void CalibrationDialog::setPrinter(const QString& name) {
    printer_ = name;
    const bool any = !name.isEmpty();
    lblPrinter->setText(any ? name
                            : tr("No printer is installed; the sheet can be saved "
                                 "as a PDF file."));
    // Offsets belong to a printer: without one there is nothing to keep.
    cmdPrintSheet->setEnabled(any);
    spnRight->setEnabled(any);
    spnDown->setEnabled(any);
    const printer_calibration::Offset kept = printer_calibration::read(settings_, name);
    setOffset({kept.x, kept.y});
}

void CalibrationDialog::setOffset(PrintOffset offset) {
    offset_ = offset;
    showOffset();
    Q_EMIT sheetChanged();
}

void CalibrationDialog::setUnit(Unit unit) {
    if (unit == unit_)
        return;
    unit_ = unit;
    {
        const QSignalBlocker blocker(cboUnit);
        cboUnit->setCurrentIndex(int(unit));
    }
    showOffset();
    runHandler(dialogs_, [&] { printer_calibration::saveUnit(settings_, unit); });
}

// The boxes show offset_ in the unit chosen; offset_ keeps whole twips, so
// switching units back and forth never drifts.
void CalibrationDialog::showOffset() {
    const UnitShown& u = shown(unit_);
    const double largest = printer_calibration::kLargestOffset / u.twips;
    for (const auto& [box, twips] : {std::pair{spnRight, offset_.x}, {spnDown, offset_.y}}) {
        const QSignalBlocker blocker(box);
        box->setDecimals(u.decimals);
        box->setRange(-largest, largest);
        box->setSingleStep(u.step);
        box->setSuffix(QCoreApplication::translate("ravelbook::CalibrationDialog", u.suffix));
        box->setValue(twips / u.twips);
    }
}

// Only the box edited changes: the other keeps its whole twips.
void CalibrationDialog::offsetEdited(int& twips, double shownValue) {
    twips = int(std::lround(shownValue * shown(unit_).twips));
    Q_EMIT sheetChanged();
}

void CalibrationDialog::choosePrinter() {
    runHandler(dialogs_, [this] {
        const std::optional<Dialogs::PrinterChoice> choice = dialogs_.choosePrinter();
        // Printing to a file is what "Save Sheet as PDF" is for; a file keeps no offsets.
        if (choice && !choice->name.isEmpty())
            setPrinter(choice->name);
    });
}

void CalibrationDialog::printSheet() {
    if (printer_.isEmpty())
        return;
    runHandler(dialogs_, [this] {
        const std::unique_ptr<PaintedDestination> destination =
            PaintedDestination::printer(printers_, printer_);
        print(*destination);
    });
}

void CalibrationDialog::saveSheetAsPdf() {
    runHandler(dialogs_, [this] {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString file =
            dialogs_.saveFileName(tr("Save the calibration sheet as a PDF file"),
                                  //: The file name offered for the saved sheet
                                  QDir(folder).filePath(tr("Calibration sheet.pdf")));
        if (file.isEmpty())
            return;
        const std::unique_ptr<PaintedDestination> destination = PaintedDestination::pdf(
            file, book_,
            (stock() ? stockLayout(*stock()).itemsPerSheet : slotsPerSheet(stationery())) > 0);
        print(*destination);
    });
}

void CalibrationDialog::print(PaintedDestination& destination) {
    lblStatus->clear();
    try {
        PrinterSurface* surface = destination.begin();
        if (!surface)
            return;
        if (const std::shared_ptr<const StockTemplate> sheet = stock())
            drawCalibrationSheet(*surface, *sheet, offset_);
        else
            drawCalibrationSheet(*surface, stationery(), offset_);
        destination.end();
    } catch (const Error& error) {
        // An unfinished sheet is dropped with the destination.
        showError(dialogs_, error.message());
        return;
    }
    lblStatus->setText(tr("The calibration sheet went to %1.").arg(destination.where()));
}

void CalibrationDialog::accept() {
    runHandler(dialogs_, [this] {
        printer_calibration::save(settings_, printer_, {offset_.x, offset_.y});
        QDialog::accept();
    });
}

void CalibrationDialog::previewSheet() {
    const Stationery sheet = stationery();
    const std::shared_ptr<const StockTemplate> stock = this->stock();
    const PrintOffset moved = offset_;
    const Layout layout = stock ? stockLayout(*stock) : layoutFor(sheet);
    PrintPreviewDialog preview({1, &layout,
                                [sheet, stock, moved](int, int dpi) {
                                    return stock ? drawCalibrationPreview(*stock, moved, dpi)
                                                 : drawCalibrationPreview(sheet, moved, dpi);
                                }},
                               this);
    preview.setWindowTitle(tr("Calibration Sheet"));
    const bool print = previewRunner_ ? previewRunner_(preview) : preview.exec() == Accepted;
    if (print && cmdPrintSheet->isEnabled())
        printSheet();
}

} // namespace ravelbook
