#include "store/book_location.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QUrlQuery>

namespace ravelbook {

bool isServerBook(const QString& book) {
    return book.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           book.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

namespace {

// A URI as it may be shown: a password in it (which the program refuses) never is.
QString withoutPassword(const QString& uri) {
    const QString masked = QStringLiteral("***");
    QUrl url(uri);
    if (!url.isValid()) {
        // Where a password would be can't be told: nothing of it is shown rather than too much.
        const bool mayHoldOne = uri.contains(QLatin1Char('@')) ||
                                uri.contains(QLatin1String("password"), Qt::CaseInsensitive);
        return mayHoldOne ? QStringLiteral("postgresql://***") : uri;
    }
    bool changed = false;
    if (!url.password().isEmpty()) {
        url.setPassword(masked);
        changed = true;
    }
    QUrlQuery query(url);
    for (const auto& [key, value] : query.queryItems()) {
        if (key.compare(QLatin1String("password"), Qt::CaseInsensitive) == 0) {
            query.removeAllQueryItems(key);
            query.addQueryItem(key, masked);
            changed = true;
        }
    }
    if (!changed)
        return uri;
    url.setQuery(query);
    return url.toString();
}

} // namespace

QString bookDisplayName(const QString& book) {
    return isServerBook(book) ? withoutPassword(book)
                              : QDir::toNativeSeparators(QFileInfo(book).absoluteFilePath());
}

QString canonicalBook(const QString& book) {
    return isServerBook(book) ? book : QFileInfo(book).absoluteFilePath();
}

QString serverBookUri(const ServerBookFields& fields) {
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(fields.user.trimmed());
    const QString host = fields.host.trimmed();
    const bool socketFolder = host.startsWith(QLatin1Char('/'));
    url.setHost(socketFolder ? QString() : host);
    if (fields.port > 0)
        url.setPort(fields.port);
    url.setPath(QLatin1Char('/') + fields.database.trimmed());
    if (socketFolder) {
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("host"), host);
        url.setQuery(query);
    }
    QString uri = url.toString(QUrl::FullyEncoded);
    // QUrl writes "postgresql:/db" for a URI without an authority; libpq wants the slashes.
    if (!uri.startsWith(QLatin1String("postgresql://")))
        uri.replace(0, int(qstrlen("postgresql:")), QStringLiteral("postgresql://"));
    return uri;
}

ServerBookFields serverBookFields(const QString& uri) {
    const QUrl url(uri);
    ServerBookFields fields;
    fields.host = url.host();
    if (fields.host.isEmpty())
        fields.host = QUrlQuery(url).queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    fields.port = std::max(0, url.port());
    fields.database = url.path(QUrl::FullyDecoded).mid(1);
    fields.user = url.userName(QUrl::FullyDecoded);
    return fields;
}

} // namespace ravelbook
