// The import into a real book (one transaction, duplicates, groups by title),
// the round trip through both formats, and the Access reader.
#include "exchange/access_file.h"
#include "exchange/export.h"
#include "exchange/import.h"
#include "exchange/source_file.h"
#include "exchange/vcard.h"
#include "print/vertical_adjustment.h"
#include "store/store_error.h"
#include "support/mdb_fixtures.h"
#include "support/temp_book.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>

namespace ravelbook::exchange {
namespace {

using testing::TempBook;

GroupTitles defaultTitles() {
    GroupTitles titles;
    for (int k = 0; k < kGroupCount; ++k)
        titles[k] = k < 9 ? QStringLiteral("Personal") : QStringLiteral("Business");
    return titles;
}

AddressRecord record(QStringList fields, std::vector<int> groups = {}) {
    AddressRecord r;
    for (int f = 0; f < fields.size(); ++f)
        r.fields[f] = fields[f];
    for (int g : groups)
        r.groups[g] = true;
    return r;
}

std::vector<AddressRecord> allRecords(const Database& db) {
    return readRecords(db, {});
}

ImportPlan planFor(const Database& db, const QByteArray& bytes, Format format,
                   const GroupTitles& titles, const CategoryAssignments& assignments = {}) {
    ImportSource source;
    source.table = format == Format::Csv ? csvSource(bytes) : vCardSource(bytes);
    return planImport(source, defaultMapping(source.table, titles), titles, bookKeys(db),
                      assignments);
}

TEST(RoundTrip, ExportThenImportIntoAnEmptyBookGivesTheSameRecords) {
    const std::vector<AddressRecord> full{
        record({"O'Brien, Pat", "1 \"Quoted\" Lane, Apt 2", "Cork, CO  T12", "Ireland", "Séan",
                "+353 21 555", "line one\nline, two; three\n\nfive \\ six"},
               {0, 3, 17}),
        record({"Иванов, Иван", "ул. Ленина, 1", "Москва", "Россия"}, {9}),
        record({"王, 明", "", "", "中国", "", "", "備考"}),
        record({"Acme, Inc.", "", "Springfield", "", "", "", " blanks at the ends "}, {5}),
        record({"Smith,", "Only the name part", "", "", "", "", ""}, {14, 15, 16}),
        record({"", "A record without a name", "", "", "Contact only", "", ""}, {1}),
        record({"Twin, The", "Same", "", "", "", "", ""}),
        record({"Twin, The", "Same", "", "", "", "", ""}),
        record({"Elm, Ann", "12; Elm St", "Oak; Town, ST  1"}),
        // Long enough to be folded, with characters of two, three and four octets.
        record({"Long, Line", "", "", "", "", "", QString("é€😀").repeated(30)}),
    };
    // The same without notes and phones: those columns are then all empty.
    std::vector<AddressRecord> plain = full;
    for (AddressRecord& r : plain)
        r[Field::Notes] = r[Field::Phone] = QString();
    // Titles that are also headings of the book's own columns.
    GroupTitles titles = defaultTitles();
    titles[16] = QStringLiteral("Phone");
    titles[15] = QStringLiteral("notes");
    titles[14] = QStringLiteral(" Golf, Tennis ");
    for (const auto& [format, records] : {std::pair{Format::Csv, full},
                                          {Format::VCard, full},
                                          {Format::Csv, plain},
                                          {Format::VCard, plain}}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        writeRecords(buffer, records, format, titles);
        // Folding keeps every line of a card within 75 octets and every character whole.
        for (const QByteArray& line : buffer.data().split('\n')) {
            if (format == Format::VCard) {
                EXPECT_LE(line.size(), 76) << line.constData(); // and its CR
                EXPECT_TRUE(QByteArrayView(line).isValidUtf8()) << line.toHex().constData();
            }
        }
        TempBook book;
        book.create();
        const auto db = book.open();
        const ImportPlan plan = planFor(*db, buffer.data(), format, titles);
        EXPECT_TRUE(plan.unknownCategories.empty()) << formatName(format).toStdString();
        // A record without a name comes back named by its organization, which
        // a vCard keeps in ORG; a CSV file has none and leaves it out.
        std::vector<AddressRecord> expected;
        for (AddressRecord r : records) {
            if (r[Field::Name].isEmpty() && format == Format::Csv)
                continue;
            if (r[Field::Name].isEmpty())
                std::swap(r[Field::Name], r[Field::Contact]);
            expected.push_back(r);
        }
        EXPECT_EQ(plan.nameless, int(records.size() - expected.size()));
        ASSERT_EQ(runImport(*db, plan, {}), int(expected.size()));
        const auto back = allRecords(*db);
        ASSERT_EQ(back.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(back[i].fields, expected[i].fields) << formatName(format).toStdString() << i;
            EXPECT_EQ(back[i].groups, expected[i].groups) << formatName(format).toStdString() << i;
        }
    }
}

// A card names the person as the labels print them, and gives the book's
// name back from N; a name N can't give back whole stays whole.
TEST(RoundTrip, AVCardNamesAsTheLabelsPrint) {
    const std::pair<QString, QStringList> cases[] = {
        {"Smith, John", {"FN:John Smith", "N:Smith;John;;;"}},
        {"Smith, John, Jr.", {"FN:John\\, Jr. Smith", "N:Smith;John\\, Jr.;;;"}},
        {"Smith,John", {"FN:Smith\\,John", "N:Smith\\,John;;;;"}},
        {"A,B, C", {"FN:A\\,B\\, C", "N:A\\,B\\, C;;;;"}},
        {"Acme", {"FN:Acme", "N:Acme;;;;"}},
    };
    for (const auto& [name, lines] : cases) {
        const QStringList card =
            writeVCard(record({name, "12; Elm St"}), defaultTitles()).split("\r\n");
        EXPECT_EQ(card.mid(2, 3), lines + QStringList{"ADR;TYPE=home:;;12\\; Elm St;;;;"})
            << name.toStdString();
    }
}

TEST(Import, SkipsDuplicatesAndMatchesGroupsByTitle) {
    TempBook book;
    book.create();
    book.addPeople({{QStringLiteral("Smith, John"), QStringLiteral("1 Main St")}});
    const auto db = book.open();
    GroupTitles titles = defaultTitles();
    titles[4] = QStringLiteral("Book Club");
    const QByteArray csv = "Name,Address,Categories,E-mail\n"
                           "\"Smith, John\",1 Main St,,\n"             // in the book already
                           "\"Smith, John\",2 Other St,book club,\n"   // same name, other address
                           "\"Doe, Jane\",,Chess;Personal;CHESS,j@x\n" // unknown, twice
                           ",,,\n"                                     // empty
                           ",3 Nowhere,,\n"                            // no name
                           ",4 Nowhere,,\n";
    const ImportPlan plan = planFor(*db, csv, Format::Csv, titles);
    EXPECT_EQ(plan.records.size(), 2u);
    EXPECT_EQ(plan.duplicates, 1);
    EXPECT_EQ(plan.empty, 1);
    EXPECT_EQ(plan.nameless, 2);
    EXPECT_TRUE(
        summary(plan).contains("2 rows had no name (nor an organization) and were left out."));
    EXPECT_EQ(plan.records[0].groups, record({}, {4}).groups);
    EXPECT_EQ(plan.records[1].groups, record({}, {0}).groups);
    ASSERT_EQ(plan.unknownCategories.size(), 1u);
    EXPECT_EQ(plan.unknownCategories[0].records, 2);
    EXPECT_TRUE(summary(plan).contains("\"Chess\" (2 records) matches no group title"));
    EXPECT_TRUE(summary(plan).contains("Not kept, as no field takes them: E-mail (1)."));

    // Given a column, the category lands there and the column takes its title.
    const ImportPlan assigned = planFor(*db, csv, Format::Csv, titles, {{"chess", 12}});
    EXPECT_EQ(assigned.records[1].groups, record({}, {0, 12}).groups);
    EXPECT_EQ(assigned.titles[12], QStringLiteral("Chess"));

    // A row that repeats an earlier one of the file comes in twice, as the book
    // may hold twins; one that has reached the book since the plan was made is
    // left out when the plan runs.
    const ImportPlan twins =
        planFor(*db, "Name,Address\nTwin,9 Elm\nTwin,9 Elm\nLate,\n", Format::Csv, titles);
    EXPECT_EQ(twins.records.size(), 3u);
    EXPECT_EQ(twins.duplicates, 0);
    book.addPeople({{QStringLiteral("Late")}});
    EXPECT_EQ(runImport(*db, twins, {}), 2);
}

TEST(Import, EveryValueMappedLandsOrIsNamed) {
    TempBook book;
    book.create();
    const auto db = book.open();
    const ImportPlan plan = planFor(*db, "Name,Phone,Phone,Group Columns\nA,1,2,\"3, 4\"\n",
                                    Format::Csv, defaultTitles());
    ASSERT_EQ(plan.records.size(), 1u);
    EXPECT_EQ(plan.records[0], record({"A", "", "", "", "", "1"}, {3, 4}));
    EXPECT_TRUE(summary(plan).contains("Not kept, as another column fills the same field: "
                                       "Phone (1)."));
    // Every part of a name is trimmed.
    const ImportPlan parts =
        planFor(*db, "First Name,Last Name\n Jo ,Smith \n", Format::Csv, defaultTitles());
    EXPECT_EQ(parts.records.at(0)[Field::Name], "Smith, Jo");
}

TEST(Import, IsOneTransaction) {
    struct Case {
        const char* what;
        bool cancel;
    };
    for (const Case& c : {Case{"the last record is refused", false}, Case{"cancelled", true}}) {
        TempBook book;
        book.create();
        book.addPeople({{QStringLiteral("Kept, Already")}});
        book.exec("CREATE TRIGGER refuse BEFORE INSERT ON Addresses WHEN NEW.Name = 'Last' "
                  "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        const QByteArray before = book.bytes();
        const auto db = book.open();
        QByteArray csv = "Name\n";
        for (int i = 0; i < 1200; ++i)
            csv += "Person " + QByteArray::number(i) + "\n";
        if (!c.cancel)
            csv += "Last\n";
        const ImportPlan plan = planFor(*db, csv, Format::Csv, defaultTitles());
        if (c.cancel) {
            EXPECT_EQ(runImport(*db, plan, [](int done, int) { return done < 1000; }),
                      std::nullopt);
        } else {
            EXPECT_THROW(runImport(*db, plan, {}), StoreError);
        }
        EXPECT_EQ(book.value("SELECT COUNT(*) FROM Addresses").toInt(), 1) << c.what;
        EXPECT_EQ(book.bytes(), before) << c.what;
    }
}

TEST(Import, BadFilesAreRefusedOrReportedLineByLine) {
    struct Case {
        const char* what;
        const char* file;
        QByteArray bytes;
        qint64 size = 0;  // when set, the file is made this long (sparse, all zeros)
        int records = -1; // -1: the file is refused
        int warnings = 0;
        Error::Kind refusal = Error::Kind::Format;
    };
    const QByteArray million(1000000, 'x');
    const Case cases[] = {
        {"200 MB", "big.csv", "Name\n", 200 * 1024 * 1024, -1, 0, Error::Kind::File},
        {"binary", "picture.csv", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"a million characters", "long.csv", "Name,Notes\nA," + million + "\n", 0, 1, 1},
        {"unbalanced quote", "open.csv", "Name\nA\n\"B\nC\n"},
        {"truncated vCard", "cut.vcf", "BEGIN:VCARD\nN:A\nEND:VCARD\nBEGIN:VCARD\nN:B\n", 0, 1, 1},
        {"no cards", "none.vcf", "hello\n", 0, 0, 1},
        // The warning shows the start of the name, never half of a character.
        {"a character beyond U+FFFF where a long name is cut", "long-name.csv",
         "Name\n" + QByteArray(36, 'a') + "\xF0\x9F\x98\x80" + QByteArray(30, 'b') + "\n", 0, 1, 1},
    };
    TempBook folder;
    for (const Case& c : cases) {
        const QString path = folder.folder() + "/" + c.file;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        if (c.size)
            file.resize(c.size);
        file.close();
        if (c.records < 0) {
            try {
                readSource(path, *guessFormat(path));
                ADD_FAILURE() << c.what << ": read";
            } catch (const Error& error) {
                EXPECT_EQ(error.kind(), c.refusal) << c.what;
            }
            continue;
        }
        const ImportSource source = readSource(path, *guessFormat(path));
        const ImportPlan plan =
            planImport(source, defaultMapping(source.table, defaultTitles()), defaultTitles(), {});
        EXPECT_EQ(int(plan.records.size()), c.records) << c.what;
        EXPECT_EQ(plan.warnings.size(), c.warnings) << c.what;
        for (const QString& warning : plan.warnings)
            EXPECT_TRUE(QStringView(warning).isValidUtf16()) << c.what;
    }
}

TEST(Export, LeavesTheOldFileWhenItCantFinish) {
    TempBook book;
    const QString path = book.folder() + "/out.csv";
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the good old file");
    old.close();
    const std::vector<AddressRecord> records(2000, record({"A"}));
    EXPECT_FALSE(exportToFile(path, records, Format::Csv, defaultTitles(), {},
                              [](int done, int) { return done < 1000; }));
    EXPECT_THROW(
        exportToFile(book.folder() + "/missing/out.csv", records, Format::Csv, defaultTitles(), {}),
        StoreError);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the good old file");
}

// A book in Ravelbook's own layout, as an Access file would hold it.
class FakeBook final : public TableReader {
public:
    explicit FakeBook(QString adjustment = "180") : adjustment_(std::move(adjustment)) {}
    QStringList tableNames() const override { return {"Addresses", "Return Addresses", "Ini"}; }
    QStringList columnNames(const QString& table) const override {
        return readTable(table).columns;
    }
    SourceTable readTable(const QString& name) const override {
        SourceTable t;
        t.kind = "Access";
        if (name == "Addresses") {
            t.columns = QStringList{"Name",    "Address", "City State Zip", "Country",
                                    "Contact", "Phone",   "Notes"};
            for (int k = 0; k < kGroupCount; ++k)
                t.columns << QString::number(k);
            QStringList row{"Doe, Jane", "1 Elm", "Town, ST  1", "", "", "555", "n"};
            for (int k = 0; k < kGroupCount; ++k)
                row << (k == 2 || k == 17 ? "-1" : "0");
            t.rows = {row};
        } else if (name == "Return Addresses") {
            t.columns = QStringList{"Name", "Address", "City State Zip"};
            t.rows = {{"Me", "Home\nFlat 2", "Here"}, {"", "", ""}};
        } else {
            t.columns = QStringList{"VerticalAdjustment"};
            t.rows = {{adjustment_}};
        }
        return t;
    }

private:
    QString adjustment_;
};

TEST(AccessImport, ABookInOurLayoutComesInWhole) {
    TempBook book;
    book.create();
    const auto db = book.open();
    const ImportSource source = importTables(FakeBook(), {});
    const GroupTitles titles = defaultTitles();
    const ImportPlan plan =
        planImport(source, defaultMapping(source.table, titles), titles, bookKeys(*db));
    ASSERT_EQ(runImport(*db, plan, {}), 1);
    EXPECT_EQ(allRecords(*db).at(0),
              record({"Doe, Jane", "1 Elm", "Town, ST  1", "", "", "555", "n"}, {2, 17}));
    EXPECT_EQ(book.column("SELECT Address FROM \"Return Addresses\""),
              QVariantList{"Home, Flat 2"});
    EXPECT_EQ(book.value("SELECT VerticalAdjustment FROM Ini").toInt(), 180);

    // An adjustment the labels refuse stays out of the book, with a word.
    const ImportSource refused = importTables(FakeBook("5000"), {});
    const ImportPlan without = planImport(refused, defaultMapping(refused.table, titles), titles,
                                          bookKeys(*db), {}, isUsableAdjustment);
    EXPECT_FALSE(without.book->verticalAdjustment);
    EXPECT_TRUE(without.warnings.join(' ').contains("5000 twips"))
        << without.warnings.join(' ').toStdString();
}

TEST(AccessImport, ReadsTheSampleFiles) {
    SKIP_WITHOUT_MDB_FIXTURE("nwind.mdb");
    SKIP_WITHOUT_MDB_FIXTURE("DateTestDatabase.mdb");
    const AccessFile nwind(testing::mdbFixture("nwind.mdb"));
    EXPECT_EQ(nwind.jetVersion(), 3);
    EXPECT_TRUE(nwind.tableNames().contains("Customers"));
    EXPECT_THROW(importTables(nwind, {}), StoreError); // not our layout: a table must be chosen

    // Customers, mapped by hand as a user would.
    const ImportSource customers = importTables(nwind, "customers");
    const QStringList columns = customers.table.columns;
    Mapping mapping(columns.size());
    const std::pair<const char*, Target> chosen[] = {
        {"CompanyName", {Target::BookField, int(Field::Name)}},
        {"ContactName", {Target::BookField, int(Field::Contact)}},
        {"Address", {Target::BookField, int(Field::Address)}},
        {"City", {Target::City}},
        {"Region", {Target::State}},
        {"PostalCode", {Target::Zip}},
        {"Country", {Target::BookField, int(Field::Country)}},
        {"Phone", {Target::BookField, int(Field::Phone)}}};
    for (const auto& [column, target] : chosen)
        mapping[columns.indexOf(column)] = target;
    const ImportPlan plan = planImport(customers, mapping, defaultTitles(), {});
    EXPECT_EQ(plan.records.size(), 91u);
    EXPECT_EQ(plan.records[1],
              record({"Ana Trujillo Emparedados y helados", "Avda. de la Constitución 2222",
                      "México D.F.  05021", "Mexico", "Ana Trujillo", "(5) 555-4729"}));

    // A yes/no column reads -1 or 0.
    const SourceTable products = nwind.readTable("Products");
    const int discontinued = products.columns.indexOf("Discontinued");
    int yes = 0;
    for (const QStringList& row : products.rows)
        yes += row[discontinued] == "-1" ? 1 : row[discontinued] == "0" ? 0 : 1000;
    EXPECT_EQ(yes, 8);

    // Jet 4: memo and text.
    const AccessFile dates(testing::mdbFixture("DateTestDatabase.mdb"));
    EXPECT_EQ(dates.jetVersion(), 4);
    const SourceTable table = dates.readTable("DateTest");
    const int memo = table.columns.indexOf("LongTextCol");
    EXPECT_EQ(table.rows.at(0).at(memo), "Hello");
    EXPECT_EQ(table.rows.at(5).at(memo), "New line\r\nin field");
    EXPECT_EQ(table.rows.at(5).at(table.columns.indexOf("ShortTextCol")), "No new line");
}

// Writes `bytes` to damaged.mdb in the folder and reads it as an Access file.
void expectRefused(const TempBook& folder, const QByteArray& bytes, const char* what,
                   const QString& because) {
    const QString path = folder.folder() + "/damaged.mdb";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    try {
        const AccessFile access(path);
        for (const QString& table : access.tableNames())
            access.readTable(table);
        ADD_FAILURE() << what << ": read";
    } catch (const Error& error) {
        EXPECT_TRUE(error.message().contains(because)) << what << ": " << error.what();
        EXPECT_EQ(error.kind(), Error::Kind::Format) << what;
    }
}

TEST(AccessImport, SampleTablesMapByTheirHeadings) {
    SKIP_WITHOUT_MDB_FIXTURE("nwind.mdb");
    const AccessFile nwind(testing::mdbFixture("nwind.mdb"));
    for (const char* name : {"Customers", "Suppliers", "Employees"}) {
        const ImportSource source = importTables(nwind, name);
        const ImportPlan plan =
            planImport(source, defaultMapping(source.table, defaultTitles()), defaultTitles(), {});
        ASSERT_EQ(plan.records.size(), source.table.rows.size()) << name;
        const int zip = source.table.columns.indexOf("PostalCode");
        for (std::size_t i = 0; i < plan.records.size(); ++i) {
            EXPECT_TRUE(
                plan.records[i][Field::CityStateZip].endsWith(source.table.rows[i][zip].trimmed()))
                << name << " " << i;
            EXPECT_FALSE(plan.records[i][Field::Address].contains('\n')) << name << " " << i;
        }
        if (QLatin1String(name) == QLatin1String("Customers")) {
            EXPECT_EQ(
                plan.records[1],
                record({"Ana Trujillo Emparedados y helados", "Avda. de la Constitución 2222",
                        "México D.F.  05021", "Mexico", "Ana Trujillo", "(5) 555-4729", "Owner"}));
        }
    }
}

TEST(AccessImport, RefusesFilesItCantRead) {
    SKIP_WITHOUT_MDB_FIXTURE("nwind.mdb");
    QFile source(testing::mdbFixture("nwind.mdb"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray good = source.readAll();
    QByteArray unknownVersion = good;
    unknownVersion[0x14] = 3;
    QByteArray accdb = good;
    accdb.replace(4, 15, "Standard ACE DB");
    const std::pair<const char*, QByteArray> cases[] = {
        {"cut short", good.left(good.size() / 2 + 100)},
        {"unknown version", unknownVersion},
        {"accdb", accdb},
    };
    TempBook folder;
    for (const auto& [what, bytes] : cases)
        expectRefused(folder, bytes, what, "can't be read");
}

// What an interrupted copy leaves, and a scribbled-over table list: each ends in
// a refusal that says the file is damaged.
TEST(AccessImport, ADamagedFileEndsInARefusal) {
    SKIP_WITHOUT_MDB_FIXTURE("nwind.mdb");
    QFile source(testing::mdbFixture("nwind.mdb"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray good = source.readAll();
    constexpr int page = 2048; // Jet 3
    QByteArray scribbled = good;
    for (int at = 2 * page + 16; at < 3 * page; at += 7) // the catalogue's first data page
        scribbled[at] = char(0xff);
    const std::pair<const char*, QByteArray> cases[] = {
        // libmdb loops for ever reading the table list of these two, writing to stderr.
        {"cut after 736 pages", good.left(736 * page)},
        {"cut after 842 pages", good.left(842 * page)},
        {"scribbled catalogue", scribbled},
    };
    TempBook folder;
    for (const auto& [what, bytes] : cases)
        expectRefused(folder, bytes, what, "damaged");
}

// The reader's refusal reaches the program as it wrote it.
TEST(AccessImport, RefusesFilesThatAreNotAccess) {
    TempBook folder;
    expectRefused(folder, QByteArray(8192, 'x'), "not Access", "it is not an Access database");
    expectRefused(folder, QByteArray(), "empty", "it is not an Access database");
}

// A reader stand-in that misbehaves as libmdb can on a damaged file.
class FaultyReader {
public:
    FaultyReader(const TempBook& folder, const QByteArray& script)
        : before_(qgetenv("RAVELBOOK_MDB_READER")) {
        const QString path = folder.folder() + "/reader";
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("#!/bin/sh\n" + script + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("RAVELBOOK_MDB_READER", QFile::encodeName(path));
    }
    ~FaultyReader() { qputenv("RAVELBOOK_MDB_READER", before_); }
    FaultyReader(const FaultyReader&) = delete;
    FaultyReader& operator=(const FaultyReader&) = delete;

private:
    QByteArray before_;
};

TEST(AccessImport, AReaderThatFailsEndsInARefusal) {
    const std::pair<const char*, const char*> cases[] = {
        // Silent on stdout and chattering on stderr, as libmdb's endless loops are.
        {"yes 'warning: loop' >&2", "stopped making progress"},
        {"printf 'X\\000\\000\\000\\000'", "garbled"},
        {"printf 'V\\000\\000\\000\\005\\000\\000\\000\\0013'; kill -SEGV $$", "reading it failed"},
        // A table that never ends: 65,536 rows of 256 empty values, far more
        // as strings than the bytes that bring them.
        {"case \"$1\" in --rows) printf 'C\\000\\000\\004\\000'; head -c 1024 /dev/zero; "
         "f=$(mktemp);"
         " { printf 'R\\000\\000\\004\\000'; head -c 1024 /dev/zero; } >\"$f\";"
         " for i in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16; do cat \"$f\" \"$f\" >\"$f.2\";"
         " mv \"$f.2\" \"$f\"; done; cat \"$f\"; rm -f \"$f\";;"
         " --columns) printf 'C\\000\\000\\000\\005\\000\\000\\000\\001a';;"
         " *) printf "
         "'V\\000\\000\\000\\005\\000\\000\\000\\0013T\\000\\000\\000\\005\\000\\000\\000\\001t';; "
         "esac;"
         " printf 'Z\\000\\000\\000\\000'",
         "more than the file can hold"},
    };
    TempBook folder;
    for (const auto& [script, because] : cases) {
        const FaultyReader reader(folder, script);
        expectRefused(folder, "Standard Jet DB", script, because);
    }
}

} // namespace
} // namespace ravelbook::exchange
