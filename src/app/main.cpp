// The program users run: import, export, copy and stationery here, on Qt Core; the print
// command and the window are libraries loaded only when used, so that no
// command pays for loading what it doesn't need (see program_module.h).
#include "app/command_line.h"
#include "app/command_main.h"
#include "app/copy_command.h"
#include "app/exchange_command.h"
#include "app/program_module.h"
#include "app/stationery_command.h"
#include "app/translations.h"
#include "core/error.h"

#include <cstdio>
#include <QCoreApplication>

namespace {

using namespace ravelbook;

// Records in and out, and a book into another.
template <typename Command, typename Run>
int coreMain(int argc, char* argv[], std::optional<Command> (*parse)(const QStringList&, QString&),
             QString (*commandUsage)(), Run run) {
    QCoreApplication app(argc, argv);
    return commandMain(QString::fromLocal8Bit(argv[1]), parse, commandUsage, run);
}

int subcommandMain(Subcommand command, int argc, char* argv[]) {
    switch (command) {
    case Subcommand::Print:
        return printEntry()(argc, argv);
    case Subcommand::Import:
        return coreMain(argc, argv, parseImportCommand, importUsage, runImportCommand);
    case Subcommand::Export:
        return coreMain(argc, argv, parseExportCommand, exportUsage, runExportCommand);
    case Subcommand::Copy:
        return coreMain(argc, argv, parseCopyCommand, copyUsage, runCopyCommand);
    case Subcommand::Stationery:
        return coreMain(argc, argv, parseStationeryCommand, stationeryUsage,
                        [](const StationeryCommand& command, QTextStream& out, QTextStream& err) {
                            return runStationeryCommand(command, out, err);
                        });
    case Subcommand::Link:
    case Subcommand::Unlink:
    case Subcommand::Sync:
        return onlineEntry()(argc, argv);
    }
    return 2;
}

int windowMain(int argc, char* argv[]) {
    // Help and the version need no display, so they are answered before the
    // window is loaded. Any other usage error waits for the window's
    // QApplication, which takes Qt's own options (-platform, -style) out first.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString unused;
    if (const auto line = parseCommandLine(arguments, unused); line && line->asked.any()) {
        // The help is in the user's language, which needs an application to translate.
        QCoreApplication app(argc, argv);
        const Translations translations;
        answered(line->asked, usage());
        return 0;
    }

    // Without any display Qt would abort with a message about its plugins.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(
            stderr, "ravelbook: %s\n",
            qPrintable(QCoreApplication::translate(
                "Main", "there is no display to show the window on (DISPLAY is not set)")));
        return 1;
    }
    return windowEntry()(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        if (argc > 1) {
            if (const auto command = subcommandNamed(QString::fromLocal8Bit(argv[1])))
                return subcommandMain(*command, argc, argv);
        }
        return windowMain(argc, argv);
    } catch (const Error& error) {
        // A library of the program's own that could not be loaded.
        std::fprintf(stderr, "ravelbook: %s\n", qPrintable(error.message()));
        return 1;
    }
}
