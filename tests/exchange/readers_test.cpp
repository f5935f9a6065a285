// The CSV and vCard readers on awkward inputs, and the golden sample exports
// of common address books with the records each must give.
#include "exchange/csv.h"
#include "exchange/import.h"
#include "exchange/source_file.h"
#include "exchange/text_decoding.h"

#include <gtest/gtest.h>
#include <QFile>

namespace ravelbook::exchange {
namespace {

struct CsvCase {
    const char* what;
    QString text;
    std::vector<QStringList> rows;
    int problems = 0;
};

TEST(CsvReader, ReadsRowsAsRfc4180Says) {
    const CsvCase cases[] = {
        {"plain, LF", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"CRLF, no final line end", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"quotes, doubled quotes", "\"x, y\",\"say \"\"hi\"\"\"\n", {{"x, y", "say \"hi\""}}},
        {"line breaks inside quotes",
         "\"one\r\ntwo\",\"3\n4\"\r\nz,w\n",
         {{"one\ntwo", "3\n4"}, {"z", "w"}}},
        {"semicolons detected", "a;b,c;d\n", {{"a", "b,c", "d"}}},
        {"tabs detected", "a\tb\tc\n1\t\t3\n", {{"a", "b", "c"}, {"1", "", "3"}}},
        {"empty fields and blank lines", ",,\n\n\"\"\n", {{"", "", ""}, {""}}},
        {"text after a closing quote joins", "\"ab\"c,d\n", {{"abc", "d"}}},
        {"unbalanced quote", "a,b\n\"open,never\nclosed\n", {{"a", "b"}}, 1},
        {"Excel's line naming the separator", "sep=;\r\na;b,c\n", {{"a", "b,c"}}},
    };
    for (const CsvCase& c : cases) {
        const CsvRows read = readCsv(c.text);
        EXPECT_EQ(read.rows, c.rows) << c.what;
        EXPECT_EQ(read.problems.size(), c.problems) << c.what;
    }
}

TEST(CsvReader, WriterQuotesWhatTheReaderNeeds) {
    const QStringList fields{"O'Brien, Pat", "say \"hi\"", "a\nb", " edge ", "", "plain"};
    EXPECT_EQ(readCsv(csvLine(fields)).rows, std::vector<QStringList>{fields});
}

TEST(TextDecoding, Utf8WithOrWithoutMarkElseWindows1252) {
    const std::pair<QByteArray, QString> cases[] = {
        {"caf\xC3\xA9", QStringLiteral("café")},
        {"\xEF\xBB\xBF"
         "caf\xC3\xA9",
         QStringLiteral("café")},
        {"caf\xE9 \x80\x93", QStringLiteral("café €“")},
        {"N\xC3\xBA\xC3\xB1"
         "ez, Jos\xC3\xA9\n\xE9",
         QStringLiteral("Núñez, José\né")},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(decodeText(bytes), text) << bytes.toHex().constData();
    // The byte that is not UTF-8 is reported with its line.
    EXPECT_EQ(decodeFile("\xC3\xA9\xC3\xA9\n\xE9").problems,
              QStringList{"line 2: the byte 0xe9 is not UTF-8 like the rest of the file; it is "
                          "read as \"é\""});
    // A file damaged throughout lists its first problems, not millions.
    const QStringList many =
        decodeFile(QByteArray("\xC3\xA9\xC3\xA9\xE9\n").repeated(5000)).problems;
    EXPECT_EQ(many.size(), kMostProblems + 1);
    EXPECT_EQ(many.last(), "Further problems of the file are not listed.");
}

struct CardCase {
    const char* what;
    QByteArray vcf;
    QStringList row; // the first columns: Name, Address, City State Zip, Country, Contact, ...
    int problems = 0;
};

TEST(VCardReader, TakesTheFieldsTheBookHas) {
    const CardCase cases[] = {
        {"FN of a person when N is missing, unfolded",
         "BEGIN:VCARD\nFN:Pat\n  O'Brien\nEND:VCARD\n",
         {"O'Brien, Pat", "", "", "", "", "", ""}},
        {"FN of a company stays as it is",
         "BEGIN:VCARD\nFN:Acme Widgets Inc.\nEND:VCARD\n",
         {"Acme Widgets Inc.", "", "", "", "", "", ""}},
        {"FN with a suffix: the last name is before it",
         "BEGIN:VCARD\nFN:John Smith Jr.\nEND:VCARD\n",
         {"Smith, John Jr.", "", "", "", "", "", ""}},
        {"additional names follow the first one, separated by blanks",
         "BEGIN:VCARD\nN:Doe;John;Richter,James;Mr.;Sr.\nEND:VCARD\n",
         {"Doe, John Richter James", "", "", "", "", "", ""}},
        {"every part of N trimmed", "BEGIN:VCARD\nN:Ñ Ñ ;Ñ Ñ Ñ ;;;\nEND:VCARD\n", {"Ñ Ñ, Ñ Ñ Ñ"}},
        {"escapes",
         "BEGIN:VCARD\nN:Smith\\, Jr;Jo\nNOTE:a\\nb\\\\c\\;d\nEND:VCARD\n",
         {"Smith, Jr, Jo", "", "", "", "", "", "a\nb\\c;d"}},
        {"home ADR when none is preferred",
         "BEGIN:VCARD\nADR;TYPE=work:;;W;C;;;\n"
         "ADR;TYPE=home:;;H;Town;ST;12345;US\nEND:VCARD\n",
         {"", "H", "Town, ST  12345", "US", "", "", ""}},
        {"TEL at home, else mobile, else at work",
         "BEGIN:VCARD\nTEL;TYPE=work:1\nTEL;TYPE=cell:2\nEND:VCARD\n",
         {"", "", "", "", "", "2"}},
        {"a fax is no phone while there is another",
         "BEGIN:VCARD\nTEL;TYPE=HOME,FAX:0\nTEL;TYPE=CELL,VOICE:1\nEND:VCARD\n",
         {"", "", "", "", "", "1"}},
        {"ORG parts as the organization, apart from the contact",
         "BEGIN:VCARD\nORG:A;B\nEND:VCARD\n"
         "BEGIN:VCARD\nORG:A\nX-ASSISTANT:Kim\nEND:VCARD\n",
         {"", "", "", "", "", "", "", "", "", "A, B"}},
        {"cut short",
         "BEGIN:VCARD\nN:A;B\nEND:VCARD\nBEGIN:VCARD\nN:Lost\n",
         {"A, B", "", "", "", "", "", ""},
         1},
        {"byte order mark, QP soft break, NUL kept",
         "\xEF\xBB\xBF"
         "BEGIN:VCARD\nNOTE;QUOTED-PRINTABLE:a=\n=00b\nEND:VCARD\n",
         {"", "", "", "", "", "", QString("a") + QChar(0) + "b"}},
        {"a stray byte in UTF-8, reported",
         "BEGIN:VCARD\nN:N\xC3\xBA\xC3\xB1"
         "ez;Jos\xC3\xA9\nNOTE:Jos\xC3\xA9 caf\xE9\nEND:VCARD\n",
         {"Núñez, José", "", "", "", "", "", "José café"},
         1},
        {"an unusual spelling of UTF-8 keeps its stray bytes",
         "BEGIN:VCARD\nN;CHARSET=u-t-f-8:Caf\xE9;X\nEND:VCARD\n",
         {"Café, X", "", "", "", "", "", ""}},
        {"a value may begin with U+FEFF",
         "BEGIN:VCARD\nN:\xEF\xBB\xBFp;The Corner\nEND:VCARD\n",
         {QString(QChar(0xFEFF)) + "p, The Corner", "", "", "", "", "", ""}},
        {"unreadable line outside a card",
         "garbage\nBEGIN:VCARD\nN:A\nEND:VCARD\n",
         {"A", "", "", "", "", "", ""},
         1},
    };
    for (const CardCase& c : cases) {
        const SourceTable table = vCardSource(c.vcf);
        ASSERT_FALSE(table.rows.empty()) << c.what;
        EXPECT_EQ(table.rows.front().mid(0, c.row.size()), c.row) << c.what;
        EXPECT_EQ(table.problems.size(), c.problems) << c.what;
    }
}

struct Expected {
    QStringList fields;
    std::vector<int> groups;
};

struct Golden {
    const char* file;
    std::vector<Expected> records;
    QStringList unknown;
    int warnings = 0; // international numbers overflow the 15-character phone box
};

TEST(GoldenSamples, GiveTheirRecords) {
    GroupTitles titles;
    titles.fill(QStringLiteral("Personal"));
    titles[0] = QStringLiteral("Family");
    titles[1] = QStringLiteral("Work");
    const Golden samples[] = {
        {"outlook.csv",
         {{{"Álvarez, José", "12 Calle Mayor, Piso 3", "Madrid  28013", "Spain", "Acme Ltd.",
            "+34 91 555 0101", "Met at \"La Latina\"\nlikes tea"},
           {0}},
          {{"O'Brien, Pat", "44 Elm St", "Springfield, IL  62701", "", "", "(217) 555-0142", ""},
           {1}},
          // A company alone, a street of two lines, a business phone alone.
          {{"Northwind Traders", "Unit 4, Harbour Rd", "Portland, OR  97201", "", "",
            "(503) 555-0100"},
           {1}},
          // A company with its business address alone.
          {{"Baltic Shipping", "3 Quay St", "Hull  HU1 1AA", "United Kingdom", "",
            "(01482) 555 010"},
           {1}}},
         {"Book Club", "Clients, Europe"}},
        {"google.csv",
         {{{"王, 明", "1 Chang'an Ave, Apt 5", "Beijing  100000", "China", "", "+86 10 5555 0100",
            "同学"},
           {0}},
          {{"Lee, Ann Marie", "", "", "", "Lee & Sons", "", "no address"}, {}}},
         {},
         1},
        {"semicolon.csv", {{{"Müller, Eva", "Hauptstr. 1", "Wien  1010", "Österreich"}, {}}}, {}},
        {"apple.vcf",
         {{{"Nakamura, Yuki", "7 Rue de la Paix, Bâtiment B", "Paris  75002", "France",
            "Sakura Trading", "+33 1 42 00 00 00",
            "Prefers letters, not calls\nSecond line; really"},
           {0}},
          {{"The Corner Shop", "", "", "", "The Corner Shop"}, {}}},
         {"Golf Club"},
         1},
        {"android21.vcf",
         {{{"Müller, Jürgen", "Straße des 17. Juni 1", "Berlin  10623", "Deutschland", "",
            "030 1234567", "first\nsecond"},
           {}},
          {{"François, René", "", "", "", "Claire"}, {1}}},
         {}},
        {"v40.vcf",
         {{{"Okafor, Sam Chidi", "3 Marina Rd", "Lagos, LA  101001", "Nigeria", "",
            "+234-1-555-0100"},
           {0, 1}},
          {{"Eko Hotels, Events", "", "", "", "", "+234-1-555-0111"}, {}}},
         {}},
    };
    for (const Golden& sample : samples) {
        const QString path = QStringLiteral(SAMPLES_DIR "/") + QLatin1String(sample.file);
        const ImportSource source = readSource(path, *guessFormat(path));
        const ImportPlan plan =
            planImport(source, defaultMapping(source.table, titles), titles, {});
        ASSERT_EQ(plan.records.size(), sample.records.size()) << sample.file;
        for (std::size_t i = 0; i < sample.records.size(); ++i) {
            AddressRecord want;
            for (int f = 0; f < sample.records[i].fields.size(); ++f)
                want.fields[f] = sample.records[i].fields[f];
            for (int g : sample.records[i].groups)
                want.groups[g] = true;
            EXPECT_EQ(plan.records[i].fields, want.fields) << sample.file << " record " << i;
            EXPECT_EQ(plan.records[i].groups, want.groups) << sample.file << " record " << i;
        }
        QStringList unknown;
        for (const UnknownCategory& category : plan.unknownCategories)
            unknown << category.name;
        EXPECT_EQ(unknown, sample.unknown) << sample.file;
        EXPECT_EQ(plan.warnings.size(), sample.warnings) << sample.file;
    }
}

} // namespace
} // namespace ravelbook::exchange
