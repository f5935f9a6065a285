#include "app/copy_command.h"

#include "core/counted.h"
#include "store/batched_insert.h"
#include "store/database.h"
#include "store/exchange_statements.h"
#include "store/schema.h"
#include "store/statements.h"
#include "store/store_error.h"
#include "store/write_transaction.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace ravelbook {

namespace {

// Copies every row of `table`'s columns in the order they were added.
int copyRows(const Database& from, Database& to, const schema::Table& table) {
    QSqlQuery rows =
        from.run(sql::selectColumns(from.dialect(), from.tableName(table.name), table.columns));
    BatchedInsert insert(to, to.tableName(table.name), table.columns,
                         QCoreApplication::translate("CopyCommand", "Nothing was copied: %1."));
    int copied = 0;
    QVariantList row;
    while (rows.next()) {
        row.clear();
        for (int i = 0; i < table.columns.size(); ++i)
            row << rows.value(i);
        insert.add(row);
        ++copied;
    }
    if (rows.lastError().isValid())
        from.fail(rows.lastError(),
                  QCoreApplication::translate("CopyCommand", "Nothing was copied: %1."));
    insert.finish();
    return copied;
}

const schema::Table& tableNamed(const QString& name) {
    for (const schema::Table& table : schema::tables()) {
        if (table.name == name)
            return table;
    }
    throw StoreError(QCoreApplication::translate("CopyCommand", "No table \"%1\".").arg(name));
}

} // namespace

QString copyUsage() {
    return QCoreApplication::translate(
        "CopyCommand",
        "Usage: ravelbook copy --from BOOK --to BOOK [--append]\n"
        "Copies a whole address book into another: records, return addresses and the\n"
        "vertical adjustment. A BOOK is a file or a server's URI\n"
        "(postgresql://user@host:port/dbname). A missing file or an empty server\n"
        "database becomes a book. The copy is written in one transaction: all of it or\n"
        "nothing.\n\n"
        "  --from BOOK  the book copied\n"
        "  --to BOOK    the book written; it must hold no records yet, unless --append\n"
        "  --append     add the records to those the receiving book holds\n");
}

std::optional<CopyCommand> parseCopyCommand(const QStringList& arguments, QString& error) {
    using Value = OptionRow::Value;
    CommandOptions options(
        {{"from", Value::NotEmpty, QT_TRANSLATE_NOOP("CommandOptions", "a book")},
         {"to", Value::NotEmpty, QT_TRANSLATE_NOOP("CommandOptions", "a book")},
         {"append"}});
    CopyCommand command;
    if (!options.parse(arguments, command.asked, error))
        return std::nullopt;
    if (command.asked.any())
        return command;
    command.from = options.value("from");
    command.to = options.value("to");
    command.append = options.isSet("append");
    if (!options.operands().isEmpty())
        error = CommandOptions::unknownArgument(options.operands().first());
    else if (command.from.isEmpty() || command.to.isEmpty())
        error = QCoreApplication::translate("CopyCommand", "both --from and --to are needed");
    return error.isEmpty() ? std::optional<CopyCommand>(command) : std::nullopt;
}

int runCopyCommand(const CopyCommand& command, QTextStream& out, QTextStream& err) {
    try {
        const Database from(command.from, Database::Access::ReadOnly);
        Database to(command.to);
        if (from.isSameBook(to))
            throw StoreError(
                QCoreApplication::translate("CopyCommand", "A book can't be copied into itself."));
        int records = 0;
        int returns = 0;
        {
            // Held from before the count, so that two copies into one empty
            // book can't both find it empty.
            WriteTransaction transaction(to);
            QSqlQuery all = to.run(sql::countRows(to.tableName(schema::kAddresses)));
            const int held = all.next() ? all.value(0).toInt() : 0;
            all.finish();
            if (held > 0 && !command.append)
                throw StoreError(QCoreApplication::translate(
                                     "CopyCommand", "The book \"%1\" already holds %2 records; "
                                                    "nothing was copied. Give --append to add to "
                                                    "them.")
                                     .arg(to.displayName())
                                     .arg(held));
            records = copyRows(from, to, tableNamed(schema::kAddresses));
            if (!command.append) {
                // The receiving book's own blank return address gives way to the copied ones.
                to.run(sql::deleteBlankReturnAddresses(to.tableName(schema::kReturnAddresses)));
                QSqlQuery adjustment = from.run(sql::selectStoredAdjustment(from.dialect()));
                if (adjustment.next())
                    to.run(sql::setVerticalAdjustment(to.dialect(), to.tableName(schema::kIni)),
                           {adjustment.value(0)});
            }
            returns = copyRows(from, to, tableNamed(schema::kReturnAddresses));
            transaction.commit();
        }
        out << QCoreApplication::translate("CopyCommand", "Copied %1 and %2 from %3 to %4.")
                   .arg(counted(records, QCoreApplication::translate("CopyCommand", "%1 record"),
                                QCoreApplication::translate("CopyCommand", "%1 records")),
                        counted(returns,
                                QCoreApplication::translate("CopyCommand", "%1 return address"),
                                QCoreApplication::translate("CopyCommand", "%1 return addresses")))
                   .arg(from.displayName(), to.displayName())
            << Qt::endl;
        return 0;
    } catch (const Error& error) {
        err << "ravelbook copy: " << error.message() << Qt::endl;
        return 1;
    }
}

} // namespace ravelbook
