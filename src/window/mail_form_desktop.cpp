// What a desktop program offers around the designed controls: a window that
// grows, books opened from the File menu, Find, the grid's group columns,
// About, and the choices kept for the next start.
#include "print/job_selection.h"
#include "settings/choices.h"
#include "store/data_source.h"
#include "store/database.h"
#include "store/store_error.h"
#include "window/caption_fit.h"
#include "window/dialogs.h"
#include "window/grid_columns.h"
#include "window/handler_edge.h"
#include "window/limited_text_edit.h"
#include "window/mail_form.h"
#include "window/name_filter.h"
#include "window/twip_geometry.h"
#include "window/twips.h"

#include <algorithm>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTabWidget>

namespace ravelbook {

namespace {

constexpr int kNamesPage = 0;
// Rows the list under the Find field shows at most before it scrolls.
constexpr int kFoundRows = 12;
constexpr int kFindWidthTwips = 3600;
const char* const kRecentBookName = "actRecentBook";

class WholeBoxClickStyle final : public QProxyStyle {
public:
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override {
        if (element == SE_CheckBoxClickRect || element == SE_RadioButtonClickRect)
            return option->rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }
};

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

void frmMailForm::resizeEvent(QResizeEvent* event) {
    placeControls();
    QWidget::resizeEvent(event);
}

void frmMailForm::placeControls() {
    // Past the designed size the tab control, the notes box and the grid take
    // the extra room; Exit and the editor's buttons keep to the bottom right.
    geometry_->apply(logicalDpiY(), clientArea->size() - designedClientSize());
    for (int i = 0; i < kGroupBoxes; ++i)
        tipIfCut(chkGroups[i], groupCaption(i));
    if (lstFound && lstFound->isVisible())
        placeFoundList();
}

void frmMailForm::setUpDesktop() {
    using A = TwipGeometry::Anchor;
    geometry_->anchor(SSTab1, A::GrowsWide | A::GrowsTall);
    geometry_->anchor(txtNotes, A::GrowsWide | A::GrowsTall);
    geometry_->anchor(TDBGridS1, A::GrowsWide | A::GrowsTall);
    for (QPushButton* button : {cmdExit, cmdNewAddress, cmdEnter, cmdDeleteRecord})
        geometry_->anchor(button, A::MovesRight | A::MovesDown);

    gridColumns_ = new GridColumns(*TDBGridS1, *gridColumnsModel_, this);
    actShowGroupColumns = gridColumns_->showGroupsAction();

    actNewBook = new QAction(QStringLiteral("&New Book…"), this);
    actNewBook->setObjectName(QStringLiteral("actNewBook"));
    actOpenBook = new QAction(QStringLiteral("&Open Book…"), this);
    actOpenBook->setObjectName(QStringLiteral("actOpenBook"));
    actOpenBook->setShortcut(QKeySequence::Open);
    // Books first, then the recent ones, then import and export, then Quit.
    QAction* const booksEnd = actImport ? actImport : actQuit;
    menuFile->insertAction(booksEnd, actNewBook);
    menuFile->insertAction(booksEnd, actOpenBook);
    menuFile->insertSeparator(booksEnd);
    connect(menuFile, &QMenu::aboutToShow, this, &frmMailForm::fillRecentBooks);
    const QString folder = QFileInfo(db_.path()).absolutePath();
    connect(actNewBook, &QAction::triggered, this, [this, folder] {
        QString path = dialogs_.bookFileName(Dialogs::BookUse::Create,
                                             QStringLiteral("New Address Book"), folder);
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".db");
        switchToBook(path, false);
    });
    connect(actOpenBook, &QAction::triggered, this, [this, folder] {
        const QString path = dialogs_.bookFileName(Dialogs::BookUse::Open,
                                                   QStringLiteral("Open Address Book"), folder);
        if (!path.isEmpty())
            openBook(path);
    });

    // Not "&Edit": Alt+E is the access key of Enter Changes.
    menuEdit = menuBar->addMenu(QStringLiteral("Ed&it"));
    menuEdit->setObjectName(QStringLiteral("menuEdit"));
    actFind = menuEdit->addAction(QStringLiteral("&Find…"));
    actFind->setObjectName(QStringLiteral("actFind"));
    actFind->setShortcut(QKeySequence::Find);

    menuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    menuHelp->setObjectName(QStringLiteral("menuHelp"));
    actAbout = menuHelp->addAction(QStringLiteral("&About Ravelbook"));
    actAbout->setObjectName(QStringLiteral("actAbout"));
    connect(actAbout, &QAction::triggered, this, [this] {
        dialogs_.message(QStringLiteral("Ravelbook %1\n\n"
                                        "Keeps an address book and prints it onto labels, "
                                        "envelopes, cards and fliers.\n\n"
                                        "Address book: %2")
                             .arg(QStringLiteral(RAVELBOOK_VERSION),
                                  QDir::toNativeSeparators(absolute(db_.path()))),
                         QStringLiteral("About Ravelbook"), Dialogs::Buttons::Ok);
    });

    buildFind();

    // As on the desktop the window was designed for, a box or option button
    // answers a click anywhere on it, not only on its mark and caption.
    auto* wholeBoxes = new WholeBoxClickStyle;
    wholeBoxes->setParent(this);
    for (QAbstractButton* box : clientArea->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QCheckBox*>(box) || qobject_cast<QRadioButton*>(box))
            box->setStyle(wholeBoxes);
    }
}

QStringList frmMailForm::recentBooks() const {
    QStringList books = choices::recentBooks(settings_);
    books.removeAll(absolute(db_.path()));
    return books;
}

void frmMailForm::fillRecentBooks() {
    for (QAction* action : menuFile->actions()) {
        if (action->objectName() == QLatin1String(kRecentBookName))
            delete action;
    }
    const QStringList books = recentBooks();
    for (int i = 0; i < books.size(); ++i) {
        QString text = books[i];
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(text), menuFile);
        action->setObjectName(QLatin1String(kRecentBookName));
        connect(action, &QAction::triggered, this, [this, book = books[i]] { openBook(book); });
        menuFile->insertAction(actImport ? actImport : actQuit, action);
    }
    if (!books.isEmpty())
        menuFile->insertSeparator(actImport ? actImport : actQuit)
            ->setObjectName(QLatin1String(kRecentBookName));
}

void frmMailForm::openBook(const QString& path) {
    switchToBook(path, true);
}

void frmMailForm::switchToBook(QString path, bool askFirst) {
    runHandler(dialogs_, [&] {
        path = absolute(path);
        if (askFirst && !QFileInfo::exists(path) && !askToCreateBook(dialogs_, path))
            return;
        // Made, or found wanting, while this window still stands: a file that is
        // no address book is reported here and the user carries on with this one.
        { const Database book(path); }
        if (close())
            Q_EMIT bookChosen(path);
    });
}

void frmMailForm::buildFind() {
    nameFilter_ = new NameFilterModel(*nameList_, this);
    cboName->setModel(nameFilter_);
    cboName->setCurrentIndex(-1);

    txtFind = new QLineEdit(menuBar);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setPlaceholderText(QStringLiteral("Find a name (%1)")
                                    .arg(actFind->shortcut().toString(QKeySequence::NativeText)));
    txtFind->setClearButtonEnabled(true);
    txtFind->setFixedWidth(twipsToPixels(kFindWidthTwips, logicalDpiY()));
    menuBar->setCornerWidget(txtFind, Qt::TopRightCorner);

    lstFound = new QListView(this);
    lstFound->setObjectName(QStringLiteral("lstFound"));
    lstFound->setModel(nameFilter_);
    lstFound->setUniformItemSizes(true);
    lstFound->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Typing stays in the Find field while the list shows what it matches.
    lstFound->setFocusPolicy(Qt::NoFocus);
    lstFound->hide();

    connect(actFind, &QAction::triggered, this, [this] {
        txtFind->setFocus(Qt::ShortcutFocusReason);
        txtFind->selectAll();
    });
    connect(txtFind, &QLineEdit::textChanged, this, [this](const QString& text) {
        nameFilter_->setQuery(text);
        cboName->setCurrentIndex(-1);
        lstFound->setVisible(!text.isEmpty());
        if (text.isEmpty())
            return;
        placeFoundList();
        lstFound->setCurrentIndex(nameFilter_->index(0));
    });
    connect(txtFind, &QLineEdit::returnPressed, this, [this] {
        const QModelIndex current = lstFound->currentIndex();
        showFound(current.isValid() ? current.row() : 0);
    });
    connect(lstFound, &QListView::clicked, this,
            [this](const QModelIndex& index) { showFound(index.row()); });
    // The list belongs to the field: it goes when the user works elsewhere and
    // comes back with the field.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        lstFound->setVisible(now == txtFind && !txtFind->text().isEmpty());
        if (lstFound->isVisible())
            placeFoundList();
    });

    const auto onKey = [this](const QKeySequence& key, auto&& what) {
        auto* action = new QAction(txtFind);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, what);
        txtFind->addAction(action);
    };
    const auto step = [this](int by) {
        const int rows = nameFilter_->rowCount();
        if (rows == 0)
            return;
        const int row = std::clamp(lstFound->currentIndex().row() + by, 0, rows - 1);
        lstFound->setCurrentIndex(nameFilter_->index(row));
        lstFound->show();
        placeFoundList();
    };
    onKey(QKeySequence(Qt::Key_Down), [step] { step(1); });
    onKey(QKeySequence(Qt::Key_Up), [step] { step(-1); });
    onKey(QKeySequence(Qt::Key_Escape), [this] {
        txtFind->clear();
        lstFound->hide();
    });
}

void frmMailForm::placeFoundList() {
    const int rowHeight = std::max(1, lstFound->sizeHintForRow(0));
    const int rows = std::clamp(nameFilter_->rowCount(), 1, kFoundRows);
    const int frame = 2 * lstFound->frameWidth();
    const QPoint below = txtFind->mapTo(this, QPoint(0, txtFind->height()));
    lstFound->setGeometry(below.x(), below.y(), txtFind->width(), rows * rowHeight + frame);
    lstFound->raise();
}

void frmMailForm::showFound(int row) {
    if (row < 0 || row >= nameFilter_->rowCount())
        return;
    lstFound->hide();
    SSTab1->setCurrentIndex(kNamesPage);
    cboName->setCurrentIndex(row);
    cboName_Click();
}

void frmMailForm::restoreChoices() {
    const choices::Choices kept = choices::read(settings_);
    for (const Stationery stationery : kStationeryOrder) {
        QRadioButton* option = stationeryOption(stationery);
        if (option->objectName() == kept.stationery)
            option->click(); // shows the options this stationery uses
    }
    (kept.biFold ? optBiFold : optTriFold)->setChecked(true);
    chkFirstNameFirst->setChecked(kept.firstNameFirst);
    chkPrintSample->setChecked(kept.printSingle);
    txtSpecial->setText(kept.specialText);
    actShowGroupColumns->setChecked(kept.showGroupColumns);
    try {
        if (kept.returnAddress > 0 && kept.returnAddress < datReturnAddresses->recordCount())
            datReturnAddresses->moveTo(kept.returnAddress);
    } catch (const StoreError&) {
        // The first return address stays, as on a first start.
    }
    if (!kept.windowGeometry.isEmpty())
        restoreGeometry(kept.windowGeometry);
}

void frmMailForm::keepChoices() {
    choices::Choices kept;
    for (const Stationery stationery : kStationeryOrder) {
        if (stationeryOption(stationery)->isChecked())
            kept.stationery = stationeryOption(stationery)->objectName();
    }
    kept.biFold = optBiFold->isChecked();
    kept.firstNameFirst = chkFirstNameFirst->isChecked();
    kept.printSingle = chkPrintSample->isChecked();
    kept.specialText = txtSpecial->text();
    kept.returnAddress = std::max(0, datReturnAddresses->position());
    kept.showGroupColumns = actShowGroupColumns->isChecked();
    kept.windowGeometry = saveGeometry();
    choices::save(settings_, kept);
    choices::rememberBook(settings_, absolute(db_.path()));
}

} // namespace ravelbook
