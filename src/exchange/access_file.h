#pragma once

#include "exchange/table_reader.h"

namespace ravelbook::exchange {

// An Access (Jet 3 or Jet 4) file, read by the reader process ravelbook-mdb-reader
// (reader_process.h): a damaged file can make libmdb loop or crash, which
// must not take the program with it. Never written.
class AccessFile final : public TableReader {
public:
    // Reads the file's version and table names. Throws Error when the file
    // is missing, damaged or of another version.
    explicit AccessFile(const QString& path);

    QStringList tableNames() const override { return tables_; }
    QStringList columnNames(const QString& table) const override;
    SourceTable readTable(const QString& name) const override;

    // 3 or 4.
    int jetVersion() const { return version_; }

private:
    QString path_;
    int version_ = 0;
    QStringList tables_;
};

} // namespace ravelbook::exchange
