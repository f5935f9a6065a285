#pragma once

#include "core/address_record.h"
#include "exchange/source_table.h"

#include <functional>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook::exchange {

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
QString unescapeValue(const QString& value);

// The columns a card gives, under the book's own field names, so that the
// mapping of a vCard file is the one of a CSV file with those headings.
const QStringList& vCardColumns();
QStringList cardRow(const VCard& card);
// A vCard file's bytes as a source with those columns, a row a card.
SourceTable vCardSource(const QByteArray& bytes);

// One record as a vCard 3.0 card: CATEGORIES from the titles of its groups, and
// the group columns themselves, so that a book whose titles repeat comes back alike.
QString writeVCard(const AddressRecord& record, const GroupTitles& titles);

// "City, ST  12345" from its parts, leaving out what is empty.
QString cityStateZip(const QString& city, const QString& state, const QString& zip);

} // namespace ravelbook::exchange
