#pragma once

#include <QString>

namespace ravelbook {

// A book is named by the path of its file or, on a server, by a PostgreSQL
// connection URI ("postgresql://user@host:port/dbname?sslmode=require").
bool isServerBook(const QString& book);
// The book's name as the user reads it: the native path of a file, the URI of a
// server book with any password in it masked.
QString bookDisplayName(const QString& book);
// A file's absolute path; a server's URI as it stands.
QString canonicalBook(const QString& book);

// The parts of a server book's address the user fills in; the URI made of
// them, and them read back from a URI (what a URI lacks stays empty).
struct ServerBookFields {
    QString host; // a name, an address, or the folder of the server's Unix socket
    int port = 0; // 0: the server's default
    QString database;
    QString user;
};
QString serverBookUri(const ServerBookFields& fields);
ServerBookFields serverBookFields(const QString& uri);

} // namespace ravelbook
