#pragma once

// How GoogleTest prints Qt's values in a failure: as text, not as the bytes of
// the object ("2-byte object <53-00>"). Included into every test file by the
// build, since GoogleTest finds PrintTo only where the failing line sees it.
#include <ostream>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <string>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(QLatin1String text, std::ostream* out) {
    *out << '"' << std::string(text.data(), std::size_t(text.size())) << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i) {
        *out << (i == 0 ? "" : ", ");
        PrintTo(texts[i], out);
    }
    *out << '}';
}

inline void PrintTo(const QVariant& value, std::ostream* out) {
    if (value.isNull())
        *out << "null";
    else
        *out << value.typeName() << ' ' << '"' << value.toString().toStdString() << '"';
}
