#pragma once

#include "app/command_options.h"

#include <optional>
#include <QString>
#include <QStringList>

class QTextStream;

namespace ravelbook {

class StationeryCatalogue;

// "ravelbook stationery list [--search TEXT]" and "ravelbook stationery show
// ID": the stationery the program can print on, from its own set and the
// template files of the gLabels label designer.
struct StationeryCommand {
    bool show = false; // one entry's geometry rather than the list
    QString id;        // show
    QString search;    // list: only the entries matching every word
    StandardRequests asked;
};

std::optional<StationeryCommand> parseStationeryCommand(const QStringList& arguments,
                                                        QString& error);
QString stationeryUsage();

// Exit status 0 (the list or the entry on `out`, the notes of the files on
// `err`), 2 for an unknown id (a usage error naming the closest ones).
int runStationeryCommand(const StationeryCommand& command, QTextStream& out, QTextStream& err);
int runStationeryCommand(const StationeryCommand& command, const StationeryCatalogue& catalogue,
                         QTextStream& out, QTextStream& err);

} // namespace ravelbook
