#include "exchange/carddav/carddav_client.h"

#include "core/error.h"

#include <QCoreApplication>
#include <QHostAddress>

namespace ravelbook {

namespace {

QString serverOf(const QUrl& url) {
    return url.port() > 0 ? QStringLiteral("%1:%2").arg(url.host()).arg(url.port()) : url.host();
}

bool sameOrigin(const QUrl& a, const QUrl& b) {
    return a.scheme() == b.scheme() && a.host() == b.host() && a.port() == b.port();
}

bool isLocal(const QString& host) {
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

// "host", "host:port" or a URL, as a URL.
QUrl urlFromAddress(const QString& address) {
    const QString trimmed = address.trimmed();
    if (trimmed.contains(QLatin1String("://")))
        return QUrl(trimmed);
    QUrl url(QStringLiteral("https://") + trimmed);
    if (isLocal(url.host()))
        url.setScheme(QStringLiteral("http"));
    return url;
}

QString pathOf(const QUrl& url) {
    QString path = url.path(QUrl::FullyEncoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QByteArray quoted(const QString& etag) {
    return etag.startsWith(QLatin1Char('"')) || etag.startsWith(QLatin1String("W/"))
               ? etag.toUtf8()
               : '"' + etag.toUtf8() + '"';
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// No ctag or sync-token: a server may work those out over every card, and the
// sync asks for the token itself when it needs one.
const QByteArray bookProperties = R"(<d:prop><d:resourcetype/><d:displayname/>
<d:current-user-principal/><card:addressbook-home-set/></d:prop>)";
const QByteArray namespaces =
    R"(xmlns:d="DAV:" xmlns:card="urn:ietf:params:xml:ns:carddav" xmlns:cs="http://calendarserver.org/ns/")";

QByteArray propfind(const QByteArray& properties) {
    return R"(<?xml version="1.0" encoding="utf-8"?><d:propfind )" + namespaces + '>' + properties +
           "</d:propfind>";
}

const QByteArray cardProperties = "<d:prop><d:getetag/><card:address-data/></d:prop>";

constexpr int maxRedirects = 5;

} // namespace

CardDavClient::CardDavClient(HttpTransport& transport, QString user, QString password)
    : transport_(transport),
      authorization_("Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64()) {}

QUrl CardDavClient::urlOf(const QUrl& book, const QString& href) {
    return book.resolved(QUrl(href, QUrl::StrictMode));
}

HttpResponse CardDavClient::send(QByteArray method, const QUrl& url, HttpHeaders headers,
                                 QByteArray body, QUrl* landed) {
    HttpRequest request{std::move(method), url, std::move(headers), std::move(body)};
    const QUrl origin = url;
    for (int hop = 0;; ++hop) {
        HttpRequest sent = request;
        // The password goes only where the caller sent it, never after a redirect elsewhere.
        if (sameOrigin(sent.url, origin))
            sent.headers.append(qMakePair(QByteArray("Authorization"), authorization_));
        HttpResponse response = transport_.send(sent);
        const bool redirect = response.status == 301 || response.status == 302 ||
                              response.status == 307 || response.status == 308;
        if (!redirect || hop == maxRedirects) {
            if (landed)
                *landed = request.url;
            return response;
        }
        request.url = request.url.resolved(QUrl::fromEncoded(response.header("Location")));
    }
}

HttpResponse CardDavClient::davRequest(QByteArray method, const QUrl& url, int depth,
                                       const QByteArray& body, QUrl* landed) {
    return send(
        std::move(method), url,
        {{"Depth", QByteArray::number(depth)}, {"Content-Type", "application/xml; charset=utf-8"}},
        body, landed);
}

void CardDavClient::fail(const HttpResponse& response, const QUrl& url) {
    const QString server = serverOf(url);
    const QString detail = QStringLiteral("%1 %2").arg(response.status).arg(url.toDisplayString());
    switch (response.status) {
    case 401:
        throw Error(QCoreApplication::translate("CardDavClient",
                                                "The server %1 refused the user name or password.")
                        .arg(server),
                    Error::Kind::Network, detail);
    case 403:
        throw Error(
            QCoreApplication::translate("CardDavClient", "The server %1 refused access to %2.")
                .arg(server, url.path()),
            Error::Kind::Network, detail);
    case 404:
        throw Error(QCoreApplication::translate("CardDavClient", "The server %1 has nothing at %2.")
                        .arg(server, url.path()),
                    Error::Kind::Network, detail);
    case 409:
        throw Error(QCoreApplication::translate(
                        "CardDavClient",
                        "The server %1 refused the change: it conflicts with what it holds "
                        "(another card with the same UID?).")
                        .arg(server),
                    Error::Kind::Network, detail);
    default:
        throw Error(QCoreApplication::translate("CardDavClient",
                                                "The server %1 answered with an error (%2).")
                        .arg(server)
                        .arg(response.status),
                    Error::Kind::Network, detail);
    }
}

MultiStatus CardDavClient::multistatus(const HttpResponse& response, const QUrl& url) {
    if (response.status != 207)
        fail(response, url);
    return MultiStatus::parse(response.body, serverOf(url));
}

std::optional<CardDavAddressBook> CardDavClient::bookAt(const QUrl& url,
                                                        const DavResponse& response) {
    const auto type = response.properties.value(davName(davNs, "resourcetype"));
    if (!type.members.contains(davName(cardDavNs, "addressbook")))
        return std::nullopt;
    CardDavAddressBook book;
    book.url = urlOf(url, response.href);
    book.displayName = response.properties.value(davName(davNs, "displayname")).text.trimmed();
    return book;
}

std::vector<CardDavAddressBook> CardDavClient::discover(const QString& address) {
    QUrl url = urlFromAddress(address);
    // A login written into the address is not how this client is given one.
    url.setUserInfo({});
    if (!url.isValid() || url.host().isEmpty())
        throw Error(
            QCoreApplication::translate("CardDavClient", "\"%1\" is not the address of a server.")
                .arg(address),
            Error::Kind::Network);
    if (url.path().isEmpty() || url.path() == QLatin1String("/")) {
        // RFC 6764: the server says where its CardDAV lives; one that doesn't keeps it at its root.
        QUrl wellKnown = url;
        wellKnown.setPath(QStringLiteral("/.well-known/carddav"));
        QUrl landed;
        const HttpResponse found =
            davRequest("PROPFIND", wellKnown, 0, propfind(bookProperties), &landed);
        if (found.status == 207)
            url = landed;
        else if (found.status == 401)
            fail(found, wellKnown);
        url.setPath(url.path().isEmpty() ? QStringLiteral("/") : url.path());
    }
    // An address book itself, or on to the principal, its home and the books there.
    for (int step = 0; step < 3; ++step) {
        const HttpResponse answer = davRequest("PROPFIND", url, 0, propfind(bookProperties));
        const MultiStatus here = multistatus(answer, url);
        if (here.responses.empty())
            break;
        const DavResponse& self = here.responses.front();
        if (auto book = bookAt(url, self))
            return {*book};
        const QStringList homes =
            self.properties.value(davName(cardDavNs, "addressbook-home-set")).hrefs;
        const QStringList principals =
            self.properties.value(davName(davNs, "current-user-principal")).hrefs;
        if (!homes.isEmpty()) {
            const QUrl home = urlOf(url, homes.front());
            std::vector<CardDavAddressBook> books;
            const MultiStatus members =
                multistatus(davRequest("PROPFIND", home, 1, propfind(bookProperties)), home);
            for (const DavResponse& member : members.responses)
                if (auto book = bookAt(home, member))
                    books.push_back(*book);
            return books;
        }
        if (principals.isEmpty() || pathOf(urlOf(url, principals.front())) == pathOf(url))
            break;
        url = urlOf(url, principals.front());
    }
    throw Error(
        QCoreApplication::translate("CardDavClient", "The server %1 shows no address books at %2.")
            .arg(serverOf(url), url.path()),
        Error::Kind::Network);
}

std::vector<CardDavEntry> CardDavClient::list(const QUrl& book) {
    const MultiStatus answer = multistatus(
        davRequest("PROPFIND", book, 1, propfind("<d:prop><d:resourcetype/><d:getetag/></d:prop>")),
        book);
    std::vector<CardDavEntry> entries;
    const QString self = pathOf(book);
    for (const DavResponse& response : answer.responses) {
        const auto type = response.properties.value(davName(davNs, "resourcetype"));
        if (type.members.contains(davName(davNs, "collection")) || response.status / 100 != 2 ||
            pathOf(urlOf(book, response.href)) == self)
            continue;
        entries.push_back(
            {response.href, response.properties.value(davName(davNs, "getetag")).text.trimmed()});
    }
    return entries;
}

void CardDavClient::appendCards(const QUrl& book, const QByteArray& report,
                                std::vector<CardDavCard>& cards) {
    const MultiStatus answer = multistatus(davRequest("REPORT", book, 1, report), book);
    for (const DavResponse& response : answer.responses) {
        const auto data = response.properties.find(davName(cardDavNs, "address-data"));
        if (response.status / 100 != 2 || data == response.properties.end())
            continue;
        cards.push_back({response.href,
                         response.properties.value(davName(davNs, "getetag")).text.trimmed(),
                         data->text.toUtf8()});
    }
}

std::vector<CardDavCard> CardDavClient::fetch(const QUrl& book, const QStringList& hrefs) {
    std::vector<CardDavCard> cards;
    for (qsizetype start = 0; start < hrefs.size(); start += fetchBatch) {
        QByteArray body = R"(<?xml version="1.0" encoding="utf-8"?><card:addressbook-multiget )" +
                          namespaces + '>' + cardProperties;
        for (const QString& href : hrefs.mid(start, fetchBatch))
            body += "<d:href>" + escaped(href).toUtf8() + "</d:href>";
        body += "</card:addressbook-multiget>";
        appendCards(book, body, cards);
    }
    return cards;
}

std::vector<CardDavCard> CardDavClient::fetchAll(const QUrl& book) {
    std::vector<CardDavCard> cards;
    appendCards(book,
                R"(<?xml version="1.0" encoding="utf-8"?><card:addressbook-query )" + namespaces +
                    '>' + cardProperties + "</card:addressbook-query>",
                cards);
    return cards;
}

QString CardDavClient::syncToken(const QUrl& book) {
    const MultiStatus answer = multistatus(
        davRequest("PROPFIND", book, 0, propfind("<d:prop><d:sync-token/></d:prop>")), book);
    for (const DavResponse& response : answer.responses) {
        const QString token =
            response.properties.value(davName(davNs, "sync-token")).text.trimmed();
        if (response.status / 100 == 2 && !token.isEmpty())
            return token;
    }
    return {};
}

std::optional<CardDavChanges> CardDavClient::sync(const QUrl& book, const QString& token) {
    const QByteArray body = R"(<?xml version="1.0" encoding="utf-8"?><d:sync-collection )" +
                            namespaces + "><d:sync-token>" + escaped(token).toUtf8() +
                            "</d:sync-token><d:sync-level>1</d:sync-level>"
                            "<d:prop><d:getetag/></d:prop></d:sync-collection>";
    const HttpResponse answer = davRequest("REPORT", book, 0, body);
    // Not offered (501, 405, or 403 naming DAV:supported-report), or the token is
    // no longer known (403 or 409 naming DAV:valid-sync-token): the caller lists
    // the book instead.
    const bool refusedWhy =
        (answer.status == 403 || answer.status == 409) &&
        (answer.body.contains("valid-sync-token") || answer.body.contains("supported-report"));
    if (answer.status == 501 || answer.status == 405 || refusedWhy)
        return std::nullopt;
    const MultiStatus changes = multistatus(answer, book);
    CardDavChanges result;
    result.token = changes.syncToken;
    const QString self = pathOf(book);
    for (const DavResponse& response : changes.responses) {
        // The book itself answers only to say the list was cut short (RFC 6578 3.6).
        if (pathOf(urlOf(book, response.href)) == self) {
            result.truncated = result.truncated || response.status == 507;
            continue;
        }
        if (response.status == 404)
            result.deleted.append(response.href);
        else
            result.changed.push_back(
                {response.href,
                 response.properties.value(davName(davNs, "getetag")).text.trimmed()});
    }
    return result;
}

CardDavWrite CardDavClient::put(const QUrl& card, const QByteArray& vcard, const QString& etag) {
    HttpHeaders headers{{"Content-Type", "text/vcard; charset=utf-8"}};
    if (etag.isEmpty())
        headers.append(qMakePair(QByteArray("If-None-Match"), QByteArray("*")));
    else
        headers.append(qMakePair(QByteArray("If-Match"), quoted(etag)));
    const HttpResponse answer = send("PUT", card, std::move(headers), vcard);
    if (answer.status == 412)
        return {CardDavWrite::Outcome::PreconditionFailed, {}};
    if (answer.status / 100 != 2)
        fail(answer, card);
    return {CardDavWrite::Outcome::Stored, QString::fromUtf8(answer.header("ETag"))};
}

CardDavWrite CardDavClient::remove(const QUrl& card, const QString& etag) {
    HttpHeaders headers;
    if (!etag.isEmpty())
        headers.append(qMakePair(QByteArray("If-Match"), quoted(etag)));
    const HttpResponse answer = send("DELETE", card, std::move(headers), {});
    if (answer.status == 412)
        return {CardDavWrite::Outcome::PreconditionFailed, {}};
    // Gone already is what was asked for.
    if (answer.status / 100 != 2 && answer.status != 404)
        fail(answer, card);
    return {};
}

} // namespace ravelbook
