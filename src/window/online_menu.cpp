// The book's online address book in the window: linking, syncing and the
// conflict list.
#include "window/online_menu.h"

#include "exchange/carddav/keyring_passwords.h"
#include "exchange/carddav/password_source.h"
#include "settings/trusted_certificates.h"
#include "store/book_link.h"
#include "store/data_source.h"
#include "store/database.h"
#include "window/current_record.h"
#include "window/dialogs.h"
#include "window/exchange_menu.h"
#include "window/handler_edge.h"
#include "window/link_book_dialog.h"
#include "window/mail_form.h"
#include "window/mailings_page.h"
#include "window/names_page.h"
#include "window/online_sync.h"
#include "window/open_book.h"
#include "window/return_address_page.h"
#include "window/sync_conflicts_dialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTimer>

namespace ravelbook {

namespace {

QString conflictsCounted(int n) {
    return (n == 1 ? QCoreApplication::translate("ravelbook::OnlineMenu", "%1 conflict")
                   : QCoreApplication::translate("ravelbook::OnlineMenu", "%1 conflicts"))
        .arg(n);
}

// "Synced: 2 in, 1 out, 1 conflict": the summary in one line.
QString statusOf(const SyncSummary& summary) {
    QStringList parts{QCoreApplication::translate("ravelbook::OnlineMenu", "%1 in")
                          .arg(summary.cameInNew + summary.cameInChanged),
                      QCoreApplication::translate("ravelbook::OnlineMenu", "%1 out")
                          .arg(summary.wentOutNew + summary.wentOutChanged)};
    if (const int deleted = summary.deletedInBook + summary.deletedOnServer)
        parts << QCoreApplication::translate("ravelbook::OnlineMenu", "%1 deleted").arg(deleted);
    if (!summary.conflicts.isEmpty())
        parts << conflictsCounted(int(summary.conflicts.size()));
    if (!summary.refusals.isEmpty())
        parts << QCoreApplication::translate("ravelbook::OnlineMenu", "%1 refused")
                     .arg(summary.refusals.size());
    if (summary.cancelled)
        parts << QCoreApplication::translate("ravelbook::OnlineMenu", "cancelled");
    return QCoreApplication::translate("ravelbook::OnlineMenu", "Synced: %1")
        .arg(parts.join(QStringLiteral(", ")));
}

} // namespace

OnlineMenu::OnlineMenu(const OpenBook& book, frmMailForm& window)
    : QObject(&window), book_(book), window_(window) {
    runDialog = [](QDialog& dialog) { return dialog.exec(); };
    actLinkBook = new QAction(tr("&Link Online Address Book…"), this);
    actLinkBook->setObjectName(QStringLiteral("actLinkBook"));
    window.menuFile->insertAction(window.exchange().actImport, actLinkBook);
    connect(actLinkBook, &QAction::triggered, this, &OnlineMenu::actLinkBook_Click);

    window.menuView->addSeparator();
    actSync = window.menuView->addAction(tr("&Sync"));
    actSync->setObjectName(QStringLiteral("actSync"));
    actSync->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(actSync, &QAction::triggered, this, &OnlineMenu::actSync_Click);
    actSyncConflicts = window.menuView->addAction(tr("Sync &Conflicts…"));
    actSyncConflicts->setObjectName(QStringLiteral("actSyncConflicts"));
    connect(actSyncConflicts, &QAction::triggered, this, &OnlineMenu::actSyncConflicts_Click);

    lblConflicts = new QLabel(window.statusBar);
    lblConflicts->setObjectName(QStringLiteral("lblConflicts"));
    window.statusBar->addPermanentWidget(lblConflicts);
    connect(lblConflicts, &QLabel::linkActivated, this, &OnlineMenu::actSyncConflicts_Click);

    runner_ = new SyncRunner(this);
    connect(runner_, &SyncRunner::finished, this, &OnlineMenu::finish);
    connect(runner_, &SyncRunner::progressed, this,
            [this](const QString& step, int done, int total) {
                if (progress_) {
                    progress_->setLabelText(step);
                    progress_->setMaximum(std::max(total, 1));
                    progress_->setValue(done);
                } else if (running_ == Asked::ByUser) {
                    say(tr("Syncing: %1…").arg(step));
                }
            });
    timer_ = new QTimer(this);
    timer_->setInterval(kSyncEvery);
    connect(timer_, &QTimer::timeout, this, [this] { syncNow(Asked::ByTimer); });
    timer_->start();
    // The start-up sync, once the window is up.
    QTimer::singleShot(0, this, [this] { syncNow(Asked::ByTimer); });
    try {
        showConflictCount();
    } catch (const Error&) {
        // An unreadable book says so elsewhere.
    }
}

OnlineMenu::~OnlineMenu() = default;

bool OnlineMenu::syncing() const {
    return runner_->running();
}

void OnlineMenu::say(const QString& text) {
    window_.statusBar->showMessage(text);
}

std::optional<QString> OnlineMenu::password(const QUrl& server, const QString& user, Asked asked) {
    if (typed_)
        return typed_;
    if (std::optional<QString> kept = standardPasswordSource()->password(server, user))
        return kept;
    if (asked == Asked::ByTimer && refused_)
        return std::nullopt;
    const std::optional<QString> given = book_.dialogs.password(
        tr("The password of %1 on %2:").arg(user, server.host()), tr("Sync"));
    refused_ = !given;
    if (!given)
        return std::nullopt;
    typed_ = given;
    if (keyringMayRun() &&
        book_.dialogs.message(tr("Keep the password in the keyring?"), tr("Sync"),
                              Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes &&
        !keepInKeyring(server, user, *given))
        say(tr("The keyring did not take the password."));
    return typed_;
}

bool OnlineMenu::settleEdits(Asked asked) {
    const std::array<DataSource*, 2> sources{window_.record().Data1, window_.mailings().datGrid};
    if (asked == Asked::ByTimer) {
        for (const DataSource* source : sources) {
            if (source->isDirty())
                return false;
        }
        return true;
    }
    for (DataSource* source : sources) {
        if (!source->flushPending())
            return false;
    }
    return true;
}

void OnlineMenu::actSync_Click() {
    runHandler(book_.dialogs, [this] { syncNow(Asked::ByUser); });
}

void OnlineMenu::syncNow(Asked asked) {
    if (runner_->running())
        return;
    std::optional<book_link::Link> link;
    try {
        link = book_link::read(book_.db);
    } catch (const Error& error) {
        say(tr("Not synced: %1").arg(error.message()));
        return;
    }
    if (!link) {
        if (asked == Asked::ByUser)
            book_.report(tr("This book is not linked to an online address book: "
                            "File: Link Online Address Book… links it."));
        return;
    }
    if (!settleEdits(asked))
        return; // a timed sync tries again in the next round
    const QUrl url(link->url);
    const std::optional<QString> password = this->password(url, link->user, asked);
    if (!password) {
        say(tr("Not synced: no password for %1 on %2.").arg(link->user, url.host()));
        return;
    }
    start({book_.db.path(), book_.db.reopening(), std::nullopt, link->user, *password,
           TrustedCertificateSettings(book_.settings).all(), window_.groupTitles()},
          asked);
}

void OnlineMenu::start(SyncJob job, Asked asked) {
    running_ = asked;
    if (asked == Asked::ByUser)
        say(tr("Syncing…"));
    runner_->start(std::move(job));
}

void OnlineMenu::finish(const SyncOutcome& outcome) {
    const Asked asked = running_.value_or(Asked::ByTimer);
    running_.reset();
    const bool linking = progress_ != nullptr;
    if (progress_) {
        progress_->deleteLater();
        progress_ = nullptr;
    }
    if (outcome.loginRefused)
        typed_.reset();
    if (outcome.summary) {
        say(statusOf(*outcome.summary));
        refreshWindow();
    } else if (linking) {
        book_.report(outcome.failure);
        say(tr("Not linked: %1").arg(outcome.failure));
    } else {
        say(tr("Sync failed: %1").arg(outcome.failure));
        if (asked == Asked::ByUser && !outcome.untrustedServer.isEmpty() &&
            book_.dialogs.message(tr("%1\n\nTrust this certificate for %2?")
                                      .arg(outcome.failure, outcome.untrustedServer),
                                  tr("Sync"), Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
            TrustedCertificateSettings(book_.settings)
                .trust(outcome.untrustedServer, outcome.untrustedFingerprint);
            syncNow(Asked::ByUser);
            return;
        }
    }
    try {
        showConflictCount();
    } catch (const Error&) {
    }
    Q_EMIT syncFinished();
}

void OnlineMenu::refreshWindow() {
    // A record being edited stays as the user has it; saving it later finds
    // the sync's change as someone else's and asks, as any refused save does.
    try {
        for (DataSource* source : {window_.record().Data1, window_.mailings().datGrid}) {
            if (source->hasRecordSet() && !source->isDirty())
                source->reread();
        }
        window_.names().refreshNameList();
    } catch (const Error& error) {
        say(tr("Synced, but the window could not read the book again: %1").arg(error.message()));
    }
}

void OnlineMenu::showConflictCount() {
    int count = 0;
    for (const book_link::LinkedCard& card : book_link::read(book_.db)
                                                 ? book_link::cards(book_.db)
                                                 : std::vector<book_link::LinkedCard>())
        count += card.conflicted ? 1 : 0;
    lblConflicts->setText(
        count == 0 ? QString()
                   : QStringLiteral("<a href=\"conflicts\">%1</a>").arg(conflictsCounted(count)));
    lblConflicts->setVisible(count > 0);
}

void OnlineMenu::actLinkBook_Click() {
    runHandler(book_.dialogs, [this] {
        if (runner_->running()) {
            book_.report(tr("A sync is running; try again when it has ended."));
            return;
        }
        const std::unique_ptr<PasswordSource> passwords = standardPasswordSource();
        LinkBookDialog dialog(book_.settings, *passwords, &window_);
        const std::optional<book_link::Link> link = book_link::read(book_.db);
        if (link)
            dialog.showLink(link->url, link->user);
        const int answer = runDialog(dialog);
        if (link) {
            if (answer == LinkBookDialog::kUnlinked) {
                AddressBookSync::unlink(book_.db);
                typed_.reset();
                showConflictCount();
                say(tr("Unlinked from %1.").arg(link->url));
            }
            return;
        }
        if (answer != QDialog::Accepted || dialog.chosenBook().isEmpty())
            return;
        if (!settleEdits(Asked::ByUser))
            return;
        const QUrl url = dialog.chosenBook();
        if (dialog.keepPassword() && !keepInKeyring(url, dialog.user(), dialog.password()))
            say(tr("The keyring did not take the password."));
        typed_ = dialog.password();
        refused_ = false;
        progress_ = new QProgressDialog(tr("Linking…"), tr("Cancel"), 0, 0, &window_);
        progress_->setWindowTitle(tr("Link Online Address Book"));
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setMinimumDuration(500);
        progress_->setAutoReset(false);
        connect(progress_, &QProgressDialog::canceled, runner_, &SyncRunner::cancel);
        start({book_.db.path(), book_.db.reopening(), url, dialog.user(), dialog.password(),
               TrustedCertificateSettings(book_.settings).all(), window_.groupTitles()},
              Asked::ByUser);
    });
}

void OnlineMenu::actSyncConflicts_Click() {
    runHandler(book_.dialogs, [this] {
        if (runner_->running()) {
            book_.report(tr("A sync is running; try again when it has ended."));
            return;
        }
        SyncConflictsDialog dialog(book_.db, book_.dialogs, window_.groupTitles(), &window_);
        runDialog(dialog);
        if (dialog.resolved() > 0) {
            refreshWindow();
            say(tr("%1 resolved; the next sync takes the book's versions to the "
                   "server.")
                    .arg(conflictsCounted(dialog.resolved())));
        }
        showConflictCount();
    });
}

} // namespace ravelbook
