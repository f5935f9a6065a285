#include "window/book_opening.h"

#include "window/dialogs.h"

#include <QHash>

namespace ravelbook {

namespace {

// Passwords given during this run, by book and user, so that reopening a book
// (File: Open Server Book…, a recent book) doesn't ask twice.
QHash<QString, QString>& givenPasswords() {
    static QHash<QString, QString> passwords;
    return passwords;
}

} // namespace

Database::Opening windowOpening(Dialogs& dialogs) {
    Database::Opening opening;
    opening.askPassword =
        [&dialogs](const Database::PasswordRequest& request) -> std::optional<QString> {
        const QString key = request.user + QLatin1Char('\n') + request.book;
        if (!request.refusedBefore && givenPasswords().contains(key))
            return givenPasswords().value(key);
        givenPasswords().remove(key);
        std::optional<QString> password =
            dialogs.password(request.question, QStringLiteral("Server Password"));
        if (password)
            givenPasswords().insert(key, *password);
        return password;
    };
    opening.askToMakeBook = [&dialogs](const QString& question) {
        return dialogs.message(question, kErrorTitle, Dialogs::Buttons::YesNo) ==
               Dialogs::Answer::Yes;
    };
    return opening;
}

} // namespace ravelbook
