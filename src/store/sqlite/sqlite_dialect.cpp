#include "store/sqlite/sqlite_dialect.h"

#include "store/sql_failure.h"
#include "store/statements.h"

namespace ravelbook {

QString SqliteDialect::nameOrder() const {
    // NOCASE folds A to Z only and compares bytes otherwise; NULL names come first.
    return QStringLiteral("\"Name\" COLLATE NOCASE NULLS FIRST, \"Name\"");
}

QString SqliteDialect::listTables() const {
    return QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'");
}

QString SqliteDialect::tableColumns() const {
    return QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid");
}

QString SqliteDialect::explain(const QSqlError& error) const {
    return ravelbook::explain(error);
}

bool SqliteDialect::isDamage(const QSqlError& error) const {
    return ravelbook::isDamage(error);
}

} // namespace ravelbook
