#include "app/window_main.h"

#include "app/application.h"
#include "app/command_line.h"
#include "app/console_dialogs.h"
#include "app/paths.h"
#include "app/qt_messages.h"
#include "app/startup.h"
#include "settings/ini_settings_store.h"
#include "store/database.h"
#include "window/mail_form.h"
#include "window/qt_dialogs.h"

#include <memory>
#include <QGuiApplication>
#include <QTextStream>

namespace ravelbook {

int runWindow(int argc, char* argv[]) {
    quietenQtNotes();
    Application app(argc, argv);

    QTextStream err(stderr);
    QString error;
    const auto line = parseCommandLine(app.arguments().mid(1), error);
    if (!line) {
        err << usageError({}, error);
        return 2;
    }
    if (answered(line->asked, usage()))
        return 0;

    // A box on a screen nobody sees could never be answered.
    const QString platform = QGuiApplication::platformName();
    const bool headless =
        platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
    std::unique_ptr<Dialogs> dialogs;
    if (headless)
        dialogs = std::make_unique<ConsoleDialogs>();
    else
        dialogs = std::make_unique<QtDialogs>();
    app.setDialogs(dialogs.get());

    // Headless, the dialogs already write to standard error.
    QString unused;
    QTextStream quiet(&unused);
    IniSettingsStore settings(settingsRoot());
    QString book = line->database;
    bool askBeforeCreating = line->databaseGiven;
    // File: New Book and Open Book close the window; the next book gets a window of its own.
    for (;;) {
        const auto db = openAddressBook(book, *dialogs, headless ? quiet : err, askBeforeCreating);
        if (!db)
            return 1;
        QString next;
        frmMailForm window(*db, settings, *dialogs);
        QObject::connect(&window, &frmMailForm::bookChosen,
                         [&next](const QString& path) { next = path; });
        window.show();
        const int status = app.exec();
        if (next.isEmpty())
            return status;
        book = next;
        askBeforeCreating = false; // the window asked already
    }
}

} // namespace ravelbook
