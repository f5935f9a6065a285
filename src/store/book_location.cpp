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

QString bookDisplayName(const QString& book) {
    return isServerBook(book) ? book : QDir::toNativeSeparators(QFileInfo(book).absoluteFilePath());
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
