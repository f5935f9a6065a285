#pragma once

#include <functional>
#include <memory>
#include <QString>
#include <QStringList>

namespace ravelbook::exchange {

// An Access (Jet 3 or Jet 4) file read with mdbtools' libmdb; never written.
// libmdb trusts what it reads, so only the reader process (ravelbook-mdb-reader)
// uses this class: the program reads Access files through AccessFile.
class MdbFile final {
public:
    // Throws Error when the file is missing, damaged or of another version.
    explicit MdbFile(const QString& path);
    ~MdbFile();
    MdbFile(const MdbFile&) = delete;
    MdbFile& operator=(const MdbFile&) = delete;

    QStringList tableNames() const;
    QStringList columnNames(const QString& table) const;
    // Gives each row's values in turn, as text; yes/no columns read -1 or 0.
    void readRows(const QString& table, const std::function<void(const QStringList&)>& row) const;

    // 3 or 4.
    int jetVersion() const;

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    QString path_;
};

} // namespace ravelbook::exchange
