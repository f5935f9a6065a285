#pragma once

#include <QByteArray>
#include <QString>

namespace ravelbook::exchange {

// Text of a file whose encoding nobody stated: UTF-8 (a byte order mark is
// dropped) when the bytes are valid UTF-8, else Windows-1252, which is what
// older Windows programs write.
QString decodeText(const QByteArray& bytes);
// The same for a piece of a file: a byte order mark there is a character like any other.
QString decodeBytes(QByteArrayView bytes);

QString decodeWindows1252(const QByteArray& bytes);
bool isValidUtf8(const QByteArray& bytes);

} // namespace ravelbook::exchange
