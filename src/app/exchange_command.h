#pragma once

#include "app/command_options.h"
#include "exchange/export.h"
#include "exchange/mapping.h"

#include <optional>
#include <QString>
#include <QStringList>

class QTextStream;

namespace ravelbook {

// "ravelbook import ...": a file's records into the book, as the window's
// import does them, without the window.
struct ImportCommand {
    QString database;
    std::optional<exchange::Format> format;
    QString table;
    bool dryRun = false;
    QString file;
    // --map HEADING=FIELD, in the order given: they overrule the built-in mapping.
    std::vector<std::pair<QString, exchange::Target>> maps;
    StandardRequests asked; // --help or --version instead of the work
};

// "ravelbook export ...": the book, or the records of some groups, as CSV or vCard.
struct ExportCommand {
    QString database;
    QStringList groups; // column numbers or titles
    exchange::Format format = exchange::Format::Csv;
    QString output;         // standard output when empty
    StandardRequests asked; // --help or --version instead of the work
};

// Parse the arguments after the subcommand's name. Return nothing and set
// `error` for a usage error.
std::optional<ImportCommand> parseImportCommand(const QStringList& arguments, QString& error);
std::optional<ExportCommand> parseExportCommand(const QStringList& arguments, QString& error);
QString importUsage();
QString exportUsage();

// Exit status 0 done (the summary on `out`), 1 nothing done (why on `err`).
int runImportCommand(const ImportCommand& command, QTextStream& out, QTextStream& err);
int runExportCommand(const ExportCommand& command, QTextStream& out, QTextStream& err);

} // namespace ravelbook
