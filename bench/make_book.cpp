// Writes a synthetic address book of N records, the same for the same N:
//   ravelbook_make_book BOOK N
// Names carry accents and apostrophes; about half the book is in group 0, a
// tenth in each of groups 1 to 16, and everybody in group 17.
#include "store/database.h"
#include "store/statements.h"

#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <random>

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

int fail(const QString& what) {
    std::fprintf(stderr, "ravelbook_make_book: %s\n", qPrintable(what));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return fail(QStringLiteral("usage: ravelbook_make_book BOOK N"));
    const QString path = QString::fromLocal8Bit(argv[1]);
    const long count = std::strtol(argv[2], nullptr, 10);
    if (count < 0)
        return fail(QStringLiteral("N must be 0 or more"));
    QFile::remove(path);

    try {
        // The program's own creation path makes the tables, as for a new book.
        const ravelbook::Database created(path);
    } catch (const std::exception& error) {
        return fail(QString::fromUtf8(error.what()));
    }

    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        if (!db.open())
            return fail(db.lastError().text());
        QStringList columns{QStringLiteral("Name"),
                            QStringLiteral("Address"),
                            QStringLiteral("\"City State Zip\""),
                            QStringLiteral("Country"),
                            QStringLiteral("Contact"),
                            QStringLiteral("Phone"),
                            QStringLiteral("Notes")};
        QStringList marks(columns.size(), QStringLiteral("?"));
        for (int k = 0; k < ravelbook::sql::kGroupCount; ++k) {
            columns << QStringLiteral("[%1]").arg(k);
            marks << QStringLiteral("?");
        }
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(
            QStringLiteral("INSERT INTO Addresses (%1) VALUES (%2)")
                .arg(columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
        std::mt19937 random(20261207); // the engine's output is fixed by the standard
        const auto pick = [&random](const QStringList& list) {
            return list[int(random() % std::uint32_t(list.size()))];
        };
        for (long i = 0; i < count; ++i) {
            const QChar initial(QLatin1Char(char('A' + random() % 26)));
            insert.addBindValue(pick(kLastNames) + QStringLiteral(", ") + pick(kFirstNames) +
                                QLatin1Char(' ') + initial + QLatin1Char('.'));
            insert.addBindValue(
                QStringLiteral("%1 %2").arg(1 + random() % 9999).arg(pick(kStreets)));
            insert.addBindValue(pick(kCities));
            insert.addBindValue(random() % 10 == 0 ? QStringLiteral("Canada") : QString(""));
            insert.addBindValue(random() % 4 == 0 ? QStringLiteral("Accounts Payable")
                                                  : QString(""));
            insert.addBindValue(
                QStringLiteral("555-%1").arg(random() % 10000, 4, 10, QLatin1Char('0')));
            insert.addBindValue(
                random() % 8 == 0 ? QStringLiteral("Met at the 2019 reunion; send the card early.")
                                  : QString(""));
            for (int k = 0; k < ravelbook::sql::kGroupCount; ++k) {
                // Group 17 is everybody, to print the whole book.
                const bool member = k == 17 || random() % (k == 0 ? 2 : 10) == 0;
                insert.addBindValue(member ? -1 : 0);
            }
            if (!insert.exec())
                return fail(insert.lastError().text());
        }
        QSqlQuery returnAddress(db);
        returnAddress.exec(QStringLiteral(
            "UPDATE \"Return Addresses\" SET Name = 'Ravelbook Benchmarks', "
            "Address = '1 Bench Way', \"City State Zip\" = 'Springfield, IL 62701'"));
        ok = db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    return ok ? 0 : fail(QStringLiteral("the records could not be written"));
}
