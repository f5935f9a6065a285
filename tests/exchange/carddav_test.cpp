// The CardDAV client against radicales of the test's own (plain and over
// HTTPS), and against local servers that answer badly or not at all; where
// its passwords come from.
#include "core/error.h"
#include "exchange/carddav/carddav_client.h"
#include "exchange/carddav/keyring_passwords.h"
#include "exchange/carddav/password_source.h"
#include "settings/ini_settings_store.h"
#include "settings/trusted_certificates.h"
#include "support/radicale.h"

#include <gtest/gtest.h>
#include <memory>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

using namespace ravelbook;
using namespace std::chrono_literals;

namespace {

class CardDav : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<ravelbook::testing::Radicale>(); }
    static void TearDownTestSuite() { server_.reset(); }
    void SetUp() override {
        if (value("url").isEmpty())
            GTEST_SKIP()
                << "radicale did not start (is it installed?): no CardDAV server to test against";
        // Each test on an address book of its own, so that none sees another's cards.
        const QString name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        book_ = server_->newAddressBook(transport_, name);
        ASSERT_FALSE(book_.isEmpty());
    }
    static QString value(const char* name) { return server_->value(name); }
    CardDavClient client(const QString& password = value("password")) {
        return CardDavClient(transport_, value("user"), password);
    }
    QUrl cardUrl(const QString& name) const { return book_.resolved(QUrl(name + ".vcf")); }
    static QByteArray vcard(const QString& name) {
        return ("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + name.section(' ', 0, 0) + "\r\nFN:" + name +
                "\r\nN:" + name + ";;;;\r\nEND:VCARD\r\n")
            .toUtf8();
    }

    inline static std::unique_ptr<ravelbook::testing::Radicale> server_;
    NetworkTransport transport_{5s};
    QUrl book_;
};

TEST_F(CardDav, DiscoversTheAddressBooks) {
    const QUrl base(value("url"));
    struct Row {
        QString address;
        QString book; // the one found, the one asked for or the test's own
    };
    const Row rows[] = {
        {QString("%1:%2").arg(base.host()).arg(base.port()), value("book")},
        {base.toString(), value("book")},
        {value("book"), value("book")},
        {book_.toString(), book_.toString()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.address.toStdString());
        const auto books = client().discover(row.address);
        std::vector<QUrl> urls;
        for (const auto& book : books)
            urls.push_back(book.url);
        EXPECT_NE(std::find(urls.begin(), urls.end(), QUrl(row.book)), urls.end());
    }
    EXPECT_EQ(client().discover(value("book")).front().displayName, "Contacts");
}

TEST_F(CardDav, RefusesAWrongPassword) {
    try {
        client("wrong horse").discover(value("url"));
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.kind(), Error::Kind::Network);
        EXPECT_TRUE(error.message().contains("refused the user name or password"))
            << error.message().toStdString();
        EXPECT_FALSE(error.message().contains("horse"));
        EXPECT_FALSE(error.detail().contains("horse"));
    }
}

TEST_F(CardDav, WritesListsAndFetchesCards) {
    auto dav = client();
    using Outcome = CardDavWrite::Outcome;
    const CardDavWrite first = dav.put(cardUrl("ada"), vcard("Ada"));
    ASSERT_EQ(first.outcome, Outcome::Stored);
    EXPECT_FALSE(first.etag.isEmpty());
    EXPECT_EQ(dav.put(cardUrl("ada"), vcard("Ada")).outcome, Outcome::PreconditionFailed);

    const auto entries = dav.list(book_);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(CardDavClient::urlOf(book_, entries[0].href), cardUrl("ada"));
    EXPECT_EQ(entries[0].etag, first.etag);
    const auto cards = dav.fetch(book_, {entries[0].href, book_.path() + "gone.vcf"});
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_TRUE(cards[0].vcard.contains("FN:Ada"));
    EXPECT_EQ(cards[0].etag, first.etag);

    const CardDavWrite changed = dav.put(cardUrl("ada"), vcard("Ada Lovelace"), first.etag);
    ASSERT_EQ(changed.outcome, Outcome::Stored);
    EXPECT_NE(changed.etag, first.etag);
    EXPECT_EQ(dav.put(cardUrl("ada"), vcard("Ada King"), first.etag).outcome,
              Outcome::PreconditionFailed);
    EXPECT_EQ(dav.remove(cardUrl("ada"), first.etag).outcome, Outcome::PreconditionFailed);
    EXPECT_EQ(dav.remove(cardUrl("ada"), changed.etag).outcome, Outcome::Stored);
    EXPECT_TRUE(dav.list(book_).empty());
}

TEST_F(CardDav, SyncsWhatChangedSinceTheToken) {
    auto dav = client();
    const QString ada = dav.put(cardUrl("ada"), vcard("Ada")).etag;
    dav.put(cardUrl("bob"), vcard("Bob"));
    const auto first = dav.sync(book_, {});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->changed.size(), 2u);
    const auto second = dav.sync(book_, first->token);
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->changed.empty());
    EXPECT_TRUE(second->deleted.isEmpty());

    const QString changedEtag = dav.put(cardUrl("ada"), vcard("Ada Lovelace"), ada).etag;
    dav.remove(cardUrl("bob"), {});
    const auto third = dav.sync(book_, second->token);
    ASSERT_TRUE(third);
    ASSERT_EQ(third->changed.size(), 1u);
    EXPECT_EQ(CardDavClient::urlOf(book_, third->changed[0].href), cardUrl("ada"));
    EXPECT_EQ(third->changed[0].etag, changedEtag);
    ASSERT_EQ(third->deleted.size(), 1);
    EXPECT_EQ(CardDavClient::urlOf(book_, third->deleted[0]), cardUrl("bob"));
    // A token the server doesn't know: list the book instead.
    EXPECT_FALSE(dav.sync(book_, "http://radicale.org/ns/sync/unknown"));
}

// The same radicale over HTTPS, with a self-signed certificate of its own.
class CardDavTls : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server_ = std::make_unique<ravelbook::testing::Radicale>(
            ravelbook::testing::Radicale::Over::Https);
    }
    static void TearDownTestSuite() { server_.reset(); }
    void SetUp() override {
        if (value("url").isEmpty())
            GTEST_SKIP() << "radicale did not start over HTTPS (are radicale and openssl "
                            "installed?): no CardDAV server to test against";
    }
    static QString value(const char* name) { return server_->value(name); }
    // As openssl tells it: "sha256 Fingerprint=AB:CD:…".
    static QString opensslFingerprint(const QString& certificate) {
        QProcess openssl;
        openssl.start("openssl", {"x509", "-noout", "-fingerprint", "-sha256", "-in", certificate});
        openssl.waitForFinished();
        return QString::fromLatin1(openssl.readAllStandardOutput()).trimmed().section('=', 1);
    }
    // A certificate for the same host that the server doesn't present.
    static QString otherCertificate(const QTemporaryDir& dir) {
        QProcess openssl;
        openssl.setStandardErrorFile(QProcess::nullDevice());
        openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                                  "-subj", "/CN=127.0.0.1", "-keyout", dir.filePath("key"), "-out",
                                  dir.filePath("certificate")});
        openssl.waitForFinished();
        return dir.filePath("certificate");
    }
    std::vector<CardDavAddressBook> discover(NetworkTransport& transport,
                                             const QString& password = value("password")) {
        return CardDavClient(transport, value("user"), password).discover(value("url"));
    }

    inline static std::unique_ptr<ravelbook::testing::Radicale> server_;
};

TEST_F(CardDavTls, RefusesAnUntrustedCertificateNamingIt) {
    const QString fingerprint = opensslFingerprint(server_->state() + "/certificate");
    ASSERT_EQ(fingerprint.size(), 95) << "openssl gave no fingerprint";
    QTemporaryDir other;
    const QString otherFingerprint = opensslFingerprint(otherCertificate(other));
    ASSERT_EQ(otherFingerprint.size(), 95);
    const QUrl url(value("url"));
    const QString server = QString("127.0.0.1:%1").arg(url.port());
    const TrustedCertificates rows[] = {
        {},
        {{server, otherFingerprint}},
        {{QString("localhost:%1").arg(url.port()), fingerprint}},
        {{QString("127.0.0.1:%1").arg(url.port() + 1), fingerprint}},
    };
    for (const TrustedCertificates& trusted : rows) {
        SCOPED_TRACE(trusted.empty() ? "none trusted" : trusted.begin()->first.toStdString());
        NetworkTransport transport(5s);
        transport.setTrustedCertificates(trusted);
        try {
            discover(transport);
            ADD_FAILURE() << "no error";
        } catch (const UntrustedCertificateError& error) {
            EXPECT_EQ(error.kind(), Error::Kind::Network);
            EXPECT_EQ(error.message(), QString("The certificate of %1 is not trusted (SHA-256 %2).")
                                           .arg(server, fingerprint));
            EXPECT_EQ(error.fingerprint(), fingerprint);
            EXPECT_EQ(error.server(), server);
        }
    }
}

TEST_F(CardDavTls, DiscoversOnceItsCertificateIsTrustedInTheSettings) {
    NetworkTransport transport(5s);
    QString fingerprint;
    QString server;
    try {
        discover(transport);
        FAIL() << "an untrusted certificate was accepted";
    } catch (const UntrustedCertificateError& error) {
        fingerprint = error.fingerprint();
        server = error.server();
    }
    QTemporaryDir settingsDir;
    {
        IniSettingsStore store(settingsDir.path());
        TrustedCertificateSettings(store).trust(server, fingerprint);
    }
    IniSettingsStore store(settingsDir.path());
    transport.setTrustedCertificates(TrustedCertificateSettings(store).all());
    const auto books = discover(transport);
    ASSERT_FALSE(books.empty());
    EXPECT_EQ(books.front().url, QUrl(value("book")));
    try {
        discover(transport, "wrong horse");
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_TRUE(error.message().contains("refused the user name or password"))
            << error.message().toStdString();
        EXPECT_FALSE(error.message().contains("horse"));
    }
}

// A local server that answers every request with the same bytes, or not at all.
class ScriptedServer {
public:
    explicit ScriptedServer(QByteArray answer) : answer_(std::move(answer)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                socket->readAll();
                if (!answer_.isEmpty())
                    socket->write(answer_);
            });
        });
    }
    QUrl url() const {
        return QUrl(QString("http://127.0.0.1:%1/book/").arg(server_.serverPort()));
    }

private:
    QByteArray answer_;
    QTcpServer server_;
};

TEST(CardDavFailures, EndInANetworkErrorForTheUser) {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const QUrl closedUrl(QString("http://127.0.0.1:%1/").arg(closed.serverPort()));
    closed.close();
    struct Row {
        QByteArray answer; // none: the server never answers
        QString message;
    };
    const Row rows[] = {
        {{}, "did not answer within 1 s"},
        {"HTTP/1.1 207 Multi-Status\r\nContent-Length: 10\r\n\r\n<a><b></a>", "could not be read"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", "answered with an error (200)"},
        {"HTTP/1.1 207 Multi-Status\r\nContent-Length: 70000000\r\n\r\n<multistatus",
         "more than 64 MB"},
        {"HTTP/1.1 500 Oops\r\nContent-Length: 0\r\n\r\n", "answered with an error (500)"},
    };
    NetworkTransport transport(1s);
    CardDavClient client(transport, "user", "secret");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        ScriptedServer server(row.answer);
        try {
            client.list(server.url());
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.kind(), Error::Kind::Network);
            EXPECT_TRUE(error.message().contains(row.message)) << error.message().toStdString();
        }
    }
    // A server that takes the connection and never begins the TLS handshake.
    ScriptedServer stalled({});
    QUrl stalledUrl = stalled.url();
    stalledUrl.setScheme("https");
    try {
        client.list(stalledUrl);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_TRUE(error.message().contains("did not answer within 1 s"))
            << error.message().toStdString();
    }
    try {
        client.list(closedUrl);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_TRUE(error.message().contains("could not be reached"))
            << error.message().toStdString();
    }
}

// A netrc file of the test's own, named by $NETRC while the test runs.
// A list of changes cut short (507 on the book itself) goes on from the token it gave.
TEST(CardDavFailures, ASyncCutShortSaysSoWithItsToken) {
    const QByteArray body =
        R"(<?xml version="1.0"?><d:multistatus xmlns:d="DAV:">)"
        R"(<d:response><d:href>/book/ada.vcf</d:href><d:propstat><d:prop>)"
        R"(<d:getetag>"1"</d:getetag></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>)"
        R"(</d:response><d:response><d:href>/book/</d:href>)"
        R"(<d:status>HTTP/1.1 507 Insufficient Storage</d:status></d:response>)"
        R"(<d:sync-token>http://example.org/sync/2</d:sync-token></d:multistatus>)";
    ScriptedServer server("HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\n"
                          "Content-Length: " +
                          QByteArray::number(body.size()) + "\r\n\r\n" + body);
    NetworkTransport transport(1s);
    CardDavClient client(transport, "user", "secret");
    const auto changes = client.sync(server.url(), "http://example.org/sync/1");
    ASSERT_TRUE(changes);
    EXPECT_TRUE(changes->truncated);
    EXPECT_EQ(changes->token, "http://example.org/sync/2");
    ASSERT_EQ(changes->changed.size(), 1u);
    EXPECT_EQ(changes->changed[0].href, "/book/ada.vcf");
    EXPECT_EQ(changes->changed[0].etag, "\"1\"");
}

class NetrcFile {
public:
    explicit NetrcFile(const QByteArray& text) : previous_(qgetenv("NETRC")) {
        QFile file(path());
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
        qputenv("NETRC", path().toLocal8Bit());
    }
    ~NetrcFile() { qputenv("NETRC", previous_); }
    QString path() const { return dir_.filePath("netrc"); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

TEST(Passwords, ComeFromTheNetrcEntryOfTheServerAndUser) {
    struct Row {
        const char* netrc; // nullptr: no file
        const char* url;
        const char* user;
        std::optional<QString> password;
    };
    const Row rows[] = {
        {"machine dav.example.org login ada password one", "https://dav.example.org/", "ada",
         "one"},
        {"machine DAV.example.org\n  login ada\n  password one\n", "https://dav.example.org/",
         "ada", "one"},
        {"machine dav.example.org:8443 login ada password two", "https://dav.example.org:8443/",
         "ada", "two"},
        {"machine dav.example.org:8443 login ada password two",
         "https://dav.example.org/",
         "ada",
         {}},
        {"machine dav.example.org:443 login ada password three", "https://dav.example.org/", "ada",
         "three"},
        {"machine dav.example.org:80 login ada password four", "http://dav.example.org/x/", "ada",
         "four"},
        {"machine dav.example.org login bob password bobs", "https://dav.example.org/", "ada", {}},
        {"machine dav.example.org login bob password bobs\nmachine dav.example.org login ada "
         "password adas",
         "https://dav.example.org/", "ada", "adas"},
        {"machine other.example.org login ada password no\ndefault login ada password any",
         "https://dav.example.org/", "ada", "any"},
        {"default login bob password any", "https://dav.example.org/", "ada", {}},
        {"machine dav.example.org login ada password \"right horse\"", "https://dav.example.org/",
         "ada", "right horse"},
        {"machine dav.example.org login ada password \"say \\\"hi\\\"\"",
         "https://dav.example.org/", "ada", "say \"hi\""},
        {"macdef init\ncd /\nmachine dav.example.org login ada password inside\n\nmachine "
         "dav.example.org login ada password after",
         "https://dav.example.org/", "ada", "after"},
        {"machine dav.example.org login ada account home password five", "https://dav.example.org/",
         "ada", "five"},
        {nullptr, "https://dav.example.org/", "ada", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.netrc ? row.netrc : "no file");
        QTemporaryDir dir;
        const QString file = dir.filePath("netrc");
        if (row.netrc) {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(row.netrc);
        }
        EXPECT_EQ(NetrcPasswords(file).password(QUrl(row.url), row.user), row.password);
    }
}

TEST(Passwords, WithoutAKeyringComeFromTheNetrc) {
    // No session bus to find a keyring on, as on a server or in a console.
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/ravelbook-test-bus");
    const QUrl server("https://dav.example.org/");
    QElapsedTimer timer;
    timer.start();
    KeyringPasswords keyring(20s);
    EXPECT_FALSE(keyring.password(server, "ada"));
    EXPECT_FALSE(keyring.keep(server, "ada", "secret"));
    EXPECT_LT(timer.elapsed(), 20000) << "waited for a keyring that isn't there";
    {
        NetrcFile netrc("machine dav.example.org login ada password from-netrc\n");
        EXPECT_EQ(standardPasswordSource()->password(server, "ada"), "from-netrc");
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
}

// Run by tools/keyring-session, in a D-Bus session with a keyring of its own.
TEST(KeyringSession, KeepsAPasswordAndReadsItBack) {
    if (qEnvironmentVariable("RAVELBOOK_TEST_KEYRING") != "1")
        GTEST_SKIP() << "no keyring of the test's own: run under tools/keyring-session";
    const QUrl server("https://dav.example.org:8443/dav/");
    EXPECT_EQ(KeyringPasswords::key(server, "ada"), "carddav:ada@dav.example.org:8443");
    EXPECT_FALSE(KeyringPasswords().password(server, "ada"));
    ASSERT_TRUE(keepInKeyring(server, "ada", "from keyring"));
    EXPECT_EQ(KeyringPasswords().password(server, "ada"), "from keyring");
    EXPECT_EQ(KeyringPasswords().password(QUrl("https://dav.example.org:8443/other/"), "ada"),
              "from keyring");
    EXPECT_FALSE(KeyringPasswords().password(server, "bob"));
    EXPECT_FALSE(KeyringPasswords().password(QUrl("https://dav.example.org/"), "ada"));
    ASSERT_TRUE(keepInKeyring(server, "ada", "changed"));
    NetrcFile netrc("machine dav.example.org login ada password from-netrc\n");
    EXPECT_EQ(standardPasswordSource()->password(server, "ada"), "changed");
    EXPECT_EQ(standardPasswordSource()->password(QUrl("https://dav.example.org/"), "ada"),
              "from-netrc");
}

} // namespace
