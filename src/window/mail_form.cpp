// The window's life: construction, start-up (Form_Load, FillComboBox) and
// shut-down (Form_QueryUnload, Form_Unload, cmdExit_Click).
#include "window/mail_form.h"

#include "settings/group_titles.h"
#include "store/data_source.h"
#include "store/database.h"
#include "store/store_error.h"
#include "window/bindings.h"
#include "window/conflict_resolution.h"
#include "window/data_navigator.h"
#include "window/dialogs.h"
#include "window/handler_edge.h"
#include "window/record_set_model.h"
#include "window/system_print_destination.h"
#include "window/twip_geometry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QTableView>
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
    : QWidget(parent), db_(db), settings_(settings), dialogs_(dialogs) {
    buildControls();
    openDataSources();
    bindControls();
    const auto report = [this](const QString& message) { showError(dialogs_, message); };
    for (Bindings* bindings : {addressBindings_, iniBindings_, returnBindings_})
        connect(bindings, &Bindings::failed, this, report);
    connect(datReturnAddressesBar, &DataNavigator::failed, this, report);
    connect(gridModel_, &RecordSetModel::failed, this, report);
    gridModel_->onConflict = [this](const RecordConflict& conflict) {
        resolveConflict(dialogs_, conflict);
    };
    connect(cmdExit, &QPushButton::clicked, this, &frmMailForm::cmdExit_Click);
    connectGrid();
    connectEditing();
    connectGroupBoxes();
    connectPrinting();
    connectReturnAddresses();
    setUpDesktop();

    applyGeometry();

    // The settings and return-address tables open with their first row current.
    skipOnFailure([this] { datIni->refresh(); });
    skipOnFailure([this] { datReturnAddresses->refresh(); });
    Form_Load();
    damageFoundAtStart_ = db_.damaged();
    restoreChoices();
}

frmMailForm::~frmMailForm() = default;

void frmMailForm::showEvent(QShowEvent* event) {
    // Tab pages know where they sit inside the tab control only once it is laid out.
    applyGeometry();
    QWidget::showEvent(event);
    // Damage found while starting went unreported then; say it once, now that
    // the window is there to say it over.
    if (damageFoundAtStart_) {
        damageFoundAtStart_ = false;
        showError(dialogs_, db_.damageNotice());
    }
}

void frmMailForm::applyGeometry() {
    clientArea->setMinimumSize(designedClientSize());
    placeControls();
    // The window takes its size now, so that it can be centred before it is shown.
    layout()->activate();
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();
}

void frmMailForm::buildMenus() {
    menuFile = menuBar->addMenu(QStringLiteral("&File"));
    menuFile->setObjectName(QStringLiteral("menuFile"));
    actQuit = menuFile->addAction(QStringLiteral("&Quit"));
    actQuit->setObjectName(QStringLiteral("actQuit"));
    actQuit->setShortcut(QKeySequence::Quit);
    connect(actQuit, &QAction::triggered, this, &frmMailForm::cmdExit_Click);
    buildExchangeMenu();
    buildPrintMenu();
}

void frmMailForm::connectGrid() {
    // The grid's current row is datGrid's current record, both ways.
    connect(TDBGridS1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid() || current.row() == datGrid->position())
                    return;
                runHandler(dialogs_, [&] { datGrid->moveTo(current.row()); });
            });
    connect(datGrid, &DataSource::currentChanged, this, [this] {
        const int row = datGrid->position();
        if (row < 0 || row >= gridModel_->rowCount() || TDBGridS1->currentIndex().row() == row)
            return;
        const int column = std::max(0, TDBGridS1->currentIndex().column());
        TDBGridS1->setCurrentIndex(TDBGridS1->model()->index(row, column));
    });
}

void frmMailForm::FillComboBox() {
    Data1->setRecordSource(sql::selectNamedAddresses(db_.dialect()));
    Data1->refresh();
    nameList_->setStringList({});
    nameListKeys_.clear();
    if (Data1->bof() && Data1->eof())
        return;
    // The whole list in one go: a large book must not cost one insert per name.
    nameList_->setStringList(Data1->firstFields());
    nameListKeys_ = Data1->keys();
    cboName->setCurrentIndex(-1);
    Data1->moveLast();
    Data1->moveNext();
}

void frmMailForm::Form_Load() {
    skipOnFailure([this] { FillComboBox(); });
    skipOnFailure([this] {
        Data1->setRecordSource(sql::selectAllAddresses());
        Data1->refresh();
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
    const auto titles = group_titles::read(settings_);
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
    acceptVerticalAdjustment();
    for (DataSource* source : {Data1, datGrid, datIni, datReturnAddresses}) {
        try {
            source->flushPending();
        } catch (const DataSource::LeaveCancelled&) {
            return false;
        } catch (const StoreError& error) {
            const QString question =
                QStringLiteral("Your last changes could not be saved. %1\n\n"
                               "Keep the window open to try again? (No closes it and loses them.)")
                    .arg(error.message());
            if (dialogs_.message(question, kErrorTitle, Dialogs::Buttons::YesNo) ==
                Dialogs::Answer::Yes)
                return false;
        }
    }
    return true;
}

void frmMailForm::Form_QueryUnload() {
    if (db_.damaged())
        return; // a damaged file is not written to
    skipOnFailure([this] { db_.runDirect(sql::deleteUnnamedAddresses()); });
}

void frmMailForm::Form_Unload() {
    try {
        std::array<QString, kGroupCount> titles;
        std::array<bool, kGroupCount> renamed{};
        for (int i = 0; i < kGroupCount; ++i) {
            titles[i] = groupCaption(i);
            renamed[i] = titles[i] != titlesAtStart_[i];
        }
        group_titles::save(settings_, titles, renamed);
        keepChoices();
    } catch (const StoreError& error) {
        showError(dialogs_, error.message());
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
