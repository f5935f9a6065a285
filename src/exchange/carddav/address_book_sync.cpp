#include "exchange/carddav/address_book_sync.h"

#include "core/error.h"
#include "exchange/import.h"
#include "exchange/vcard_merge.h"
#include "exchange/vcard_reader.h"
#include "store/book_link.h"
#include "store/database.h"
#include "store/write_transaction.h"

#include <map>
#include <QCoreApplication>
#include <QUuid>
#include <set>

namespace ravelbook {

using book_link::LinkedCard;

namespace {

QString nameOf(const AddressRecord& record) {
    const QString name = record[Field::Name].trimmed();
    return name.isEmpty() ? record[Field::Contact].trimmed() : name;
}

// The row of a card in step with its record.
LinkedCard inStep(qint64 record, const QString& href, const QString& etag, const QString& uid,
                  const AddressRecord& synced, const QByteArray& card) {
    LinkedCard linked;
    linked.record = record;
    linked.href = href;
    linked.etag = etag;
    linked.uid = uid;
    linked.synced = synced;
    linked.card = card;
    return linked;
}

// The book's record with what only the card holds filled in, and whether a
// field both hold differs (which is for the user to choose).
std::pair<AddressRecord, bool> filledIn(AddressRecord mine, const AddressRecord& theirs) {
    bool differs = false;
    for (int f = 0; f < kFieldCount; ++f) {
        QString& field = mine.fields[f];
        if (field.isEmpty())
            field = theirs.fields[f];
        else if (!theirs.fields[f].isEmpty() && field != theirs.fields[f])
            differs = true;
    }
    for (int k = 0; k < kGroupCount; ++k)
        mine.groups[k] = mine.groups[k] || theirs.groups[k];
    return {std::move(mine), differs};
}

bool isNamed(const AddressRecord& record) {
    return !nameOf(record).isEmpty();
}

// The record a card gives, or nothing for bytes that hold no card.
std::optional<AddressRecord> recordOf(const QByteArray& card, const GroupTitles& titles) {
    const exchange::VCardFile file = exchange::readVCards(card);
    if (file.cards.empty())
        return std::nullopt;
    return exchange::recordOfCard(file.cards.front(), titles);
}

QString uidOf(const exchange::VCard& card) {
    for (const auto& property : card.properties) {
        if (property.name == QLatin1String("UID"))
            return exchange::unescapeValue(property.value);
    }
    return {};
}

// A write the server refused for this card alone (its status 4xx), as against
// one that says the server or the login is at fault.
std::optional<QString> cardRefusal(const Error& error) {
    const int status = error.detail().section(QLatin1Char(' '), 0, 0).toInt();
    if (status >= 400 && status < 500 && status != 401)
        return error.message();
    return std::nullopt;
}

// Writes of link rows (and the records they belong to), committed a batch at a time.
class PendingWrites {
public:
    explicit PendingWrites(Database& db) : db_(db) {}
    void save(LinkedCard card) {
        saves_.push_back(std::move(card));
        flushIfFull();
    }
    void forget(const QString& href) {
        forgets_.push_back(href);
        flushIfFull();
    }
    void flush() {
        if (saves_.empty() && forgets_.empty())
            return;
        WriteTransaction transaction(db_);
        for (const QString& href : forgets_)
            book_link::forgetCard(db_, href);
        for (const LinkedCard& card : saves_)
            book_link::saveCard(db_, card);
        transaction.commit();
        saves_.clear();
        forgets_.clear();
    }

private:
    void flushIfFull() {
        if (int(saves_.size() + forgets_.size()) >= AddressBookSync::writeBatch)
            flush();
    }
    Database& db_;
    std::vector<LinkedCard> saves_;
    QStringList forgets_;
};

} // namespace

QString SyncSummary::text() const {
    QString text = QCoreApplication::translate("AddressBookSync",
                                               "Came in: %1 new, %2 changed.\n"
                                               "Went out: %3 new, %4 changed.\n"
                                               "Deleted: %5 in the book, %6 on the server.\n")
                       .arg(cameInNew)
                       .arg(cameInChanged)
                       .arg(wentOutNew)
                       .arg(wentOutChanged)
                       .arg(deletedInBook)
                       .arg(deletedOnServer);
    for (const QString& name : conflicts)
        text += QCoreApplication::translate(
                    "AddressBookSync", "Conflict: \"%1\" changed in the book and on the server; "
                                       "neither was written.\n")
                    .arg(name);
    for (const QString& refusal : refusals)
        text += QCoreApplication::translate("AddressBookSync", "Refused: %1\n").arg(refusal);
    if (cancelled)
        text += QCoreApplication::translate("AddressBookSync",
                                            "Cancelled: the next sync goes on from here.\n");
    return text;
}

// The server's cards as far as this sync needs them: their ETags now, for all of
// them (full) or for those changed since the last token.
struct AddressBookSync::ServerView {
    std::map<QString, QString> etags;     // by path
    std::set<QString> gone;               // paths deleted since the token
    bool full = false;                    // etags holds every card: a linked one not in it is gone
    QString token;                        // to keep for the next sync
    std::map<QString, CardDavCard> cards; // by path: fetched with the ETags (a first sync)

    // The card's ETag now; empty when it is gone.
    QString etagOf(const LinkedCard& card) const {
        if (const auto found = etags.find(card.href); found != etags.end())
            return found->second;
        return full || gone.count(card.href) ? QString() : card.etag;
    }
};

AddressBookSync::AddressBookSync(Database& db, CardDavClient& client, GroupTitles titles)
    : db_(db), client_(client), titles_(std::move(titles)) {}

AddressBookSync::ServerView AddressBookSync::serverView(const QUrl& book, const QString& token,
                                                        bool syncedBefore) {
    const auto pathOf = [&book](const QString& href) {
        return CardDavClient::urlOf(book, href).path();
    };
    ServerView view;
    if (!syncedBefore) {
        // A first sync: every card in one query. The token is taken before it, so
        // that a card changed meanwhile comes again with the next sync.
        view.full = true;
        view.token = client_.syncToken(book);
        for (CardDavCard& card : client_.fetchAll(book)) {
            const QString path = pathOf(card.href);
            view.etags[path] = card.etag;
            view.cards[path] = std::move(card);
        }
        return view;
    }
    QString from = token;
    // A server that gave no token is asked for every card's ETag instead.
    while (!from.isEmpty()) {
        const std::optional<CardDavChanges> changes = client_.sync(book, from);
        if (!changes)
            break;
        for (const CardDavEntry& entry : changes->changed) {
            view.etags[pathOf(entry.href)] = entry.etag;
            view.gone.erase(pathOf(entry.href));
        }
        for (const QString& href : changes->deleted) {
            view.etags.erase(pathOf(href));
            view.gone.insert(pathOf(href));
        }
        view.token = changes->token;
        // Cut short (507): the rest comes from the token it gave.
        if (!changes->truncated || changes->token.isEmpty() || changes->token == from)
            return view;
        from = changes->token;
    }
    // No sync-collection, or the token has expired: every card's ETag.
    view = ServerView{};
    view.full = true;
    for (const CardDavEntry& entry : client_.list(book))
        view.etags[pathOf(entry.href)] = entry.etag;
    return view;
}

SyncSummary AddressBookSync::link(const QUrl& url, const QString& user,
                                  const SyncProgress& progress) {
    WriteTransaction transaction(db_);
    book_link::create(db_, {url.toString(), user, {}, {}});
    transaction.commit();
    try {
        return sync(progress);
    } catch (const Error& error) {
        // The link stays: without a last sync, the next sync is a first one again.
        throw Error(
            error.message() +
                QCoreApplication::translate(
                    "AddressBookSync", " The book is linked; the next sync finishes linking it."),
            error.kind(), error.detail());
    }
}

void AddressBookSync::unlink(Database& db) {
    WriteTransaction transaction(db);
    book_link::remove(db);
    transaction.commit();
}

SyncSummary AddressBookSync::sync(const SyncProgress& progress) {
    const std::optional<book_link::Link> link = book_link::read(db_);
    if (!link)
        throw Error(QCoreApplication::translate(
                        "AddressBookSync", "The book is not linked to an online address book."),
                    Error::Kind::Usage);
    const QUrl book(link->url);
    SyncSummary summary;
    const auto goOn = [&](const QString& step, int done, int total) {
        if (progress && !progress(step, done, total))
            summary.cancelled = true;
        return !summary.cancelled;
    };
    if (!goOn(QCoreApplication::translate("AddressBookSync", "Asking the server what changed"), 0,
              0))
        return summary;
    ServerView view = serverView(book, link->syncToken, link->lastSync.isValid());

    // In: the cards new or changed on the server.
    std::map<QString, LinkedCard> linked;
    for (LinkedCard& card : book_link::cards(db_))
        linked.emplace(card.href, std::move(card));
    std::map<qint64, AddressRecord> records = book_link::records(db_);
    // Records without a card, by name and address, to pair with the cards that come in.
    std::multimap<QString, qint64> unpaired;
    {
        std::set<qint64> paired;
        for (const auto& [href, card] : linked)
            paired.insert(card.record);
        for (const auto& [key, record] : records) {
            if (!paired.count(key) && isNamed(record))
                unpaired.emplace(exchange::duplicateKey(record), key);
        }
    }
    // A change not taken in this time (refused, or the record changed in the book
    // meanwhile) keeps the token where it was, so that the next sync brings it again.
    bool behind = false;
    QStringList wanted;
    for (const auto& [href, etag] : view.etags) {
        const auto found = linked.find(href);
        // A card in conflict that changed again: the conflict is with its newest version.
        if (found == linked.end() ||
            etag != (found->second.conflicted ? found->second.serverEtag : found->second.etag))
            wanted << href;
    }
    // Cards fetched already are written in larger steps: there a step waits for no server.
    const int step = view.cards.empty() ? CardDavClient::fetchBatch : fetchedBatch;
    for (int at = 0; at < wanted.size(); at += step) {
        if (!goOn(QCoreApplication::translate("AddressBookSync", "Fetching cards"), at,
                  int(wanted.size())))
            return summary;
        const QStringList hrefs = wanted.mid(at, step);
        std::vector<CardDavCard> fetched;
        if (view.cards.empty()) {
            fetched = client_.fetch(book, hrefs);
        } else {
            for (const QString& href : hrefs)
                fetched.push_back(std::move(view.cards.at(href)));
        }
        WriteTransaction transaction(db_);
        for (const CardDavCard& card : fetched) {
            const QString href = CardDavClient::urlOf(book, card.href).path();
            const exchange::VCardFile read = exchange::readVCards(card.vcard);
            if (read.cards.empty()) {
                summary.refusals << QCoreApplication::translate(
                                        "AddressBookSync", "%1: the server's card holds no vCard")
                                        .arg(href);
                behind = true;
                continue;
            }
            const AddressRecord theirs = exchange::recordOfCard(read.cards.front(), titles_);
            const auto found = linked.find(href);
            if (found == linked.end()) {
                LinkedCard fresh =
                    inStep(0, href, card.etag, uidOf(read.cards.front()), theirs, card.vcard);
                if (const auto same = unpaired.find(exchange::duplicateKey(theirs));
                    same != unpaired.end()) {
                    // The same person on both sides: what only the card holds comes in,
                    // what only the book holds goes out below, what both hold
                    // differently is a conflict.
                    const qint64 key = same->second;
                    unpaired.erase(same);
                    AddressRecord& mine = records.at(key);
                    const auto [filled, differs] = filledIn(mine, theirs);
                    if (filled != mine) {
                        if (!book_link::writeRecord(db_, key, filled, mine)) {
                            behind = true; // saved in the book meanwhile: paired next time
                            continue;
                        }
                        mine = filled;
                        ++summary.cameInChanged;
                    }
                    fresh.record = key;
                    if (differs) {
                        fresh.conflicted = true;
                        fresh.serverEtag = card.etag;
                        fresh.serverCard = card.vcard;
                        summary.conflicts << nameOf(mine);
                    }
                } else {
                    fresh.record = book_link::addRecord(db_, theirs);
                    records[fresh.record] = theirs;
                    ++summary.cameInNew;
                }
                book_link::addCard(db_, fresh);
                linked.emplace(href, std::move(fresh));
                continue;
            }
            LinkedCard& ours = found->second;
            const auto record = records.find(ours.record);
            const bool bookChanged = record == records.end() || record->second != ours.synced;
            const bool serverChanged = theirs != ours.synced;
            const bool agree = record != records.end() && record->second == theirs;
            if (bookChanged && serverChanged && !agree) {
                ours.conflicted = true;
                ours.serverEtag = card.etag;
                ours.serverCard = card.vcard;
                summary.conflicts << nameOf(record != records.end() ? record->second : ours.synced);
            } else {
                if (serverChanged && !agree) {
                    if (!book_link::writeRecord(db_, ours.record, theirs, record->second)) {
                        // Saved in the book meanwhile: both changed, as the next sync sees.
                        behind = true;
                        continue;
                    }
                    record->second = theirs;
                    ++summary.cameInChanged;
                }
                // Only what the book doesn't hold changed (or both sides agree):
                // the book's change, if any, still goes out, onto this card.
                if (serverChanged)
                    ours.synced = theirs;
                ours.etag = card.etag;
                ours.card = card.vcard;
                ours.conflicted = false;
                ours.serverEtag.clear();
                ours.serverCard.clear();
            }
            book_link::saveCard(db_, ours);
        }
        transaction.commit();
    }

    // In: the cards deleted on the server.
    {
        WriteTransaction transaction(db_);
        for (auto it = linked.begin(); it != linked.end();) {
            LinkedCard& ours = it->second;
            if (!view.etagOf(ours).isEmpty()) {
                ++it;
                continue;
            }
            if (ours.conflicted) {
                // Deleted on the server since: that is the server's version now.
                if (!ours.serverEtag.isEmpty()) {
                    ours.serverEtag.clear();
                    ours.serverCard.clear();
                    book_link::saveCard(db_, ours);
                }
                ++it;
                continue;
            }
            const auto record = records.find(ours.record);
            if (record != records.end() && record->second != ours.synced) {
                ours.conflicted = true;
                ours.serverEtag.clear();
                ours.serverCard.clear();
                book_link::saveCard(db_, ours);
                summary.conflicts << nameOf(record->second);
                ++it;
                continue;
            }
            if (record != records.end()) {
                if (!book_link::deleteRecord(db_, ours.record, record->second)) {
                    behind = true; // saved in the book meanwhile: a conflict next time
                    ++it;
                    continue;
                }
                records.erase(record);
                ++summary.deletedInBook;
            }
            book_link::forgetCard(db_, ours.href);
            it = linked.erase(it);
        }
        transaction.commit();
    }

    // Out: the records changed or deleted in the book, then the new ones.
    PendingWrites pending(db_);
    const int outTotal = int(linked.size());
    int done = 0;
    for (auto& [href, ours] : linked) {
        if (done++ % writeBatch == 0 &&
            !goOn(QCoreApplication::translate("AddressBookSync", "Sending changes"), done,
                  outTotal)) {
            pending.flush();
            return summary;
        }
        // A card the server changed that could not be fetched waits for the next sync.
        if (ours.conflicted || view.etagOf(ours) != ours.etag)
            continue;
        const QUrl url = CardDavClient::urlOf(book, href);
        const auto record = records.find(ours.record);
        const QString name = nameOf(record != records.end() ? record->second : ours.synced);
        try {
            if (record == records.end()) {
                if (client_.remove(url, ours.etag).outcome ==
                    CardDavWrite::Outcome::PreconditionFailed) {
                    summary.refusals
                        << QCoreApplication::translate("AddressBookSync",
                                                       "%1: changed on the server meanwhile, so "
                                                       "it was not deleted there")
                               .arg(name);
                    continue;
                }
                pending.forget(href);
                ++summary.deletedOnServer;
            } else if (record->second != ours.synced) {
                const QByteArray merged =
                    exchange::mergeIntoCard(ours.card, record->second, titles_);
                const CardDavWrite written = client_.put(url, merged, ours.etag);
                if (written.outcome == CardDavWrite::Outcome::PreconditionFailed) {
                    summary.refusals
                        << QCoreApplication::translate("AddressBookSync",
                                                       "%1: changed on the server meanwhile, so "
                                                       "the book's change was not written")
                               .arg(name);
                    continue;
                }
                LinkedCard sent = ours;
                sent.etag = written.etag;
                sent.card = merged;
                sent.synced = record->second;
                pending.save(std::move(sent));
                ++summary.wentOutChanged;
            }
        } catch (const Error& error) {
            const std::optional<QString> why = cardRefusal(error);
            if (!why) {
                // What the server took already stays linked.
                pending.flush();
                throw;
            }
            summary.refusals << QStringLiteral("%1: %2").arg(name, *why);
        }
    }
    int added = 0;
    for (const auto& [duplicateKey, record] : unpaired) {
        if (added++ % writeBatch == 0 &&
            !goOn(QCoreApplication::translate("AddressBookSync", "Sending new records"), added,
                  int(unpaired.size()))) {
            pending.flush();
            return summary;
        }
        const AddressRecord& mine = records.at(record);
        const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QString href = QUrl(book).path() + uid + QStringLiteral(".vcf");
        const QUrl url = CardDavClient::urlOf(book, href);
        const QByteArray card = exchange::newCard(mine, titles_, uid);
        try {
            const CardDavWrite written = client_.put(url, card);
            if (written.outcome == CardDavWrite::Outcome::PreconditionFailed) {
                // Taken: a card written by an earlier sync whose row was lost; adopt
                // it, and the record's values go out with the next sync.
                const auto there = client_.fetch(book, {href});
                const auto theirs =
                    there.empty() ? std::nullopt : recordOf(there.front().vcard, titles_);
                if (theirs)
                    pending.save(inStep(record, href, there.front().etag, uid, *theirs,
                                        there.front().vcard));
                continue;
            }
            pending.save(inStep(record, href, written.etag, uid, mine, card));
            ++summary.wentOutNew;
        } catch (const Error& error) {
            const std::optional<QString> why = cardRefusal(error);
            if (!why) {
                // What the server took already stays linked.
                pending.flush();
                throw;
            }
            summary.refusals << QStringLiteral("%1: %2").arg(nameOf(mine), *why);
        }
    }
    pending.flush();
    // Every conflict still open, found now or by an earlier sync.
    summary.conflicts.clear();
    for (const auto& [href, ours] : linked) {
        if (!ours.conflicted)
            continue;
        const auto record = records.find(ours.record);
        summary.conflicts << nameOf(record != records.end() ? record->second : ours.synced);
    }

    WriteTransaction transaction(db_);
    book_link::saveState(db_, behind ? link->syncToken : view.token,
                         QDateTime::currentDateTimeUtc());
    transaction.commit();
    return summary;
}

std::vector<SyncConflict> AddressBookSync::conflicts() const {
    std::vector<SyncConflict> all;
    const std::map<qint64, AddressRecord> records = book_link::records(db_);
    for (const LinkedCard& card : book_link::cards(db_)) {
        if (!card.conflicted)
            continue;
        SyncConflict conflict{card.href, card.record, nameOf(card.synced), std::nullopt,
                              std::nullopt};
        if (const auto record = records.find(card.record); record != records.end()) {
            conflict.book = record->second;
            conflict.name = nameOf(record->second);
        }
        if (!card.serverCard.isEmpty())
            conflict.server = recordOf(card.serverCard, titles_);
        all.push_back(std::move(conflict));
    }
    return all;
}

void AddressBookSync::resolve(const QString& href, KeepVersion keep) {
    WriteTransaction transaction(db_);
    std::optional<LinkedCard> found;
    for (LinkedCard& card : book_link::cards(db_)) {
        if (card.href == href && card.conflicted)
            found = std::move(card);
    }
    if (!found)
        throw Error(QCoreApplication::translate("AddressBookSync",
                                                "There is no conflict of that card to resolve."),
                    Error::Kind::Usage);
    LinkedCard card = std::move(*found);
    const std::map<qint64, AddressRecord> records = book_link::records(db_);
    const auto record = records.find(card.record);
    const bool recordThere = record != records.end();
    const std::optional<AddressRecord> theirs =
        card.serverCard.isEmpty() ? std::nullopt : recordOf(card.serverCard, titles_);
    card.conflicted = false;
    if (!theirs) {
        // Deleted on the server: keeping the book's record sends it again as a new card.
        if (keep == KeepVersion::Server && recordThere)
            book_link::deleteRecord(db_, card.record, record->second);
        book_link::forgetCard(db_, href);
    } else {
        if (keep == KeepVersion::Server) {
            if (recordThere)
                book_link::writeRecord(db_, card.record, *theirs, record->second);
            else
                card.record = book_link::addRecord(db_, *theirs);
        }
        // The server's version becomes the last synced one: kept from the book, the
        // record differs from it and goes out (or is deleted) with the next sync.
        card.etag = card.serverEtag;
        card.card = card.serverCard;
        card.synced = *theirs;
        card.serverEtag.clear();
        card.serverCard.clear();
        book_link::saveCard(db_, card);
    }
    transaction.commit();
}

} // namespace ravelbook
