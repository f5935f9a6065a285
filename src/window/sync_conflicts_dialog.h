#pragma once

#include "core/address_record.h"
#include "exchange/carddav/address_book_sync.h"

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;
class QTableWidget;

namespace ravelbook {

class Database;
class Dialogs;

// View: Sync Conflicts…: each record changed both in the book and on the
// server since the last sync, the two versions side by side. The user keeps
// one; the book takes it at once and the next sync carries it to the server.
class SyncConflictsDialog : public QDialog {
    Q_OBJECT

public:
    // Failures of a choice are told through `dialogs`.
    SyncConflictsDialog(Database& db, Dialogs& dialogs, GroupTitles titles,
                        QWidget* parent = nullptr);

    // Ends the chosen conflict with that version. Throws Error.
    void keep(KeepVersion version);
    // How many conflicts were ended here.
    int resolved() const { return resolved_; }

    QListWidget* lstConflicts = nullptr;
    QTableWidget* grdVersions = nullptr;
    QPushButton* cmdKeepBook = nullptr;
    QPushButton* cmdKeepServer = nullptr;

private:
    void reload();
    void showVersions();

    Database& db_;
    Dialogs& dialogs_;
    GroupTitles titles_;
    std::vector<SyncConflict> conflicts_;
    int resolved_ = 0;
};

} // namespace ravelbook
