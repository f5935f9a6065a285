// Builds the window's shell (menu bar, client area, status line, Exit and the
// tab control) and its three pages, and ties the pages together.
#include "settings/group_titles.h"
#include "window/app_icon.h"
#include "window/caption_fit.h"
#include "window/conflict_resolution.h"
#include "window/control_placer.h"
#include "window/current_record.h"
#include "window/exchange_menu.h"
#include "window/grid_columns.h"
#include "window/group_boxes.h"
#include "window/mail_form.h"
#include "window/mailing_printer.h"
#include "window/mailings_page.h"
#include "window/names_page.h"
#include "window/return_address_page.h"
#include "window/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ravelbook {

namespace {

constexpr int kClientWidth = 9420;
constexpr int kClientHeight = 6555;
constexpr int kMailingsPage = 1;

QString escapeAccessKeys(const QString& caption) {
    QString escaped = caption;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
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

} // namespace

QSize frmMailForm::designedClientSize() const {
    return twipsToPixels(QRect(0, 0, kClientWidth, kClientHeight), logicalDpiY()).size();
}

QCheckBox* frmMailForm::groupBox(int index) const {
    return index < kGroupCount ? names_->chkGroups.at(std::size_t(index))
                               : mailings_->chkGroups.at(std::size_t(twinOf(index)));
}

QString frmMailForm::groupCaption(int index) const {
    QString caption = groupBox(index)->text();
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void frmMailForm::setGroupCaption(int index, const QString& caption) {
    QCheckBox* box = groupBox(index);
    box->setText(escapeAccessKeys(caption));
    tipIfCut(box, caption);
    if (mailings_)
        mailings_->gridColumns().titlesChanged();
    // Once the window is whole, a renamed group is named so in a conflict's other version too.
    if (index < kGroupCount && titlesAtStart_[0] != QString())
        showConflictsWithTitles(groupTitles());
}

GroupTitles frmMailForm::groupTitles() const {
    GroupTitles titles;
    for (int k = 0; k < kGroupCount; ++k)
        titles[k] = groupCaption(k);
    return titles;
}

void frmMailForm::buildControls() {
    setObjectName(QStringLiteral("frmMailForm"));
    setWindowTitle(group_titles::kApplication);
    setFont(windowFont());
    setWindowIcon(appIcon());

    // The menu bar sits above the client area; every control is placed in the
    // client area, so the designed positions hold with or without menus.
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    menuBar = makeNamed<QMenuBar>(this, QStringLiteral("menuBar"));
    frame->setMenuBar(menuBar);
    clientArea = makeNamed<QWidget>(this, QStringLiteral("clientArea"));
    frame->addWidget(clientArea, 1);
    // Below the client area: what the last print run did.
    statusBar = makeNamed<QStatusBar>(this, QStringLiteral("statusBar"));
    statusBar->setSizeGripEnabled(false);
    frame->addWidget(statusBar);
    buildMenus();

    Placer window(geometry_, nullptr);
    cmdExit = window.add<QPushButton>(clientArea, QStringLiteral("cmdExit"),
                                      {6600, 6000, 2655, 495}, tr("E&xit"));
    SSTab1 = window.add<QTabWidget>(clientArea, QStringLiteral("SSTab1"), {0, 480, 9375, 5415});
    book_.tabs = SSTab1;
    SSTab1->setAccessibleName(tr("Pages"));
    buildPages();
    SSTab1->setCurrentIndex(0);

    for (int k = 0; k < kGroupCount; ++k) {
        const QString design = group_titles::designTitle(k);
        setGroupCaption(k, design);
        setGroupCaption(twinOf(k), design);
    }
    setTabOrder(cmdExit, SSTab1);
    connect(cmdExit, &QPushButton::clicked, this, &frmMailForm::cmdExit_Click);
}

void frmMailForm::buildMenus() {
    menuFile = menuBar->addMenu(tr("&File"));
    menuFile->setObjectName(QStringLiteral("menuFile"));
    actQuit = menuFile->addAction(tr("&Quit"));
    actQuit->setObjectName(QStringLiteral("actQuit"));
    actQuit->setShortcut(QKeySequence::Quit);
    connect(actQuit, &QAction::triggered, this, &frmMailForm::cmdExit_Click);
    exchange_ = new ExchangeMenu(book_, *menuFile, *actQuit, *this);
    buildPrintMenu();
}

void frmMailForm::buildPages() {
    record_ = new CurrentRecord(book_, this);
    names_ = new NamesPage(book_, *record_, SSTab1);
    SSTab1->addTab(names_, tr("Names"));
    mailings_ = new MailingsPage(
        book_, *record_, [this](int group) { return groupCaption(group); },
        [this] { return returnAddress_->lines(); }, SSTab1);
    SSTab1->addTab(mailings_, tr("Mailings"));
    returnAddress_ = new ReturnAddressPage(book_, mailings_->txtReturnAddress3, SSTab1);
    SSTab1->addTab(returnAddress_, tr("Return Address"));
    printer_ = new MailingPrinter(book_, *record_, *mailings_, *statusBar);
    connect(returnAddress_->cmdPrintReturnLabels, &QPushButton::clicked, printer_,
            &MailingPrinter::printSenderLabels);
    connect(returnAddress_->cmdPreviewReturnLabels, &QPushButton::clicked, printer_,
            &MailingPrinter::previewSenderLabels);

    // The grid writes the book's addresses too: the name list follows.
    names_->followWrites(*mailings_->datGrid);
    // A new address is entered or dropped before anything is mailed.
    connect(names_, &NamesPage::newAddressModeChanged, this, [this](bool on) {
        if (SSTab1->isTabEnabled(kMailingsPage) == on) // a tab bar repaints even when unchanged
            SSTab1->setTabEnabled(kMailingsPage, !on);
    });
    for (const std::array<QCheckBox*, kGroupCount>* boxes :
         {&names_->chkGroups, &mailings_->chkGroups}) {
        const bool onMailings = boxes == &mailings_->chkGroups;
        auto* mouse = new GroupBoxMouse(*boxes, onMailings, this);
        connect(mouse, &GroupBoxMouse::mouseUp, this, &frmMailForm::chkGroups_MouseUp);
    }
}

void frmMailForm::chkGroups_MouseUp(int index, Qt::MouseButton button) {
    if (button != Qt::RightButton)
        return;
    const QString title =
        book_.dialogs
            .prompt(tr("Enter a new title for this category"), groupCaption(index), QString())
            .left(group_titles::kLongestTitle);
    if (title.isEmpty())
        return;
    setGroupCaption(index, title);
    setGroupCaption(twinOf(index), title);
}

} // namespace ravelbook
