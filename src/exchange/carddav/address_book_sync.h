#pragma once

#include "core/address_record.h"
#include "exchange/carddav/carddav_client.h"

#include <functional>
#include <optional>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook {

class Database;

// What a sync did, for the summary the user reads.
struct SyncSummary {
    int cameInNew = 0;       // cards new on the server, now records
    int cameInChanged = 0;   // records updated from their changed cards
    int wentOutNew = 0;      // records new in the book, now cards
    int wentOutChanged = 0;  // cards updated from their changed records
    int deletedInBook = 0;   // records deleted as their cards were deleted on the server
    int deletedOnServer = 0; // cards deleted as their records were deleted in the book
    QStringList conflicts;   // names of the records changed on both sides, still to be chosen
    QStringList refusals;    // "NAME: why", for each write the server refused
    bool cancelled = false;  // stopped by the progress callback; the next sync goes on

    // Nothing is left for the user to decide or look into.
    bool clean() const { return conflicts.isEmpty() && refusals.isEmpty(); }
    // The summary in a few lines, as the command prints it.
    QString text() const;
};

// A record changed on both sides: both versions, until the user chooses.
struct SyncConflict {
    QString href;                        // the card's, which names the conflict
    qint64 record = 0;                   // the record's key in the book
    QString name;                        // for the user
    std::optional<AddressRecord> book;   // nothing: deleted in the book
    std::optional<AddressRecord> server; // nothing: deleted on the server
};

// Which version of a conflict stays.
enum class KeepVersion { Book, Server };

// Called between steps with what is being done and how far it has got; false
// cancels the sync at the next point where the book is consistent.
using SyncProgress = std::function<bool(const QString& step, int done, int total)>;

// Keeps a book in step with the online address book it is linked to, both
// ways: a three-way compare of the server's cards (by ETag), the book's records
// and their state at the last sync. Nothing is overwritten on either side
// that changed there since: such records become conflicts. Each step writes
// the records together with their link rows in one transaction, so a sync that
// dies part way leaves the book consistent and the next one completes it.
//
// Failures of the server or the book throw Error; writes the server refuses
// are refusals in the summary.
class AddressBookSync {
public:
    AddressBookSync(Database& db, CardDavClient& client, GroupTitles titles);

    // Links the book (which must not be linked) to the address book at `url`
    // and syncs it for the first time: records and cards of the same person
    // (same name and address) are paired, the others go both ways.
    SyncSummary link(const QUrl& url, const QString& user, const SyncProgress& progress = {});
    // Throws Error (Usage) when the book is not linked.
    SyncSummary sync(const SyncProgress& progress = {});

    std::vector<SyncConflict> conflicts() const;
    // Applies the choice in the book at once; what goes to the server (the
    // book's version) goes with the next sync.
    void resolve(const QString& href, KeepVersion keep);

    // Forgets the link and its state; the records stay.
    static void unlink(Database& db);

    static constexpr int writeBatch = 50;
    // Cards that came with the first query, written to the book per transaction.
    static constexpr int fetchedBatch = 1000;

private:
    struct ServerView;
    ServerView serverView(const QUrl& book, const QString& token, bool syncedBefore);

    Database& db_;
    CardDavClient& client_;
    GroupTitles titles_;
};

} // namespace ravelbook
