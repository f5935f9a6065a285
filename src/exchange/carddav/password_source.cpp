#include "exchange/carddav/password_source.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace ravelbook {

namespace {

// A netrc file is small; anything larger is not one.
constexpr qint64 kLargestNetrc = 1024 * 1024;

struct NetrcEntry {
    QString machine; // empty for `default`
    QString login;
    QString password;
};

std::vector<NetrcEntry> readNetrc(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() > kLargestNetrc)
        return {};
    const QString text = QString::fromUtf8(in.readAll());
    std::vector<NetrcEntry> entries;
    const QStringList words =
        text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        const bool hasValue = i + 1 < words.size();
        if (word == QLatin1String("machine") && hasValue) {
            entries.push_back({words[++i], {}, {}});
        } else if (word == QLatin1String("default")) {
            entries.push_back({});
        } else if (word == QLatin1String("macdef")) {
            break; // macros run to a blank line; nothing a login needs follows them here
        } else if (entries.empty() || !hasValue) {
            continue;
        } else if (word == QLatin1String("login")) {
            entries.back().login = words[++i];
        } else if (word == QLatin1String("password")) {
            entries.back().password = words[++i];
        } else if (word == QLatin1String("account")) {
            ++i;
        }
    }
    return entries;
}

} // namespace

NetrcPasswords::NetrcPasswords(QString file) : file_(file.isEmpty() ? standardFile() : file) {}

QString NetrcPasswords::standardFile() {
    const QString set = qEnvironmentVariable("NETRC");
    return set.isEmpty() ? QDir::home().filePath(QStringLiteral(".netrc")) : set;
}

std::optional<QString> NetrcPasswords::password(const QUrl& server, const QString& user) {
    const QString host = server.host();
    const QString hostPort = QStringLiteral("%1:%2").arg(host).arg(server.port());
    for (const NetrcEntry& entry : readNetrc(file_)) {
        const bool machine = entry.machine.isEmpty() ||
                             entry.machine.compare(host, Qt::CaseInsensitive) == 0 ||
                             entry.machine.compare(hostPort, Qt::CaseInsensitive) == 0;
        if (machine && (entry.login.isEmpty() || user.isEmpty() || entry.login == user) &&
            !entry.password.isEmpty())
            return entry.password;
    }
    return std::nullopt;
}

std::unique_ptr<PasswordSource> standardPasswordSource() {
    return std::make_unique<NetrcPasswords>();
}

} // namespace ravelbook
