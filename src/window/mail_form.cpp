// The window's life: construction, start-up (Form_Load) and shut-down
// (Form_QueryUnload, Form_Unload, cmdExit_Click).
#include "window/mail_form.h"

#include "settings/group_titles.h"
#include "store/data_source.h"
#include "store/database.h"
#include "store/statements.h"
#include "store/store_error.h"
#include "window/conflict_resolution.h"
#include "window/current_record.h"
#include "window/dialogs.h"
#include "window/group_boxes.h"
#include "window/mailing_printer.h"
#include "window/mailings_page.h"
#include "window/names_page.h"
#include "window/return_address_page.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

namespace ravelbook {

namespace {

// Start-up and the purge go on past a failing step; they report nothing.
template <typename Step> void skipOnFailure(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

} // namespace

frmMailForm::frmMailForm(Database& db, SettingsStore& settings, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), book_{db, settings, dialogs, geometry_, nullptr} {
    buildControls();
    setUpDesktop();

    applyGeometry();

    // The settings and return-address tables open with their first row current.
    skipOnFailure([this] { mailings_->datIni->refresh(); });
    skipOnFailure([this] { returnAddress_->datReturnAddresses->refresh(); });
    Form_Load();
    damageFoundAtStart_ = book_.db.damaged();
    restoreChoices();
}

frmMailForm::~frmMailForm() = default;

std::array<DataSource*, 4> frmMailForm::dataSources() const {
    return {record_->Data1, mailings_->datGrid, mailings_->datIni,
            returnAddress_->datReturnAddresses};
}

void frmMailForm::showEvent(QShowEvent* event) {
    // Tab pages know where they sit inside the tab control only once it is laid out.
    applyGeometry();
    QWidget::showEvent(event);
    // Damage found while starting went unreported then; say it once, now that
    // the window is there to say it over.
    if (damageFoundAtStart_) {
        damageFoundAtStart_ = false;
        book_.report(book_.db.damageNotice());
    }
}

void frmMailForm::keyPressEvent(QKeyEvent* event) {
    // Escape reaches the window when the box being typed in has no use for it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        names_->newAddressMode()) {
        names_->discardNewAddress();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmMailForm::applyGeometry() {
    clientArea->setMinimumSize(designedClientSize());
    placeControls();
    // The window takes its size now, so that it can be centred before it is shown.
    layout()->activate();
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();
}

void frmMailForm::Form_Load() {
    skipOnFailure([this] { names_->FillComboBox(); });
    skipOnFailure([this] {
        record_->Data1->setRecordSource(sql::selectAllAddresses());
        record_->Data1->refresh();
    });
    // The editor boxes were bound to their columns when they were built.
    skipOnFailure([this] { centreOnScreen(); });
    skipOnFailure([this] { restoreGroupTitles(); });
}

void frmMailForm::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    const QSize outer = frameGeometry().size();
    const double top = (available.height() - outer.height()) / 2.0;
    const double left = (available.width() - outer.width()) / 2.0;
    move(available.left() + int(left), available.top() + int(top));
}

void frmMailForm::restoreGroupTitles() {
    const auto titles = group_titles::read(book_.settings);
    for (int group = 0; group < kGroupCount; ++group) {
        if (!titles[group])
            continue; // the design caption stays
        setGroupCaption(group, *titles[group]);
        setGroupCaption(twinOf(group), *titles[group]);
    }
    for (int group = 0; group < kGroupCount; ++group)
        titlesAtStart_[group] = groupCaption(group);
    showConflictsWithTitles(groupTitles());
}

bool frmMailForm::savePendingEdits() {
    // An adjustment still being typed is finished by closing: kept if the labels take it.
    mailings_->acceptVerticalAdjustment();
    for (DataSource* source : dataSources()) {
        try {
            if (!source->flushPending())
                return false;
        } catch (const Error& error) {
            const QString question =
                tr("Your last changes could not be saved. %1\n\n"
                   "Keep the window open to try again? (No closes it and loses them.)")
                    .arg(error.message());
            if (book_.dialogs.message(question, kErrorTitle, Dialogs::Buttons::YesNo) ==
                Dialogs::Answer::Yes)
                return false;
        }
    }
    return true;
}

void frmMailForm::Form_QueryUnload() {
    if (book_.db.damaged())
        return; // a damaged file is not written to
    skipOnFailure([this] { book_.db.runDirect(sql::deleteUnnamedAddresses()); });
}

void frmMailForm::Form_Unload() {
    try {
        std::array<QString, kGroupCount> titles;
        std::array<bool, kGroupCount> renamed{};
        for (int i = 0; i < kGroupCount; ++i) {
            titles[i] = groupCaption(i);
            renamed[i] = titles[i] != titlesAtStart_[i];
        }
        group_titles::save(book_.settings, titles, renamed);
        keepChoices();
    } catch (const Error& error) {
        book_.report(error.message());
    }
}

void frmMailForm::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        // Edits still in the boxes are written before the purge, so that the file
        // holds what the user sees and a record whose name was cleared goes too.
        if (!savePendingEdits()) {
            event->ignore();
            return;
        }
        unloaded_ = true;
        Form_QueryUnload();
        Form_Unload();
    }
    event->accept();
}

void frmMailForm::cmdExit_Click() {
    if (close())
        QCoreApplication::quit();
}

} // namespace ravelbook
