#pragma once

#include "core/address_record.h"

#include <map>
#include <optional>
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace ravelbook {
class Database;
}

// A book's link to an online address book, kept in two tables of its own beside
// the book's three: the link (one row) and one row per linked card. A book that
// was never linked has neither table; they are made when it is first linked and
// dropped when it is unlinked. The password is never kept here.
//
// Every function that writes expects the caller's WriteTransaction around it, so
// that a record and its card's row land together or not at all.
namespace ravelbook::book_link {

inline const QString kLinkTable = QStringLiteral("Online Address Book");
inline const QString kCardsTable = QStringLiteral("Online Cards");

struct Link {
    QString url;       // the address book's
    QString user;      // the login, never the password
    QString syncToken; // of the last sync that completed; empty: list everything
    QDateTime lastSync;
};

// A record of the book and the card it is kept in step with.
struct LinkedCard {
    qint64 record = 0; // the record's key in the book
    QString href;      // the card's path on the server
    QString etag;      // as last synced
    QString uid;
    AddressRecord synced; // the record's values as last synced
    QByteArray card;      // the card's text as last synced
    // Both sides changed since the last sync: neither is written until the user
    // chooses. The server's version is kept beside the book's (the record).
    bool conflicted = false;
    QString serverEtag;    // empty when the card was deleted on the server
    QByteArray serverCard; // the server's version; empty when deleted there
};

// The book's link, or nothing when it has none.
std::optional<Link> read(const Database& db);
// Makes the two tables and stores the link. Throws StoreError when the book is linked already.
void create(Database& db, const Link& link);
// After a sync that completed.
void saveState(Database& db, const QString& syncToken, const QDateTime& when);
// Drops both tables: the book is as it was before it was linked.
void remove(Database& db);

std::vector<LinkedCard> cards(const Database& db);
// Stores the row of the card at card.href, replacing the one it had.
void saveCard(Database& db, const LinkedCard& card);
// Stores the row of a card that has none yet.
void addCard(Database& db, const LinkedCard& card);
void forgetCard(Database& db, const QString& href);

// The book's records by key, and the writes of one record by key.
std::map<qint64, AddressRecord> records(const Database& db);
qint64 addRecord(Database& db, const AddressRecord& record);
// Write or delete the record only while it still holds `was` (as records() read
// it): false when it changed or went meanwhile, and nothing was written.
bool writeRecord(Database& db, qint64 key, const AddressRecord& record, const AddressRecord& was);
bool deleteRecord(Database& db, qint64 key, const AddressRecord& was);

} // namespace ravelbook::book_link
