#pragma once

#include <memory>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace ravelbook::testing {

// A CardDAV server of the test's own: Debian's radicale on 127.0.0.1, in a
// scratch folder (tools/radicale-server), plain or over HTTPS with a
// self-signed certificate; stopped when dropped. Not running when radicale
// (or, over HTTPS, openssl) is not installed: the tests then skip.
class Radicale {
public:
    enum class Over { Http, Https };

    explicit Radicale(Over over = Over::Http) {
        QStringList arguments{QStringLiteral("start"), state()};
        if (over == Over::Https)
            arguments << QStringLiteral("--tls");
        QProcess::execute(QStringLiteral(RAVELBOOK_RADICALE_SERVER), arguments);
    }
    ~Radicale() { QProcess::execute(QStringLiteral(RAVELBOOK_RADICALE_SERVER), {"stop", state()}); }
    Radicale(const Radicale&) = delete;
    Radicale& operator=(const Radicale&) = delete;

    bool running() const { return !value("url").isEmpty(); }
    // What the server script wrote: "url", "book", "user", "password", "certificate", …
    QString value(const char* name) const {
        QFile file(state() + QLatin1Char('/') + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed()
                                              : QString();
    }
    QString state() const { return dir_.filePath(QStringLiteral("radicale")); }

    // A new, empty address book of the user's, named `name`, made through a
    // transport of the CardDAV client (HttpTransport); its URL.
    template <typename Transport> QUrl newAddressBook(Transport& transport, const QString& name) {
        const QUrl url = QUrl(value("url")).resolved(QUrl(value("user") + "/" + name + "/"));
        const auto made = transport.send(
            {"MKCOL",
             url,
             {{"Authorization",
               "Basic " + (value("user") + ":" + value("password")).toUtf8().toBase64()},
              {"Content-Type", "application/xml"}},
             R"(<?xml version="1.0"?><d:mkcol xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">)"
             R"(<d:set><d:prop><d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>)"
             R"(</d:prop></d:set></d:mkcol>)"});
        return made.status == 201 ? url : QUrl();
    }

private:
    QTemporaryDir dir_;
};

} // namespace ravelbook::testing
