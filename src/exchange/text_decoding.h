#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ravelbook::exchange {

struct DecodedText {
    QString text;
    QStringList problems; // bytes that are not UTF-8 in a UTF-8 file, with their line
};

// Text of a file whose encoding nobody stated, decided on the evidence of the
// whole file: UTF-8 (a byte order mark is dropped) when its characters of more
// than one byte are mostly valid UTF-8, else Windows-1252, which is what older
// Windows programs write. In UTF-8 a byte that is not is read as Windows-1252
// on its own and reported.
DecodedText decodeFile(const QByteArray& bytes);
QString decodeText(const QByteArray& bytes);
// The same for a piece of a file, unreported: a byte order mark there is a
// character like any other.
QString decodeBytes(QByteArrayView bytes);

// Decodes the pieces of a file (a vCard's values) by the encoding its whole
// says, reporting bytes that are not UTF-8 in a UTF-8 file with their line.
class FileDecoder {
public:
    explicit FileDecoder(QByteArrayView whole);
    QString decode(QByteArrayView piece, int line, QStringList& problems) const;

private:
    bool utf8_;
};

QString decodeWindows1252(const QByteArray& bytes);
bool isValidUtf8(const QByteArray& bytes);

} // namespace ravelbook::exchange
