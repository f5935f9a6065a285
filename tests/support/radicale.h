#pragma once

#include <memory>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

private:
    QTemporaryDir dir_;
};

} // namespace ravelbook::testing
