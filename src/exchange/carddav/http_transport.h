#pragma once

#include <chrono>
#include <memory>

class QNetworkAccessManager;
#include <QByteArray>
#include <QList>
#include <QPair>
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

// Over QNetworkAccessManager, in a local event loop with a deadline, so that
// commands and the synchronisation can call it straight. Redirects are the
// caller's: they say where the password may go.
class NetworkTransport : public HttpTransport {
public:
    static constexpr qint64 maxBodyBytes = 64 * 1024 * 1024;

    explicit NetworkTransport(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    ~NetworkTransport() override;
    HttpResponse send(const HttpRequest& request) override;

private:
    std::chrono::milliseconds timeout_;
    // Kept, so that the requests of a sync share its connections.
    std::unique_ptr<QNetworkAccessManager> manager_;
};

} // namespace ravelbook
