#pragma once

#include "store/database.h"

namespace ravelbook {

class Dialogs;

// How the window opens a book: a password the server wants is asked for in a
// box and kept in memory for as long as the program runs (never written
// anywhere), and an empty server database becomes a book when the user agrees.
Database::Opening windowOpening(Dialogs& dialogs);

} // namespace ravelbook
