#include "exchange/source_file.h"

#include "core/error.h"
#include "exchange/access_file.h"
#include "exchange/csv.h"
#include "exchange/text_decoding.h"
#include "exchange/vcard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ravelbook::exchange {

namespace {

// The file's contents are not what its kind promises, unless `kind` says otherwise.
[[noreturn]] void fail(const QString& path, const QString& why,
                       Error::Kind kind = Error::Kind::Format) {
    throw Error(QCoreApplication::translate("SourceFile", "The file \"%1\" can't be imported: %2.")
                    .arg(QDir::toNativeSeparators(path), why),
                kind);
}

} // namespace

QString formatName(Format format) {
    switch (format) {
    case Format::Csv:
        return QStringLiteral("CSV");
    case Format::VCard:
        return QStringLiteral("vCard");
    case Format::Access:
        return QStringLiteral("Access");
    }
    return {};
}

std::optional<Format> guessFormat(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt") ||
        suffix == QLatin1String("tsv"))
        return Format::Csv;
    if (suffix == QLatin1String("vcf") || suffix == QLatin1String("vcard"))
        return Format::VCard;
    if (suffix == QLatin1String("mdb"))
        return Format::Access;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(4096);
    if (head.mid(4, 15) == "Standard Jet DB")
        return Format::Access;
    if (head.toUpper().contains("BEGIN:VCARD"))
        return Format::VCard;
    return std::nullopt;
}

QByteArray readTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString(), Error::Kind::File);
    const QString tooLarge = QCoreApplication::translate("SourceFile", "it is larger than %1 MB")
                                 .arg(kLargestFile / 1024 / 1024);
    if (file.size() > kLargestFile)
        fail(path, tooLarge, Error::Kind::File);
    // Read a piece at a time up to the limit: a device or a pipe has no size to go by.
    QByteArray bytes;
    if (!file.isSequential())
        bytes.reserve(file.size());
    for (;;) {
        const QByteArray piece = file.read(1024 * 1024);
        if (file.error() != QFileDevice::NoError)
            fail(path,
                 QCoreApplication::translate("SourceFile", "it could not be read to its end (%1)")
                     .arg(file.errorString()),
                 Error::Kind::File);
        if (piece.isEmpty())
            break;
        // Text holds no NUL bytes; a program or picture does within its first kilobytes.
        if (bytes.isEmpty() && piece.left(8192).contains('\0'))
            fail(path, QCoreApplication::translate("SourceFile", "it is not a text file"));
        bytes += piece;
        if (bytes.size() > kLargestFile)
            fail(path, tooLarge, Error::Kind::File);
    }
    if (!file.isSequential() && bytes.size() != file.size())
        fail(path,
             QCoreApplication::translate("SourceFile", "it could not be read to its end (%1)")
                 .arg(file.errorString()),
             Error::Kind::File);
    return bytes;
}

ImportSource readSource(const QString& path, Format format, const QString& table) {
    ImportSource source;
    switch (format) {
    case Format::Csv: {
        QByteArray bytes = readTextFile(path);
        try {
            source.table = csvSource(std::move(bytes));
        } catch (const Error& error) {
            fail(path, error.message());
        }
        break;
    }
    case Format::VCard:
        source.table = vCardSource(readTextFile(path));
        break;
    case Format::Access: {
        const AccessFile file(path);
        source = importTables(file, table);
        break;
    }
    }
    if (format != Format::Access && source.table.rows.empty() && source.table.problems.isEmpty())
        fail(path,
             format == Format::Csv
                 ? QCoreApplication::translate("SourceFile", "it holds no rows below its headings")
                 : QCoreApplication::translate("SourceFile", "it holds no vCard"));
    return source;
}

} // namespace ravelbook::exchange
