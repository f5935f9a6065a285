// The window's controls as the user finds them: names, kinds, captions, places,
// length limits and initial states.
#include "exchange/carddav/password_source.h"
#include "exchange/mapping.h"
#include "print/layout.h"
#include "print/preview_target.h"
#include "store/book_link.h"
#include "support/form_fixture.h"
#include "support/pdf_printers.h"
#include "window/calibration_dialog.h"
#include "window/caption_fit.h"
#include "window/control_placer.h"
#include "window/import_preview.h"
#include "window/limited_text_edit.h"
#include "window/link_book_dialog.h"
#include "window/new_stationery_dialog.h"
#include "window/print_preview.h"
#include "window/server_book_dialog.h"
#include "window/sync_conflicts_dialog.h"
#include "window/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QTabWidget>
#include <QTest>

namespace ravelbook {
namespace {

using testing::FormFixture;

struct ControlRow {
    const char* name;
    const char* kind;
    const char* caption; // nullptr: the control has no caption
    QRect twips;
    int page;      // -1: on the window itself or inside a frame
    int maxLength; // 0: no limit to check
    bool visible;
};

const ControlRow kControls[] = {
    {"cmdExit", "QPushButton", "E&xit", {6600, 6000, 2655, 495}, -1, 0, true},
    {"SSTab1", "QTabWidget", nullptr, {0, 480, 9375, 5415}, -1, 0, true},
    {"lblAddress(0)", "QLabel", "Name ( L, F )", {240, 600, 1095, 255}, 0, 0, true},
    {"lblAddress(1)", "QLabel", "Address", {240, 1000, 1095, 255}, 0, 0, true},
    {"lblAddress(2)", "QLabel", "City, State  Zip", {240, 1425, 1095, 255}, 0, 0, true},
    {"lblAddress(3)", "QLabel", "Country", {240, 1820, 1095, 255}, 0, 0, true},
    {"lblAddress(6)", "QLabel", "Contact", {240, 2230, 1095, 255}, 0, 0, true},
    {"lblAddress(4)", "QLabel", "Phone", {240, 2640, 1095, 255}, 0, 0, true},
    {"lblAddress(5)", "QLabel", "Notes", {240, 3120, 975, 255}, 0, 0, true},
    {"cboName", "QComboBox", nullptr, {1440, 600, 3615, 315}, 0, 0, true},
    {"txtAddress(0)", "QLineEdit", nullptr, {1440, 620, 3345, 285}, 0, 60, true},
    {"txtAddress(1)", "QLineEdit", nullptr, {1440, 1000, 3615, 285}, 0, 60, true},
    {"txtAddress(2)", "QLineEdit", nullptr, {1440, 1420, 3615, 285}, 0, 60, true},
    {"txtAddress(3)", "QLineEdit", nullptr, {1440, 1820, 3615, 285}, 0, 60, true},
    {"txtAddress(4)", "QLineEdit", nullptr, {1440, 2230, 3615, 285}, 0, 30, true},
    {"txtAddress(5)", "QLineEdit", nullptr, {1440, 2640, 3615, 285}, 0, 15, true},
    {"txtAddress(6)",
     "ravelbook::LimitedTextEdit",
     nullptr,
     {1440, 3120, 7815, 1605},
     0,
     255,
     true},
    {"Frame1(0)",
     "QGroupBox",
     "Groups - Check all that apply ( right click to re-name )",
     {5160, 480, 4095, 2535},
     0,
     0,
     true},
    {"cmdNewAddress", "QPushButton", "&New Address", {2640, 4920, 2055, 375}, 0, 0, true},
    {"cmdEnter", "QPushButton", "&Enter Changes", {4920, 4920, 2055, 375}, 0, 0, true},
    {"cmdDeleteRecord", "QPushButton", "&Delete Record", {7200, 4920, 2055, 375}, 0, 0, true},
    {"optAverySmall",
     "QRadioButton",
     "Avery 8161 ( 1\" X 4\" ) ",
     {120, 480, 2055, 255},
     1,
     0,
     true},
    {"optAveryLarge",
     "QRadioButton",
     "Avery 8163 ( 2\" X 4\" )",
     {120, 765, 2055, 255},
     1,
     0,
     true},
    {"optEnvelope",
     "QRadioButton",
     "Envelope #10 ( 4 1/8\" X 9 1/2\" )",
     {120, 1080, 2775, 255},
     1,
     0,
     true},
    {"optCards", "QRadioButton", "Cards ( 5 1/2\" X 8 1/2\" )", {120, 1395, 2415, 255}, 1, 0, true},
    {"optFlier", "QRadioButton", "Full sheet flier", {120, 1680, 2415, 255}, 1, 0, true},
    {"chkPrintSample",
     "QCheckBox",
     "Print Single Selected in Grid Below",
     {120, 1920, 2775, 255},
     1,
     0,
     true},
    {"cmdPrintMailingList",
     "QPushButton",
     "Print Mailing List",
     {120, 2200, 1515, 375},
     1,
     0,
     true},
    {"cmdPreview", "QPushButton", "Pre&view", {1695, 2200, 1200, 375}, 1, 0, true},
    {"Label1", "QLabel", "Return address", {120, 2640, 3015, 255}, 1, 0, true},
    {"txtReturnAddress(3)", "QLineEdit", nullptr, {120, 2880, 3975, 285}, 1, 60, true},
    {"lblSpecial", "QLabel", "Special text", {2640, 480, 2655, 255}, 1, 0, false},
    {"txtSpecial", "QLineEdit", nullptr, {2640, 690, 3135, 285}, 1, 0, false},
    {"frmFold", "QGroupBox", "", {3120, 1000, 2175, 645}, 1, 0, false},
    {"optBiFold", "QRadioButton", "Bi - Fold Fliers", {120, 120, 1815, 255}, -1, 0, true},
    {"optTriFold", "QRadioButton", "Tri - Fold Fliers", {120, 360, 1695, 255}, -1, 0, true},
    {"Label19",
     "QLabel",
     "Vertical Adjustment: To accommodate different printers, enter a higher number to move labels "
     "down on page ( 180 = 1/8\" )",
     {3120, 1680, 2655, 855},
     1,
     0,
     true},
    {"txtVerticalAdjustment", "QLineEdit", nullptr, {3120, 2520, 975, 285}, 1, 0, true},
    {"chkFirstNameFirst", "QCheckBox", "First Name First", {4320, 2880, 1575, 255}, 1, 0, true},
    {"Frame1(1)",
     "QGroupBox",
     "Groups - Check all that apply",
     {6000, 480, 3255, 2535},
     1,
     0,
     true},
    {"optAddressList", "QRadioButton", "Address list", {120, 3270, 1335, 255}, 1, 0, true},
    {"lblCopies", "QLabel", "Copies of each", {1560, 3285, 1035, 255}, 1, 0, true},
    {"spnCopies", "QSpinBox", nullptr, {2640, 3255, 615, 285}, 1, 0, true},
    {"chkFillSheet", "QCheckBox", "Fill the sheet", {3390, 3270, 1215, 255}, 1, 0, true},
    {"lblSortBy", "QLabel", "Sort by", {4680, 3285, 615, 255}, 1, 0, true},
    {"cboSortBy", "QComboBox", nullptr, {5295, 3255, 1335, 285}, 1, 0, true},
    {"chkCloseUp", "QCheckBox", "Close up empty lines", {6750, 3270, 1815, 255}, 1, 0, true},
    {"lblListPaper", "QLabel", "Paper", {2640, 510, 1335, 255}, 1, 0, false},
    {"cboListPaper", "QComboBox", nullptr, {4020, 480, 1095, 285}, 1, 0, false},
    {"TDBGridS1", "QTableView", nullptr, {0, 3570, 9255, 1725}, 1, 0, true},
    {"datReturnAddresses", "ravelbook::DataNavigator", nullptr, {600, 480, 4335, 420}, 2, 0, true},
    {"txtReturnAddress(0)", "QLineEdit", nullptr, {600, 960, 4335, 375}, 2, 60, true},
    {"txtReturnAddress(1)", "QLineEdit", nullptr, {600, 1440, 4335, 375}, 2, 60, true},
    {"txtReturnAddress(2)", "QLineEdit", nullptr, {600, 1920, 4335, 375}, 2, 60, true},
    {"cmdPrintReturnLabels",
     "QPushButton",
     "&Print return address labels",
     {6870, 480, 2295, 420},
     2,
     0,
     true},
    {"cmdPreviewReturnLabels",
     "QPushButton",
     "Pre&view return address labels",
     {6870, 960, 2295, 375},
     2,
     0,
     true},
};

QString captionOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return {};
}

int maxLengthOf(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->maxLength();
    if (auto* e = qobject_cast<LimitedTextEdit*>(w))
        return e->maxLength();
    return 0;
}

class MailFormLayout : public FormFixture {
protected:
    void SetUp() override { openForm(); }

    // Where a control sits in pixels, measured the way its position is given.
    QRect placed(QWidget* w, int page) {
        QRect r = w->geometry();
        if (page >= 0)
            r.translate(w->parentWidget()->mapTo(form->SSTab1, QPoint(0, 0)));
        return r;
    }

    QRect expected(const QRect& twips) { return twipsToPixels(twips, form->logicalDpiY()); }
};

TEST_F(MailFormLayout, EveryControlHasItsNameKindCaptionPlaceAndLimit) {
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        QWidget* w = form->findChild<QWidget*>(QLatin1String(row.name));
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(w->metaObject()->className(), row.kind);
        if (row.caption) {
            EXPECT_EQ(captionOf(w), QString::fromUtf8(row.caption));
        }
        if (row.page >= 0) {
            form->SSTab1->setCurrentIndex(row.page);
            EXPECT_TRUE(form->SSTab1->widget(row.page)->isAncestorOf(w));
        }
        EXPECT_EQ(placed(w, row.page), expected(row.twips));
        if (row.maxLength) {
            EXPECT_EQ(maxLengthOf(w), row.maxLength);
        }
        EXPECT_EQ(w->isVisibleTo(w->parentWidget()), row.visible);
    }
}

// Every caption whole at the window's font, on whichever screen scaling the
// test runs (ctest runs this test again at twice the scale); a group title too
// long for the narrow Mailings boxes is given whole in their tooltips.
TEST_F(MailFormLayout, EveryCaptionFitsItsControl) {
    for (QCheckBox* box : groupBoxes())
        EXPECT_EQ(box->toolTip(), QString()) << box->objectName().toStdString();
    // Every control of the table above and whatever else shows a caption.
    for (QWidget* w : form->findChildren<QWidget*>())
        EXPECT_TRUE(captionFits(w))
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    for (int tab = 0; tab < form->SSTab1->count(); ++tab)
        EXPECT_LE(
            form->SSTab1->tabBar()->fontMetrics().horizontalAdvance(form->SSTab1->tabText(tab)),
            form->SSTab1->tabBar()->tabRect(tab).width());
    const QString longTitle = QStringLiteral("Café & Cousins");
    form->setGroupCaption(9, longTitle);
    form->setGroupCaption(twinOf(9), longTitle);
    EXPECT_TRUE(captionFits(form->groupBox(9)));
    EXPECT_EQ(form->groupBox(9)->toolTip(), QString());
    EXPECT_FALSE(captionFits(form->groupBox(twinOf(9))));
    EXPECT_EQ(form->groupBox(twinOf(9))->toolTip(), longTitle);
}

// A caption longer than its box, as a translation's can be, is shown elided
// with the whole caption in the tooltip, before the control's own tip.
TEST_F(MailFormLayout, ACaptionTooLongForItsControlIsElidedWithItWholeInTheTooltip) {
    const QString longer = QStringLiteral("&Fill every free label of the sheet with this record");
    auto* exit = control<QPushButton>(QStringLiteral("cmdExit"));
    auto* sortBy = control<QLabel>(QStringLiteral("lblSortBy"));
    auto* fill = control<QCheckBox>(QStringLiteral("chkFillSheet"));
    const QString ownTip = fill->toolTip();
    const QString shortCaption = fill->text();
    const auto refit = [&] {
        form->resize(form->size() + QSize(1, 0));
        QCoreApplication::processEvents();
        form->resize(form->size() - QSize(1, 0));
        QCoreApplication::processEvents();
    };
    for (QWidget* w : std::initializer_list<QWidget*>{exit, sortBy, fill})
        w->setProperty("text", longer);
    refit();
    for (QWidget* w : std::initializer_list<QWidget*>{exit, sortBy, fill}) {
        SCOPED_TRACE(w->objectName().toStdString());
        const QString shown = w->property("text").toString();
        EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
        EXPECT_TRUE(longer.startsWith(shown.chopped(1)));
        EXPECT_TRUE(captionFits(w));
    }
    EXPECT_EQ(exit->toolTip(),
              QStringLiteral("Fill every free label of the sheet with this record"));
    EXPECT_EQ(fill->toolTip(), exit->toolTip() + QLatin1Char('\n') + ownTip);
    refit(); // elided once, not again from the elided text
    EXPECT_EQ(exit->toolTip(),
              QStringLiteral("Fill every free label of the sheet with this record"));
    fill->setText(shortCaption);
    refit();
    EXPECT_EQ(fill->text(), shortCaption);
    EXPECT_EQ(fill->toolTip(), ownTip);
}

TEST_F(MailFormLayout, LargerWindowGrowsTheNotesGridAndTabsAndKeepsTheRestAnchored) {
    struct Change {
        const char* name;
        int grows; // 1: by the extra width and height
        int moves; // 1: by the extra width and height
    };
    const Change changes[] = {
        {"SSTab1", 1, 0},
        {"txtAddress(6)", 1, 0},
        {"TDBGridS1", 1, 0},
        {"cmdExit", 0, 1},
        {"cmdEnter", 0, 1},
        {"cmdDeleteRecord", 0, 1},
        {"lblAddress(5)", 0, 0},
        {"txtAddress(5)", 0, 0},
        {"Frame1(1)", 0, 0},
        {"optAverySmall", 0, 0},
        {"txtReturnAddress(0)", 0, 0},
    };
    const QSize designed = form->size();
    std::vector<QRect> before;
    for (const Change& c : changes)
        before.push_back(control<QWidget>(QLatin1String(c.name))->geometry());

    const QSize extra(240, 160);
    form->resize(designed + extra);
    QCoreApplication::processEvents();
    for (size_t i = 0; i < std::size(changes); ++i) {
        const Change& c = changes[i];
        SCOPED_TRACE(c.name);
        const QRect now = control<QWidget>(QLatin1String(c.name))->geometry();
        EXPECT_EQ(now.size(), before[i].size() + extra * c.grows);
        EXPECT_EQ(now.topLeft(),
                  before[i].topLeft() + QPoint(extra.width(), extra.height()) * c.moves);
    }

    form->resize(designed);
    QCoreApplication::processEvents();
    for (size_t i = 0; i < std::size(changes); ++i)
        EXPECT_EQ(control<QWidget>(QLatin1String(changes[i].name))->geometry(), before[i])
            << changes[i].name;
    EXPECT_EQ(form->minimumSize(), designed);
}

TEST_F(MailFormLayout, WindowPagesAndInitialStates) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ravelbook"));
    EXPECT_FALSE(form->windowIcon().pixmap(16).isNull());
    EXPECT_FALSE(form->windowIcon().pixmap(256).isNull());
    EXPECT_EQ(form->clientArea->size(), expected({0, 0, 9420, 6555}).size());
    EXPECT_EQ(form->clientArea->y(), form->menuBar->height());
    ASSERT_EQ(form->SSTab1->count(), 3);
    EXPECT_EQ(form->SSTab1->tabText(0), QStringLiteral("Names"));
    EXPECT_EQ(form->SSTab1->tabText(1), QStringLiteral("Mailings"));
    EXPECT_EQ(form->SSTab1->tabText(2), QStringLiteral("Return Address"));
    EXPECT_EQ(form->SSTab1->currentIndex(), 0);
    EXPECT_TRUE(form->SSTab1->isTabEnabled(1));
    EXPECT_TRUE(form->names().cmdNewAddress->isEnabled());
    EXPECT_TRUE(form->names().cmdDeleteRecord->isEnabled());
    for (QRadioButton* option : {form->mailings().optAverySmall, form->mailings().optAveryLarge,
                                 form->mailings().optEnvelope, form->mailings().optCards,
                                 form->mailings().optFlier, form->mailings().optBiFold})
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
    EXPECT_TRUE(form->mailings().optTriFold->isChecked());
    EXPECT_TRUE(form->mailings().chkPrintSample->isChecked());
    EXPECT_TRUE(form->mailings().chkFirstNameFirst->isChecked());
    EXPECT_EQ(form->mailings().TDBGridS1->model()->rowCount(), 0);
    EXPECT_EQ(form->names().txtAddress[0]->toolTip(),
              QStringLiteral("Format for names:  Last Name - comma - space - First Name."));
    EXPECT_EQ(form->names().cboName->currentText(), QString());
    // The name box lies in front of the name list's edit part.
    EXPECT_EQ(form->childAt(form->names().txtAddress[0]->mapTo(form.get(), QPoint(5, 5))),
              form->names().txtAddress[0]);
}

TEST_F(MailFormLayout, GroupBoxesAreTwinsWithDesignCaptionsInTwoColumns) {
    for (int k = 0; k < 18; ++k) {
        SCOPED_TRACE(k);
        QCheckBox* names = form->groupBox(k);
        QCheckBox* mailings = form->groupBox(35 - k);
        EXPECT_EQ(names->objectName(), QStringLiteral("chkGroups(%1)").arg(k));
        EXPECT_EQ(mailings->objectName(), QStringLiteral("chkGroups(%1)").arg(35 - k));
        EXPECT_EQ(names->parentWidget(), form->names().Frame1);
        EXPECT_EQ(mailings->parentWidget(), form->mailings().Frame1);
        const QString design = k < 9 ? QStringLiteral("Personal") : QStringLiteral("Business");
        EXPECT_EQ(names->text(), design);
        EXPECT_EQ(mailings->text(), design);
        const int left = k < 9 ? 120 : 2160;
        const int top = 240 + 240 * (k % 9);
        EXPECT_EQ(names->geometry(), expected({left, top, 1815, 255}));
        EXPECT_EQ(mailings->geometry(), expected({left, top, k < 9 ? 1815 : 975, 255}));
        EXPECT_FALSE(mailings->isChecked());
        EXPECT_EQ(names->accessibleDescription(), QStringLiteral("Group %1").arg(k + 1));
        EXPECT_EQ(mailings->accessibleDescription(), names->accessibleDescription());
    }
}

TEST_F(MailFormLayout, FramesDrawTheirCaptionsInDarkBlueAndTheirBoxesInTheUsualColour) {
    for (QGroupBox* frame : {form->names().Frame1, form->mailings().Frame1}) {
        EXPECT_EQ(frame->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        const auto boxes = frame->findChildren<QCheckBox*>();
        ASSERT_EQ(boxes.size(), 18);
        for (const QCheckBox* box : boxes)
            EXPECT_EQ(box->palette().color(QPalette::WindowText),
                      form->palette().color(QPalette::WindowText));
    }
}

TEST_F(MailFormLayout, BoxesAdmitNoMoreThanTheirLimitAlsoWhenTyped) {
    QTest::keyClicks(form->names().txtAddress[5], QStringLiteral("555-0101-2222-3333-4444"));
    EXPECT_EQ(form->names().txtAddress[5]->text(), QStringLiteral("555-0101-2222-3"));
    form->names().txtNotes->insertPlainText(QString(300, QLatin1Char('n')));
    EXPECT_EQ(form->names().txtNotes->toPlainText().size(), 255);
}

TEST_F(MailFormLayout, AccessKeysPressTheButtons) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // Alt+E stays with Enter Changes: the menu bar's Edit menu takes another letter.
    const std::pair<Qt::Key, QPushButton*> keys[] = {{Qt::Key_N, form->names().cmdNewAddress},
                                                     {Qt::Key_E, form->names().cmdEnter}};
    for (const auto& [key, button] : keys) {
        bool pressed = false;
        const auto connection =
            QObject::connect(button, &QPushButton::clicked, [&] { pressed = true; });
        QTest::keyClick(form.get(), key, Qt::AltModifier);
        // A button pressed by its access key shows itself pressed for a moment first.
        EXPECT_TRUE(QTest::qWaitFor([&] { return pressed; }, 2000))
            << button->objectName().toStdString();
        QObject::disconnect(connection);
    }
}

// What a screen reader announces by its name; a cell is told by its column.
void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed) {
    static const QAccessible::Role kNamedRoles[] = {
        QAccessible::Button,       QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::ComboBox, QAccessible::SpinBox,
        QAccessible::Table,        QAccessible::List,     QAccessible::Tree};
    const QAccessible::Role role = node->role();
    const bool named =
        std::find(std::begin(kNamedRoles), std::end(kNamedRoles), role) != std::end(kNamedRoles) ||
        node->state().focusable;
    const QString what = node->object() ? node->object()->objectName() : QString();
    if (role == QAccessible::Cell) {
        // A cell is told by its description, or else by its column's heading.
        const QAccessibleTableCellInterface* cell = node->tableCellInterface();
        const auto headings = cell ? cell->columnHeaderCells() : QList<QAccessibleInterface*>();
        if (node->text(QAccessible::Description).isEmpty() &&
            (headings.isEmpty() || headings.first()->text(QAccessible::Name).isEmpty()))
            unnamed << QStringLiteral("cell of ") + node->parent()->object()->objectName();
    } else if (named && node->text(QAccessible::Name).isEmpty()) {
        unnamed << QStringLiteral("%1 %2").arg(
            what, QLatin1String(node->object() ? node->object()->metaObject()->className() : "?"));
    }
    // A combo box's own list is its popup, named by the box.
    if (role == QAccessible::ComboBox)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            collectUnnamed(child, unnamed);
}

QStringList unnamedControls(QWidget* window) {
    QAccessible::setActive(true);
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

// What Tab reaches in `root`, in its order: the controls shown and taking focus by Tab.
std::vector<QWidget*> tabStops(QWidget* root) {
    std::vector<QWidget*> stops;
    for (QWidget* w = root->nextInFocusChain(); w != root; w = w->nextInFocusChain())
        if (root->isAncestorOf(w) && w->isVisibleTo(root) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) && !w->objectName().startsWith(QLatin1String("qt_")))
            stops.push_back(w);
    return stops;
}

// Where Tab in `dialog` goes against the reading order: up, other than to the
// top of a column further right, or left along a row. "from -> to" for each.
QStringList tabStepsBack(QWidget* dialog) {
    QStringList back;
    const std::vector<QWidget*> stops = tabStops(dialog);
    for (std::size_t k = 1; k < stops.size(); ++k) {
        const QRect was(stops[k - 1]->mapTo(dialog, QPoint()), stops[k - 1]->size());
        const QRect to(stops[k]->mapTo(dialog, QPoint()), stops[k]->size());
        const bool sameRow = to.top() <= was.bottom() && was.top() <= to.bottom();
        if ((to.bottom() < was.top() && to.left() <= was.right()) ||
            (sameRow && to.right() <= was.left()))
            back << QStringLiteral("%1 -> %2")
                        .arg(stops[k - 1]->objectName(), stops[k]->objectName());
    }
    return back;
}

TEST_F(MailFormLayout, EveryControlOfTheWindowAndItsDialogsIsNamedAndTabbedInReadingOrder) {
    // Every page's controls, shown or not.
    EXPECT_EQ(unnamedControls(form.get()), QStringList());

    const testing::PdfPrinters printers(settingsRoot.filePath("printed.pdf"));
    CalibrationDialog calibration(settings, dialogs, printers, book.path(),
                                  form->mailings().chosenStationery());
    NewStationeryDialog stationery(dialogs);
    NetrcPasswords passwords(settingsRoot.filePath("netrc"));
    LinkBookDialog link(settings, passwords);
    ServerBookDialog server;
    book_link::create(*db, {QStringLiteral("https://dav.example/book/"), QStringLiteral("jane")});
    SyncConflictsDialog conflicts(*db, dialogs, form->groupTitles());
    exchange::ImportSource source;
    source.table.kind = QStringLiteral("CSV");
    source.table.columns = QStringList{QStringLiteral("Name"), QStringLiteral("Notes")};
    source.table.rows = {{QStringLiteral("Doe, Jane"), QString()}};
    source.table.lines = {2};
    const exchange::Mapping mapping = exchange::defaultMapping(source.table, form->groupTitles());
    ImportPreview preview(QStringLiteral("people.csv"), source, mapping, form->groupTitles(), {});
    QImage blank(40, 40, QImage::Format_RGB32);
    blank.fill(Qt::white);
    PrintPreviewDialog pages(
        {2, &layoutFor(Stationery::Envelopes), [&](int, int) { return PreviewPage{blank}; }});
    for (QDialog* dialog : std::initializer_list<QDialog*>{&calibration, &stationery, &link,
                                                           &server, &conflicts, &preview, &pages}) {
        dialog->show();
        EXPECT_EQ(unnamedControls(dialog), QStringList()) << dialog->metaObject()->className();
        EXPECT_EQ(tabStepsBack(dialog), QStringList()) << dialog->metaObject()->className();
    }
}

QStringList tabSequence(QWidget* page) {
    QStringList names;
    for (const QWidget* w : tabStops(page))
        names << w->objectName();
    return names;
}

QStringList numbered(const char* name, int from, int to) {
    QStringList names;
    for (int k = from; from <= to ? k <= to : k >= to; k += from <= to ? 1 : -1)
        names << indexed(name, k);
    return names;
}

struct TabRow {
    int page;
    QStringList sequence;
};

TEST_F(MailFormLayout, TabFollowsTheDesignedOrderOnEveryPage) {
    const auto s = [](const char* name) { return QString::fromLatin1(name); };
    const TabRow rows[] = {
        {0, QStringList{s("txtAddress(0)"), s("cboName")} + numbered("txtAddress", 1, 5) +
                numbered("chkGroups", 0, 17) +
                QStringList{s("txtAddress(6)"), s("cmdNewAddress"), s("cmdEnter"),
                            s("cmdDeleteRecord")}},
        {1, QStringList{s("optAverySmall"), s("optAveryLarge"), s("optEnvelope"), s("optCards"),
                        s("optFlier"), s("optMoreStationery"), s("chkPrintSample"),
                        s("cmdPrintMailingList"), s("cmdPreview"), s("txtReturnAddress(3)"),
                        s("txtVerticalAdjustment"), s("chkFirstNameFirst")} +
                numbered("chkGroups", 35, 18) +
                QStringList{s("optAddressList"), s("spnCopies"), s("chkFillSheet"), s("cboSortBy"),
                            s("chkCloseUp"), s("TDBGridS1")}},
        {2, QStringList{s("first"), s("previous"), s("next"), s("last")} +
                numbered("txtReturnAddress", 0, 2) +
                QStringList{s("cmdNewReturnAddress"), s("cmdDeleteReturnAddress"),
                            s("cmdPrintReturnLabels"), s("cmdPreviewReturnLabels")}},
    };
    for (const TabRow& row : rows) {
        QWidget* page = form->SSTab1->widget(row.page);
        // Every control as if it could be reached: which show depends on the record and stationery.
        for (QWidget* w : page->findChildren<QWidget*>())
            w->setEnabled(true);
        EXPECT_EQ(tabSequence(page), row.sequence) << row.page;
    }
    // The address list's paper sits at the top of the middle column, before the groups.
    form->mailings().optAddressList->click();
    const QStringList list = tabSequence(form->SSTab1->widget(1));
    EXPECT_EQ(list.indexOf(s("cboListPaper")), list.indexOf(s("cmdPreview")) + 1);
    EXPECT_LT(list.indexOf(s("cboListPaper")), list.indexOf(s("chkGroups(35)")));
}

// A dark or high-contrast desktop palette holds for every box, a box shown refused and taken again
// too.
TEST_F(MailFormLayout, ADarkPaletteKeepsEveryTextReadable) {
    QPalette dark(QColor(20, 20, 20));
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    form->setPalette(dark);
    QLineEdit* box = form->mailings().txtVerticalAdjustment;
    box->setText(QStringLiteral("99999"));
    EXPECT_GT(box->palette().color(QPalette::Text).lightness(), 128);
    box->setText(QStringLiteral("180"));
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::white));
}

} // namespace
} // namespace ravelbook
