#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <QObject>
#include <QString>
#include <QUrl>

class QAction;
class QDialog;
class QLabel;
class QProgressDialog;
class QTimer;

namespace ravelbook {

class frmMailForm;
class SyncRunner;
struct OpenBook;
struct SyncJob;
struct SyncOutcome;

// The book's online address book in the window: File: Link Online Address
// Book…, View: Sync (Ctrl+R) and View: Sync Conflicts…, and a sync at
// start-up and every few minutes while the book is linked. Syncs run in a
// thread of their own and say how they went in the status line.
class OnlineMenu : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::minutes kSyncEvery{5};

    OnlineMenu(const OpenBook& book, frmMailForm& window);
    ~OnlineMenu() override;

    QAction* actLinkBook = nullptr;
    QAction* actSync = nullptr;
    QAction* actSyncConflicts = nullptr;
    void actLinkBook_Click();
    void actSync_Click();
    void actSyncConflicts_Click();

    bool syncing() const;
    // Runs the link and conflict dialogs; exec() unless a test drives them.
    std::function<int(QDialog&)> runDialog;

Q_SIGNALS:
    // A sync or link ended; the status line says how.
    void syncFinished();

private:
    enum class Asked { ByUser, ByTimer };
    void syncNow(Asked asked);
    void start(SyncJob job, Asked asked);
    void finish(const SyncOutcome& outcome);
    // Edits in the boxes: written when the user asked for the sync; a timed
    // sync waits for the next round instead. False: no sync now.
    bool settleEdits(Asked asked);
    std::optional<QString> password(const QUrl& server, const QString& user, Asked asked);
    void refreshWindow();
    void showConflictCount();
    void say(const QString& text);

    const OpenBook& book_;
    frmMailForm& window_;
    SyncRunner* runner_ = nullptr;
    QTimer* timer_ = nullptr;
    QLabel* lblConflicts = nullptr;
    QProgressDialog* progress_ = nullptr;
    std::optional<Asked> running_;
    // A password typed in this session, kept in memory only, for the timed syncs.
    std::optional<QString> typed_;
    bool refused_ = false; // the user cancelled the password question
};

} // namespace ravelbook
