// Builds the window's controls from the tables of their names, captions and
// positions (twips). Behaviour lives in the other mail_form_*.cpp files.
#include "settings/group_titles.h"
#include "store/data_source.h"
#include "store/database.h"
#include "store/schema.h"
#include "window/app_icon.h"
#include "window/bindings.h"
#include "window/caption_fit.h"
#include "window/conflict_resolution.h"
#include "window/data_navigator.h"
#include "window/drop_down_list.h"
#include "window/grid_columns.h"
#include "window/limited_text_edit.h"
#include "window/mail_form.h"
#include "window/record_set_model.h"
#include "window/twip_geometry.h"
#include "window/twips.h"

#include <array>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStringListModel>
#include <QTableView>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ravelbook {

namespace {

constexpr int kClientWidth = 9420;
constexpr int kClientHeight = 6555;
const QColor kFrameCaptionColour(0, 0, 192);

struct TextBoxRow {
    int index;
    const char* column;
    int maxLength;
    QRect twips;
};

// Editor boxes of page "Names": bound column, longest text, position.
constexpr TextBoxRow kAddressBoxes[] = {
    {0, "Name", 60, {1440, 620, 3345, 285}},
    {1, "Address", 60, {1440, 1000, 3615, 285}},
    {2, "City State Zip", 60, {1440, 1420, 3615, 285}},
    {3, "Country", 60, {1440, 1820, 3615, 285}},
    {4, "Contact", 30, {1440, 2230, 3615, 285}},
    {5, "Phone", 15, {1440, 2640, 3615, 285}},
    {6, "Notes", 255, {1440, 3120, 7815, 1605}},
};

struct LabelRow {
    int index;
    const char* caption;
    QRect twips;
};

// The captions of boxes 4, 5 and 6 sit beside boxes 5, 6 and 4.
constexpr LabelRow kAddressLabels[] = {
    {0, "Name ( L, F )", {240, 600, 1095, 255}},
    {1, "Address", {240, 1000, 1095, 255}},
    {2, "City, State  Zip", {240, 1425, 1095, 255}},
    {3, "Country", {240, 1820, 1095, 255}},
    {6, "Contact", {240, 2230, 1095, 255}},
    {4, "Phone", {240, 2640, 1095, 255}},
    {5, "Notes", {240, 3120, 975, 255}},
};

constexpr TextBoxRow kReturnBoxes[] = {
    {0, "Name", 60, {600, 960, 4335, 375}},
    {1, "Address", 60, {600, 1440, 4335, 375}},
    {2, "City State Zip", 60, {600, 1920, 4335, 375}},
    {3, "Name", 60, {120, 2880, 3975, 285}}, // on page "Mailings"
};

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

template <typename Widget> Widget* make(QWidget* parent, const QString& name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

QString escapeAccessKeys(const QString& caption) {
    QString escaped = caption;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QRect groupBoxTwips(int column, bool onMailingsPage) {
    const bool right = column >= 9;
    const int left = right ? 2160 : 120;
    const int top = 240 + 240 * (right ? column - 9 : column);
    const int width = right && onMailingsPage ? 975 : 1815;
    return {left, top, width, 255};
}

void colourFrameCaption(QGroupBox* frame) {
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, kFrameCaptionColour);
    frame->setPalette(palette);
}

// Only the frame's own caption is blue; the boxes inside keep the usual colour.
void keepUsualTextColour(QWidget* control, const QWidget* window) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, window->palette().color(QPalette::WindowText));
    control->setPalette(palette);
}

// The positions were laid out for a small sans-serif face of 8.25 points. The
// narrow cut of Liberation Sans at that size keeps every designed caption
// within its control ("Print Single Selected in Grid Below" is the tightest);
// the regular cut is a few pixels too wide for it.
QFont windowFont() {
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPointSizeF(8.25);
    return font;
}

// A control with its name, caption and place; `measuredFrom` is the tab control
// for controls on a tab page.
class Placer {
public:
    Placer(TwipGeometry& geometry, QWidget* measuredFrom)
        : geometry_(geometry), measuredFrom_(measuredFrom) {}

    template <typename Widget>
    Widget* add(QWidget* parent, const QString& name, const QRect& twips,
                const char* caption = nullptr) {
        Widget* widget = make<Widget>(parent, name);
        if (caption)
            setCaption(widget, QString::fromUtf8(caption));
        geometry_.place(widget, twips, parent->isWindow() ? nullptr : measuredFrom_);
        return widget;
    }

private:
    static void setCaption(QLabel* w, const QString& caption) { w->setText(caption); }
    static void setCaption(QAbstractButton* w, const QString& caption) { w->setText(caption); }
    static void setCaption(QGroupBox* w, const QString& caption) { w->setTitle(caption); }
    static void setCaption(QWidget*, const QString&) {}

    TwipGeometry& geometry_;
    QWidget* measuredFrom_;
};

} // namespace

QSize frmMailForm::designedClientSize() const {
    return twipsToPixels(QRect(0, 0, kClientWidth, kClientHeight), logicalDpiY()).size();
}

QString frmMailForm::captionKey(int group) {
    return group_titles::key(group);
}

QString frmMailForm::groupCaption(int index) const {
    QString caption = chkGroups.at(index)->text();
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void frmMailForm::setGroupCaption(int index, const QString& caption) {
    chkGroups.at(index)->setText(escapeAccessKeys(caption));
    tipIfCut(chkGroups.at(index), caption);
    if (gridColumnsModel_)
        gridColumnsModel_->titlesChanged();
    // Once the window is whole, a renamed group is named so in a conflict's other version too.
    if (index < kGroupCount && titlesAtStart_[0] != QString())
        showConflictsWithTitles(groupTitles());
}

void frmMailForm::buildControls() {
    setObjectName(QStringLiteral("frmMailForm"));
    setWindowTitle(QStringLiteral("Ravelbook"));
    setFont(windowFont());
    setWindowIcon(appIcon());
    geometry_ = new TwipGeometry(this);

    // The menu bar sits above the client area; every control is placed in the
    // client area, so the designed positions hold with or without menus.
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    menuBar = make<QMenuBar>(this, QStringLiteral("menuBar"));
    frame->setMenuBar(menuBar);
    clientArea = make<QWidget>(this, QStringLiteral("clientArea"));
    frame->addWidget(clientArea, 1);
    // Below the client area: what the last print run did.
    statusBar = make<QStatusBar>(this, QStringLiteral("statusBar"));
    statusBar->setSizeGripEnabled(false);
    frame->addWidget(statusBar);
    buildMenus();

    Placer window(*geometry_, nullptr);
    cmdExit = window.add<QPushButton>(clientArea, QStringLiteral("cmdExit"),
                                      {6600, 6000, 2655, 495}, "E&xit");
    SSTab1 = window.add<QTabWidget>(clientArea, QStringLiteral("SSTab1"), {0, 480, 9375, 5415});
    const char* pageNames[] = {"Names", "Mailings", "Return Address"};
    std::array<QWidget*, 3> pages{};
    for (int i = 0; i < 3; ++i) {
        pages[i] = new QWidget(SSTab1);
        pages[i]->setObjectName(indexed("SSTab1Page", i));
        SSTab1->addTab(pages[i], QLatin1String(pageNames[i]));
    }
    SSTab1->setCurrentIndex(0);

    buildNamesPage(pages[0]);
    buildMailingsPage(pages[1]);
    buildReturnAddressPage(pages[2]);

    for (int k = 0; k < kGroupCount; ++k) {
        const QString design = group_titles::designTitle(k);
        setGroupCaption(k, design);
        setGroupCaption(twinOf(k), design);
    }
    setTabOrder(cmdExit, SSTab1);
}

void frmMailForm::buildGroupBoxes(QGroupBox* frame, bool onMailingsPage) {
    Placer inFrame(*geometry_, nullptr);
    for (int k = 0; k < kGroupCount; ++k) {
        const int index = onMailingsPage ? twinOf(k) : k;
        QCheckBox* box = inFrame.add<QCheckBox>(frame, indexed("chkGroups", index),
                                                groupBoxTwips(k, onMailingsPage));
        keepUsualTextColour(box, this);
        chkGroups[index] = box;
    }
}

void frmMailForm::buildNamesPage(QWidget* page) {
    Placer onPage(*geometry_, SSTab1);
    for (const LabelRow& row : kAddressLabels)
        lblAddress[row.index] =
            onPage.add<QLabel>(page, indexed("lblAddress", row.index), row.twips, row.caption);

    cboName = onPage.add<QComboBox>(page, QStringLiteral("cboName"), {1440, 600, 3615, 315});
    nameList_ = new QStringListModel(this);
    cboName->setModel(nameList_);
    // Large books: no width scan over every name, and a list view that doesn't
    // measure rows one by one.
    cboName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* view = qobject_cast<QListView*>(cboName->view()))
        view->setUniformItemSizes(true);
    dropDownAsList(cboName);
    cboName->setMaxVisibleItems(20);

    for (const TextBoxRow& row : kAddressBoxes) {
        const QString name = indexed("txtAddress", row.index);
        if (row.index == 6) {
            txtNotes = onPage.add<LimitedTextEdit>(page, name, row.twips);
            txtNotes->setMaxLength(row.maxLength);
            txtNotes->setTabChangesFocus(true);
        } else {
            txtAddress[row.index] = onPage.add<QLineEdit>(page, name, row.twips);
            txtAddress[row.index]->setMaxLength(row.maxLength);
        }
    }
    // The name box lies over the combo box's edit part, leaving its button to the right.
    txtAddress[0]->raise();
    txtAddress[0]->setToolTip(
        QStringLiteral("Format for names:  Last Name - comma - space - First Name."));

    Frame1[0] = onPage.add<QGroupBox>(page, indexed("Frame1", 0), {5160, 480, 4095, 2535},
                                      "Groups - Check all that apply ( right click to re-name )");
    colourFrameCaption(Frame1[0]);
    buildGroupBoxes(Frame1[0], false);

    cmdNewAddress = onPage.add<QPushButton>(page, QStringLiteral("cmdNewAddress"),
                                            {2640, 4920, 2055, 375}, "&New Address");
    cmdEnter = onPage.add<QPushButton>(page, QStringLiteral("cmdEnter"), {4920, 4920, 2055, 375},
                                       "&Enter Changes");
    cmdDeleteRecord = onPage.add<QPushButton>(page, QStringLiteral("cmdDeleteRecord"),
                                              {7200, 4920, 2055, 375}, "&Delete Record");
}

void frmMailForm::buildMailingsPage(QWidget* page) {
    Placer onPage(*geometry_, SSTab1);
    optAverySmall = onPage.add<QRadioButton>(page, QStringLiteral("optAverySmall"),
                                             {120, 480, 2055, 255}, "Avery 8161 ( 1\" X 4\" ) ");
    optAveryLarge = onPage.add<QRadioButton>(page, QStringLiteral("optAveryLarge"),
                                             {120, 765, 2055, 255}, "Avery 8163 ( 2\" X 4\" )");
    optEnvelope =
        onPage.add<QRadioButton>(page, QStringLiteral("optEnvelope"), {120, 1080, 2775, 255},
                                 "Envelope #10 ( 4 1/8\" X 9 1/2\" )");
    optCards = onPage.add<QRadioButton>(page, QStringLiteral("optCards"), {120, 1395, 2415, 255},
                                        "Cards ( 5 1/2\" X 8 1/2\" )");
    optFlier = onPage.add<QRadioButton>(page, QStringLiteral("optFlier"), {120, 1680, 2415, 255},
                                        "Full sheet flier");
    chkPrintSample =
        onPage.add<QCheckBox>(page, QStringLiteral("chkPrintSample"), {120, 1920, 2775, 255},
                              "Print Single Selected in Grid Below");
    chkPrintSample->setChecked(true);
    // The print button shares its row with "Preview", which shows the same run first.
    cmdPrintMailingList = onPage.add<QPushButton>(page, QStringLiteral("cmdPrintMailingList"),
                                                  {120, 2200, 1515, 375}, "Print Mailing List");
    cmdPreview = onPage.add<QPushButton>(page, QStringLiteral("cmdPreview"),
                                         {1695, 2200, 1200, 375}, "Pre&view");
    Label1 = onPage.add<QLabel>(page, QStringLiteral("Label1"), {120, 2640, 3015, 255},
                                "Return address");
    const TextBoxRow& mailingReturn = kReturnBoxes[3];
    txtReturnAddress[3] =
        onPage.add<QLineEdit>(page, indexed("txtReturnAddress", 3), mailingReturn.twips);
    txtReturnAddress[3]->setMaxLength(mailingReturn.maxLength);

    lblSpecial = onPage.add<QLabel>(page, QStringLiteral("lblSpecial"), {2640, 480, 2655, 255},
                                    "Special text");
    txtSpecial = onPage.add<QLineEdit>(page, QStringLiteral("txtSpecial"), {2640, 690, 3135, 285});
    keepOneLineText(txtSpecial);
    frmFold = onPage.add<QGroupBox>(page, QStringLiteral("frmFold"), {3120, 1000, 2175, 645});
    // Label sheets only, where the special text stands for the other stationery.
    lblStartAt = onPage.add<QLabel>(page, QStringLiteral("lblStartAt"), {2640, 510, 1335, 255},
                                    "Start at label");
    spnStartAt = onPage.add<QSpinBox>(page, QStringLiteral("spnStartAt"), {4020, 480, 735, 285});
    spnStartAt->setRange(1, 20);
    lblStartAt->setBuddy(spnStartAt);
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{lblSpecial, txtSpecial, frmFold, lblStartAt, spnStartAt})
        hidden->setVisible(false);

    Placer inFrame(*geometry_, nullptr);
    optBiFold = inFrame.add<QRadioButton>(frmFold, QStringLiteral("optBiFold"),
                                          {120, 120, 1815, 255}, "Bi - Fold Fliers");
    optTriFold = inFrame.add<QRadioButton>(frmFold, QStringLiteral("optTriFold"),
                                           {120, 360, 1695, 255}, "Tri - Fold Fliers");
    optTriFold->setChecked(true);

    Label19 = onPage.add<QLabel>(page, QStringLiteral("Label19"), {3120, 1680, 2655, 855},
                                 "Vertical Adjustment: To accommodate different printers, enter a "
                                 "higher number to move labels down on page ( 180 = 1/8\" )");
    Label19->setWordWrap(true);
    Label19->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtVerticalAdjustment = onPage.add<QLineEdit>(page, QStringLiteral("txtVerticalAdjustment"),
                                                  {3120, 2520, 975, 285});
    // Beside the box: which value the labels take, when the text doesn't say it plainly.
    lblAdjustmentNote =
        onPage.add<QLabel>(page, QStringLiteral("lblAdjustmentNote"), {4200, 2550, 1575, 255}, "");
    chkFirstNameFirst = onPage.add<QCheckBox>(page, QStringLiteral("chkFirstNameFirst"),
                                              {4320, 2880, 1575, 255}, "First Name First");
    chkFirstNameFirst->setChecked(true);

    Frame1[1] = onPage.add<QGroupBox>(page, indexed("Frame1", 1), {6000, 480, 3255, 2535},
                                      "Groups - Check all that apply");
    colourFrameCaption(Frame1[1]);
    buildGroupBoxes(Frame1[1], true);

    TDBGridS1 = onPage.add<QTableView>(page, QStringLiteral("TDBGridS1"), {0, 3240, 9255, 2055});
    TDBGridS1->setShowGrid(true);
    TDBGridS1->verticalHeader()->setVisible(true); // the record selectors
    TDBGridS1->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    TDBGridS1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TDBGridS1->setSelectionMode(QAbstractItemView::SingleSelection);
}

void frmMailForm::buildReturnAddressPage(QWidget* page) {
    Placer onPage(*geometry_, SSTab1);
    for (int i = 0; i < 3; ++i) {
        const TextBoxRow& row = kReturnBoxes[i];
        txtReturnAddress[i] =
            onPage.add<QLineEdit>(page, indexed("txtReturnAddress", i), row.twips);
        txtReturnAddress[i]->setMaxLength(row.maxLength);
    }
    // Beside the boxes, which keep their places: what each holds, where the bar
    // stands, and adding and removing return addresses.
    const char* const captions[] = {"Name", "Address", "City, State  Zip"};
    for (int i = 0; i < 3; ++i) {
        QRect twips = kReturnBoxes[i].twips;
        lblReturnAddress[i] = onPage.add<QLabel>(page, indexed("lblReturnAddress", i),
                                                 {5055, twips.top() + 60, 1695, 255}, captions[i]);
    }
    lblReturnAddressPosition = onPage.add<QLabel>(page, QStringLiteral("lblReturnAddressPosition"),
                                                  {5055, 560, 1695, 255});
    cmdNewReturnAddress = onPage.add<QPushButton>(page, QStringLiteral("cmdNewReturnAddress"),
                                                  {600, 2520, 1335, 375}, "Ne&w");
    cmdDeleteReturnAddress = onPage.add<QPushButton>(page, QStringLiteral("cmdDeleteReturnAddress"),
                                                     {2055, 2520, 1335, 375}, "De&lete");
}

void frmMailForm::openDataSources() {
    Data1 = new DataSource(db_, schema::kAddresses, this);
    Data1->setObjectName(QStringLiteral("Data1"));
    Data1->setRecordSource(sql::selectTable(schema::kAddresses));
    datGrid = new DataSource(db_, schema::kAddresses, this);
    datGrid->setObjectName(QStringLiteral("datGrid"));
    datIni = new DataSource(db_, schema::kIni, this);
    datIni->setObjectName(QStringLiteral("datIni"));
    datIni->setRecordSource(sql::selectTable(schema::kIni));
    datReturnAddresses = new DataSource(db_, schema::kReturnAddresses, this);
    datReturnAddresses->setObjectName(QStringLiteral("datReturnAddresses"));
    datReturnAddresses->setRecordSource(sql::selectTable(schema::kReturnAddresses));

    datReturnAddressesBar = new DataNavigator(
        *datReturnAddresses, QStringLiteral("Return Addresses"), SSTab1->widget(2));
    datReturnAddressesBar->setObjectName(QStringLiteral("datReturnAddresses"));
    geometry_->place(datReturnAddressesBar, {600, 480, 4335, 420}, SSTab1);
    datReturnAddressesBar->setAddsAtEnd(true);

    gridModel_ = new RecordSetModel(*datGrid, this);
    gridColumnsModel_ =
        new GroupColumnsModel([this](int group) { return groupCaption(group); }, this);
    gridColumnsModel_->setSourceModel(gridModel_);
    TDBGridS1->setModel(gridColumnsModel_);
}

void frmMailForm::bindControls() {
    addressBindings_ = new Bindings(*Data1, this);
    for (const TextBoxRow& row : kAddressBoxes) {
        if (row.index == 6)
            addressBindings_->bind(txtNotes, QLatin1String(row.column));
        else
            addressBindings_->bind(txtAddress[row.index], QLatin1String(row.column));
    }
    for (int k = 0; k < kGroupCount; ++k)
        addressBindings_->bind(chkGroups[k], schema::groupColumn(k));

    iniBindings_ = new Bindings(*datIni, this);
    // Kept only once the labels accept it, never a keystroke of a refused entry.
    iniBindings_->bindHandedOver(txtVerticalAdjustment, QStringLiteral("VerticalAdjustment"));

    returnBindings_ = new Bindings(*datReturnAddresses, this);
    for (const TextBoxRow& row : kReturnBoxes)
        returnBindings_->bind(txtReturnAddress[row.index], QLatin1String(row.column));
}

} // namespace ravelbook
