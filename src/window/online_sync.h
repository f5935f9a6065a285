#pragma once

#include "core/address_record.h"
#include "exchange/carddav/address_book_sync.h"
#include "exchange/carddav/http_transport.h"
#include "store/database.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <QObject>
#include <QString>
#include <QUrl>

class QThread;

namespace ravelbook {

// All a sync run needs, gathered on the GUI thread beforehand: the keyring
// answers only there, and the run opens the book again on a connection of its
// own, since Qt's SQL connections belong to the thread that opened them.
struct SyncJob {
    QString book;               // the open book's path or URI
    Database::Opening opening;  // how to open it again: a server book with the password given
    std::optional<QUrl> linkTo; // link to this address book first; nothing: sync the link
    QString user;
    QString password;
    TrustedCertificates trusted;
    GroupTitles titles;
};

// How a run ended: a summary, or a failure for the user (the book unchanged).
struct SyncOutcome {
    std::optional<SyncSummary> summary;
    QString failure;
    QString untrustedServer; // set with the fingerprint of a refused certificate
    QString untrustedFingerprint;
    bool loginRefused = false; // the server refused the user name or password
};

// The run itself, in whichever thread calls it.
SyncOutcome runSyncJob(const SyncJob& job, const SyncProgress& progress = {});

// One run at a time in a thread of its own, so that the window stays usable;
// progress and the end come back as signals on the GUI thread.
class SyncRunner : public QObject {
    Q_OBJECT

public:
    explicit SyncRunner(QObject* parent = nullptr);
    // Stops a run at its next consistent point and waits for it.
    ~SyncRunner() override;

    bool running() const { return thread_ != nullptr; }
    // False when a run is going on already.
    bool start(SyncJob job);
    void cancel() { cancelled_ = true; }

Q_SIGNALS:
    void progressed(const QString& step, int done, int total);
    void finished(const ravelbook::SyncOutcome& outcome);

private:
    std::unique_ptr<QThread> thread_;
    std::shared_ptr<SyncOutcome> outcome_;
    std::atomic<bool> cancelled_{false};
};

} // namespace ravelbook
