#include "store/book_link.h"

#include "store/database.h"
#include "store/schema.h"
#include "store/statements.h"
#include "store/store_error.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

namespace ravelbook::book_link {

namespace {

using sql::quoteIdentifier;

const QStringList kLinkColumns{QStringLiteral("URL"), QStringLiteral("User"),
                               QStringLiteral("Sync Token"), QStringLiteral("Last Sync")};
// The record's values as last synced take the book's own column names, and
// "Groups" one character 0 or 1 per group.
const QString kGroups = QStringLiteral("Groups");
const QStringList kCardHead{QStringLiteral("Record"), QStringLiteral("Href"),
                            QStringLiteral("ETag"), QStringLiteral("UID")};
const QStringList kCardTail{QStringLiteral("Card"), QStringLiteral("Conflict"),
                            QStringLiteral("Server ETag"), QStringLiteral("Server Card")};

QStringList cardColumns() {
    QStringList columns = kCardHead;
    for (const QString& field : fieldColumns())
        columns << field;
    return columns << kGroups << kCardTail;
}

QString columnList(const QStringList& columns) {
    QStringList quoted;
    for (const QString& column : columns)
        quoted << quoteIdentifier(column);
    return quoted.join(QStringLiteral(", "));
}

QString texts(const QStringList& columns) {
    QStringList definitions;
    for (const QString& column : columns)
        definitions << quoteIdentifier(column) + QStringLiteral(" TEXT");
    return definitions.join(QStringLiteral(", "));
}

QString selectAll(const QString& table, const QStringList& columns) {
    return QStringLiteral("SELECT ") + columnList(columns) + QStringLiteral(" FROM ") +
           quoteIdentifier(table);
}

bool hasTable(const Database& db, const QString& table) {
    QSqlQuery names = db.run(db.dialect().listTables());
    while (names.next()) {
        if (names.value(0).toString().compare(table, db.dialect().nameCase()) == 0)
            return true;
    }
    return false;
}

QString groupsText(const AddressRecord& record) {
    QString text;
    for (bool member : record.groups)
        text += member ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

QStringList recordColumns() {
    QStringList columns;
    for (const QString& field : fieldColumns())
        columns << field;
    for (int k = 0; k < kGroupCount; ++k)
        columns << schema::groupColumn(k);
    return columns;
}

QVariantList recordValues(const AddressRecord& record) {
    QVariantList values;
    for (const QString& field : record.fields)
        values << field;
    for (bool member : record.groups)
        values << (member ? -1 : 0);
    return values;
}

// The record's row still holds `was` as records() reads it (NULL is no text, and
// so is an empty text, which Qt binds as NULL; a group is 0 or not). Bound: the
// key, then unchangedValues().
QString unchanged(const Dialect& dialect) {
    QString condition = dialect.key() + QStringLiteral(" = ?");
    for (const QString& field : fieldColumns())
        condition += QStringLiteral(" AND COALESCE(") + quoteIdentifier(field) +
                     QStringLiteral(", '') = COALESCE(?, '')");
    for (int k = 0; k < kGroupCount; ++k)
        condition += QStringLiteral(" AND CASE WHEN COALESCE(") +
                     quoteIdentifier(schema::groupColumn(k)) +
                     QStringLiteral(", 0) <> 0 THEN 1 ELSE 0 END = ?");
    return condition;
}

QVariantList unchangedValues(qint64 key, const AddressRecord& was) {
    QVariantList values{key};
    for (const QString& field : was.fields)
        values << field;
    for (bool member : was.groups)
        values << (member ? 1 : 0);
    return values;
}

} // namespace

std::optional<Link> read(const Database& db) {
    if (!hasTable(db, kLinkTable))
        return std::nullopt;
    QSqlQuery query = db.run(selectAll(kLinkTable, kLinkColumns));
    if (!query.next())
        return std::nullopt;
    return Link{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                QDateTime::fromString(query.value(3).toString(), Qt::ISODateWithMs)};
}

void create(Database& db, const Link& link) {
    if (hasTable(db, kLinkTable))
        throw StoreError(QCoreApplication::translate(
                             "BookLink",
                             "The book is linked to an online address book already (%1): unlink "
                             "it first.")
                             .arg(read(db) ? read(db)->url : QString()));
    db.run(sql::createTable(db.dialect(), kLinkTable, texts(kLinkColumns)));
    QStringList definitions{quoteIdentifier(kCardHead[0]) + QStringLiteral(" BIGINT"),
                            texts(kCardHead.mid(1)),
                            texts(QStringList(fieldColumns().begin(), fieldColumns().end())),
                            texts({kGroups}),
                            texts({kCardTail[0]}),
                            quoteIdentifier(kCardTail[1]) +
                                QStringLiteral(" INTEGER NOT NULL DEFAULT 0"),
                            texts(kCardTail.mid(2))};
    db.run(sql::createTable(db.dialect(), kCardsTable, definitions.join(QStringLiteral(", "))));
    // Every save of a card first finds its row by href.
    db.run(QStringLiteral("CREATE INDEX ") +
           quoteIdentifier(kCardsTable + QStringLiteral(" Href")) + QStringLiteral(" ON ") +
           quoteIdentifier(kCardsTable) + QStringLiteral(" (") + quoteIdentifier(kCardHead[1]) +
           QStringLiteral(")"));
    db.run(sql::insertValues(kLinkTable, kLinkColumns),
           {link.url, link.user, link.syncToken, link.lastSync.toString(Qt::ISODateWithMs)});
}

void saveState(Database& db, const QString& syncToken, const QDateTime& when) {
    db.run(QStringLiteral("UPDATE ") + quoteIdentifier(kLinkTable) + QStringLiteral(" SET ") +
               quoteIdentifier(kLinkColumns[2]) + QStringLiteral(" = ?, ") +
               quoteIdentifier(kLinkColumns[3]) + QStringLiteral(" = ?"),
           {syncToken, when.toString(Qt::ISODateWithMs)});
}

void remove(Database& db) {
    for (const QString& table : {kCardsTable, kLinkTable}) {
        if (hasTable(db, table))
            db.run(QStringLiteral("DROP TABLE ") + quoteIdentifier(table));
    }
}

std::vector<LinkedCard> cards(const Database& db) {
    std::vector<LinkedCard> all;
    QSqlQuery query = db.run(selectAll(kCardsTable, cardColumns()));
    while (query.next()) {
        LinkedCard card;
        int at = 0;
        card.record = query.value(at++).toLongLong();
        card.href = query.value(at++).toString();
        card.etag = query.value(at++).toString();
        card.uid = query.value(at++).toString();
        for (QString& field : card.synced.fields)
            field = query.value(at++).toString();
        const QString groups = query.value(at++).toString();
        for (int k = 0; k < kGroupCount; ++k)
            card.synced.groups[k] = groups.mid(k, 1) == QLatin1String("1");
        card.card = query.value(at++).toString().toUtf8();
        card.conflicted = query.value(at++).toInt() != 0;
        card.serverEtag = query.value(at++).toString();
        card.serverCard = query.value(at++).toString().toUtf8();
        all.push_back(std::move(card));
    }
    return all;
}

void saveCard(Database& db, const LinkedCard& card) {
    forgetCard(db, card.href);
    addCard(db, card);
}

void addCard(Database& db, const LinkedCard& card) {
    QVariantList values{card.record, card.href, card.etag, card.uid};
    for (const QString& field : card.synced.fields)
        values << field;
    values << groupsText(card.synced) << QString::fromUtf8(card.card) << (card.conflicted ? 1 : 0)
           << card.serverEtag << QString::fromUtf8(card.serverCard);
    static const QString text = sql::insertValues(kCardsTable, cardColumns());
    db.runKept(text, values).finish();
}

void forgetCard(Database& db, const QString& href) {
    static const QString text = QStringLiteral("DELETE FROM ") + quoteIdentifier(kCardsTable) +
                                QStringLiteral(" WHERE ") + quoteIdentifier(kCardHead[1]) +
                                QStringLiteral(" = ?");
    db.runKept(text, {href}).finish();
}

std::map<qint64, AddressRecord> records(const Database& db) {
    std::map<qint64, AddressRecord> all;
    const QString table = db.tableName(schema::kAddresses);
    QSqlQuery query =
        db.run(QStringLiteral("SELECT ") + db.dialect().key() + QStringLiteral(", ") +
               columnList(recordColumns()) + QStringLiteral(" FROM ") + quoteIdentifier(table));
    while (query.next()) {
        AddressRecord record;
        for (int f = 0; f < kFieldCount; ++f)
            record.fields[f] = query.value(1 + f).toString();
        for (int k = 0; k < kGroupCount; ++k)
            record.groups[k] = query.value(1 + kFieldCount + k).toInt() != 0;
        all.emplace(query.value(0).toLongLong(), record);
    }
    return all;
}

// The writes of records are many in one sync: each stays prepared (runKept).
qint64 addRecord(Database& db, const AddressRecord& record) {
    QSqlQuery& query = db.runKept(
        sql::insertRow(db.dialect(), db.tableName(schema::kAddresses), recordColumns(), {}),
        recordValues(record));
    const bool added = query.next();
    const qint64 key = added ? query.value(0).toLongLong() : 0;
    query.finish();
    if (!added)
        throw StoreError(QCoreApplication::translate(
            "BookLink", "A record from the online address book was not added."));
    return key;
}

bool writeRecord(Database& db, qint64 key, const AddressRecord& record, const AddressRecord& was) {
    QStringList assignments;
    for (const QString& column : recordColumns())
        assignments << quoteIdentifier(column) + QStringLiteral(" = ?");
    QSqlQuery& query =
        db.runKept(QStringLiteral("UPDATE ") + quoteIdentifier(db.tableName(schema::kAddresses)) +
                       QStringLiteral(" SET ") + assignments.join(QStringLiteral(", ")) +
                       QStringLiteral(" WHERE ") + unchanged(db.dialect()) +
                       QStringLiteral(" RETURNING ") + db.dialect().key(),
                   recordValues(record) << unchangedValues(key, was));
    const bool written = query.next();
    query.finish();
    return written;
}

bool deleteRecord(Database& db, qint64 key, const AddressRecord& was) {
    QSqlQuery& query = db.runKept(QStringLiteral("DELETE FROM ") +
                                      quoteIdentifier(db.tableName(schema::kAddresses)) +
                                      QStringLiteral(" WHERE ") + unchanged(db.dialect()) +
                                      QStringLiteral(" RETURNING ") + db.dialect().key(),
                                  unchangedValues(key, was));
    const bool deleted = query.next();
    query.finish();
    return deleted;
}

} // namespace ravelbook::book_link
