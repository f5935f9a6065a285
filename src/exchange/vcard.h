#pragma once

#include "core/address_record.h"
#include "exchange/source_table.h"
#include "exchange/vcard_reader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ravelbook::exchange {

// Cards and address records, one into the other: the cards come from
// vcard_reader.h, and the records go out through vcard_writer.h.

// Ravelbook's own property: the contact person of a card whose ORG is its name.
inline constexpr char kContactProperty[] = "X-RAVELBOOK-CONTACT";

// The columns a card gives, under the book's own field names, so that the
// mapping of a vCard file is the one of a CSV file with those headings.
const QStringList& vCardColumns();
QStringList cardRow(const VCard& card);
// The one address, phone and contact person cardRow takes from the card; none
// when it has no such property.
const VCardProperty* chosenAddress(const VCard& card);
const VCardProperty* chosenPhone(const VCard& card);
const VCardProperty* contactProperty(const VCard& card);
// A vCard file's bytes as a source with those columns, a row a card.
SourceTable vCardSource(const QByteArray& bytes);

// One record as a vCard 3.0 card: CATEGORIES from the titles of its groups, and
// the group columns themselves, so that a book whose titles repeat comes back alike.
QString writeVCard(const AddressRecord& record, const GroupTitles& titles);

// "City, ST  12345" from its parts, leaving out what is empty.
QString cityStateZip(const QString& city, const QString& state, const QString& zip);

} // namespace ravelbook::exchange
