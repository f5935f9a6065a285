#pragma once

#include "exchange/carddav/http_transport.h"
#include "exchange/carddav/multistatus.h"

#include <optional>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

namespace ravelbook {

struct CardDavAddressBook {
    QUrl url;
    QString displayName;
};

// A card as the server lists it. The href is the server's path to it, as sent.
struct CardDavEntry {
    QString href;
    QString etag;
};

struct CardDavCard {
    QString href;
    QString etag;
    QByteArray vcard;
};

struct CardDavChanges {
    std::vector<CardDavEntry> changed; // new or changed since the token
    QStringList deleted;               // hrefs gone since the token
    QString token;                     // for the next sync
    bool truncated = false;            // the server sent only part: sync again with the token
};

// Writes that another client may have overtaken: a stale ETag is a result the
// synchronisation handles, not a failure.
struct CardDavWrite {
    enum class Outcome { Stored, PreconditionFailed };
    Outcome outcome = Outcome::Stored;
    QString etag; // the card's new ETag after a PUT, when the server told it
};

// A CardDAV client (RFC 6352) over an HttpTransport. Every call waits for its
// answer; failures throw Error of kind Network with a message for the user,
// which never holds the password.
class CardDavClient {
public:
    CardDavClient(HttpTransport& transport, QString user, QString password);

    // The address books reachable from a URL: a server's address (a bare host
    // name means https, but http for this machine's own), a principal, a home
    // or an address book itself.
    std::vector<CardDavAddressBook> discover(const QString& address);

    std::vector<CardDavEntry> list(const QUrl& book);
    // The cards at those hrefs, asked for in batches; cards gone meanwhile are left out.
    std::vector<CardDavCard> fetch(const QUrl& book, const QStringList& hrefs);
    // What changed since the token (empty: everything). nullopt when the server
    // can't tell (no sync-collection, or the token has expired): list() instead.
    std::optional<CardDavChanges> sync(const QUrl& book, const QString& token);
    // Every card of the book, with one addressbook-query: a first sync's fetch.
    std::vector<CardDavCard> fetchAll(const QUrl& book);
    // The book's sync token now (a PROPFIND of it); empty when the server has none.
    QString syncToken(const QUrl& book);

    // A new card (fails with PreconditionFailed if the href is taken) or, given
    // its ETag, a changed one (PreconditionFailed if it changed meanwhile).
    CardDavWrite put(const QUrl& card, const QByteArray& vcard, const QString& etag = {});
    CardDavWrite remove(const QUrl& card, const QString& etag);

    // The URL of an href from the server, against the book it came from.
    static QUrl urlOf(const QUrl& book, const QString& href);

    static constexpr int fetchBatch = 100;

private:
    // Follows redirects; where they led goes to *landed.
    HttpResponse send(QByteArray method, const QUrl& url, HttpHeaders headers, QByteArray body,
                      QUrl* landed = nullptr);
    HttpResponse davRequest(QByteArray method, const QUrl& url, int depth, const QByteArray& body,
                            QUrl* landed = nullptr);
    MultiStatus multistatus(const HttpResponse& response, const QUrl& url);
    // The cards a REPORT answers with, after those of `cards`.
    void appendCards(const QUrl& book, const QByteArray& report, std::vector<CardDavCard>& cards);
    [[noreturn]] void fail(const HttpResponse& response, const QUrl& url);
    std::optional<CardDavAddressBook> bookAt(const QUrl& url, const DavResponse& response);

    HttpTransport& transport_;
    QByteArray authorization_;
};

} // namespace ravelbook
