#include "print/pdf_viewer_preferences.h"

#include <algorithm>
#include <optional>
#include <QRegularExpression>
#include <QString>

namespace ravelbook {

namespace {

// Qt's trailer, at the very end: "trailer << /Size /Info /Root >> startxref N %%EOF".
const QRegularExpression& trailerPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(trailer\s*<<((?:(?!<<|>>).)*)>>\s*startxref\s+(\d+)\s*%%EOF\s*$)"),
        QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

const QRegularExpression& rootPattern() {
    static const QRegularExpression pattern(QStringLiteral(R"(/Root\s+(\d+)\s+(\d+)\s+R\b)"));
    return pattern;
}

// The catalogue's dictionary, when it is a flat one (Qt's has no dictionary inside).
std::optional<QString> catalogueBody(const QString& head, const QString& object) {
    const QRegularExpression pattern(
        QStringLiteral(R"((?:^|[\r\n])%1\s+obj\s*<<((?:(?!<<|>>).)*)>>\s*endobj)")
            .arg(QRegularExpression::escape(object)),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pattern.match(head);
    if (!match.hasMatch())
        return std::nullopt;
    const QString body = match.captured(1).trimmed();
    if (!body.contains(QLatin1String("/Type /Catalog")) ||
        body.contains(QLatin1String("/ViewerPreferences")))
        return std::nullopt;
    return body;
}

} // namespace

QByteArray pdfViewerPreferencesUpdate(QByteArrayView head, QByteArrayView tail, qint64 length,
                                      bool labelSheets) {
    // Latin-1 keeps every byte a character, so offsets and binary data survive.
    const QRegularExpressionMatch trailer =
        trailerPattern().match(QString::fromLatin1(tail.data(), tail.size()));
    if (!trailer.hasMatch())
        return {};
    const QString trailerBody = trailer.captured(1).trimmed();
    const QRegularExpressionMatch root = rootPattern().match(trailerBody);
    // A file that already has updates (or is encrypted) is not Qt's plain one.
    if (!root.hasMatch() || trailerBody.contains(QLatin1String("/Prev")) ||
        trailerBody.contains(QLatin1String("/Encrypt")))
        return {};
    bool startOk = false;
    const qint64 previousXref = trailer.captured(2).toLongLong(&startOk);
    if (!startOk || previousXref >= length)
        return {};
    const QString object = root.captured(1) + QLatin1Char(' ') + root.captured(2);
    const std::optional<QString> catalogue =
        catalogueBody(QString::fromLatin1(head.data(), head.size()), object);
    if (!catalogue)
        return {};

    // /PrintScaling is of PDF 1.6 and /Duplex of 1.7, later than Qt's header says.
    const QString preferences = labelSheets ? QStringLiteral("/PrintScaling /None /Duplex /Simplex")
                                            : QStringLiteral("/PrintScaling /None");
    // Qt's file ends without a line break after %%EOF.
    const QString separator =
        tail.endsWith('\n') || tail.endsWith('\r') ? QString() : QStringLiteral("\n");
    const qint64 objectAt = length + separator.size();
    const QString objectText = QStringLiteral("%1 obj\n<<\n%2\n/Version /1.7\n"
                                              "/ViewerPreferences << %3 >>\n>>\nendobj\n")
                                   .arg(object, *catalogue, preferences);
    const qint64 xrefAt = objectAt + objectText.size();
    const QString entry = QStringLiteral("%1 %2 n \n")
                              .arg(objectAt, 10, 10, QLatin1Char('0'))
                              .arg(root.captured(2).toInt(), 5, 10, QLatin1Char('0'));
    const QString update =
        separator + objectText +
        QStringLiteral("xref\n%1 1\n%2trailer\n<<\n%3\n/Prev %4\n>>\nstartxref\n%5\n%%EOF\n")
            .arg(root.captured(1), entry, trailerBody, QString::number(previousXref),
                 QString::number(xrefAt));
    return update.toLatin1();
}

void PdfEnds::take(const char* data, qsizetype size) {
    if (head_.size() < kHeadBytes)
        head_.append(data, std::min(size, kHeadBytes - head_.size()));
    // Trimmed now and then rather than on every one of the writer's small writes.
    tail_.append(data, size);
    if (tail_.size() > 2 * kTailBytes)
        tail_.remove(0, tail_.size() - kTailBytes);
    length_ += size;
}

QByteArray PdfEnds::update(bool labelSheets) const {
    return pdfViewerPreferencesUpdate(head_, tail_, length_, labelSheets);
}

} // namespace ravelbook
