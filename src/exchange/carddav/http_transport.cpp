#include "exchange/carddav/http_transport.h"

#include <memory>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslError>
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

void NetworkTransport::setTrustedCertificates(TrustedCertificates trusted) {
    trusted_ = std::move(trusted);
}

QString NetworkTransport::serverKey(const QUrl& url) {
    const int defaultPort = url.scheme() == QLatin1String("http") ? 80 : 443;
    return QStringLiteral("%1:%2").arg(url.host()).arg(url.port(defaultPort));
}

QString NetworkTransport::fingerprint(const QSslCertificate& certificate) {
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

namespace {

QString serverOf(const QUrl& url) {
    return url.port() > 0 ? QStringLiteral("%1:%2").arg(url.host()).arg(url.port()) : url.host();
}

} // namespace

UntrustedCertificateError::UntrustedCertificateError(const QUrl& url, QString fingerprint,
                                                     QString detail)
    : Error(QCoreApplication::translate("HttpTransport",
                                        "The certificate of %1 is not trusted (SHA-256 %2).")
                .arg(serverOf(url), fingerprint),
            Kind::Network, std::move(detail)),
      server_(NetworkTransport::serverKey(url)), fingerprint_(std::move(fingerprint)) {}

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
    // Refused unless it is the one certificate trusted for this server.
    QString refusedFingerprint;
    QString refusedWhy;
    QObject::connect(
        reply.get(), &QNetworkReply::sslErrors, &loop, [&](const QList<QSslError>& errors) {
            const QString presented = fingerprint(reply->sslConfiguration().peerCertificate());
            const auto trusted = trusted_.find(serverKey(request.url));
            if (trusted != trusted_.end() &&
                trusted->second.compare(presented, Qt::CaseInsensitive) == 0) {
                reply->ignoreSslErrors(errors);
                return;
            }
            refusedFingerprint = presented;
            QStringList why;
            for (const QSslError& error : errors)
                why.append(error.errorString());
            refusedWhy = why.join(QLatin1Char(' '));
        });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeout_);
    if (!reply->isFinished())
        loop.exec();

    const QString server = serverOf(request.url);
    if (timedOut)
        throw Error(QCoreApplication::translate("HttpTransport",
                                                "The server %1 did not answer within %2 s.")
                        .arg(server)
                        .arg(qMax<qint64>(1, (timeout_.count() + 500) / 1000)),
                    Error::Kind::Network);
    if (tooLarge)
        throw Error(QCoreApplication::translate(
                        "HttpTransport", "The server %1 sent more than %2 MB, which is refused.")
                        .arg(server)
                        .arg(maxBodyBytes / (1024 * 1024)),
                    Error::Kind::Network);
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() && !refusedFingerprint.isEmpty())
        throw UntrustedCertificateError(request.url, refusedFingerprint, refusedWhy);
    if (!status.isValid())
        throw Error(
            QCoreApplication::translate("HttpTransport", "The server %1 could not be reached.")
                .arg(server),
            Error::Kind::Network, reply->errorString());

    HttpResponse response;
    response.status = status.toInt();
    for (const auto& pair : reply->rawHeaderPairs())
        response.headers.append(pair);
    response.body = reply->readAll();
    return response;
}

} // namespace ravelbook
