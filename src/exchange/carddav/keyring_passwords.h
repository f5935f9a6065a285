#pragma once

#include "exchange/carddav/password_source.h"

#include <chrono>
#include <QString>
#include <QUrl>

namespace ravelbook {

// The passwords of online address books kept in the user's keyring (the
// Secret Service), under the service "Ravelbook" and a key naming the user
// and the server. With no keyring running (no desktop session) it answers
// "none" at once, and a keyring that doesn't answer within the deadline
// counts as none too, so that a command never hangs on it.
class KeyringPasswords final : public PasswordSource {
public:
    static inline const QString kService = QStringLiteral("Ravelbook");

    explicit KeyringPasswords(std::chrono::milliseconds deadline = std::chrono::seconds(5));
    std::optional<QString> password(const QUrl& server, const QString& user) override;
    // Keeps the password for this user on this server, replacing one kept
    // before; false when there is no keyring to keep it in or it refused.
    bool keep(const QUrl& server, const QString& user, const QString& password);

    // "carddav:USER@HOST:PORT", the port being the scheme's when the URL has none.
    static QString key(const QUrl& server, const QString& user);

private:
    std::chrono::milliseconds deadline_;
};

// For the window's password question: keeps the password in the keyring.
bool keepInKeyring(const QUrl& server, const QString& user, const QString& password);

} // namespace ravelbook
