#pragma once

#include "store/database.h"

namespace ravelbook {

class Dialogs;

// Whether a password given for this opening is handed over to the next
// opening of the same book (the window checks a book, then opens it again).
enum class PasswordUse { ThisOpening, HandOver };

// How the window opens a book: a password the server wants is asked for in a
// box and kept by the open book alone (out of core dumps, wiped when it
// closes, never written anywhere); an empty server database becomes a book
// when the user agrees.
Database::Opening windowOpening(Dialogs& dialogs, PasswordUse use = PasswordUse::ThisOpening);

// Wipes a password handed over for an opening that is not going to follow.
void forgetHandedOverPassword();

} // namespace ravelbook
