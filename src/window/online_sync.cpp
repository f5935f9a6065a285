#include "window/online_sync.h"

#include "store/database.h"

#include <QThread>

namespace ravelbook {

SyncOutcome runSyncJob(const SyncJob& job, const SyncProgress& progress) {
    SyncOutcome outcome;
    try {
        NetworkTransport transport;
        transport.setTrustedCertificates(job.trusted);
        CardDavClient client(transport, job.user, job.password);
        Database db(job.book, job.opening);
        AddressBookSync sync(db, client, job.titles);
        outcome.summary =
            job.linkTo ? sync.link(*job.linkTo, job.user, progress) : sync.sync(progress);
    } catch (const UntrustedCertificateError& error) {
        outcome.failure = error.message();
        outcome.untrustedServer = error.server();
        outcome.untrustedFingerprint = error.fingerprint();
    } catch (const Error& error) {
        outcome.failure = error.message();
        outcome.loginRefused = outcome.failure.contains(QLatin1String("user name or password"));
    }
    return outcome;
}

SyncRunner::SyncRunner(QObject* parent) : QObject(parent) {}

SyncRunner::~SyncRunner() {
    if (thread_) {
        cancelled_ = true;
        thread_->wait();
    }
}

bool SyncRunner::start(SyncJob job) {
    if (thread_)
        return false;
    cancelled_ = false;
    outcome_ = std::make_shared<SyncOutcome>();
    const std::shared_ptr<SyncOutcome> outcome = outcome_;
    thread_.reset(QThread::create([this, job = std::move(job), outcome] {
        *outcome = runSyncJob(job, [this](const QString& step, int done, int total) {
            Q_EMIT progressed(step, done, total); // queued to the GUI thread
            return !cancelled_.load();
        });
    }));
    connect(thread_.get(), &QThread::finished, this, [this] {
        thread_->wait(); // finished comes just before the thread has ended
        thread_.reset();
        const SyncOutcome outcome = std::move(*outcome_);
        outcome_.reset();
        Q_EMIT finished(outcome);
    });
    thread_->start();
    return true;
}

} // namespace ravelbook
