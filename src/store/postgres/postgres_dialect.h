#pragma once

#include "store/dialect.h"

namespace ravelbook {

// A book on a PostgreSQL server, shared by everybody who opens it.
class PostgresDialect : public Dialect {
public:
    // The key column each table of a server book has, since there is no rowid.
    static inline const QString kKeyColumn = QStringLiteral("ravelbook_key");
    // A sequence every change to the book draws from: the cheap sign of a change.
    static inline const QString kChangeSequence = QStringLiteral("ravelbook_changes");

    QString driver() const override { return QStringLiteral("QPSQL"); }
    QString key() const override { return kKeyColumn; }
    QString skipRows() const override { return QStringLiteral("OFFSET ?"); }
    QString nameOrder() const override;
    QString sameValue() const override { return QStringLiteral("IS NOT DISTINCT FROM"); }
    QString beginWrite() const override { return QStringLiteral("BEGIN"); }
    QStringList holdTables(const QStringList& tables) const override;
    QString changeMark() const override;
    QString listTables() const override;
    QString tableColumns() const override;
    QString layout() const override;
    QString setLayout(int layout) const override;
    QStringList bookExtras(const QStringList& tables) const override;
    Qt::CaseSensitivity nameCase() const override { return Qt::CaseSensitive; }
    QString keyColumnDefinition() const override;
    QVariant storable(const QVariant& value) const override;

    QString explain(const QSqlError& error) const override;
    bool isDamage(const QSqlError& error) const override;
    bool isConnectionLost(const QSqlError& error) const override;
};

} // namespace ravelbook
