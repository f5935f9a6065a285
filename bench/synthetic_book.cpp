#include "synthetic_book.h"

#include <QStringList>

namespace ravelbook::bench {

namespace {

const QStringList kLastNames = {
    QStringLiteral("Smith"),       QStringLiteral("O'Brien"),  QStringLiteral("Müller"),
    QStringLiteral("Núñez"),       QStringLiteral("D'Angelo"), QStringLiteral("Johnson"),
    QStringLiteral("Łukasiewicz"), QStringLiteral("García"),   QStringLiteral("Williams"),
    QStringLiteral("Brontë"),      QStringLiteral("O'Neil"),   QStringLiteral("Dvořák"),
    QStringLiteral("Brown"),       QStringLiteral("Jones"),    QStringLiteral("Søndergaard"),
    QStringLiteral("Miller"),      QStringLiteral("Davis"),    QStringLiteral("Ødegaard"),
    QStringLiteral("Wilson"),      QStringLiteral("Anderson"), QStringLiteral("Thomas"),
    QStringLiteral("Taylor"),      QStringLiteral("Moore"),    QStringLiteral("Jackson"),
    QStringLiteral("Martin"),      QStringLiteral("Lee"),      QStringLiteral("Pérez"),
    QStringLiteral("Thompson"),    QStringLiteral("White"),    QStringLiteral("Harris"),
    QStringLiteral("Sánchez"),     QStringLiteral("Clark"),    QStringLiteral("Ramírez"),
    QStringLiteral("Lewis"),       QStringLiteral("Robinson"), QStringLiteral("Walker"),
    QStringLiteral("Young"),       QStringLiteral("Allen"),    QStringLiteral("King"),
    QStringLiteral("Wright"),      QStringLiteral("Scott"),    QStringLiteral("Torres"),
    QStringLiteral("Nguyen"),      QStringLiteral("Hill"),     QStringLiteral("Flores"),
    QStringLiteral("Green"),       QStringLiteral("Adams"),    QStringLiteral("Nelson"),
    QStringLiteral("Baker"),       QStringLiteral("Hall"),     QStringLiteral("Rivera"),
    QStringLiteral("Campbell"),    QStringLiteral("Mitchell"), QStringLiteral("Carter"),
    QStringLiteral("Roberts"),     QStringLiteral("Gómez"),    QStringLiteral("Phillips"),
    QStringLiteral("Evans"),       QStringLiteral("Turner"),   QStringLiteral("Çelik"),
};
const QStringList kFirstNames = {
    QStringLiteral("James"),    QStringLiteral("Mary"),    QStringLiteral("José"),
    QStringLiteral("Zoë"),      QStringLiteral("Renée"),   QStringLiteral("John"),
    QStringLiteral("Patricia"), QStringLiteral("Jürgen"),  QStringLiteral("Linda"),
    QStringLiteral("Michael"),  QStringLiteral("Élodie"),  QStringLiteral("David"),
    QStringLiteral("Susan"),    QStringLiteral("Øyvind"),  QStringLiteral("Karen"),
    QStringLiteral("Nancy"),    QStringLiteral("Björn"),   QStringLiteral("Lisa"),
    QStringLiteral("Daniel"),   QStringLiteral("Siobhán"), QStringLiteral("Paul"),
    QStringLiteral("Mark"),     QStringLiteral("Ángel"),   QStringLiteral("Sandra"),
    QStringLiteral("Steven"),   QStringLiteral("Ashley"),  QStringLiteral("François"),
    QStringLiteral("Kevin"),    QStringLiteral("Emily"),   QStringLiteral("Brian"),
};
const QStringList kStreets = {
    QStringLiteral("Main St"),      QStringLiteral("Oak Ave"),
    QStringLiteral("Maple Dr"),     QStringLiteral("Cedar Ln"),
    QStringLiteral("Elm St"),       QStringLiteral("Washington Blvd"),
    QStringLiteral("Lake View Rd"), QStringLiteral("Hillcrest Ct"),
};
const QStringList kCities = {
    QStringLiteral("Springfield, IL 62701"), QStringLiteral("Portland, OR 97201"),
    QStringLiteral("Austin, TX 78701"),      QStringLiteral("Madison, WI 53703"),
    QStringLiteral("Burlington, VT 05401"),  QStringLiteral("Santa Fe, NM 87501"),
};

} // namespace

QString SyntheticRecord::name() const {
    return last + QStringLiteral(", ") + first + QLatin1Char(' ') + initial + QLatin1Char('.');
}

QString SyntheticRecord::printedName() const {
    return first + QLatin1Char(' ') + initial + QStringLiteral(". ") + last;
}

SyntheticRecord SyntheticBook::next() {
    const auto pick = [this](const QStringList& list) {
        return list[int(random_() % std::uint32_t(list.size()))];
    };
    SyntheticRecord r;
    r.initial = QLatin1Char(char('A' + random_() % 26));
    // The first name is drawn before the last, as the book has always been made.
    r.first = pick(kFirstNames);
    r.last = pick(kLastNames);
    r.address = QStringLiteral("%1 %2").arg(1 + random_() % 9999).arg(pick(kStreets));
    r.city = pick(kCities);
    r.country = random_() % 10 == 0 ? QStringLiteral("Canada") : QString("");
    r.contact = random_() % 4 == 0 ? QStringLiteral("Accounts Payable") : QString("");
    r.phone = QStringLiteral("555-%1").arg(random_() % 10000, 4, 10, QLatin1Char('0'));
    r.notes = random_() % 8 == 0 ? QStringLiteral("Met at the 2019 reunion; send the card early.")
                                 : QString("");
    for (int k = 0; k < kGroupCount; ++k) {
        // Group 17 is everybody, to print the whole book.
        r.groups[std::size_t(k)] = k == 17 || random_() % (k == 0 ? 2 : 10) == 0;
    }
    return r;
}

} // namespace ravelbook::bench
