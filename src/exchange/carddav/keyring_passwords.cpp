#include "exchange/carddav/keyring_passwords.h"

#include <memory>
#include <QCoreApplication>
#include <QEventLoop>
#include <qt6keychain/keychain.h>
#include <QTimer>

namespace ravelbook {

namespace {

// A job of the keyring's, owned here while it runs.
template <typename Job> std::unique_ptr<Job> makeJob(const QUrl& server, const QString& user) {
    auto job = std::make_unique<Job>(KeyringPasswords::kService);
    job->setAutoDelete(false);
    // Never a plain file instead: the password belongs in the keyring or nowhere.
    job->setInsecureFallback(false);
    job->setKey(KeyringPasswords::key(server, user));
    return job;
}

// Runs the job in a local event loop until it finishes or the deadline
// passes; true when it finished without an error. A job that outlives the
// deadline is handed to the application, to delete itself when it finishes,
// since the keyring may still answer it.
template <typename Job>
bool finishes(std::unique_ptr<Job>& job, std::chrono::milliseconds deadline) {
    QEventLoop loop;
    bool done = false;
    QObject::connect(job.get(), &QKeychain::Job::finished, &loop, [&] {
        done = true;
        loop.quit();
    });
    QTimer::singleShot(deadline, &loop, &QEventLoop::quit);
    job->start();
    if (!done)
        loop.exec();
    if (!done) {
        job->setAutoDelete(true);
        job.release()->setParent(QCoreApplication::instance());
        return false;
    }
    return job->error() == QKeychain::NoError;
}

} // namespace

KeyringPasswords::KeyringPasswords(std::chrono::milliseconds deadline) : deadline_(deadline) {}

QString KeyringPasswords::key(const QUrl& server, const QString& user) {
    const int defaultPort = server.scheme() == QLatin1String("http") ? 80 : 443;
    return QStringLiteral("carddav:%1@%2:%3")
        .arg(user, server.host())
        .arg(server.port(defaultPort));
}

std::optional<QString> KeyringPasswords::password(const QUrl& server, const QString& user) {
    auto job = makeJob<QKeychain::ReadPasswordJob>(server, user);
    if (!finishes(job, deadline_))
        return std::nullopt;
    const QString found = job->textData();
    return found.isEmpty() ? std::nullopt : std::optional<QString>(found);
}

bool KeyringPasswords::keep(const QUrl& server, const QString& user, const QString& password) {
    auto job = makeJob<QKeychain::WritePasswordJob>(server, user);
    job->setTextData(password);
    return finishes(job, deadline_);
}

bool keepInKeyring(const QUrl& server, const QString& user, const QString& password) {
    return KeyringPasswords().keep(server, user, password);
}

} // namespace ravelbook
