// Saves records through the window for ever, as a user typing very fast would,
// so that a test can kill it at any moment. Prints "new N" once record "Saved N"
// is in the book and "upd N" once its address reads "N updated"; a save the
// window reported as failed prints nothing.
//
// Usage: fault_saver BOOK SETTINGS-FOLDER FIRST-NUMBER
#include "settings/ini_settings_store.h"
#include "store/database.h"
#include "store/store_error.h"
#include "window/current_record.h"
#include "window/dialogs.h"
#include "window/group_boxes.h"
#include "window/mail_form.h"
#include "window/mailing_printer.h"
#include "window/mailings_page.h"
#include "window/names_page.h"
#include "window/return_address_page.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using ravelbook::Dialogs;

class CountingDialogs final : public Dialogs {
public:
    Answer message(const QString& text, const QString&, Buttons buttons) override {
        ++failures;
        std::fprintf(stderr, "fault_saver: %s\n", qPrintable(text));
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    QString prompt(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }

    int failures = 0;
};

void retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: fault_saver BOOK SETTINGS-FOLDER FIRST-NUMBER\n", stderr);
        return 2;
    }
    try {
        ravelbook::Database db(QString::fromLocal8Bit(argv[1]));
        ravelbook::IniSettingsStore settings(QString::fromLocal8Bit(argv[2]));
        CountingDialogs dialogs;
        ravelbook::frmMailForm form(db, settings, dialogs);
        form.show();
        const auto saved = [&](const char* what, int n) {
            if (dialogs.failures != 0)
                return false;
            std::printf("%s %d\n", what, n);
            std::fflush(stdout);
            return true;
        };
        for (int n = std::atoi(argv[3]);; ++n) {
            QTest::mouseClick(form.names().cmdNewAddress, Qt::LeftButton);
            QTest::keyClicks(form.names().txtAddress[0], QStringLiteral("Saved %1").arg(n));
            QTest::keyClicks(form.names().txtAddress[1], QStringLiteral("%1 first").arg(n));
            QTest::mouseClick(form.names().cmdEnter, Qt::LeftButton);
            if (!saved("new", n))
                return 1;
            retype(form.names().txtAddress[1], QStringLiteral("%1 updated").arg(n));
            QTest::mouseClick(form.names().cmdEnter, Qt::LeftButton);
            if (!saved("upd", n))
                return 1;
        }
    } catch (const ravelbook::StoreError& error) {
        std::fprintf(stderr, "fault_saver: %s\n", qPrintable(error.message()));
        return 1;
    }
}
