#pragma once

#include <functional>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook::exchange {

// Ravelbook's own property: the group columns of the record a card was written from.
inline const QString kGroupsProperty = QStringLiteral("X-RAVELBOOK-GROUPS");

// One content line of a card, unfolded and decoded (quoted-printable and
// CHARSET undone); the value keeps its backslash escapes.
struct VCardProperty {
    QString name;       // upper case, without a group prefix ("item1.")
    QStringList types;  // TYPE values and bare 2.1 parameters, lower case
    int preference = 0; // 1 (the most preferred) to 100 as PREF gives it; 0 when not preferred
    bool uri = false;   // VALUE=uri: a TEL of 4.0 written "tel:..."
    QString value;
};

struct VCard {
    int line = 0; // of its BEGIN:VCARD
    std::vector<VCardProperty> properties;
};

struct VCardFile {
    std::vector<VCard> cards;
    QStringList problems; // lines that could not be read, and cards cut short
};

// Reads every card of a vCard 2.1, 3.0 or 4.0 file.
VCardFile readVCards(const QByteArray& bytes);
// The same, handing each card over as soon as it is read.
void readVCards(const QByteArray& bytes, const std::function<void(VCard&&)>& onCard,
                QStringList& problems);

// Splits a structured value at its unescaped separators and undoes the escapes.
QStringList splitEscaped(const QString& value, QChar separator);
// The parts of a value between its unescaped separators, escapes kept.
QStringList splitRaw(const QString& value, QChar separator);
QString unescapeValue(const QString& value);

} // namespace ravelbook::exchange
