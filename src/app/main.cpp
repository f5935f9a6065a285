#include "app/command_line.h"
#include "app/paths.h"
#include "app/startup.h"
#include "store/database.h"
#include "window/ini_settings_store.h"
#include "window/mail_form.h"
#include "window/qt_dialogs.h"

#include <cstdio>
#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Help needs no display, so it is answered before Qt connects to one.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0) {
            std::fputs(qPrintable(ravelbook::usage()), stdout);
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravelbook"));

    QTextStream err(stderr);
    QString error;
    const auto line = ravelbook::parseCommandLine(app.arguments().mid(1), error);
    if (!line) {
        err << "ravelbook: " << error << "\n\n" << ravelbook::usage();
        return 2;
    }

    ravelbook::QtDialogs dialogs;
    const auto db = ravelbook::openAddressBook(line->database, dialogs, err);
    if (!db)
        return 1;
    ravelbook::IniSettingsStore settings(ravelbook::settingsRoot());
    ravelbook::frmMailForm window(*db, settings, dialogs);
    window.show();
    return app.exec();
}
