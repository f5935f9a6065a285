#pragma once

#include "exchange/table_reader.h"

#include <memory>

namespace ravelbook::exchange {

// An Access (Jet 3 or Jet 4) file read with mdbtools' libmdb; never written.
class MdbFile final : public TableReader {
public:
    // Throws StoreError when the file is missing, damaged or of another version.
    explicit MdbFile(const QString& path);
    ~MdbFile() override;
    MdbFile(const MdbFile&) = delete;
    MdbFile& operator=(const MdbFile&) = delete;

    QStringList tableNames() const override;
    QStringList columnNames(const QString& table) const override;
    SourceTable readTable(const QString& name) const override;

    // 3 or 4.
    int jetVersion() const;

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    QString path_;
};

} // namespace ravelbook::exchange
