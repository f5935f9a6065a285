// The window's figures on a large book, offscreen; prints the median seconds.
//   ravelbook_window_bench ready BOOK        open the book, Form_Load, shown
//   ravelbook_window_bench enter BOOK RUNS   "Enter Changes" on a record in the middle
//   ravelbook_window_bench group BOOK RUNS   ticking group 0 on page "Mailings"
//   ravelbook_window_bench popup BOOK RUNS   opening the name list's drop-down
//   ravelbook_window_bench find BOOK RUNS    the slowest keystroke of typing "nun" into
//                                            Find, on a freshly filled name list
//   ravelbook_window_bench print BOOK PDF [GROUP]
//                                            small labels of group 17 (or GROUP) from the
//                                            shown window, with its progress dialog
//   ravelbook_window_bench preview BOOK RUNS [GROUP]
//                                            the print preview of those labels, from the
//                                            click until its first page is shown
// BOOK is a file or a server's connection URI.
// "enter" changes the book: give it a copy.
#include "print/painted_destination.h"
#include "settings/ini_settings_store.h"
#include "store/database.h"
#include "window/current_record.h"
#include "window/dialogs.h"
#include "window/group_boxes.h"
#include "window/mail_form.h"
#include "window/mailing_printer.h"
#include "window/mailings_page.h"
#include "window/names_page.h"
#include "window/print_preview.h"
#include "window/return_address_page.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringListModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <vector>

namespace {

using ravelbook::frmMailForm;
using ravelbook::twinOf;

// Nobody is there to answer; any message means the figure is worthless.
class FailingDialogs final : public ravelbook::Dialogs {
public:
    Answer message(const QString& text, const QString&, Buttons) override {
        std::fprintf(stderr, "ravelbook_window_bench: %s\n", qPrintable(text));
        std::exit(1);
    }
    QString prompt(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
};

double seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Session {
    QTemporaryDir settingsRoot;
    ravelbook::IniSettingsStore settings{settingsRoot.path()};
    FailingDialogs dialogs;
    std::unique_ptr<ravelbook::Database> db;
    std::unique_ptr<frmMailForm> form;

    void open(const QString& book) {
        db = std::make_unique<ravelbook::Database>(book);
        form = std::make_unique<frmMailForm>(*db, settings, dialogs);
        form->show();
        QApplication::processEvents();
    }
};

// On a server book Qt's PostgreSQL driver notes every prepared statement it
// can't free because its connection was opened again since; one line at the
// end says how many, instead of a line each.
struct UnfreedStatements {
    int count = 0;
    ~UnfreedStatements() {
        if (count > 0)
            std::fprintf(stderr,
                         "ravelbook_window_bench: %d prepared statements could not be freed, "
                         "their connection having been opened again\n",
                         count);
    }
} unfreedStatements;

// The offscreen platform notes every popup it can't raise or grab for; the
// table is easier to read without them.
void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("Unable to free statement")))
        ++unfreedStatements.count;
    else if (!text.startsWith(QLatin1String("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

int usage() {
    std::fprintf(
        stderr,
        "usage: ravelbook_window_bench ready|enter|group|popup|find BOOK [RUNS] | preview BOOK "
        "RUNS [GROUP] | print BOOK PDF [GROUP]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropPlatformNotes);
    QApplication app(argc, argv);
    if (argc < 3)
        return usage();
    const QString what = QString::fromLocal8Bit(argv[1]);
    const QString book = QString::fromLocal8Bit(argv[2]);
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;
    const int printed = argc > 4 ? std::atoi(argv[4]) : 17; // the group printed
    if (printed < 0 || printed >= ravelbook::kGroupCount)
        return usage();
    Session session;

    if (what == QLatin1String("ready")) {
        std::printf("%.6f\n", seconds([&] { session.open(book); }));
        return 0;
    }
    session.open(book);
    frmMailForm& form = *session.form;
    std::vector<double> times;

    if (what == QLatin1String("enter")) {
        const QStringList names = form.names().nameList()->stringList();
        if (names.isEmpty())
            return usage();
        for (int run = 0; run < runs; ++run) {
            // Choose a name as the user would, change its address, then time the save.
            form.names().cboName->setCurrentIndex(int(names.size() / 2) + run);
            form.names().cboName_Click();
            // Typed over, as the user would: setText() is not an edit and leaves nothing to save.
            const QString typed = QStringLiteral("%1 Benchmark Rd").arg(run);
            form.names().txtAddress[1]->selectAll();
            form.names().txtAddress[1]->insert(typed);
            QApplication::processEvents(); // the screen as the user sees it before the click
            times.push_back(seconds([&] {
                form.names().cmdEnter_Click();
                QApplication::processEvents();
            }));
            // The record shown again is the one read back: a save that wrote nothing was not timed.
            if (form.names().txtAddress[1]->text() != typed) {
                std::fprintf(stderr, "ravelbook_window_bench: the change was not saved\n");
                return 1;
            }
        }
    } else if (what == QLatin1String("group")) {
        QCheckBox* group0 = form.groupBox(twinOf(0));
        form.SSTab1->setCurrentIndex(1); // the grid is on page "Mailings"
        QApplication::processEvents();
        for (int run = 0; run < runs; ++run) {
            times.push_back(seconds([&] {
                group0->setChecked(true);
                QApplication::processEvents();
            }));
            group0->setChecked(false);
            QApplication::processEvents();
        }
    } else if (what == QLatin1String("popup")) {
        for (int run = 0; run < runs; ++run) {
            times.push_back(seconds([&] {
                form.names().cboName->showPopup();
                QApplication::processEvents();
            }));
            form.names().cboName->hidePopup();
            QApplication::processEvents();
        }
    } else if (what == QLatin1String("find")) {
        form.actFind->trigger();
        for (int run = 0; run < runs; ++run) {
            form.txtFind->clear();
            form.names().FillComboBox(); // the first keystroke folds every name again
            QApplication::processEvents();
            double slowest = 0;
            for (const QString& typed :
                 {QStringLiteral("n"), QStringLiteral("nu"), QStringLiteral("nun")}) {
                slowest = std::max(slowest, seconds([&] {
                                       form.txtFind->setText(typed);
                                       QApplication::processEvents();
                                   }));
            }
            times.push_back(slowest);
        }
    } else if (what == QLatin1String("print") && argc > 3) {
        const auto pdf = ravelbook::PaintedDestination::pdf(QString::fromLocal8Bit(argv[3]));
        form.printer().setPrintDestination(pdf.get());
        form.SSTab1->setCurrentIndex(1);
        form.groupBox(twinOf(printed))->setChecked(true);
        form.mailings().optAverySmall->click();
        form.mailings().chkPrintSample->setChecked(false);
        QApplication::processEvents();
        times.push_back(seconds([&] { form.printer().cmdPrintMailingList_Click(); }));
        form.printer().setPrintDestination(nullptr);
    } else if (what == QLatin1String("preview")) {
        form.SSTab1->setCurrentIndex(1);
        form.groupBox(twinOf(printed))->setChecked(true);
        form.mailings().optAverySmall->click();
        form.mailings().chkPrintSample->setChecked(false);
        QApplication::processEvents();
        std::chrono::steady_clock::time_point shown;
        form.printer().setPreviewRunner([&](ravelbook::PrintPreviewDialog& preview) {
            preview.show();
            QApplication::processEvents();
            shown = std::chrono::steady_clock::now();
            // A preview that drew more than the page it shows is not what is timed.
            if (preview.pagesDrawn() != 1) {
                std::fprintf(stderr, "ravelbook_window_bench: %d pages drawn\n",
                             preview.pagesDrawn());
                std::exit(1);
            }
            return false;
        });
        for (int run = 0; run < runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            form.actPrintPreview_Click();
            times.push_back(std::chrono::duration<double>(shown - start).count());
        }
    } else {
        return usage();
    }
    std::printf("%.6f\n", median(times));
    return 0;
}
