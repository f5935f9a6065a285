#include "app/startup.h"

#include "store/database.h"
#include "store/store_error.h"
#include "window/dialogs.h"

#include <QFileInfo>
#include <QTextStream>

namespace ravelbook {

std::unique_ptr<Database> openAddressBook(const QString& path, Dialogs& dialogs,
                                          QTextStream& errors, bool askBeforeCreating) {
    if (askBeforeCreating && !QFileInfo::exists(path) && !askToCreateBook(dialogs, path))
        return nullptr;
    try {
        return std::make_unique<Database>(path);
    } catch (const StoreError& error) {
        errors << "ravelbook: " << error.message() << Qt::endl;
        showError(dialogs, error.message());
        return nullptr;
    }
}

} // namespace ravelbook
