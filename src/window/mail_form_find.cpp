// Find: a field in the menu bar that narrows the name list as the user types,
// and shows the record chosen among the matches without editing the one shown.
#include "window/mail_form.h"
#include "window/name_filter.h"
#include "window/names_page.h"
#include "window/twips.h"

#include <algorithm>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QTabWidget>

namespace ravelbook {

namespace {

constexpr int kNamesPage = 0;
// Rows the list under the Find field shows at most before it scrolls.
constexpr int kFoundRows = 12;
constexpr int kFindWidthTwips = 3600;

} // namespace

void frmMailForm::buildFind() {
    NameFilterModel& nameFilter = names_->nameFilter();
    txtFind = new QLineEdit(menuBar);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setPlaceholderText(
        tr("Find a name (%1)").arg(actFind->shortcut().toString(QKeySequence::NativeText)));
    txtFind->setClearButtonEnabled(true);
    txtFind->setFixedWidth(twipsToPixels(kFindWidthTwips, logicalDpiY()));
    menuBar->setCornerWidget(txtFind, Qt::TopRightCorner);

    lstFound = new QListView(this);
    lstFound->setObjectName(QStringLiteral("lstFound"));
    lstFound->setAccessibleName(tr("Found names"));
    lstFound->setModel(&nameFilter);
    lstFound->setUniformItemSizes(true);
    lstFound->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Typing stays in the Find field while the list shows what it matches.
    lstFound->setFocusPolicy(Qt::NoFocus);
    lstFound->hide();

    connect(actFind, &QAction::triggered, this, [this] {
        txtFind->setFocus(Qt::ShortcutFocusReason);
        txtFind->selectAll();
    });
    connect(txtFind, &QLineEdit::textChanged, this, [this, &nameFilter](const QString& text) {
        nameFilter.setQuery(text);
        names_->cboName->setCurrentIndex(-1);
        lstFound->setVisible(!text.isEmpty());
        if (text.isEmpty())
            return;
        placeFoundList();
        lstFound->setCurrentIndex(nameFilter.index(0));
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
    const auto step = [this, &nameFilter](int by) {
        const int rows = nameFilter.rowCount();
        if (rows == 0)
            return;
        const int row = std::clamp(lstFound->currentIndex().row() + by, 0, rows - 1);
        lstFound->setCurrentIndex(nameFilter.index(row));
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
    const int rows = std::clamp(names_->nameFilter().rowCount(), 1, kFoundRows);
    const int frame = 2 * lstFound->frameWidth();
    const QPoint below = txtFind->mapTo(this, QPoint(0, txtFind->height()));
    lstFound->setGeometry(below.x(), below.y(), txtFind->width(), rows * rowHeight + frame);
    lstFound->raise();
}

void frmMailForm::showFound(int row) {
    if (row < 0 || row >= names_->nameFilter().rowCount())
        return;
    lstFound->hide();
    SSTab1->setCurrentIndex(kNamesPage);
    names_->cboName->setCurrentIndex(row);
    names_->cboName_Click();
}

} // namespace ravelbook
