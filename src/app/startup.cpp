#include "app/startup.h"

#include "store/database.h"
#include "store/store_error.h"
#include "window/dialogs.h"

#include <QTextStream>

namespace ravelbook {

std::unique_ptr<Database> openAddressBook(const QString& path, Dialogs& dialogs,
                                          QTextStream& errors) {
    try {
        return std::make_unique<Database>(path);
    } catch (const StoreError& error) {
        errors << "ravelbook: " << error.message() << Qt::endl;
        showError(dialogs, error.message());
        return nullptr;
    }
}

} // namespace ravelbook
