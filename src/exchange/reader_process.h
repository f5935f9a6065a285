#pragma once

#include "exchange/access_stream.h"

#include <functional>
#include <QString>
#include <QStringList>

namespace ravelbook::exchange {

// The reader's file name, installed beside the program or in its libexec folder.
inline constexpr char kReaderName[] = "ravelbook-mdb-reader";

// Where the reader is: $RAVELBOOK_MDB_READER when set, else beside the running
// program, else in the libexec folder of its installation. Empty when absent.
QString readerProgram();

// Runs the reader on the Access file at `path` with the request's arguments
// before the file (none, or --columns/--rows and a table) and hands over each
// frame but the last as it comes; `take` returns false for a frame that makes
// no sense where it comes. The reader runs under limits of memory, processor
// time and silence, so a file that makes libmdb loop or crash ends here in a
// Format Error saying the file is damaged; the reader's own refusals end in a
// Format Error with its message.
void runReader(const QString& path, const QStringList& request,
               const std::function<bool(const Frame&)>& take);

} // namespace ravelbook::exchange
