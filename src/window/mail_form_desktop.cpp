// The window on a modern desktop: it grows around the designed controls, and
// its menus (books, Find, About) are set up here.
#include "store/database.h"
#include "window/book_menu.h"
#include "window/caption_fit.h"
#include "window/dialogs.h"
#include "window/exchange_menu.h"
#include "window/group_boxes.h"
#include "window/limited_text_edit.h"
#include "window/mail_form.h"
#include "window/mailings_page.h"
#include "window/names_page.h"
#include "window/online_menu.h"

#include <algorithm>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableView>
#include <QTabWidget>

namespace ravelbook {

namespace {

class WholeBoxClickStyle final : public QProxyStyle {
public:
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override {
        if (element == SE_CheckBoxClickRect || element == SE_RadioButtonClickRect)
            return option->rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }
};

} // namespace

void frmMailForm::resizeEvent(QResizeEvent* event) {
    placeControls();
    QWidget::resizeEvent(event);
}

void frmMailForm::placeControls() {
    // Past the designed size the tab control, the notes box and the grid take
    // the extra room; Exit and the editor's buttons keep to the bottom right.
    geometry_.apply(logicalDpiY(), clientArea->size() - designedClientSize());
    // A group box's caption is its group's title, read back from it: never
    // elided, only given whole in the tooltip.
    QSet<const QWidget*> groups;
    for (int i = 0; i < kGroupBoxes; ++i) {
        tipIfCut(groupBox(i), groupCaption(i));
        groups.insert(groupBox(i));
    }
    for (QWidget* control : clientArea->findChildren<QWidget*>()) {
        if ((qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) &&
            !groups.contains(control))
            fitCaption(control);
    }
    if (lstFound && lstFound->isVisible())
        placeFoundList();
}

void frmMailForm::setUpDesktop() {
    using A = TwipGeometry::Anchor;
    geometry_.anchor(SSTab1, A::GrowsWide | A::GrowsTall);
    geometry_.anchor(names_->txtNotes, A::GrowsWide | A::GrowsTall);
    geometry_.anchor(mailings_->TDBGridS1, A::GrowsWide | A::GrowsTall);
    for (QPushButton* button :
         {cmdExit, names_->cmdNewAddress, names_->cmdEnter, names_->cmdDeleteRecord})
        geometry_.anchor(button, A::MovesRight | A::MovesDown);

    // Books first, then the recent ones, then import and export, then Quit.
    books_ = new BookMenu(book_, *menuFile, *exchange_->actImport, *this);
    connect(books_, &BookMenu::bookChosen, this, &frmMailForm::bookChosen);

    // Not "&Edit": Alt+E is the access key of Enter Changes.
    menuEdit = menuBar->addMenu(tr("Ed&it"));
    menuEdit->setObjectName(QStringLiteral("menuEdit"));
    actFind = menuEdit->addAction(tr("&Find…"));
    actFind->setObjectName(QStringLiteral("actFind"));
    actFind->setShortcut(QKeySequence::Find);

    buildViewMenu();
    online_ = new OnlineMenu(book_, *this);

    menuHelp = menuBar->addMenu(tr("&Help"));
    menuHelp->setObjectName(QStringLiteral("menuHelp"));
    actAbout = menuHelp->addAction(tr("&About Ravelbook"));
    actAbout->setObjectName(QStringLiteral("actAbout"));
    connect(actAbout, &QAction::triggered, this, [this] {
        book_.dialogs.message(tr("Ravelbook %1\n\n"
                                 "Keeps an address book and prints it onto labels, "
                                 "envelopes, cards and fliers.\n\n"
                                 "Address book: %2")
                                  .arg(QStringLiteral(RAVELBOOK_VERSION), book_.db.displayName()),
                              tr("About Ravelbook"), Dialogs::Buttons::Ok);
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

} // namespace ravelbook
