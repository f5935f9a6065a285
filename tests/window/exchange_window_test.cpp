// File: Import... and Export... in the window: the preview driven by clicks,
// groups given to unknown categories, remembered mappings, the export of the
// ticked groups.
#include "support/form_fixture.h"
#include "support/mdb_fixtures.h"
#include "window/exchange_dialogs.h"
#include "window/import_preview.h"

#include <functional>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringListModel>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

namespace ravelbook {
namespace {

class ScriptedExchange final : public ExchangeDialogs {
public:
    QString openFileName(const QString&, const QString&) override { return file; }
    QString saveFileName(const QString&, const QString&, QString* chosen) override {
        *chosen = filter;
        return file;
    }
    QString chooseItem(const QString&, const QString&, const QStringList& items) override {
        offered = items;
        return table;
    }
    bool run(QDialog& dialog) override {
        dialog.show();
        inPreview(dynamic_cast<ImportPreview&>(dialog));
        return dialog.result() == QDialog::Accepted;
    }

    QString file;
    QString filter;
    QString table;
    QStringList offered;
    std::function<void(ImportPreview&)> inPreview;
};

class ExchangeWindow : public testing::FormFixture {
protected:
    ExchangeWindow() {
        openForm();
        form->exchange().setExchangeDialogs(&exchange);
    }
    QString write(const QByteArray& bytes) {
        exchange.file = settingsRoot.filePath("in.csv");
        QFile file(exchange.file);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return exchange.file;
    }
    ScriptedExchange exchange;
};

TEST_F(ExchangeWindow, FileMenuHoldsImportExportAndQuit) {
    QStringList texts;
    for (const QAction* action : form->menuFile->actions())
        texts << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(texts, QStringList({"&New Book…", "&Open Book…", "Open &Server Book…", "-",
                                  "&Link Online Address Book…", "&Import...", "&Export...", "-",
                                  "Print Pre&view…", "&Print…", "&Calibrate Printer…",
                                  "New S&tationery…", "-", "&Quit"}));
}

TEST_F(ExchangeWindow, PreviewShowsWhatWillLandAndImportsOnClick) {
    write("First Name,Last Name,Memo,Categories\n"
          "Jo,Smith,likes tea,Chess;Personal\n"
          "Al,Lee,,chess\n"
          ",,,\n"); // an empty row is no record
    exchange.inPreview = [](ImportPreview& preview) {
        EXPECT_EQ(preview.previewTable()->item(0, 0)->text(), "Smith, Jo");
        // The wheel over a box scrolls the list, and leaves the box as it was.
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(preview.mappingBox(0), &wheel);
        EXPECT_EQ(preview.mappingBox(0)->currentText(), "Name: first name");
        EXPECT_EQ(preview.previewTable()->item(0, 6)->text(), ""); // Memo is not mapped yet
        // Memo is the third column; "Notes" is the eighth entry of its list.
        preview.mappingBox(2)->setCurrentIndex(7);
        EXPECT_EQ(preview.previewTable()->item(0, 6)->text(), "likes tea");
        EXPECT_TRUE(preview.summaryText()->toPlainText().contains(
            "\"Chess\" (2 records) matches no group title"));
        // One box for the one category, in its row.
        EXPECT_EQ(preview.findChildren<QComboBox*>(QRegularExpression("^category")).size(), 1);
        preview.categoryBox(0)->setCurrentIndex(13); // group column 12
        EXPECT_EQ(preview.previewTable()->item(1, 7)->text(), "12 Chess");
        QTest::mouseClick(preview.importButton(), Qt::LeftButton);
    };
    form->exchange().actImport->trigger();

    EXPECT_EQ(book.column("SELECT Name FROM Addresses WHERE [12] = -1"),
              QVariantList({"Smith, Jo", "Lee, Al"}));
    EXPECT_EQ(book.value("SELECT Notes FROM Addresses WHERE [0] = -1"), "likes tea");
    EXPECT_EQ(form->groupCaption(12), "Chess");
    EXPECT_EQ(form->groupCaption(twinOf(12)), "Chess");
    EXPECT_EQ(form->names().nameList()->stringList(), QStringList({"Lee, Al", "Smith, Jo"}));
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_TRUE(dialogs.shown.back().text.startsWith("Imported 2 of 2 records"));

    // The same headings again: Memo goes to Notes as chosen, and both are duplicates now.
    exchange.inPreview = [](ImportPreview& preview) {
        EXPECT_EQ(preview.mappingBox(2)->currentIndex(), 7);
        EXPECT_EQ(preview.plan().duplicates, 2);
        EXPECT_FALSE(preview.importButton()->isEnabled());
        preview.reject();
    };
    const QByteArray before = book.bytes();
    form->exchange().actImport->trigger();
    EXPECT_EQ(book.bytes(), before);
}

TEST_F(ExchangeWindow, AnAccessTableIsChosenAndMappedByHand) {
    SKIP_WITHOUT_MDB_FIXTURE("nwind.mdb");
    exchange.file = testing::mdbFixture("nwind.mdb");
    exchange.table = "Customers";
    exchange.inPreview = [](ImportPreview& preview) {
        const QStringList columns = preview.source().table.columns;
        preview.mappingBox(columns.indexOf("CompanyName"))->setCurrentIndex(1); // Name
        preview.mappingBox(columns.indexOf("Address"))->setCurrentIndex(2);     // Address
        EXPECT_EQ(preview.previewTable()->item(0, 0)->text(), "Alfreds Futterkiste");
        EXPECT_EQ(preview.plan().records.size(), 91u);
        QTest::mouseClick(preview.importButton(), Qt::LeftButton);
    };
    form->exchange().actImport->trigger();
    EXPECT_TRUE(exchange.offered.contains("Customers"));
    EXPECT_EQ(book.value("SELECT COUNT(*) FROM Addresses").toInt(), 91);
    EXPECT_EQ(book.value("SELECT Address FROM Addresses WHERE Name = 'Alfreds Futterkiste'"),
              "Obere Str. 57");
}

TEST_F(ExchangeWindow, ExportWritesTheGroupsTickedOnMailings) {
    book.addPeople({{"In, Group", "", "", "", "", {3}}, {"Not, In", "", "", "", "", {4}}});
    openForm();
    form->exchange().setExchangeDialogs(&exchange);
    form->groupBox(twinOf(3))->setChecked(true);
    exchange.file = settingsRoot.filePath("out.vcf");
    exchange.filter = "vCard 3.0 file (*.vcf)";
    form->exchange().actExport->trigger();
    QFile file(exchange.file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray cards = file.readAll();
    EXPECT_TRUE(cards.contains("N:In;Group;;;"));
    EXPECT_FALSE(cards.contains("Not"));
}

} // namespace
} // namespace ravelbook
