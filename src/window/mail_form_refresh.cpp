// Others' changes to a shared book: View: Refresh and the check when the window
// is activated again.
#include "store/data_source.h"
#include "store/database.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"
#include "window/name_filter.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QStringListModel>

namespace ravelbook {

void frmMailForm::buildViewMenu() {
    // No access key: V, I, E and W all belong to buttons already (Preview, Enter
    // Changes, New); F5 is the way to it from the keyboard.
    menuView = menuBar->addMenu(QStringLiteral("&View"));
    menuView->setObjectName(QStringLiteral("menuView"));
    actRefresh = menuView->addAction(QStringLiteral("&Refresh"));
    actRefresh->setObjectName(QStringLiteral("actRefresh"));
    actRefresh->setShortcut(QKeySequence(Qt::Key_F5));
    connect(actRefresh, &QAction::triggered, this, &frmMailForm::actRefresh_Click);
    bookMark_ = db_.changeMark();
}

void frmMailForm::refreshNameList() {
    // Read on the side: Data1 and the record it shows stay as they are.
    const sql::RecordSource named = sql::selectNamedAddresses(db_.dialect());
    QSqlQuery query =
        db_.run(sql::keysOf(db_.dialect(), named.text, Data1->columns().value(0)), named.bindings);
    QStringList names;
    std::vector<qint64> keys;
    while (query.next()) {
        keys.push_back(query.value(0).toLongLong());
        names << query.value(1).toString();
    }
    keepNameShown([&] {
        nameList_->setStringList(names);
        nameListKeys_ = std::move(keys);
    });
}

void frmMailForm::keepNameShown(const std::function<void()>& change) {
    if (!nameFilter_) { // still being built: nothing shown yet
        change();
        return;
    }
    const int shown = chosenNameListRow();
    const bool keyShown = shown >= 0;
    const qint64 shownKey = keyShown ? nameListKeys_[std::size_t(shown)] : 0;
    const QString typed = cboName->currentText();
    const QSignalBlocker quiet(cboName);
    change();
    int again = -1;
    if (keyShown) {
        const auto entry = nameListEntry(shownKey);
        if (entry != nameListKeys_.end())
            again = nameFilter_->rowShowing(int(entry - nameListKeys_.begin()));
    }
    cboName->setCurrentIndex(again);
    if (again < 0)
        cboName->setEditText(typed);
}

void frmMailForm::actRefresh_Click() {
    runHandler(dialogs_, [this] {
        bookMark_ = db_.changeMark();
        for (DataSource* source : {Data1, datGrid, datIni, datReturnAddresses}) {
            if (source->hasRecordSet())
                source->reread();
        }
        refreshNameList();
    });
}

void frmMailForm::refreshIfBookChanged() {
    const std::optional<qint64> mark = db_.changeMark();
    if (mark && mark == bookMark_)
        return;
    try {
        refreshNameList();
        bookMark_ = mark;
    } catch (const StoreError&) {
        // Out of reach for now: the list stays, and Refresh tells why.
    }
}

void frmMailForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && menuView)
        refreshIfBookChanged();
}

} // namespace ravelbook
