// Page "Mailings" as the user prints from it: the stationery options, the
// vertical adjustment, the print button and where the pages go.
#include "app/translations.h"
#include "print/stationery/stationery_catalogue.h"
#include "settings/printer_calibration.h"
#include "store/data_source.h"
#include "support/form_fixture.h"
#include "support/pdf_printers.h"
#include "support/recording_surface.h"
#include "support/stock_templates.h"
#include "window/calibration_dialog.h"
#include "window/new_stationery_dialog.h"
#include "window/print_preview.h"
#include "window/return_address_page.h"
#include "window/sheet_drawing.h"
#include "window/stationery_chooser.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace ravelbook {
namespace {

using testing::FormFixture;
using testing::RecordingDestination;

const QString kBase = R"(SELECT * FROM "Addresses" WHERE NOT "Name" = '' AND "Name" IS NOT NULL)";

// The locale widgets made in its lifetime take, then the one before.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(before_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    const QLocale before_;
};

class Printing : public FormFixture {
protected:
    void SetUp() override {
        book.addPeople({
            {"Smith, John", "12 Elm St", "Springfield", "USA", "", {0}},
            {"Adams, Zoe", "1 Oak", "Salem", "", "", {3}},
            {"Brown, Bo", "2 Ash", "Dover", "", "", {5}},
        });
        book.exec("UPDATE Ini SET VerticalAdjustment = -60");
        book.exec("UPDATE \"Return Addresses\" SET Name = 'Ann Sender', Address = '1 Main St', "
                  "\"City State Zip\" = 'Town'");
        openForm();
        form->SSTab1->setCurrentIndex(1); // page "Mailings"
        form->printer().setPrintDestination(&destination);
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // The pages the preview opened by `button` shows; it is closed without printing.
    int previewedPages(QAbstractButton* button) {
        int pages = 0;
        form->printer().setPreviewRunner([&](PrintPreviewDialog& preview) {
            pages = preview.pageCount();
            return false;
        });
        click(button);
        return pages;
    }

    QStringList drawnNames() const {
        QStringList names;
        const auto& drawn = destination.surface.drawn;
        for (std::size_t i = 0; i + 1 < drawn.size(); ++i) {
            if (drawn[i].text == "TO:")
                names << drawn[i + 1].text;
        }
        return names;
    }

    RecordingDestination destination;
};

TEST_F(Printing, StationeryOptionsShowTheControlsTheyUse) {
    struct Case {
        const char* option;
        std::array<bool, 5> shown; // lblSpecial, txtSpecial, frmFold, Label1, txtReturnAddress(3)
        int lastLabel;             // of "Start at label"; 0 where it is hidden
    };
    const Case cases[] = {
        {"optFlier", {true, true, true, true, true}, 0},
        {"optAverySmall", {false, false, false, false, false}, 20},
        {"optEnvelope", {true, true, false, true, true}, 0},
        {"optAveryLarge", {false, false, false, true, true}, 10},
        {"optCards", {true, true, false, true, true}, 0},
    };
    const bool biFold = form->mailings().optBiFold->isChecked();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        click(control<QRadioButton>(c.option));
        const std::array<QWidget*, 5> controls = {
            form->mailings().lblSpecial, form->mailings().txtSpecial, form->mailings().frmFold,
            form->mailings().Label1, form->mailings().txtReturnAddress3};
        for (std::size_t i = 0; i < controls.size(); ++i)
            EXPECT_EQ(controls[i]->isVisible(), c.shown[i]) << i;
        EXPECT_EQ(form->mailings().optBiFold->isChecked(), biFold);
        EXPECT_EQ(form->mailings().spnStartAt->isVisible(), c.lastLabel != 0);
        // The adjustment moves label sheets only.
        EXPECT_EQ(form->mailings().txtVerticalAdjustment->isVisible(), c.lastLabel != 0);
        EXPECT_EQ(form->mailings().Label19->isVisible(), c.lastLabel != 0);
        if (c.lastLabel != 0) {
            EXPECT_EQ(form->mailings().spnStartAt->maximum(), c.lastLabel);
        }
    }
    EXPECT_EQ(destination.runs, 0);
}

TEST_F(Printing, PrintAndPreviewNameWhatIsMissingAndPrintNothing) {
    form->printer().setPreviewRunner([](PrintPreviewDialog&) {
        ADD_FAILURE() << "previewed";
        return false;
    });
    // Each step asks both buttons, the print button first.
    const auto both = [&](std::size_t shown, const QString& text, const QString& title) {
        click(form->mailings().cmdPrintMailingList);
        click(form->mailings().cmdPreview);
        ASSERT_EQ(dialogs.shown.size(), shown);
        for (std::size_t i = shown - 2; i < shown; ++i) {
            if (!text.isEmpty()) {
                EXPECT_EQ(dialogs.shown[i].text, text);
            }
            EXPECT_EQ(dialogs.shown[i].title, title);
        }
    };
    form->mailings().strSQL = "something else";
    // Only the groups are asked for first.
    both(2, "First select some groups to mail to", "Nothing selected");
    EXPECT_EQ(form->mailings().strSQL, kBase);

    click(form->groupBox(35));
    both(4, "You must first select what to print!", "Select option at the top left!");
    EXPECT_EQ(destination.runs, 0);

    // One record, but the chosen group holds nobody: said, and no sheet is used.
    click(form->groupBox(35));
    click(form->groupBox(34));
    click(form->mailings().optAverySmall);
    form->mailings().chkPrintSample->setChecked(false);
    both(6, "", "Nothing to print!");
    EXPECT_EQ(destination.runs, 0); // said before any printer or file is asked for
}

TEST_F(Printing, GroupRunPrintsTheGridsRecordsAndLeavesTheEditorOnTheQuery) {
    click(form->groupBox(35 - 3));
    click(form->groupBox(35 - 0));
    click(form->mailings().optAverySmall);
    click(form->mailings().chkPrintSample);
    // The editor's boxes are not refilled for every record printed.
    QSignalSpy refills(form->names().txtAddress[0], &QLineEdit::textChanged);
    click(form->mailings().cmdPrintMailingList);

    EXPECT_LE(refills.count(), 1);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form->mailings().strSQL, kBase + " AND (\"0\" = -1 OR \"3\" = -1)");
    QStringList names = drawnNames();
    names.sort();
    EXPECT_EQ(names, (QStringList{"John Smith", "Zoe Adams"}));
    EXPECT_EQ(form->printer().lastPrint().items, 2);
    // The editor stays on the print query, past its last record.
    EXPECT_EQ(form->record().Data1->recordSource().text, form->mailings().strSQL);
    EXPECT_TRUE(form->record().Data1->eof());
    EXPECT_TRUE(form->names().txtAddress[0]->text().isEmpty());
}

TEST_F(Printing, SingleRunPrintsTheGridsCurrentRecordAsTheOptionsSay) {
    click(form->groupBox(35 - 3));
    click(form->groupBox(35 - 0));
    click(form->mailings().optEnvelope);
    QTest::keyClicks(form->mailings().txtSpecial, "Season's greetings");
    ASSERT_TRUE(form->mailings().chkPrintSample->isChecked());
    form->mailings().TDBGridS1->selectRow(1);
    const QString selected = form->mailings().datGrid->field(0).toString();
    click(form->mailings().chkFirstNameFirst); // names as stored

    click(form->mailings().cmdPrintMailingList);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(drawnNames(), QStringList{selected});
    EXPECT_EQ(form->names().txtAddress[0]->text(), selected); // the editor shows the printed record
    EXPECT_EQ(destination.surface.documentsEnded, 1);
    QStringList texts;
    for (const auto& d : destination.surface.drawn)
        texts << d.text;
    EXPECT_TRUE(texts.contains("Ann Sender"));
    EXPECT_EQ(texts.last(), "Season's greetings");
}

TEST_F(Printing, VerticalAdjustmentFollowsTheBoxAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(form->mailings().intVerticalAdjustment, -60); // from the book, at start
    const QFont font = form->mailings().txtVerticalAdjustment->font();
    // A typed entry counts once it is finished, and a refused one leaves the
    // value before it in force, not one of its keystrokes ("50" of "500").
    form->mailings().txtVerticalAdjustment->selectAll();
    QTest::keyClicks(form->mailings().txtVerticalAdjustment, "500");
    EXPECT_EQ(form->mailings().intVerticalAdjustment, -60);
    QTest::keyClick(form->mailings().txtVerticalAdjustment, Qt::Key_Return);
    EXPECT_EQ(form->mailings().intVerticalAdjustment, -60);
    EXPECT_EQ(form->mailings().lblAdjustmentNote->text(), "Labels stay at -60");
    EXPECT_FALSE(form->mailings().txtVerticalAdjustment->toolTip().isEmpty());
    ASSERT_TRUE(form->mailings().datIni->flushPending());
    EXPECT_EQ(book.value("SELECT VerticalAdjustment FROM Ini").toInt(), -60);
    form->mailings().txtVerticalAdjustment->selectAll();
    QTest::keyClicks(form->mailings().txtVerticalAdjustment, "180");
    QTest::keyClick(form->mailings().txtVerticalAdjustment, Qt::Key_Return);
    EXPECT_EQ(form->mailings().intVerticalAdjustment, 180);
    ASSERT_TRUE(form->mailings().datIni->flushPending());
    EXPECT_EQ(book.value("SELECT VerticalAdjustment FROM Ini").toInt(), 180);

    // Filled or pasted whole.
    struct Step {
        QString text;
        qint16 value;
        bool refused;
        QString note; // beside the box
    };
    const Step steps[] = {
        {"180", 180, false, ""},
        {"12abc", 12, false, "Labels use 12"},
        {"99999", 12, true, "Labels stay at 12"},
        {"", 0, false, ""},
        {"2.5", 2, false, "Labels use 2"},
        {"-40000", 2, true, "Labels stay at 2"},
        {"1,440", 1, false, "Labels use 1"},
        {"480", 480, false, ""},
        // The last row of labels would run off the foot of the page, the first off its top.
        {"600", 480, true, "Labels stay at 480"},
        {"-400", 480, true, "Labels stay at 480"},
        {"-340", -340, false, ""},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.text.toStdString());
        form->mailings().txtVerticalAdjustment->setText(s.text);
        EXPECT_EQ(form->mailings().intVerticalAdjustment, s.value);
        EXPECT_EQ(form->mailings().txtVerticalAdjustment->toolTip().isEmpty(), !s.refused);
        EXPECT_EQ(form->mailings().lblAdjustmentNote->text(), s.note);
    }
    // Shown refused and then taken, the box keeps the page's font, with the focus too.
    form->mailings().txtVerticalAdjustment->setFocus();
    EXPECT_EQ(form->mailings().txtVerticalAdjustment->font(), font);

    // The labels take the adjustment in force.
    form->mailings().txtVerticalAdjustment->setText("2.50");
    click(form->groupBox(35));
    click(form->mailings().optAverySmall);
    form->mailings().spnStartAt->setValue(3);
    click(form->mailings().cmdPrintMailingList);
    ASSERT_FALSE(destination.surface.drawn.empty());
    EXPECT_EQ(destination.surface.drawn.front().y, 1440 + 342); // label 3: second row
    EXPECT_EQ(form->mailings().spnStartAt->value(), 1);         // the next sheet is a fresh one

    // A calibrated printer has its offsets added to the adjustment; another printer has not.
    printer_calibration::save(settings, "Office", {90, -45});
    for (const auto& [printer, x, y] :
         {std::tuple{"Office", 400 + 90, 342 - 45}, {"Home", 400, 342}}) {
        SCOPED_TRACE(printer);
        destination.printerName = printer;
        destination.surface = {};
        click(form->mailings().cmdPrintMailingList);
        ASSERT_FALSE(destination.surface.drawn.empty());
        EXPECT_EQ(destination.surface.drawn.front().x, x);
        EXPECT_EQ(destination.surface.drawn.front().y, y);
    }
}

TEST_F(Printing, CalibrationDialogPrintsTheSheetAndKeepsTheOffsetsOfEachPrinter) {
    SKIP_ON_SERVER();
    using printer_calibration::Unit;
    printer_calibration::save(settings, "Office", {144, -72});
    click(form->mailings().optEnvelope);
    const QString printed = settingsRoot.filePath("printed.pdf");
    const testing::PdfPrinters printers(printed);
    const auto typed = [](QDoubleSpinBox* box, const char* text) {
        box->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(box, text);
        box->interpretText();
    };
    {
        // A German user, who chose no unit, measures in millimetres with a
        // decimal comma; choosing the locale's unit keeps nothing.
        const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
        CalibrationDialog metric(settings, dialogs, printers, book.path(), Stationery::Envelopes);
        EXPECT_EQ(metric.unit(), Unit::Millimetres);
        EXPECT_EQ(metric.spnRight->suffix(), " mm");
        typed(metric.spnRight, "2,5");
        EXPECT_EQ(metric.offset(), (PrintOffset{142, -72}));
        metric.setUnit(Unit::Inches);
        metric.setUnit(Unit::Millimetres);
    }
    const DefaultLocale american(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(printer_calibration::readUnit(settings), Unit::Inches);
    CalibrationDialog dialog(settings, dialogs, printers, book.path(),
                             form->mailings().chosenStationery());

    // The page's stationery, the default printer and the offsets kept for it.
    EXPECT_EQ(dialog.stationery(), Stationery::Envelopes);
    EXPECT_EQ(dialog.printer(), "Office");
    EXPECT_EQ(dialog.offset(), (PrintOffset{144, -72}));
    EXPECT_DOUBLE_EQ(dialog.spnRight->value(), 0.1);
    EXPECT_DOUBLE_EQ(dialog.spnDown->value(), -0.05);

    // Millimetres, kept for next time; the offsets stay as they were.
    dialog.cboUnit->setCurrentIndex(int(Unit::Millimetres));
    EXPECT_EQ(printer_calibration::readUnit(settings), Unit::Millimetres);
    EXPECT_DOUBLE_EQ(dialog.spnRight->value(), 2.5);
    EXPECT_EQ(dialog.offset(), (PrintOffset{144, -72}));
    dialog.spnDown->setValue(-1.0);
    EXPECT_EQ(dialog.offset(), (PrintOffset{144, -57}));
    // Typed with a decimal comma, the offset is taken as it reads.
    typed(dialog.spnRight, "0,5");
    EXPECT_DOUBLE_EQ(dialog.spnRight->value(), 0.5);

    // The sheet goes to the printer from its preview, or into a PDF the user
    // names; not over the book.
    int previewed = 0;
    dialog.setPreviewRunner([&](PrintPreviewDialog& preview) {
        EXPECT_EQ(preview.pageCount(), 1);
        preview.show();
        EXPECT_EQ(preview.pagesDrawn(), 1);
        ++previewed;
        return true;
    });
    click(dialog.cmdPreviewSheet);
    EXPECT_EQ(previewed, 1);
    EXPECT_GT(QFileInfo(printed).size(), 0);
    EXPECT_TRUE(dialog.lblStatus->text().contains("Office"));
    const QString saved = settingsRoot.filePath("sheet.pdf");
    dialogs.fileAnswers = {saved, book.path()};
    click(dialog.cmdSavePdf);
    EXPECT_GT(QFileInfo(saved).size(), 0);
    const QByteArray before = book.bytes();
    click(dialog.cmdSavePdf);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_TRUE(dialogs.shown[2].text.contains("it is the open address book"));
    EXPECT_EQ(book.bytes(), before);

    // A catalogue stationery chosen on the page: its A4 sheet.
    dialog.addStock(testing::averyL7160());
    EXPECT_EQ(dialog.cboStationery->currentText(), "Avery L7160 Address Labels");
    dialog.setPreviewRunner([&](PrintPreviewDialog& preview) {
        preview.show();
        click(preview.findChild<QToolButton*>("cmdFitPage"));
        const QSize shown = preview.findChild<QLabel*>("pageView")->size();
        EXPECT_NEAR(double(shown.height()) / shown.width(), 297.0 / 210, 0.02);
        return false;
    });
    click(dialog.cmdPreviewSheet);
    dialog.cboStationery->setCurrentIndex(0);
    EXPECT_EQ(dialog.stock(), nullptr);

    // Another printer shows its own offsets; OK keeps those for it alone.
    dialogs.printerAnswers = {{"Home", 1, {}}};
    click(dialog.cmdPrinter);
    EXPECT_EQ(dialog.printer(), "Home");
    EXPECT_EQ(dialog.offset(), PrintOffset{});
    dialog.spnRight->setValue(-0.5);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(printer_calibration::read(settings, "Home"), (printer_calibration::Offset{-28, 0}));
    EXPECT_EQ(printer_calibration::read(settings, "Office"),
              (printer_calibration::Offset{144, -72}));
}

TEST_F(Printing, LongRunShowsItsProgressAndCleansUp) {
    for (int i = 0; i < 310; ++i)
        book.addPerson({QString("Many, %1").arg(i), "", "", "", "", {9}});
    click(form->groupBox(35 - 9));
    click(form->mailings().optAverySmall);
    click(form->mailings().chkPrintSample);
    int largestShown = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* progress = form->findChild<QProgressDialog*>())
            largestShown = std::max(largestShown, progress->value());
    });
    watch.start(0);
    click(form->mailings().cmdPrintMailingList);
    EXPECT_EQ(form->printer().lastPrint().items, 310);
    EXPECT_GT(largestShown, 0);
    EXPECT_EQ(form->findChild<QProgressDialog*>(), nullptr);
    EXPECT_EQ(destination.surface.calls.count("NewPage"), 15);
}

// The preview draws a page when it is shown, so a run of any length opens at
// once; Print from it prints as the print button does.
TEST_F(Printing, PreviewDrawsOnlyThePagesShownAndPrintsFromIt) {
    for (int i = 0; i < 40; ++i)
        book.addPerson({QString("Many, %1").arg(i), "", "", "", "", {9}});
    click(form->groupBox(35 - 9));
    click(form->mailings().optAverySmall);
    click(form->mailings().chkPrintSample);
    struct Case {
        int startAt;
        int pages;
    };
    const Case cases[] = {{1, 2} /* a full last sheet */, {7, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.startAt);
        form->mailings().spnStartAt->setValue(c.startAt);
        int previews = 0;
        form->printer().setPreviewRunner([&](PrintPreviewDialog& preview) {
            ++previews;
            preview.show();
            EXPECT_EQ(preview.windowTitle(), "Print Preview");
            EXPECT_EQ(preview.pageCount(), c.pages);
            const auto* page = preview.findChild<QLabel*>("lblPage");
            struct Step {
                const char* button; // nothing: as opened
                int page;
                int drawn;
            };
            const Step steps[] = {
                {nullptr, 0, 1},
                {"cmdPreviousPage", 0, 1}, // no page before the first
                {"cmdNextPage", 1, 2},
                {"cmdLastPage", c.pages - 1, c.pages},
                {"cmdNextPage", c.pages - 1, c.pages},
                {"cmdFirstPage", 0, c.pages},  // kept
                {"cmdZoomIn", 0, c.pages + 1}, // drawn again, larger
            };
            for (const Step& s : steps) {
                SCOPED_TRACE(s.button ? s.button : "opened");
                if (s.button)
                    click(preview.findChild<QToolButton*>(s.button));
                EXPECT_EQ(preview.currentPage(), s.page);
                EXPECT_EQ(page->text(), QString("Page %1 of %2").arg(s.page + 1).arg(c.pages));
                EXPECT_EQ(preview.pagesDrawn(), s.drawn);
            }
            // Fit Width: the page takes the width of its area.
            click(preview.findChild<QToolButton*>("cmdFitWidth"));
            const auto* area = preview.findChild<QScrollArea*>("pageArea");
            const int shown = preview.findChild<QLabel*>("pageView")->width();
            EXPECT_LE(shown, area->viewport()->width());
            EXPECT_GT(shown, area->viewport()->width() * 9 / 10);
            return preview.result() == QDialog::Accepted;
        });
        click(form->mailings().cmdPreview);
        EXPECT_EQ(previews, 1);
    }
    EXPECT_EQ(destination.runs, 0);

    form->printer().setPreviewRunner([&](PrintPreviewDialog& preview) {
        preview.show();
        click(preview.findChild<QPushButton*>("cmdPrint"));
        EXPECT_FALSE(preview.isVisible());
        return preview.result() == QDialog::Accepted;
    });
    form->actPrintPreview->trigger();
    EXPECT_EQ(destination.runs, 1);
    EXPECT_EQ(form->printer().lastPrint().items, 40);
    EXPECT_EQ(drawnNames().size(), 40);
}

// Under a German locale the window speaks German: its captions, a refusal, the
// status line and the design group titles; English again once the locale is.
// A name no installed font can draw is named above the previewed page too.
TEST_F(Printing, PreviewNamesANameNoFontCanDraw) {
    book.addPerson(
        {QString::fromUcs4(U"\U00010000\U00010001, \U00010002"), "1 Main", "", "", "", {9}});
    click(form->groupBox(35 - 9));
    click(form->mailings().optAverySmall);
    QString note;
    form->printer().setPreviewRunner([&](PrintPreviewDialog& preview) {
        preview.show();
        note = preview.findChild<QLabel*>("lblNote")->text();
        return false;
    });
    click(form->mailings().cmdPreview);
    EXPECT_TRUE(note.startsWith("On this page: 1 name had characters no installed font has"))
        << note.toStdString();
}

TEST_F(Printing, AGermanUserSeesTheWindowInGerman) {
    SKIP_ON_SERVER();
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString pdf = settingsRoot.filePath("karten.pdf");
    {
        const Translations german;
        openForm();
        form->printer().setPrintDestination(nullptr);
        EXPECT_EQ(form->SSTab1->tabText(1), "Sendungen");
        EXPECT_EQ(form->mailings().optCards->text(), "Karten ( 5 1/2\" X 8 1/2\" )");
        EXPECT_EQ(form->groupBox(0)->text(), "Privat");
        click(form->mailings().cmdPrintMailingList);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, "Nichts ausgewählt");
        EXPECT_EQ(dialogs.shown[0].text,
                  "Wählen Sie zuerst die Gruppen, an die Sie schreiben möchten");
        click(form->groupBox(35));
        click(form->mailings().optCards);
        dialogs.fileAnswers = {pdf};
        click(form->mailings().cmdPrintMailingList);
        EXPECT_EQ(form->statusBar->currentMessage(),
                  "1 Karte auf 1 Seite gedruckt, Ziel: PDF-Datei " + pdf + ".");
        closeForm();
    }
    QLocale::setDefault(before);
    openForm();
    EXPECT_EQ(form->SSTab1->tabText(1), "Mailings");
    EXPECT_EQ(form->mailings().optCards->text(), "Cards ( 5 1/2\" X 8 1/2\" )");
    EXPECT_EQ(form->groupBox(0)->text(), "Privat"); // kept as offered, like any title
}

TEST_F(Printing, WithoutAPrinterTheRunGoesToAPdfTheUserNames) {
    SKIP_ON_SERVER();
    form->printer().setPrintDestination(
        nullptr); // the window's own: the system's printers (none here)
    click(form->groupBox(35));
    click(form->mailings().optCards);

    dialogs.fileAnswers = {""}; // cancelled: nothing happens
    click(form->mailings().cmdPrintMailingList);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].defaultText.endsWith(".pdf"));

    const QString pdf = settingsRoot.filePath("cards.pdf");
    dialogs.fileAnswers = {pdf};
    click(form->mailings().cmdPrintMailingList);
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    EXPECT_EQ(form->printer().lastPrintTally().pages, 1);
    EXPECT_EQ(form->printer().lastPrintTally().documents, 1);
    EXPECT_EQ(form->statusBar->currentMessage(),
              "Printed 1 card on 1 page to the PDF file " + pdf + ".");
    // The next file is asked for in the folder of the last.
    dialogs.fileAnswers = {""};
    click(form->mailings().cmdPrintMailingList);
    EXPECT_EQ(dialogs.shown.back().defaultText, settingsRoot.filePath("Ravelbook.pdf"));

    // The open book, chosen by mistake, is refused and left as it was.
    const QByteArray before = book.bytes();
    dialogs.fileAnswers = {book.path()};
    click(form->mailings().cmdPrintMailingList);
    ASSERT_EQ(dialogs.shown.size(), 5u);
    EXPECT_TRUE(dialogs.shown[4].text.contains("it is the open address book"));
    EXPECT_EQ(book.bytes(), before);

    // The folder is remembered for the next start too.
    closeForm();
    openForm();
    click(form->groupBox(35));
    dialogs.fileAnswers = {""};
    click(form->mailings().cmdPrintMailingList);
    EXPECT_EQ(dialogs.shown.back().defaultText.toStdString(),
              settingsRoot.filePath("Ravelbook.pdf").toStdString());
}

// Types into the chooser and clicks OK on the entry it selects.
MailingsPage::ChooserRunner chooseBySearch(const QString& text, const QString& wantedId) {
    return [=](StationeryChooser& chooser) {
        chooser.show();
        QTest::keyClicks(chooser.txtSearch, text);
        const QModelIndexList rows = chooser.grdStationery->selectionModel()->selectedRows();
        EXPECT_EQ(rows.size(), 1);
        EXPECT_TRUE(chooser.chosen() && chooser.chosen()->id == wantedId);
        QTest::mouseClick(chooser.buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        return chooser.result() == QDialog::Accepted;
    };
}

TEST_F(Printing, MoreStationeryChoosesFromTheCatalogueAndPrintsOnIt) {
    MailingsPage& page = form->mailings();
    click(form->groupBox(35));
    click(page.optAveryLarge);
    // Cancel leaves the option that was checked.
    page.setChooserRunner([](StationeryChooser& chooser) {
        EXPECT_EQ(chooser.lstRecent->count(), 0);
        return false;
    });
    click(page.optMoreStationery);
    EXPECT_TRUE(page.optAveryLarge->isChecked());
    EXPECT_EQ(page.chosenStock(), nullptr);

    page.setChooserRunner(chooseBySearch("5160", "avery-5160"));
    click(page.optMoreStationery);
    EXPECT_TRUE(page.optMoreStationery->isChecked());
    EXPECT_EQ(page.lblStock->toolTip(), "Avery 5160 Address Labels");
    EXPECT_TRUE(page.lblStock->text().startsWith("Avery 5160"));
    EXPECT_EQ(page.spnStartAt->maximum(), 30);
    EXPECT_FALSE(page.txtSpecial->isVisible());
    page.spnStartAt->setValue(30);

    int previews = 0;
    form->printer().setPreviewRunner([&](PrintPreviewDialog& preview) {
        ++previews;
        EXPECT_EQ(preview.pageCount(), 1);
        return false;
    });
    click(page.cmdPreview);
    EXPECT_EQ(previews, 1);
    click(page.cmdPrintMailingList);
    ASSERT_EQ(destination.runs, 1);
    EXPECT_TRUE(destination.surface.calls.contains("SetPageSize 12240 15840 0"));
    // On the last label of the sheet: the third column of the tenth row.
    const auto name =
        std::find_if(destination.surface.drawn.begin(), destination.surface.drawn.end(),
                     [](const auto& d) { return d.text == "John Smith"; });
    ASSERT_NE(name, destination.surface.drawn.end());
    EXPECT_GT(name->x, 1440 * 5.5);
    EXPECT_GT(name->y, 1440 * 9.25);

    // A catalogue entry of a built-in stationery checks its own option.
    page.setChooserRunner(chooseBySearch("avery 8163", "large-labels"));
    click(page.optMoreStationery);
    EXPECT_TRUE(page.optAveryLarge->isChecked());

    // The choice and the recent ones are kept for the next start.
    page.setChooserRunner(chooseBySearch("L7160", "avery-l7160"));
    click(page.optMoreStationery);
    closeForm();
    openForm();
    QTRY_VERIFY(form->mailings().optMoreStationery->isChecked());
    EXPECT_EQ(form->mailings().chosenStock()->id, "avery-l7160");
    EXPECT_EQ(form->mailings().spnStartAt->maximum(), 21);
    form->mailings().setChooserRunner([](StationeryChooser& chooser) {
        EXPECT_EQ(chooser.chosen()->id, "avery-l7160");
        const QStringList ids = {"avery-l7160", "large-labels", "avery-5160"};
        EXPECT_EQ(chooser.lstRecent->count(), 3);
        for (int row = 0; row < chooser.lstRecent->count(); ++row)
            EXPECT_EQ(chooser.lstRecent->item(row)->data(Qt::UserRole).toString(), ids[row]);
        return false;
    });
    form->SSTab1->setCurrentIndex(1);
    click(form->mailings().optMoreStationery);
    EXPECT_TRUE(form->mailings().optMoreStationery->isChecked());
    // The preview fits the A4 page whole.
    click(form->groupBox(35));
    form->printer().setPreviewRunner([&](PrintPreviewDialog& preview) {
        preview.resize(500, 500);
        preview.show();
        click(preview.findChild<QToolButton*>("cmdFitPage"));
        const QSize shown = preview.findChild<QLabel*>("pageView")->size();
        EXPECT_LE(shown.height(),
                  preview.findChild<QScrollArea*>("pageArea")->viewport()->height());
        EXPECT_NEAR(double(shown.height()) / shown.width(), 297.0 / 210, 0.02);
        return false;
    });
    click(form->mailings().cmdPreview);

    // An id the catalogue no longer has leaves no choice, and says nothing.
    closeForm();
    settings.saveSetting("Ravelbook", "Choices", "Catalogue Stationery", "gone-1234");
    openForm();
    QTest::qWait(50);
    form->SSTab1->setCurrentIndex(1);
    click(form->groupBox(35));
    click(form->mailings().cmdPrintMailingList);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().text, "You must first select what to print!");
}

TEST_F(Printing, NewStationeryIsDrawnCheckedSavedAndPrintedOn) {
    SKIP_ON_SERVER();
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<NewStationeryDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->cboUnit->setCurrentIndex(0);  // millimetres
        dialog->cboPaper->setCurrentIndex(0); // A4
        const auto type = [](QAbstractSpinBox* box, const QString& text) {
            box->selectAll();
            QTest::keyClicks(box, text);
            QTest::keyClick(box, Qt::Key_Tab);
        };
        const std::pair<QAbstractSpinBox*, const char*> boxes[] = {
            {dialog->spnColumns, "2"},     {dialog->spnRows, "5"},
            {dialog->spnLabelWidth, "99"}, {dialog->spnLabelHeight, "57"},
            {dialog->spnLeft, "5"},        {dialog->spnTop, "5"},
            {dialog->spnPitchX, "120"},    {dialog->spnPitchY, "57"},
        };
        for (const auto& [box, text] : boxes)
            type(box, text);
        QPushButton* save = dialog->buttons->button(QDialogButtonBox::Save);
        EXPECT_EQ(dialog->lblProblem->text(), "The labels leave the paper.");
        EXPECT_FALSE(save->isEnabled());
        type(dialog->spnPitchX, "90");
        EXPECT_EQ(dialog->lblProblem->text(),
                  "The labels overlap: the pitch is less than the label's size.");
        type(dialog->spnPitchX, "101");
        QTest::keyClicks(dialog->txtBrand, "Acme");
        QTest::keyClicks(dialog->txtPart, "T-10");
        EXPECT_EQ(dialog->lblId->text(), "acme-t-10");
        EXPECT_EQ(dialog->lblProblem->text(), "");
        EXPECT_EQ(dialog->picSheet->stock()->labelCount(), 10);
        click(save);
        checked = true;
    });
    form->actNewStationery->trigger();
    ASSERT_TRUE(checked);
    EXPECT_TRUE(QFileInfo::exists(CatalogueFolders::ownFolder() + "/acme-t-10.template"));

    MailingsPage& page = form->mailings();
    page.setChooserRunner(chooseBySearch("acme t-10", "acme-t-10"));
    click(page.optMoreStationery);
    EXPECT_EQ(page.spnStartAt->maximum(), 10);
    form->printer().setPrintDestination(nullptr);
    click(form->groupBox(35));
    const QString pdf = settingsRoot.filePath("acme.pdf");
    dialogs.fileAnswers = {pdf};
    click(page.cmdPrintMailingList);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_EQ(form->statusBar->currentMessage(),
              "Printed 1 label on 1 sheet to the PDF file " + pdf + ".");
    QFile::remove(CatalogueFolders::ownFolder() + "/acme-t-10.template");
    StationeryCatalogue::reloadStandard();
}

TEST_F(Printing, MailingOptionsShapeTheRunAndAreKeptForTheNextStart) {
    MailingsPage& page = form->mailings();
    click(form->groupBox(35 - 3));
    click(form->groupBox(35 - 0));
    click(page.optAverySmall);
    click(page.chkPrintSample);
    // Fill the sheet is for one record: it waits for "Print Single Selected".
    EXPECT_FALSE(page.chkFillSheet->isEnabled());
    page.spnCopies->setValue(2);
    page.cboSortBy->setCurrentIndex(page.cboSortBy->findText("Name"));
    click(page.chkCloseUp);
    click(page.cmdPrintMailingList);
    EXPECT_EQ(drawnNames(), (QStringList{"Zoe Adams", "Zoe Adams", "John Smith", "John Smith"}));

    // One record on every free label: the copies give way.
    click(page.chkPrintSample);
    click(page.chkFillSheet);
    EXPECT_FALSE(page.spnCopies->isEnabled());
    page.TDBGridS1->selectRow(0);
    const QString selected = page.datGrid->field(0).toString();
    page.spnStartAt->setValue(15);
    destination.surface.drawn.clear();
    click(page.cmdPrintMailingList);
    EXPECT_EQ(form->printer().lastPrint().items, 6);
    EXPECT_EQ(drawnNames().size(), 6);

    // The list: its paper in place of the labels' start, the sheet options off.
    form->setGroupCaption(0, "Family");
    click(page.optAddressList);
    EXPECT_FALSE(page.spnStartAt->isVisible());
    EXPECT_TRUE(page.cboListPaper->isVisible());
    EXPECT_FALSE(page.spnCopies->isEnabled() || page.chkFillSheet->isEnabled() ||
                 page.chkCloseUp->isEnabled());
    page.cboListPaper->setCurrentIndex(page.cboListPaper->findText("A4"));
    click(page.chkPrintSample); // the groups' members
    EXPECT_EQ(previewedPages(page.cmdPreview), 1);
    destination.surface.drawn.clear();
    click(page.cmdPrintMailingList);
    EXPECT_TRUE(dialogs.shown.empty());
    QStringList texts;
    for (const auto& d : destination.surface.drawn)
        texts << d.text;
    EXPECT_TRUE(texts.contains("Address list: Family, Personal")) << texts.join('|').toStdString();
    EXPECT_LT(texts.indexOf("Adams, Zoe"), texts.indexOf("Smith, John"));

    closeForm();
    openForm();
    MailingsPage& kept = form->mailings();
    EXPECT_TRUE(kept.optAddressList->isChecked());
    EXPECT_TRUE(kept.cboListPaper->isVisibleTo(&kept));
    EXPECT_EQ(kept.cboListPaper->currentText(), "A4");
    EXPECT_EQ(kept.spnCopies->value(), 2);
    EXPECT_EQ(kept.chosenSortOrder(), SortOrder::Name);
    EXPECT_TRUE(kept.chkCloseUp->isChecked());
    EXPECT_TRUE(kept.chkFillSheet->isChecked());
}

TEST_F(Printing, ReturnAddressLabelsFillTheSheetOfTheLabelsChosen) {
    ReturnAddressPage& returns = form->returnAddress();
    form->SSTab1->setCurrentIndex(2);
    // Envelopes have no labels: said, nothing printed.
    click(form->mailings().optEnvelope);
    click(returns.cmdPrintReturnLabels);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "No labels chosen");
    EXPECT_EQ(destination.runs, 0);

    // No group is needed; the editor stays where it was.
    click(form->mailings().optAverySmall);
    form->mailings().spnStartAt->setValue(11);
    const QString editing = form->names().txtAddress[0]->text();
    click(returns.cmdPrintReturnLabels);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    QStringList names;
    for (const auto& d : destination.surface.drawn) {
        EXPECT_NE(d.text, "TO:");
        if (d.text == "Ann Sender")
            names << d.text;
    }
    EXPECT_EQ(names.size(), 10);
    EXPECT_EQ(form->names().txtAddress[0]->text(), editing);
    EXPECT_EQ(previewedPages(returns.cmdPreviewReturnLabels), 1);
    EXPECT_EQ(destination.runs, 1);

    // "Copies of each" labels; a PDF of label sheets asks to print one-sided.
    SKIP_ON_SERVER();
    form->printer().setPrintDestination(nullptr);
    form->mailings().spnCopies->setValue(3);
    const QString pdf = settingsRoot.filePath("senders.pdf");
    dialogs.fileAnswers = {pdf};
    click(returns.cmdPrintReturnLabels);
    EXPECT_EQ(form->printer().lastPrint().items, 3);
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("/Duplex /Simplex"));
}

} // namespace
} // namespace ravelbook
