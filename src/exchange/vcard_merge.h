#pragma once

#include "core/address_record.h"
#include "exchange/vcard_reader.h"

#include <QByteArray>
#include <QString>

namespace ravelbook::exchange {

// A card kept on a server, brought in step with its record without losing what
// the book has no field for.

// The server's card with only what the record holds rewritten, and only where
// the record differs from what the card gives: N and FN, the one ADR and TEL the
// reader takes (their parameters kept, only the parts the record holds
// replaced), the contact (ORG or the contact property), NOTE and CATEGORIES.
// Every other line stays byte for byte; an unchanged record gives the card back
// as it came. Throws Error (Format) when the bytes hold no card.
QByteArray mergeIntoCard(const QByteArray& serverCard, const AddressRecord& record,
                         const GroupTitles& titles);

// A vCard 3.0 card of a record new in the book, with its UID.
QByteArray newCard(const AddressRecord& record, const GroupTitles& titles, const QString& uid);

// The record a card gives, as an import of it maps it.
AddressRecord recordOfCard(const VCard& card, const GroupTitles& titles);

} // namespace ravelbook::exchange
