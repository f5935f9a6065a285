// The group boxes: the twins on page "Mailings" filter the grid, and a right
// click on any box gives its group a new title.
#include "settings/group_titles.h"
#include "store/data_source.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"

#include <algorithm>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMouseEvent>

namespace ravelbook {

void frmMailForm::connectGroupBoxes() {
    for (int i = 0; i < kGroupBoxes; ++i) {
        chkGroups[i]->installEventFilter(this);
        // Only the Mailings boxes filter; the Names boxes are refilled on every
        // record change, and a print run changes records many thousand times.
        if (i >= kGroupCount)
            connect(chkGroups[i], &QCheckBox::toggled, this, [this, i] { chkGroups_Click(i); });
    }
}

GroupChoice frmMailForm::chosenGroups() const {
    GroupChoice groups{};
    for (int k = 0; k < kGroupCount; ++k)
        groups[k] = chkGroups[twinOf(k)]->checkState() != Qt::Unchecked;
    return groups;
}

void frmMailForm::chkGroups_Click(int index) {
    // Boxes of page "Names" only change the current record, through their binding.
    if (index < kGroupCount)
        return;
    runHandler(dialogs_, [this] {
        const GroupChoice groups = chosenGroups();
        const sql::RecordSource query =
            sql::anyGroup(groups) ? sql::selectGroups(groups) : sql::selectNothing();
        strSQL = query.text;
        datGrid->setRecordSource(query);
        datGrid->refresh();
    });
}

void frmMailForm::chkGroups_MouseUp(int index, Qt::MouseButton button) {
    if (button != Qt::RightButton)
        return;
    const QString title = dialogs_
                              .prompt(QStringLiteral("Enter a new title for this category"),
                                      groupCaption(index), QString())
                              .left(group_titles::kLongestTitle);
    if (title.isEmpty())
        return;
    setGroupCaption(index, title);
    setGroupCaption(twinOf(index), title);
}

bool frmMailForm::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(chkGroups.begin(), chkGroups.end(), watched);
    if (found == chkGroups.end())
        return QWidget::eventFilter(watched, event);
    const int index = int(found - chkGroups.begin());

    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // Released over the box it was pressed on, as a click would be.
        if ((*found)->rect().contains(mouse->position().toPoint()))
            chkGroups_MouseUp(index, mouse->button());
    } else if (event->type() == QEvent::ContextMenu &&
               static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        // The menu key renames the focused box, for those who work without a mouse.
        chkGroups_MouseUp(index, Qt::RightButton);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ravelbook
