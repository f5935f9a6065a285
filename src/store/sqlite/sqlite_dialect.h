#pragma once

#include "store/dialect.h"

namespace ravelbook {

// A book in a file of its own.
class SqliteDialect : public Dialect {
public:
    QString driver() const override { return QStringLiteral("QSQLITE"); }
    QString key() const override { return QStringLiteral("_rowid_"); }
    QString skipRows() const override { return QStringLiteral("LIMIT -1 OFFSET ?"); }
    QString nameOrder() const override;
    QString sameValue() const override { return QStringLiteral("IS"); }
    QString beginWrite() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    // BEGIN IMMEDIATE holds the whole file already.
    QStringList holdTables(const QStringList&) const override { return {}; }
    QString changeMark() const override { return QStringLiteral("PRAGMA data_version"); }
    QString listTables() const override;
    QString tableColumns() const override;
    QString layout() const override { return QStringLiteral("PRAGMA user_version"); }
    QString setLayout(int layout) const override {
        return QStringLiteral("PRAGMA user_version = %1").arg(layout);
    }
    QStringList bookExtras(const QStringList&) const override { return {}; }
    Qt::CaseSensitivity nameCase() const override { return Qt::CaseInsensitive; }
    QString keyColumnDefinition() const override { return {}; }
    QVariant storable(const QVariant& value) const override { return value; }

    QString explain(const QSqlError& error) const override;
    bool isDamage(const QSqlError& error) const override;
    bool isConnectionLost(const QSqlError&) const override { return false; }
};

} // namespace ravelbook
