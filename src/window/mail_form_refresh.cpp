// Others' changes to a shared book: View: Refresh and the check when the window
// is activated again.
#include "store/data_source.h"
#include "store/database.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"
#include "window/names_page.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace ravelbook {

void frmMailForm::buildViewMenu() {
    // No access key: V, I, E and W all belong to buttons already (Preview, Enter
    // Changes, New); F5 is the way to it from the keyboard.
    menuView = menuBar->addMenu(tr("&View"));
    menuView->setObjectName(QStringLiteral("menuView"));
    actRefresh = menuView->addAction(tr("&Refresh"));
    actRefresh->setObjectName(QStringLiteral("actRefresh"));
    actRefresh->setShortcut(QKeySequence(Qt::Key_F5));
    connect(actRefresh, &QAction::triggered, this, &frmMailForm::actRefresh_Click);
    bookMark_ = book_.db.changeMark();
}

void frmMailForm::actRefresh_Click() {
    runHandler(book_.dialogs, [this] {
        bookMark_ = book_.db.changeMark();
        for (DataSource* source : dataSources()) {
            if (!source->hasRecordSet())
                continue;
            // Staying on a changed record ends the refresh there.
            if (!source->flushPending())
                return;
            source->reread();
        }
        names_->refreshNameList();
    });
}

void frmMailForm::refreshIfBookChanged() {
    const std::optional<qint64> mark = book_.db.changeMark();
    if (mark && mark == bookMark_)
        return;
    try {
        names_->refreshNameList();
        bookMark_ = mark;
    } catch (const Error&) {
        // Out of reach for now: the list stays, and Refresh tells why.
    }
}

void frmMailForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && menuView)
        refreshIfBookChanged();
}

} // namespace ravelbook
