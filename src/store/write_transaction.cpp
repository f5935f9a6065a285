#include "store/write_transaction.h"

#include "store/database.h"
#include "store/exchange_statements.h"
#include "store/schema.h"
#include "store/sql_failure.h"
#include "store/store_error.h"

#include <QSqlError>

namespace ravelbook {

WriteTransaction::WriteTransaction(Database& db) : db_(&db) {
    db_->run(sql::beginWrite(db_->dialect()));
    QStringList tables;
    for (const schema::Table& table : schema::tables())
        tables << db_->tableName(table.name);
    try {
        for (const QString& statement : db_->dialect().holdTables(tables))
            db_->run(statement);
    } catch (...) {
        rollBack(); // no destructor runs for a constructor that throws
        throw;
    }
}

WriteTransaction::WriteTransaction(QSqlDatabase& connection) : connection_(connection) {
    if (!connection_.transaction())
        throw SqlFailure(connection_.lastError());
}

WriteTransaction::~WriteTransaction() {
    if (!done_)
        rollBack();
}

void WriteTransaction::commit() {
    if (db_)
        db_->run(sql::commit());
    else if (!connection_.commit())
        throw SqlFailure(connection_.lastError());
    done_ = true;
}

void WriteTransaction::rollBack() noexcept {
    if (!db_) {
        connection_.rollback();
        return;
    }
    // A server drops the transaction of a connection that is gone; reconnecting
    // only to say ROLLBACK would keep the user waiting longer.
    if (db_->connectionLost())
        return;
    try {
        db_->run(sql::rollback());
    } catch (const StoreError&) {
        // SQLite has rolled back already when a statement failed that way; a
        // server rolls back a transaction whose connection is gone.
    }
}

} // namespace ravelbook
