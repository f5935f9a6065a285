#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook {

// A WebDAV 207 Multi-Status answer, reduced to what the CardDAV client asks for.
// Property names are "namespace|local", e.g. "DAV:|getetag".
struct DavProperty {
    QString text;        // the text inside, e.g. an ETag or a vCard
    QStringList hrefs;   // the DAV:href elements inside, e.g. a principal
    QStringList members; // the names of the elements right inside, e.g. a resourcetype
};

struct DavResponse {
    QString href;
    int status = 200;                       // of the response itself; 404 for a member gone
    QHash<QString, DavProperty> properties; // only those the server found
};

struct MultiStatus {
    std::vector<DavResponse> responses;
    QString syncToken;

    // Throws Error of kind Network, naming the server, when the XML is broken.
    static MultiStatus parse(const QByteArray& xml, const QString& server);
};

inline const QString davNs = QStringLiteral("DAV:");
inline const QString cardDavNs = QStringLiteral("urn:ietf:params:xml:ns:carddav");

inline QString davName(const QString& ns, const QString& local) {
    return ns + QLatin1Char('|') + local;
}

} // namespace ravelbook
