#pragma once

#include "core/error.h"

#include <chrono>
#include <map>
#include <memory>

class QNetworkAccessManager;
class QSslCertificate;
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

namespace ravelbook {

using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

struct HttpRequest {
    QByteArray method;
    QUrl url;
    HttpHeaders headers;
    QByteArray body;
};

struct HttpResponse {
    int status = 0;
    HttpHeaders headers;
    QByteArray body;

    // The first header of that name, compared without case; empty when absent.
    QByteArray header(const QByteArray& name) const;
};

// One request in, one answer out, waited for. Any status the server sends is an
// answer; only a server that can't be reached, that doesn't answer in time or
// that sends too much throws, as Error of kind Network.
class HttpTransport {
public:
    virtual ~HttpTransport() = default;
    virtual HttpResponse send(const HttpRequest& request) = 0;
};

// An HTTPS server whose certificate can't be verified, refused. Of kind
// Network; it names the certificate, so that the user may choose to trust it.
class UntrustedCertificateError : public Error {
public:
    UntrustedCertificateError(const QUrl& url, QString fingerprint, QString detail);
    const QString& server() const { return server_; }           // serverKey() of the URL
    const QString& fingerprint() const { return fingerprint_; } // SHA-256, "AB:CD:…"

private:
    QString server_;
    QString fingerprint_;
};

// Certificates trusted though they can't be verified: a server ("host:port")
// to the SHA-256 fingerprint of the one certificate it may present.
using TrustedCertificates = std::map<QString, QString>;

// Over QNetworkAccessManager, in a local event loop with a deadline, so that
// commands and the synchronisation can call it straight. Redirects are the
// caller's: they say where the password may go.
class NetworkTransport : public HttpTransport {
public:
    static constexpr qint64 maxBodyBytes = 64 * 1024 * 1024;

    explicit NetworkTransport(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    ~NetworkTransport() override;
    HttpResponse send(const HttpRequest& request) override;

    // Certificates are verified as Qt does; a server listed here is accepted
    // also when it presents exactly the certificate listed for it.
    void setTrustedCertificates(TrustedCertificates trusted);

    // "host:port" of the URL, the port being its scheme's when it names none.
    static QString serverKey(const QUrl& url);
    // The SHA-256 of the certificate as "AB:CD:…", as openssl and browsers show it.
    static QString fingerprint(const QSslCertificate& certificate);

private:
    std::chrono::milliseconds timeout_;
    TrustedCertificates trusted_;
    // Kept, so that the requests of a sync share its connections.
    std::unique_ptr<QNetworkAccessManager> manager_;
};

} // namespace ravelbook
