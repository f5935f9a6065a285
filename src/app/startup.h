#pragma once

#include <memory>
#include <QString>

class QTextStream;

namespace ravelbook {

class Database;
class Dialogs;

// Opens the address book for the window. When it can't be opened the reason is
// shown in a message box and written to `errors`, and nothing is returned.
// With `askBeforeCreating`, a missing file is made into a new book only when
// the user says so.
std::unique_ptr<Database> openAddressBook(const QString& path, Dialogs& dialogs,
                                          QTextStream& errors, bool askBeforeCreating = false);

} // namespace ravelbook
