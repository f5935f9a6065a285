#include "window/book_opening.h"

#include "store/secret.h"
#include "window/dialogs.h"

#include <memory>
#include <QCoreApplication>

namespace ravelbook {

namespace {

// The password given while the window checked a book, for the opening of the
// same book that follows at once, which takes it: the user is asked once.
struct Handover {
    QString key; // user and book
    std::unique_ptr<Secret> password;
};

Handover& handover() {
    static Handover given;
    return given;
}

} // namespace

void forgetHandedOverPassword() {
    handover() = {};
}

Database::Opening windowOpening(Dialogs& dialogs, PasswordUse use) {
    Database::Opening opening;
    opening.askPassword =
        [&dialogs, use](const Database::PasswordRequest& request) -> std::optional<QString> {
        const QString key = request.user + QLatin1Char('\n') + request.book;
        Handover& given = handover();
        std::optional<QString> password;
        if (!request.refusedBefore && given.password && given.key == key)
            password = given.password->text();
        given.password.reset();
        if (!password)
            password = dialogs.password(
                request.question, QCoreApplication::translate("BookOpening", "Server Password"));
        if (password && use == PasswordUse::HandOver)
            given = {key, std::make_unique<Secret>(*password)};
        return password;
    };
    opening.askToMakeBook = [&dialogs](const QString& question) {
        return dialogs.message(question, kErrorTitle, Dialogs::Buttons::YesNo) ==
               Dialogs::Answer::Yes;
    };
    return opening;
}

} // namespace ravelbook
