#include "exchange/carddav/http_transport.h"

#include "core/error.h"

#include <memory>
#include <QBuffer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace ravelbook {

QByteArray HttpResponse::header(const QByteArray& name) const {
    for (const auto& [key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

NetworkTransport::NetworkTransport(std::chrono::milliseconds timeout)
    : timeout_(timeout), manager_(std::make_unique<QNetworkAccessManager>()) {}

NetworkTransport::~NetworkTransport() = default;

namespace {

QString serverOf(const QUrl& url) {
    return url.port() > 0 ? QStringLiteral("%1:%2").arg(url.host()).arg(url.port()) : url.host();
}

} // namespace

HttpResponse NetworkTransport::send(const HttpRequest& request) {
    QNetworkRequest networkRequest(request.url);
    networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                QNetworkRequest::ManualRedirectPolicy);
    // The caller sends the login itself; Qt's cache of logins would outlive it.
    networkRequest.setAttribute(QNetworkRequest::AuthenticationReuseAttribute,
                                QNetworkRequest::Manual);
    for (const auto& [name, value] : request.headers)
        networkRequest.setRawHeader(name, value);
    QBuffer body;
    body.setData(request.body);
    body.open(QIODevice::ReadOnly);
    const std::unique_ptr<QNetworkReply> reply(
        manager_->sendCustomRequest(networkRequest, request.method, &body));

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    bool tooLarge = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) {
                         if (received > maxBodyBytes || total > maxBodyBytes) {
                             tooLarge = true;
                             reply->abort();
                         }
                     });
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maxBodyBytes) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeout_);
    if (!reply->isFinished())
        loop.exec();

    const QString server = serverOf(request.url);
    if (timedOut)
        throw Error(QStringLiteral("The server %1 did not answer within %2 s.")
                        .arg(server)
                        .arg(qMax<qint64>(1, (timeout_.count() + 500) / 1000)),
                    Error::Kind::Network);
    if (tooLarge)
        throw Error(QStringLiteral("The server %1 sent more than %2 MB, which is refused.")
                        .arg(server)
                        .arg(maxBodyBytes / (1024 * 1024)),
                    Error::Kind::Network);
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        throw Error(QStringLiteral("The server %1 could not be reached.").arg(server),
                    Error::Kind::Network, reply->errorString());

    HttpResponse response;
    response.status = status.toInt();
    for (const auto& pair : reply->rawHeaderPairs())
        response.headers.append(pair);
    response.body = reply->readAll();
    return response;
}

} // namespace ravelbook
