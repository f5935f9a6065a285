#include "app/startup.h"

#include "store/book_location.h"
#include "store/database.h"
#include "store/store_error.h"
#include "window/book_opening.h"
#include "window/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace ravelbook {

std::unique_ptr<Database> openAddressBook(const QString& path, Dialogs& dialogs,
                                          QTextStream& errors, bool askBeforeCreating) {
    if (askBeforeCreating && !isServerBook(path) && !QFileInfo::exists(path) &&
        !askToCreateBook(dialogs, path))
        return nullptr;
    try {
        // A file of no bytes (a creation cut short) holds nothing to lose.
        if (Database::isEmptyFile(path) &&
            dialogs.message(QCoreApplication::translate(
                                "Startup", "The file \"%1\" is empty: it holds no addresses. "
                                           "Make it a new address book?")
                                .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())),
                            QStringLiteral("Ravelbook"),
                            Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
            Database::createNewBook(path);
        return std::make_unique<Database>(path, windowOpening(dialogs));
    } catch (const StoreError& error) {
        errors << "ravelbook: " << error.message() << Qt::endl;
        showError(dialogs, error.message());
        return nullptr;
    }
}

} // namespace ravelbook
