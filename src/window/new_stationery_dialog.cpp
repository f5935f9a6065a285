#include "window/new_stationery_dialog.h"

#include "core/length.h"
#include "print/stationery/stationery_catalogue.h"
#include "print/stationery/template_reader.h"
#include "window/dialogs.h"
#include "window/handler_edge.h"
#include "window/sheet_drawing.h"
#include "window/warning_colour.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace ravelbook {

namespace {

// Paper sizes offered, as the template files name them; "Other" is typed in.
struct PaperChoice {
    const char* shown;
    const char* name;
    double widthMm;
    double heightMm;
};
constexpr PaperChoice kPapers[] = {
    {QT_TRANSLATE_NOOP("ravelbook::NewStationeryDialog", "A4 (210 x 297 mm)"), "A4", 210, 297},
    {QT_TRANSLATE_NOOP("ravelbook::NewStationeryDialog", "US Letter (8 1/2 x 11 in)"), "US-Letter",
     215.9, 279.4},
    {QT_TRANSLATE_NOOP("ravelbook::NewStationeryDialog", "A5 (148 x 210 mm)"), "A5", 148, 210},
    {QT_TRANSLATE_NOOP("ravelbook::NewStationeryDialog", "US Legal (8 1/2 x 14 in)"), "US-Legal",
     215.9, 355.6},
    {QT_TRANSLATE_NOOP("ravelbook::NewStationeryDialog", "Custom"), "Other", 0, 0},
};
constexpr int kCustom = int(std::size(kPapers)) - 1;

// Lengths are compared in whole hundredths of a millimetre: what a box shows
// in either unit is not a false overlap.
bool beyond(Length a, Length b) {
    return std::lround(a.millimetres() * 100) > std::lround(b.millimetres() * 100);
}

} // namespace

NewStationeryDialog::NewStationeryDialog(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("NewStationeryDialog"));
    setWindowTitle(tr("New Stationery"));
    auto* columns = new QHBoxLayout(this);
    auto* form = new QFormLayout;
    columns->addLayout(form, 1);

    cboKind = new QComboBox(this);
    cboKind->setObjectName(QStringLiteral("cboKind"));
    cboKind->addItems({tr("Label sheet"), tr("Envelope"), tr("Card")});
    form->addRow(tr("&Kind:"), cboKind);
    cboUnit = new QComboBox(this);
    cboUnit->setObjectName(QStringLiteral("cboUnit"));
    cboUnit->addItems({QStringLiteral("millimetres"), QStringLiteral("inches")});
    form->addRow(tr("&Unit:"), cboUnit);
    cboPaper = new QComboBox(this);
    cboPaper->setObjectName(QStringLiteral("cboPaper"));
    for (const PaperChoice& paper : kPapers)
        cboPaper->addItem(
            QCoreApplication::translate("ravelbook::NewStationeryDialog", paper.shown));
    form->addRow(tr("&Paper:"), cboPaper);
    spnPaperWidth = lengthBox("spnPaperWidth");
    spnPaperHeight = lengthBox("spnPaperHeight");
    form->addRow(tr("Paper &width:"), spnPaperWidth);
    form->addRow(tr("Paper &height:"), spnPaperHeight);

    spnLabelWidth = lengthBox("spnLabelWidth");
    spnLabelHeight = lengthBox("spnLabelHeight");
    spnRadius = lengthBox("spnRadius");
    spnColumns = new QSpinBox(this);
    spnColumns->setObjectName(QStringLiteral("spnColumns"));
    spnRows = new QSpinBox(this);
    spnRows->setObjectName(QStringLiteral("spnRows"));
    for (QSpinBox* count : {spnColumns, spnRows})
        count->setRange(1, kMostLabelsOnASheet);
    spnLeft = lengthBox("spnLeft");
    spnTop = lengthBox("spnTop");
    spnPitchX = lengthBox("spnPitchX");
    spnPitchY = lengthBox("spnPitchY");
    const std::pair<QString, QWidget*> labelRows[] = {
        {tr("&Label width:"), spnLabelWidth},
        {tr("Label h&eight:"), spnLabelHeight},
        {tr("Corner &radius:"), spnRadius},
        {tr("&Columns:"), spnColumns},
        {tr("R&ows:"), spnRows},
        {tr("Le&ft margin:"), spnLeft},
        {tr("&Top margin:"), spnTop},
        {tr("Hori&zontal pitch:"), spnPitchX},
        {tr("&Vertical pitch:"), spnPitchY},
    };
    for (const auto& [caption, box] : labelRows) {
        form->addRow(caption, box);
        labelRows_.push_back(box);
    }

    txtBrand = new QLineEdit(this);
    txtBrand->setObjectName(QStringLiteral("txtBrand"));
    txtPart = new QLineEdit(this);
    txtPart->setObjectName(QStringLiteral("txtPart"));
    txtDescription = new QLineEdit(this);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    lblId = new QLabel(this);
    lblId->setObjectName(QStringLiteral("lblId"));
    form->addRow(tr("&Brand:"), txtBrand);
    form->addRow(tr("P&art:"), txtPart);
    form->addRow(tr("&Description:"), txtDescription);
    form->addRow(tr("Id:"), lblId);

    auto* side = new QVBoxLayout;
    columns->addLayout(side, 1);
    picSheet = new SheetDrawing(this);
    picSheet->setObjectName(QStringLiteral("picSheet"));
    side->addWidget(picSheet, 1);
    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    setWarningLook(lblProblem, true, QPalette::WindowText, QPalette::Window);
    side->addWidget(lblProblem);
    buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    side->addWidget(buttons);

    // A sheet of 2 x 5 labels on the paper of the user's country to start from.
    const bool us = measuresInInches();
    cboPaper->setCurrentIndex(us ? 1 : 0);
    spnColumns->setValue(2);
    spnRows->setValue(5);
    const std::pair<QDoubleSpinBox*, double> startMm[] = {
        {spnLabelWidth, 99.1}, {spnLabelHeight, 57}, {spnLeft, 5},
        {spnTop, 5},           {spnPitchX, 101.6},   {spnPitchY, 57},
    };
    for (const auto& [box, millimetres] : startMm)
        box->setValue(millimetres);
    paperChosen();
    if (us)
        setUnit(TemplateUnit::Inches);

    connect(cboKind, &QComboBox::currentIndexChanged, this, &NewStationeryDialog::refresh);
    connect(cboPaper, &QComboBox::currentIndexChanged, this, &NewStationeryDialog::paperChosen);
    connect(cboUnit, &QComboBox::currentIndexChanged, this, [this](int index) {
        setUnit(index == 1 ? TemplateUnit::Inches : TemplateUnit::Millimetres);
    });
    for (QDoubleSpinBox* box : lengthBoxes())
        connect(box, &QDoubleSpinBox::valueChanged, this, &NewStationeryDialog::refresh);
    for (QSpinBox* count : {spnColumns, spnRows})
        connect(count, &QSpinBox::valueChanged, this, &NewStationeryDialog::refresh);
    for (QLineEdit* text : {txtBrand, txtPart, txtDescription})
        connect(text, &QLineEdit::textChanged, this, &NewStationeryDialog::refresh);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewStationeryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewStationeryDialog::reject);
    refresh();
}

QDoubleSpinBox* NewStationeryDialog::lengthBox(const char* name) {
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, 2000);
    box->setDecimals(2);
    box->setSuffix(tr(" mm"));
    return box;
}

std::vector<QDoubleSpinBox*> NewStationeryDialog::lengthBoxes() const {
    return {spnPaperWidth, spnPaperHeight, spnLabelWidth, spnLabelHeight, spnRadius,
            spnLeft,       spnTop,         spnPitchX,     spnPitchY};
}

TemplateUnit NewStationeryDialog::unit() const {
    return cboUnit->currentIndex() == 1 ? TemplateUnit::Inches : TemplateUnit::Millimetres;
}

Length NewStationeryDialog::length(const QDoubleSpinBox* box) const {
    return unit() == TemplateUnit::Inches ? Length::fromInches(box->value())
                                          : Length::fromMillimetres(box->value());
}

// Every box keeps its length; only the numbers shown change.
void NewStationeryDialog::setUnit(TemplateUnit unit) {
    const bool inches = unit == TemplateUnit::Inches;
    if (cboUnit->currentIndex() != int(inches)) {
        const QSignalBlocker blocker(cboUnit);
        cboUnit->setCurrentIndex(int(inches));
    } else if (spnPaperWidth->suffix() == (inches ? tr(" in") : tr(" mm"))) {
        return;
    }
    for (QDoubleSpinBox* box : lengthBoxes()) {
        const QSignalBlocker blocker(box);
        const double value = box->value();
        box->setDecimals(inches ? 4 : 2);
        box->setRange(0, inches ? 80 : 2000);
        box->setSingleStep(inches ? 0.0625 : 0.5);
        box->setSuffix(inches ? tr(" in") : tr(" mm"));
        box->setValue(inches ? value / kMillimetresPerInch : value * kMillimetresPerInch);
    }
    refresh();
}

void NewStationeryDialog::paperChosen() {
    const int index = cboPaper->currentIndex();
    const bool custom = index == kCustom;
    spnPaperWidth->setEnabled(custom);
    spnPaperHeight->setEnabled(custom);
    if (!custom) {
        const PaperChoice& paper = kPapers[index];
        const bool inches = unit() == TemplateUnit::Inches;
        const QSignalBlocker width(spnPaperWidth), height(spnPaperHeight);
        spnPaperWidth->setValue(inches ? paper.widthMm / kMillimetresPerInch : paper.widthMm);
        spnPaperHeight->setValue(inches ? paper.heightMm / kMillimetresPerInch : paper.heightMm);
    }
    refresh();
}

StockTemplate NewStationeryDialog::stock() const {
    StockTemplate stock;
    stock.brand = txtBrand->text().simplified();
    stock.part = txtPart->text().simplified();
    stock.description = txtDescription->text().simplified();
    stock.id = stockId(stock.brand, stock.part);
    const int paper = cboPaper->currentIndex();
    stock.paperName = QLatin1String(kPapers[paper].name);
    stock.paperWidth = length(spnPaperWidth);
    stock.paperHeight = length(spnPaperHeight);
    stock.kind = StockKind(cboKind->currentIndex());
    stock.userOwn = true;
    if (stock.kind != StockKind::Labels) {
        // An envelope or card is one piece the size of its paper.
        stock.labelWidth = stock.paperWidth;
        stock.labelHeight = stock.paperHeight;
        stock.grids = {StockGrid{}};
        return stock;
    }
    stock.labelWidth = length(spnLabelWidth);
    stock.labelHeight = length(spnLabelHeight);
    stock.cornerRadius = length(spnRadius);
    stock.grids = {{spnColumns->value(), spnRows->value(), length(spnLeft), length(spnTop),
                    length(spnPitchX), length(spnPitchY)}};
    return stock;
}

QString NewStationeryDialog::problem() const {
    const StockTemplate s = stock();
    if (s.paperWidth.exactTwips() <= 0 || s.paperHeight.exactTwips() <= 0)
        return tr("The paper needs a width and a height.");
    if (s.kind == StockKind::Labels) {
        const StockGrid& grid = s.grids.front();
        if (s.labelWidth.exactTwips() <= 0 || s.labelHeight.exactTwips() <= 0)
            return tr("The labels need a width and a height.");
        if (grid.columns * grid.rows > kMostLabelsOnASheet)
            return tr("A sheet can have at most %1 labels.").arg(kMostLabelsOnASheet);
        if ((grid.columns > 1 && beyond(s.labelWidth, grid.pitchX)) ||
            (grid.rows > 1 && beyond(s.labelHeight, grid.pitchY)))
            return tr("The labels overlap: the pitch is less than the label's size.");
        if (beyond(grid.left + grid.pitchX * (grid.columns - 1) + s.labelWidth, s.paperWidth) ||
            beyond(grid.top + grid.pitchY * (grid.rows - 1) + s.labelHeight, s.paperHeight))
            return tr("The labels leave the paper.");
        if (beyond(s.cornerRadius * 2, std::min(s.labelWidth, s.labelHeight)))
            return tr("The corner radius is more than half the label's size.");
    }
    if (s.brand.isEmpty() || s.part.isEmpty() || s.id.isEmpty())
        return tr("Type the brand and the part number it is sold under.");
    return {};
}

QString NewStationeryDialog::path() const {
    return QDir(CatalogueFolders::ownFolder()).filePath(stock().id + QStringLiteral(".template"));
}

void NewStationeryDialog::refresh() {
    const bool labels = cboKind->currentIndex() == int(StockKind::Labels);
    for (QWidget* box : labelRows_) {
        box->setVisible(labels);
        if (auto* form = qobject_cast<QFormLayout*>(layout()->itemAt(0)->layout()))
            if (QWidget* caption = form->labelForField(box))
                caption->setVisible(labels);
    }
    const StockTemplate s = stock();
    lblId->setText(s.id);
    picSheet->setStock(s);
    const QString why = problem();
    lblProblem->setText(why);
    buttons->button(QDialogButtonBox::Save)->setEnabled(why.isEmpty());
}

void NewStationeryDialog::accept() {
    if (!problem().isEmpty())
        return;
    runHandler(dialogs_, [this] {
        const QString file = path();
        if (QFileInfo::exists(file) &&
            dialogs_.message(tr("The stationery \"%1\" is already saved in %2. "
                                "Replace it?")
                                 .arg(stock().id, QDir::toNativeSeparators(file)),
                             tr("New Stationery"), Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
            return;
        QDir().mkpath(QFileInfo(file).path());
        writeTemplate(stock(), file, unit());
        QDialog::accept();
    });
}

} // namespace ravelbook
