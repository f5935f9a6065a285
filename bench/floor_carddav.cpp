// The floor of a first sync: a bare Qt program that fetches every card of an
// address book with one addressbook-query REPORT and counts them.
//   ravelbook_floor_carddav URL USER PASSWORD
#include <cstdio>
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: ravelbook_floor_carddav URL USER PASSWORD\n", stderr);
        return 2;
    }
    QNetworkRequest request(QUrl(QString::fromLocal8Bit(argv[1])));
    request.setRawHeader("Authorization",
                         "Basic " + (QByteArray(argv[2]) + ':' + argv[3]).toBase64());
    request.setRawHeader("Depth", "1");
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/xml; charset=utf-8");
    const QByteArray body =
        R"(<?xml version="1.0" encoding="utf-8"?>)"
        R"(<c:addressbook-query xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">)"
        R"(<d:prop><d:getetag/><c:address-data/></d:prop></c:addressbook-query>)";
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.sendCustomRequest(request, "REPORT", body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray answer = reply->readAll();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    reply->deleteLater();
    if (status != 207) {
        std::fprintf(stderr, "the server answered %d\n", status);
        return 1;
    }
    std::printf("%lld cards\n", static_cast<long long>(answer.count("BEGIN:VCARD")));
    return 0;
}
