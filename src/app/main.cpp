#include "app/application.h"
#include "app/command_line.h"
#include "app/console_dialogs.h"
#include "app/copy_command.h"
#include "app/exchange_command.h"
#include "app/paths.h"
#include "app/print_command.h"
#include "app/startup.h"
#include "print/system_printers.h"
#include "settings/ini_settings_store.h"
#include "store/database.h"
#include "window/mail_form.h"
#include "window/qt_dialogs.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// Without a desktop session Qt notes that it has no runtime folder; a batch
// print never needs one, and its standard error is for the user's messages.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    qtDefaultHandler(type, context, message);
}

// "ravelbook print ...": the window's print run without the window.
int printMain(int argc, char* argv[]) {
    for (int i = 2; i < argc; ++i) {
        if (qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0) {
            std::fputs(qPrintable(ravelbook::printUsage()), stdout);
            return 0;
        }
    }
    // A reader of a piped PDF that goes away is a write failure to report, not a
    // reason to die without a word.
    std::signal(SIGPIPE, SIG_IGN);
    // Nothing is shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(quietHandler);
    // Fonts and PDF need no more than Qt Gui.
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Ravelbook"));
    const ravelbook::SystemPrinters printers;
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString error;
    const auto command = ravelbook::parsePrintCommand(app.arguments().mid(2), error);
    if (!command) {
        err << ravelbook::usageError(QStringLiteral("print"), error);
        return 2;
    }
    return ravelbook::runPrintCommand(*command, printers, out, err);
}

// "ravelbook import ..." and "ravelbook export ...": records in and out, without a window.
template <typename Parse, typename Run>
int exchangeMain(int argc, char* argv[], const QString& usage, Parse parse, Run run) {
    for (int i = 2; i < argc; ++i) {
        if (qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0) {
            std::fputs(qPrintable(usage), stdout);
            return 0;
        }
    }
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString error;
    const auto command = parse(app.arguments().mid(2), error);
    if (!command) {
        err << ravelbook::usageError(QString::fromLocal8Bit(argv[1]), error);
        return 2;
    }
    return run(*command, out, err);
}

int subcommandMain(ravelbook::Subcommand command, int argc, char* argv[]) {
    using ravelbook::Subcommand;
    switch (command) {
    case Subcommand::Print:
        return printMain(argc, argv);
    case Subcommand::Import:
        return exchangeMain(argc, argv, ravelbook::importUsage(), ravelbook::parseImportCommand,
                            ravelbook::runImportCommand);
    case Subcommand::Export:
        return exchangeMain(argc, argv, ravelbook::exportUsage(), ravelbook::parseExportCommand,
                            ravelbook::runExportCommand);
    case Subcommand::Copy:
        return exchangeMain(argc, argv, ravelbook::copyUsage(), ravelbook::parseCopyCommand,
                            ravelbook::runCopyCommand);
    }
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        if (const auto command = ravelbook::subcommandNamed(QString::fromLocal8Bit(argv[1])))
            return subcommandMain(*command, argc, argv);
    }

    // Help and the version need no display, so they are answered before Qt connects to one.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0) {
            std::fputs(qPrintable(ravelbook::usage()), stdout);
            return 0;
        }
        if (qstrcmp(argv[i], "--version") == 0) {
            std::fputs(qPrintable(ravelbook::versionLine()), stdout);
            return 0;
        }
    }

    // Without any display Qt would abort with a message about its plugins.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("ravelbook: there is no display to show the window on "
                   "(DISPLAY is not set)\n",
                   stderr);
        return 1;
    }

    qtDefaultHandler = qInstallMessageHandler(quietHandler);
    ravelbook::Application app(argc, argv);

    QTextStream err(stderr);
    QString error;
    const auto line = ravelbook::parseCommandLine(app.arguments().mid(1), error);
    if (!line) {
        err << ravelbook::usageError({}, error);
        return 2;
    }

    // A box on a screen nobody sees could never be answered.
    const QString platform = QGuiApplication::platformName();
    const bool headless =
        platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
    std::unique_ptr<ravelbook::Dialogs> dialogs;
    if (headless)
        dialogs = std::make_unique<ravelbook::ConsoleDialogs>();
    else
        dialogs = std::make_unique<ravelbook::QtDialogs>();
    app.setDialogs(dialogs.get());

    // Headless, the dialogs already write to standard error.
    QString unused;
    QTextStream quiet(&unused);
    ravelbook::IniSettingsStore settings(ravelbook::settingsRoot());
    QString book = line->database;
    bool askBeforeCreating = line->databaseGiven;
    // File: New Book and Open Book close the window; the next book gets a window of its own.
    for (;;) {
        const auto db =
            ravelbook::openAddressBook(book, *dialogs, headless ? quiet : err, askBeforeCreating);
        if (!db)
            return 1;
        QString next;
        ravelbook::frmMailForm window(*db, settings, *dialogs);
        QObject::connect(&window, &ravelbook::frmMailForm::bookChosen,
                         [&next](const QString& path) { next = path; });
        window.show();
        const int status = app.exec();
        if (next.isEmpty())
            return status;
        book = next;
        askBeforeCreating = false; // the window asked already
    }
}
