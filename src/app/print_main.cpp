#include "app/print_main.h"

#include "app/command_main.h"
#include "app/print_command.h"
#include "app/printers_on_demand.h"
#include "app/qt_messages.h"

#include <csignal>
#include <QGuiApplication>

namespace ravelbook {

int runPrintMain(int argc, char* argv[]) {
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

} // namespace ravelbook
