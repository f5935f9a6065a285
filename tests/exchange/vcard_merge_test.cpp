// A card changed in the book, merged into the server's card: only the lines
// the book maps change, and the card reads back as the record.
#include "exchange/vcard_merge.h"

#include <functional>
#include <gtest/gtest.h>
#include <QRegularExpression>

namespace ravelbook::exchange {
namespace {

const QByteArray kApple =
    "BEGIN:VCARD\r\n"
    "VERSION:3.0\r\n"
    "PRODID:-//Apple Inc.//iPhone OS 17.0//EN\r\n"
    "N:Nakamura;Yuki;;;\r\n"
    "FN:Yuki Nakamura\r\n"
    "ORG:Sakura Trading;\r\n"
    "item1.ADR;type=HOME;type=pref:;;7 Rue de la Paix;Paris;;75002;France\r\n"
    "item1.X-ABADR:fr\r\n"
    "item2.ADR;type=WORK:;;1 Rue du Port;Lyon;;69001;France\r\n"
    "TEL;type=CELL;type=VOICE;type=pref:06 00 00 00 00\r\n"
    "TEL;type=WORK:01 00 00 00 00\r\n"
    "EMAIL;type=INTERNET;type=HOME:yuki@example.com\r\n"
    "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAgGBgcGBQgHBwcJ\r\n"
    "  CQgKDBQNDAsLDBkSEx8dGhwcICQuJyAiLCMcHCg3KSwwMTQ0NB8nOT04MjwuMzQy\r\n"
    "item3.X-ABDATE;type=pref:2001-05-06\r\n"
    "item3.X-ABLabel:_$!<Anniversary>!$_\r\n"
    "BDAY:1980-02-03\r\n"
    "NOTE:Prefers letters\r\n"
    "CATEGORIES:Family,Golf Club\r\n"
    "UID:abc-123\r\n"
    "END:VCARD\r\n";

const QByteArray kAndroid =
    "BEGIN:VCARD\r\n"
    "VERSION:2.1\r\n"
    "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;;;\r\n"
    "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen M=C3=BCller\r\n"
    "TEL;CELL:030 1234567\r\n"
    "ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;Stra=C3=9Fe des 17. Juni 1;Berl=\r\n"
    "in;;10623;Deutschland\r\n"
    "NOTE;ENCODING=QUOTED-PRINTABLE:first=0D=0Asecond\r\n"
    "X-ANDROID-CUSTOM:vnd.android.cursor.item/nickname;Jo;1;;;;;;;;;;;;;\r\n"
    "END:VCARD\r\n";

const QByteArray kV4 = "BEGIN:VCARD\n"
                       "VERSION:4.0\n"
                       "FN:Sam Okafor\n"
                       "N:Okafor;Sam;Chidi;;\n"
                       "ADR;TYPE=work;PREF=1;LABEL=\"3 Marina Rd\\nLagos\":;;3 Marina Rd;Lagos;LA;"
                       "101001;Nigeria\n"
                       "TEL;VALUE=uri;TYPE=\"voice,home\":tel:+234-1-555-0100\n"
                       "KIND:individual\n"
                       "END:VCARD\n";

const QByteArray kSeveral = "BEGIN:VCARD\r\n"
                            "VERSION:3.0\r\n"
                            "N:Lee;Ann;;;\r\n"
                            "FN:Ann Lee\r\n"
                            "ADR;TYPE=work:;;9 Office Park;Austin;TX;78701;USA\r\n"
                            "ADR;TYPE=home:PO Box 4;Flat 2;44 Elm St;Springfield;IL;62701;\r\n"
                            "TEL;TYPE=fax:555-0000\r\n"
                            "TEL;TYPE=work:555-0001\r\n"
                            "TEL;TYPE=home:555-0002\r\n"
                            "X-CUSTOM;X-PARAM=keep:Some value\r\n"
                            "CATEGORIES:family,Book Club,Work\r\n"
                            "END:VCARD\r\n";

const QByteArray kCompany = "BEGIN:VCARD\r\n"
                            "VERSION:2.1\r\n"
                            "ORG:Acme\r\n"
                            "END:VCARD\r\n";

GroupTitles titles() {
    GroupTitles t;
    t[0] = QStringLiteral("Family");
    t[1] = QStringLiteral("Work");
    t[2] = QStringLiteral("Friends");
    return t;
}

AddressRecord recordOf(const QByteArray& card) {
    const VCardFile file = readVCards(card);
    EXPECT_EQ(file.cards.size(), 1u);
    return file.cards.empty() ? AddressRecord{} : recordOfCard(file.cards.front(), titles());
}

QStringList lines(const QByteArray& card) {
    return QString::fromUtf8(card).split(QRegularExpression(QStringLiteral("\r?\n")));
}

QStringList missingFrom(const QStringList& these, const QStringList& others) {
    QStringList missing;
    for (const QString& line : these) {
        if (!others.contains(line))
            missing << line;
    }
    return missing;
}

struct MergeCase {
    const char* what;
    const QByteArray& card;
    std::function<void(AddressRecord&)> change;
    QStringList removed;
    QStringList added;
};

TEST(VCardMerge, ChangesOnlyTheLinesTheBookMaps) {
    const MergeCase cases[] = {
        {"Apple: the preferred phone, its parameters kept",
         kApple,
         [](AddressRecord& r) { r[Field::Phone] = "06 11 11 11 11"; },
         {"TEL;type=CELL;type=VOICE;type=pref:06 00 00 00 00"},
         {"TEL;type=CELL;type=VOICE;type=pref:06 11 11 11 11"}},
        {"Apple: the city line of the preferred, grouped address",
         kApple,
         [](AddressRecord& r) { r[Field::CityStateZip] = "Lyon  69002"; },
         {"item1.ADR;type=HOME;type=pref:;;7 Rue de la Paix;Paris;;75002;France"},
         {"item1.ADR;type=HOME;type=pref:;;7 Rue de la Paix;Lyon;;69002;France"}},
        {"Apple: the contact emptied removes ORG",
         kApple,
         [](AddressRecord& r) { r[Field::Contact].clear(); },
         {"ORG:Sakura Trading;"},
         {}},
        {"Apple: a group unticked removes its title, the unknown category stays",
         kApple,
         [](AddressRecord& r) { r.groups[0] = false; },
         {"CATEGORIES:Family,Golf Club"},
         {"CATEGORIES:Golf Club"}},
        {"Android 2.1: the name as the export writes it",
         kAndroid,
         [](AddressRecord& r) { r[Field::Name] = "Müller, Eva"; },
         {"N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;;;",
          "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen M=C3=BCller"},
         {"N:Müller;Eva;;;", "FN:Eva Müller"}},
        {"Android 2.1: a quoted-printable street, rewritten in UTF-8",
         kAndroid,
         [](AddressRecord& r) { r[Field::Address] = "Hauptstraße 2"; },
         {"ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;Stra=C3=9Fe des 17. Juni 1;Berl=",
          "in;;10623;Deutschland"},
         {"ADR;HOME;CHARSET=UTF-8:;;Hauptstraße 2;Berlin;;10623;Deutschland"}},
        {"4.0: the phone emptied, a contact and a folded note added before END",
         kV4,
         [](AddressRecord& r) {
             r[Field::Phone].clear();
             r[Field::Contact] = "Eko Hotels";
             r[Field::Notes] = "Meet at the hotel lobby at ten and bring the printed "
                               "programme and the seating plan";
         },
         {"TEL;VALUE=uri;TYPE=\"voice,home\":tel:+234-1-555-0100"},
         {"ORG:Eko Hotels",
          "NOTE:Meet at the hotel lobby at ten and bring the printed programme and the",
          "  seating plan"}},
        {"4.0: a phone URI stays a URI",
         kV4,
         [](AddressRecord& r) { r[Field::Phone] = "+234-1-555-0199"; },
         {"TEL;VALUE=uri;TYPE=\"voice,home\":tel:+234-1-555-0100"},
         {"TEL;VALUE=uri;TYPE=\"voice,home\":tel:+234-1-555-0199"}},
        {"a card named by its ORG keeps it for the name",
         kCompany,
         [](AddressRecord& r) { r[Field::Contact] = "Kim"; },
         {},
         {"X-RAVELBOOK-CONTACT:Kim"}},
        {"a card named by its ORG, named anew",
         kCompany,
         [](AddressRecord& r) { r[Field::Name] = "Acme Ltd"; },
         {"ORG:Acme"},
         {"FN:Acme Ltd", "N:Acme Ltd;;;;"}},
        {"two ADR and three TEL: the home ones, the post box kept",
         kSeveral,
         [](AddressRecord& r) {
             r[Field::Country] = "USA";
             r[Field::Phone] = "555-0003";
             r[Field::Notes] = "Call first";
         },
         {"ADR;TYPE=home:PO Box 4;Flat 2;44 Elm St;Springfield;IL;62701;",
          "TEL;TYPE=home:555-0002"},
         {"ADR;TYPE=home:PO Box 4;Flat 2;44 Elm St;Springfield;IL;62701;USA",
          "TEL;TYPE=home:555-0003", "NOTE:Call first"}},
        {"categories: titles matched ignoring case, added and removed",
         kSeveral,
         [](AddressRecord& r) {
             r.groups[1] = false;
             r.groups[2] = true;
         },
         {"CATEGORIES:family,Book Club,Work"},
         {"CATEGORIES:family,Book Club,Friends", "X-RAVELBOOK-GROUPS:0,2"}},
    };
    for (const MergeCase& c : cases) {
        const AddressRecord before = recordOf(c.card);
        EXPECT_EQ(mergeIntoCard(c.card, before, titles()), c.card) << c.what;
        AddressRecord after = before;
        c.change(after);
        ASSERT_NE(after, before) << c.what;
        const QByteArray merged = mergeIntoCard(c.card, after, titles());
        EXPECT_EQ(merged.contains('\r'), c.card.contains('\r')) << c.what; // its line ends
        EXPECT_EQ(missingFrom(lines(c.card), lines(merged)), c.removed) << c.what;
        EXPECT_EQ(missingFrom(lines(merged), lines(c.card)), c.added) << c.what;
        const AddressRecord back = recordOf(merged);
        EXPECT_EQ(back.fields, after.fields) << c.what;
        EXPECT_EQ(back.groups, after.groups) << c.what;
    }
}

TEST(VCardMerge, NewCardHasItsUidAndReadsBack) {
    AddressRecord record;
    record[Field::Name] = "Doe, Jane";
    record[Field::Address] = "1 Main St";
    record[Field::CityStateZip] = "Springfield, IL  62701";
    record[Field::Phone] = "555-0100";
    record.groups[2] = true;
    const QByteArray card = newCard(record, titles(), "6f1c-42");
    EXPECT_TRUE(card.startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:6f1c-42\r\n"))
        << card.toStdString();
    EXPECT_EQ(recordOf(card), record);
    // A record merged into the card of itself is that card.
    EXPECT_EQ(mergeIntoCard(card, record, titles()), card);
}

} // namespace
} // namespace ravelbook::exchange
