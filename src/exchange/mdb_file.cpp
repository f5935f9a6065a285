#include "exchange/mdb_file.h"

#include "exchange/access_stream.h"

#include <algorithm>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <vector>

// libmdb is a C library without guards of its own.
extern "C" {
#include <mdbtools.h>
}

namespace ravelbook::exchange {

namespace {

// Memo values longer than this are cut by libmdb; far more than any address needs.
constexpr size_t kBindSize = kLongestValue;

[[noreturn]] void fail(const QString& path, const QString& why) {
    throw unreadableAccessFile(path, why);
}

// Checks the file's header before libmdb sees it: libmdb trusts what it reads.
int checkHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
    const QByteArray head = file.read(0x20);
    if (head.size() < 0x20 || head.mid(4, 15) != "Standard Jet DB") {
        if (head.mid(4, 15) == "Standard ACE DB")
            fail(path, QCoreApplication::translate(
                           "MdbFile", "it is an Access 2007 or later file (.accdb); save it as "
                                      "an Access 2000 or 2002-2003 .mdb first"));
        fail(path, QCoreApplication::translate("MdbFile", "it is not an Access database"));
    }
    const int version = quint8(head[0x14]);
    if (version > 1)
        fail(path,
             QCoreApplication::translate("MdbFile", "its Access version (%1) is not Jet 3 or Jet 4")
                 .arg(version));
    const qint64 page = version == 0 ? 2048 : 4096;
    if (file.size() < 2 * page || file.size() % page != 0)
        fail(path, QCoreApplication::translate(
                       "MdbFile", "the file is damaged (it is not a whole number of pages)"));
    return version == 0 ? 3 : 4;
}

struct TableDef {
    explicit TableDef(MdbTableDef* t) : table(t) {}
    ~TableDef() {
        if (table)
            mdb_free_tabledef(table);
    }
    TableDef(const TableDef&) = delete;
    TableDef& operator=(const TableDef&) = delete;
    MdbTableDef* table;
};

} // namespace

struct MdbFile::Handle {
    MdbHandle* mdb = nullptr;
    int version = 0;
    ~Handle() {
        if (mdb)
            mdb_close(mdb);
    }
};

MdbFile::MdbFile(const QString& path) : handle_(std::make_unique<Handle>()), path_(path) {
    if (!QFileInfo(path).isFile())
        fail(path, QCoreApplication::translate("MdbFile", "there is no such file"));
    handle_->version = checkHeader(path);
    handle_->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!handle_->mdb)
        fail(path, QCoreApplication::translate("MdbFile", "the file is damaged or encrypted"));
    mdb_set_bind_size(handle_->mdb, kBindSize);
    mdb_set_date_fmt(handle_->mdb, "%Y-%m-%d %H:%M:%S");
    if (!mdb_read_catalog(handle_->mdb, MDB_TABLE))
        fail(path, QCoreApplication::translate(
                       "MdbFile", "its table list can't be read (the file is damaged or "
                                  "encrypted)"));
}

MdbFile::~MdbFile() = default;

int MdbFile::jetVersion() const {
    return handle_->version;
}

QStringList MdbFile::tableNames() const {
    QStringList names;
    for (unsigned i = 0; i < handle_->mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(handle_->mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            names << QString::fromUtf8(entry->object_name);
    }
    return names;
}

namespace {

MdbTableDef* openTable(MdbHandle* mdb, const QString& name, const QString& path) {
    QByteArray utf8 = name.toUtf8();
    MdbTableDef* table = mdb_read_table_by_name(mdb, utf8.data(), MDB_TABLE);
    if (!table)
        fail(path,
             QCoreApplication::translate("MdbFile", "its table \"%1\" can't be read").arg(name));
    if (!mdb_read_columns(table)) {
        mdb_free_tabledef(table);
        fail(path,
             QCoreApplication::translate("MdbFile", "the columns of table \"%1\" can't be read")
                 .arg(name));
    }
    return table;
}

QStringList columnsOf(MdbTableDef* table) {
    QStringList columns;
    for (unsigned c = 0; c < table->num_cols; ++c) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
        columns << QString::fromUtf8(column->name);
    }
    return columns;
}

} // namespace

QStringList MdbFile::columnNames(const QString& table) const {
    const TableDef def(openTable(handle_->mdb, table, path_));
    return columnsOf(def.table);
}

void MdbFile::readRows(const QString& name,
                       const std::function<void(const QStringList&)>& row) const {
    const TableDef def(openTable(handle_->mdb, name, path_));
    MdbTableDef* table = def.table;
    const int count = int(table->num_cols);
    std::vector<std::vector<char>> buffers(count, std::vector<char>(kBindSize + 1));
    std::vector<int> lengths(count);
    std::vector<int> types(count);
    for (int c = 0; c < count; ++c) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
        types[c] = column->col_type;
        // Pictures and other binary columns hold nothing an address record can take.
        if (types[c] != MDB_OLE)
            mdb_bind_column(table, c + 1, buffers[c].data(), &lengths[c]);
    }
    mdb_rewind_table(table);
    QStringList values;
    while (mdb_fetch_row(table)) {
        values.clear();
        for (int c = 0; c < count; ++c) {
            if (types[c] == MDB_OLE) {
                values << QString();
            } else if (types[c] == MDB_BOOL) {
                // Access's own way of writing yes and no, as the book's group columns hold them.
                const bool yes = lengths[c] > 0 && buffers[c][0] != '0';
                values << (yes ? QStringLiteral("-1") : QStringLiteral("0"));
            } else {
                values << QString::fromUtf8(buffers[c].data(),
                                            std::clamp(lengths[c], 0, int(kBindSize)));
            }
        }
        row(values);
    }
}

} // namespace ravelbook::exchange
