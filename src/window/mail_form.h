#pragma once

#include "core/address_record.h"
#include "window/open_book.h"
#include "window/twip_geometry.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QString>
#include <QWidget>
#include <vector>

class QCheckBox;
class QAction;
class QLineEdit;
class QListView;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QTabWidget;

namespace ravelbook {

class BookMenu;
class CurrentRecord;
class DataSource;
class ExchangeMenu;
class MailingPrinter;
class MailingsPage;
class NamesPage;
class OnlineMenu;
class ReturnAddressPage;

// The one window of the program: a shell of menus, Find, the status line and
// book switching around three tab pages (Names, Mailings, Return Address)
// over one open address book.
class frmMailForm : public QWidget {
    Q_OBJECT

public:
    // Builds the controls, opens the data sources and runs Form_Load.
    frmMailForm(Database& db, SettingsStore& settings, Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmMailForm() override;

    NamesPage& names() const { return *names_; }
    MailingsPage& mailings() const { return *mailings_; }
    ReturnAddressPage& returnAddress() const { return *returnAddress_; }
    MailingPrinter& printer() const { return *printer_; }
    CurrentRecord& record() const { return *record_; }
    // The File menu's books, and its Import... and Export....
    BookMenu& books() const { return *books_; }
    ExchangeMenu& exchange() const { return *exchange_; }
    // Linking to an online address book, syncing it and its conflicts.
    OnlineMenu& online() const { return *online_; }

    // The group box of this index, 0 to 35, on whichever page holds it.
    QCheckBox* groupBox(int index) const;
    // Text of a group box as the user gave it (access-key escaping removed).
    QString groupCaption(int index) const;
    void setGroupCaption(int index, const QString& caption);
    GroupTitles groupTitles() const;
    // A right click on a box renames its group, on both pages.
    void chkGroups_MouseUp(int index, Qt::MouseButton button);

    // The menu bar above the client area. Features add their actions to these
    // menus (File's entries go before actQuit).
    QMenuBar* menuBar = nullptr;
    QMenu* menuFile = nullptr;
    QAction* actQuit = nullptr;
    QStatusBar* statusBar = nullptr;
    // Every control sits in the client area, at its designed place.
    QWidget* clientArea = nullptr;
    QSize designedClientSize() const;
    QTabWidget* SSTab1 = nullptr;
    QPushButton* cmdExit = nullptr;

    // What a desktop program offers around the designed controls: Find and About.
    QMenu* menuEdit = nullptr;
    QMenu* menuHelp = nullptr;
    QAction* actFind = nullptr;
    QAction* actAbout = nullptr;
    QLineEdit* txtFind = nullptr;  // narrows the name list; never edits the record shown
    QListView* lstFound = nullptr; // the names it matches, below it
    // Shows the record of the name in this row of the narrowed list.
    void showFound(int row);

    // View: Refresh (F5): others' changes to the book read again, the name list,
    // the record shown and the grid, each staying where it was.
    QMenu* menuView = nullptr;
    QAction* actRefresh = nullptr;
    void actRefresh_Click();
    // Called when the window is activated: the name list is read again when the
    // book changed since it was last read.
    void refreshIfBookChanged();

    // Life cycle.
    void Form_Load();
    void Form_QueryUnload();
    void Form_Unload();
    void cmdExit_Click();

    // File: Print Preview..., Print... and Calibrate Printer... (the print runs are
    // MailingPrinter's).
    QAction* actPrintPreview = nullptr;
    QAction* actPrint = nullptr;
    QAction* actCalibrate = nullptr;
    QAction* actNewStationery = nullptr;
    void actPrintPreview_Click();
    void actPrint_Click();
    void actCalibrate_Click();
    void actNewStationery_Click();

Q_SIGNALS:
    // The user chose another book and this window closed to make way for it.
    void bookChosen(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildPages();
    void buildMenus();
    void applyGeometry();
    // Places the controls for the client area's present size and tells which
    // group captions are cut.
    void placeControls();
    void setUpDesktop();
    void buildViewMenu();
    void buildFind();
    void placeFoundList();
    void restoreChoices();
    void keepChoices();
    void buildPrintMenu();
    void centreOnScreen();
    // Writes edits still in the bound boxes; false when the user would rather
    // keep the window open and try again.
    bool savePendingEdits();
    void restoreGroupTitles();
    // Every data source of the window, for saving and reading again.
    std::array<DataSource*, 4> dataSources() const;

    TwipGeometry geometry_;
    OpenBook book_;
    CurrentRecord* record_ = nullptr;
    NamesPage* names_ = nullptr;
    MailingsPage* mailings_ = nullptr;
    ReturnAddressPage* returnAddress_ = nullptr;
    MailingPrinter* printer_ = nullptr;
    BookMenu* books_ = nullptr;
    ExchangeMenu* exchange_ = nullptr;
    OnlineMenu* online_ = nullptr;
    std::optional<qint64> bookMark_; // the book's change mark when it was last read
    // The titles as the window started with them: on exit only the ones renamed
    // since are written, so another window's renames are kept.
    std::array<QString, kGroupCount> titlesAtStart_;
    bool unloaded_ = false;
    bool damageFoundAtStart_ = false;
};

} // namespace ravelbook
