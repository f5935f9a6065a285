#pragma once

#include "support/temp_book.h"

#include <functional>
#include <QByteArray>
#include <QString>
#include <vector>

namespace ravelbook::testing {

// A file that is no address book, how to make it in a temporary book's place,
// and what the program's message says of it.
struct BadBook {
    const char* what;
    std::function<void(TempBook&)> make;
    const char* reason;
};

const std::vector<BadBook>& badBooks();

// Writes a file whole, making its folder when missing.
void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace ravelbook::testing
