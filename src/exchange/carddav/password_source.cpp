#include "exchange/carddav/password_source.h"

#include "exchange/carddav/keyring_passwords.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <utility>

namespace ravelbook {

namespace {

// A netrc file is small; anything larger is not one.
constexpr qint64 kLargestNetrc = 1024 * 1024;

struct NetrcEntry {
    QString machine; // empty for `default`
    QString login;
    QString password;
};

// The words of one line: blanks part them, except within double quotes, where
// a backslash takes the next character as it is.
QStringList wordsOf(const QString& line) {
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else
                word += c == QLatin1Char('\\') && i + 1 < line.size() ? line[++i] : c;
        } else if (c == QLatin1Char('"')) {
            quoted = inWord = true;
        } else if (c.isSpace()) {
            if (inWord)
                words.append(std::exchange(word, {}));
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

// The words that make the entries: a macdef's name and body (its lines up to
// the next blank one) are left out, and the entries go on after it.
QStringList entryWords(const QString& text) {
    QStringList words;
    bool inMacro = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (inMacro) {
            inMacro = !line.trimmed().isEmpty();
            continue;
        }
        const QStringList lineWords = wordsOf(line);
        const qsizetype macro = lineWords.indexOf(QLatin1String("macdef"));
        words += lineWords.mid(0, macro);
        inMacro = macro >= 0;
    }
    return words;
}

std::vector<NetrcEntry> readNetrc(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() > kLargestNetrc)
        return {};
    const QStringList words = entryWords(QString::fromUtf8(in.readAll()));
    std::vector<NetrcEntry> entries;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        const bool hasValue = i + 1 < words.size();
        if (word == QLatin1String("machine") && hasValue) {
            entries.push_back({words[++i], {}, {}});
        } else if (word == QLatin1String("default")) {
            entries.push_back({});
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
    // A URL without a port has its scheme's, which a "host:port" machine names too.
    const int defaultPort = server.scheme() == QLatin1String("http") ? 80 : 443;
    const QString hostPort = QStringLiteral("%1:%2").arg(host).arg(server.port(defaultPort));
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

PasswordSources::PasswordSources(std::vector<std::unique_ptr<PasswordSource>> sources)
    : sources_(std::move(sources)) {}

std::optional<QString> PasswordSources::password(const QUrl& server, const QString& user) {
    for (const auto& source : sources_) {
        if (auto found = source->password(server, user))
            return found;
    }
    return std::nullopt;
}

std::unique_ptr<PasswordSource> standardPasswordSource() {
    std::vector<std::unique_ptr<PasswordSource>> sources;
    sources.push_back(std::make_unique<KeyringPasswords>());
    sources.push_back(std::make_unique<NetrcPasswords>());
    return std::make_unique<PasswordSources>(std::move(sources));
}

} // namespace ravelbook
