// The program users run. The commands run here on Qt Core, or Qt Gui for a
// print; the window and the printers are libraries loaded only when used, so
// that no command pays for loading Qt Widgets.
#include "app/command_line.h"
#include "app/copy_command.h"
#include "app/exchange_command.h"
#include "app/print_command.h"
#include "app/printers_on_demand.h"
#include "app/program_module.h"
#include "app/qt_messages.h"
#include "core/error.h"

#include <csignal>
#include <cstdio>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

namespace {

using namespace ravelbook;

// A command's run once its application is made: its arguments read, then its
// help, the version, its usage error or its work.
template <typename Command, typename Run>
int commandMain(const QString& name, std::optional<Command> (*parse)(const QStringList&, QString&),
                QString (*commandUsage)(), Run run) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString error;
    const std::optional<Command> command = parse(QCoreApplication::arguments().mid(2), error);
    if (!command) {
        err << usageError(name, error);
        return 2;
    }
    if (answered(command->asked, commandUsage()))
        return 0;
    return run(*command, out, err);
}

// "ravelbook print ...": the window's print run without the window.
int printMain(int argc, char* argv[]) {
    // A reader of a piped PDF that goes away is a write failure to report, not a
    // reason to die without a word.
    std::signal(SIGPIPE, SIG_IGN);
    // Nothing is shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    quietenQtNotes();
    // Fonts and PDF need no more than Qt Gui.
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Ravelbook"));
    return commandMain(QStringLiteral("print"), parsePrintCommand, printUsage,
                       [](const PrintCommand& command, QTextStream& out, QTextStream& err) {
                           const PrintersOnDemand printers;
                           return runPrintCommand(command, printers, out, err);
                       });
}

// Records in and out, and a book into another, on Qt Core.
template <typename Command, typename Run>
int exchangeMain(int argc, char* argv[],
                 std::optional<Command> (*parse)(const QStringList&, QString&),
                 QString (*commandUsage)(), Run run) {
    QCoreApplication app(argc, argv);
    return commandMain(QString::fromLocal8Bit(argv[1]), parse, commandUsage, run);
}

int subcommandMain(Subcommand command, int argc, char* argv[]) {
    switch (command) {
    case Subcommand::Print:
        return printMain(argc, argv);
    case Subcommand::Import:
        return exchangeMain(argc, argv, parseImportCommand, importUsage, runImportCommand);
    case Subcommand::Export:
        return exchangeMain(argc, argv, parseExportCommand, exportUsage, runExportCommand);
    case Subcommand::Copy:
        return exchangeMain(argc, argv, parseCopyCommand, copyUsage, runCopyCommand);
    }
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        if (const auto command = subcommandNamed(QString::fromLocal8Bit(argv[1])))
            return subcommandMain(*command, argc, argv);
    }

    // Help and the version need no display, so they are answered before the
    // window is loaded. Any other usage error waits for the window's
    // QApplication, which takes Qt's own options (-platform, -style) out first.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString unused;
    if (const auto line = parseCommandLine(arguments, unused);
        line && answered(line->asked, usage()))
        return 0;

    // Without any display Qt would abort with a message about its plugins.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("ravelbook: there is no display to show the window on "
                   "(DISPLAY is not set)\n",
                   stderr);
        return 1;
    }

    try {
        return windowEntry()(argc, argv);
    } catch (const Error& error) {
        std::fprintf(stderr, "ravelbook: %s\n", qPrintable(error.message()));
        return 1;
    }
}
