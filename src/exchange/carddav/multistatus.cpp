#include "exchange/carddav/multistatus.h"

#include "core/error.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace ravelbook {

namespace {

// "HTTP/1.1 404 Not Found" → 404.
int statusCode(const QString& line) {
    const QStringList words = line.simplified().split(QLatin1Char(' '));
    return words.size() >= 2 ? words.at(1).toInt() : 0;
}

QString nameOf(const QXmlStreamReader& xml) {
    return davName(xml.namespaceUri().toString(), xml.name().toString());
}

class Parser {
public:
    explicit Parser(const QByteArray& data) : xml_(data) {}

    MultiStatus run(const QString& server) {
        MultiStatus result;
        if (xml_.readNextStartElement() && nameOf(xml_) == davName(davNs, "multistatus")) {
            while (xml_.readNextStartElement()) {
                const QString name = nameOf(xml_);
                if (name == davName(davNs, "response"))
                    result.responses.push_back(response());
                else if (name == davName(davNs, "sync-token"))
                    result.syncToken =
                        xml_.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                else
                    xml_.skipCurrentElement();
            }
        } else if (!xml_.hasError()) {
            xml_.raiseError(QCoreApplication::translate("MultiStatus",
                                                        "the answer is not a WebDAV multistatus"));
        }
        if (xml_.hasError())
            throw Error(QCoreApplication::translate(
                            "MultiStatus", "The server %1 sent an answer that could not be read.")
                            .arg(server),
                        Error::Kind::Network, xml_.errorString());
        return result;
    }

private:
    DavResponse response() {
        DavResponse result;
        while (xml_.readNextStartElement()) {
            const QString name = nameOf(xml_);
            if (name == davName(davNs, "href"))
                result.href = xml_.readElementText().trimmed();
            else if (name == davName(davNs, "status"))
                result.status = statusCode(xml_.readElementText());
            else if (name == davName(davNs, "propstat"))
                propstat(result.properties);
            else
                xml_.skipCurrentElement();
        }
        return result;
    }

    void propstat(QHash<QString, DavProperty>& into) {
        QHash<QString, DavProperty> found;
        int status = 200;
        while (xml_.readNextStartElement()) {
            const QString name = nameOf(xml_);
            if (name == davName(davNs, "prop")) {
                while (xml_.readNextStartElement())
                    found.insert(nameOf(xml_), property());
            } else if (name == davName(davNs, "status")) {
                status = statusCode(xml_.readElementText());
            } else {
                xml_.skipCurrentElement();
            }
        }
        if (status / 100 == 2)
            into.insert(found);
    }

    // Reads one property element: its text, and the names and hrefs inside.
    DavProperty property() {
        DavProperty result;
        int depth = 1;
        while (depth > 0 && !xml_.atEnd()) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::StartElement:
                if (depth == 1)
                    result.members.append(nameOf(xml_));
                if (nameOf(xml_) == davName(davNs, "href")) {
                    result.hrefs.append(xml_.readElementText().trimmed());
                    break;
                }
                ++depth;
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            case QXmlStreamReader::Characters:
                if (depth == 1)
                    result.text += xml_.text();
                break;
            default:
                break;
            }
        }
        return result;
    }

    QXmlStreamReader xml_;
};

} // namespace

MultiStatus MultiStatus::parse(const QByteArray& xml, const QString& server) {
    return Parser(xml).run(server);
}

} // namespace ravelbook
