#pragma once

#include <memory>
#include <optional>
#include <QString>
#include <QUrl>
#include <vector>

namespace ravelbook {

// Where the password of an online address book is kept: never in the book,
// the settings or a log, but in the user's keyring or ~/.netrc.
class PasswordSource {
public:
    virtual ~PasswordSource() = default;
    // The password kept for this user on the server of this URL; nothing when none is.
    virtual std::optional<QString> password(const QUrl& server, const QString& user) = 0;
};

// The netrc file: $NETRC when set, else ~/.netrc. Entries name a machine (the
// host, or host:port), a login and a password; a `default` entry matches any
// host. Words may be "quoted" to hold blanks; macdef macros are skipped. A file that others may
// read is still read, as other programs do.
class NetrcPasswords final : public PasswordSource {
public:
    explicit NetrcPasswords(QString file = {});
    std::optional<QString> password(const QUrl& server, const QString& user) override;

    static QString standardFile();

private:
    QString file_;
};

// Several sources, asked in order; the first that has a password answers.
class PasswordSources final : public PasswordSource {
public:
    explicit PasswordSources(std::vector<std::unique_ptr<PasswordSource>> sources);
    std::optional<QString> password(const QUrl& server, const QString& user) override;

private:
    std::vector<std::unique_ptr<PasswordSource>> sources_;
};

// The sources a command or the window asks, in order: the keyring, then the netrc file.
std::unique_ptr<PasswordSource> standardPasswordSource();

} // namespace ravelbook
