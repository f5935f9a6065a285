#include "settings/choices.h"
#include "settings/ini_settings_store.h"
#include "settings/printer_calibration.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ravelbook {
namespace {

const QString kApp = QStringLiteral("Ravelbook");
const QString kSection = QStringLiteral("Startup");

class IniSettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    IniSettingsStore store{root.path()};

    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(root.filePath(kApp));
        QFile file(store.filePath(kApp));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(IniSettingsStoreTest, FileLivesInTheApplicationFolder) {
    EXPECT_EQ(store.filePath(kApp), root.filePath(QStringLiteral("Ravelbook/Ravelbook.ini")));
    EXPECT_TRUE(store.readSection(kApp, kSection).empty());
}

TEST_F(IniSettingsStoreTest, SectionComesBackInFirstWrittenOrder) {
    for (int i = 0; i < 18; ++i)
        store.saveSetting(kApp, kSection, QStringLiteral("Label %1Caption").arg(i),
                          QString::number(i));
    // Rewriting keeps each key's place.
    store.saveSetting(kApp, kSection, QStringLiteral("Label 1Caption"), QStringLiteral("Family"));
    store.saveSetting(kApp, QStringLiteral("Other"), QStringLiteral("x"), QStringLiteral("y"));

    const auto entries = store.readSection(kApp, kSection);
    ASSERT_EQ(entries.size(), 18u);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(entries[i].first, QStringLiteral("Label %1Caption").arg(i));
    EXPECT_EQ(entries[1].second, QStringLiteral("Family"));
    EXPECT_EQ(entries[10].second, QStringLiteral("10"));
    EXPECT_EQ(store.readSection(kApp, QStringLiteral("Other")).size(), 1u);
}

TEST_F(IniSettingsStoreTest, AnyTextSurvivesTheRoundTrip) {
    const QStringList values{QString(),
                             QStringLiteral(" leading and trailing "),
                             QStringLiteral("a=b; c # d"),
                             QStringLiteral("[not a section]"),
                             QStringLiteral("back\\slash\\n"),
                             QStringLiteral("two\nlines\r\tand tab"),
                             QStringLiteral("Ämter, Ōsaka & Łódź"),
                             QString(500, QLatin1Char('w'))};
    for (int i = 0; i < values.size(); ++i)
        store.saveSetting(kApp, kSection, QStringLiteral("=key %1 ").arg(i), values[i]);
    const auto entries = store.readSection(kApp, kSection);
    ASSERT_EQ(entries.size(), std::size_t(values.size()));
    for (int i = 0; i < values.size(); ++i) {
        EXPECT_EQ(entries[i].first, QStringLiteral("=key %1 ").arg(i));
        EXPECT_EQ(entries[i].second, values[i]);
    }
}

TEST_F(IniSettingsStoreTest, GarbledFileReadsAsEmptyAndIsReplacedByTheNextSave) {
    const QByteArray garbage[] = {
        QByteArray("\x00\x01\x02\xff\xfe binary", 12),
        "[Startup]\nLabel 0Caption=Personal\nthis line has no equals sign\n",
        "Label 0Caption=before any section\n",
        "[Startup]\nLabel 0Caption=\xc3\x28 not utf-8\n",
    };
    for (const QByteArray& bytes : garbage) {
        writeFile(bytes);
        EXPECT_TRUE(store.readSection(kApp, kSection).empty()) << bytes.toStdString();
        store.saveSetting(kApp, kSection, QStringLiteral("Label 0Caption"),
                          QStringLiteral("Fresh"));
        const auto entries = store.readSection(kApp, kSection);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].second, QStringLiteral("Fresh"));
        QFile kept(store.filePath(kApp) + QStringLiteral(".garbled"));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), bytes) << "the garbled file is kept beside the new one";
    }
}

TEST_F(IniSettingsStoreTest, HandWrittenFileWithCommentsIsRead) {
    writeFile("; written by hand\r\n\r\n[Startup]\r\nLabel 0Caption=Friends\r\n# note\r\n"
              "Label 1Caption=Club\r\n[Paths]\r\nHome=C:\\Users\\ann\\\r\n");
    const auto entries = store.readSection(kApp, kSection);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1], std::make_pair(QStringLiteral("Label 1Caption"), QStringLiteral("Club")));
    // Backslashes that start no escape stand for themselves.
    EXPECT_EQ(store.readSection(kApp, QStringLiteral("Paths")).at(0).second,
              QStringLiteral("C:\\Users\\ann\\"));
}

TEST_F(IniSettingsStoreTest, UnwritableFolderIsReported) {
    IniSettingsStore blocked(QStringLiteral("/proc/no-such-place"));
    EXPECT_ANY_THROW(blocked.saveSetting(kApp, kSection, QStringLiteral("k"), QStringLiteral("v")));
}

TEST_F(IniSettingsStoreTest, ChoicesAHandEditedFileSpoilsKeepTheirDefaults) {
    writeFile("[Choices]\nBiFold=maybe\nFirstNameFirst=no\nReturnAddress=-3\n"
              "WindowGeometry=\nPrintSingleSelected=\n");
    const choices::Choices read = choices::read(store);
    EXPECT_FALSE(read.biFold);
    EXPECT_FALSE(read.firstNameFirst);
    EXPECT_TRUE(read.printSingle);
    EXPECT_EQ(read.returnAddress, 0);
    EXPECT_TRUE(read.windowGeometry.isEmpty());
}

TEST_F(IniSettingsStoreTest, RecentBooksLatestFirstWithoutRepeatsAtMostFive) {
    for (const char* book : {"a", "b", "c", "b", "d", "e", "f", "g"})
        choices::rememberBook(store, QLatin1String(book));
    EXPECT_EQ(choices::recentBooks(store), (QStringList{"g", "f", "e", "d", "b"}));
}

TEST_F(IniSettingsStoreTest, PrinterCalibrationIsKeptPerPrinterNameAcrossAReopen) {
    using printer_calibration::Offset;
    struct Case {
        QString printer;
        Offset saved;
        Offset read;
    };
    const Case cases[] = {
        {"Office", {90, -45}, {90, -45}},
        {"Office ", {-1440, 1440}, {-1440, 1440}},
        {"HP=2 [x];#\\", {1, 2}, {1, 2}},
        {"[Startup]", {3, 4}, {3, 4}},
        {"; lead", {5, 6}, {5, 6}},
        {"Büro\nDrucker\t\u00a0", {7, 8}, {7, 8}},
        {QString(QChar(0)) + QChar(0xd800) + "half", {9, 10}, {9, 10}},
        // '%' is encoded too, so these two never share a key.
        {"A", {11, 12}, {11, 12}},
        {"%0041", {13, 14}, {13, 14}},
        {"Far off", {5000, -2000}, {1440, -1440}},
        {"", {15, 16}, {}},
    };
    for (const Case& c : cases)
        printer_calibration::save(store, c.printer, c.saved);
    printer_calibration::saveUnit(store, printer_calibration::Unit::Millimetres);
    const IniSettingsStore reopened(root.path());
    for (const Case& c : cases)
        EXPECT_EQ(printer_calibration::read(reopened, c.printer), c.read)
            << c.printer.toStdString();
    EXPECT_EQ(printer_calibration::readUnit(reopened), printer_calibration::Unit::Millimetres);
    EXPECT_EQ(printer_calibration::read(reopened, "Never calibrated"), Offset{});

    // A hand-edited value that can't be read, or lies beyond an inch, moves nothing.
    for (const char* value : {"abc", "1,2,3", "2000,0", "12", ""}) {
        store.saveSetting(kApp, printer_calibration::kSection, "Office", QLatin1String(value));
        EXPECT_EQ(printer_calibration::read(store, "Office"), Offset{}) << value;
    }
}

} // namespace
} // namespace ravelbook
