#include "app/stationery_command.h"

#include "app/command_line.h"
#include "print/stationery/stationery_catalogue.h"

#include <QCoreApplication>
#include <QSet>
#include <QTextStream>

namespace ravelbook {

namespace {

QString number(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

// "66.7 x 25.4 mm (2.625 x 1 in)"; one length alone without its "x".
QString lengths(Length a, std::optional<Length> b = std::nullopt) {
    const QString mm =
        b ? number(a.millimetres(), 1) + QStringLiteral(" x ") + number(b->millimetres(), 1)
          : number(a.millimetres(), 1);
    const QString in = b ? number(a.inches(), 3) + QStringLiteral(" x ") + number(b->inches(), 3)
                         : number(a.inches(), 3);
    return QCoreApplication::translate("StationeryCommand", "%1 mm (%2 in)").arg(mm, in);
}

QString product(const StockTemplate& entry) {
    return entry.brand.isEmpty() ? entry.part : entry.brand + QLatin1Char(' ') + entry.part;
}

QString shapeName(StockShape shape) {
    switch (shape) {
    case StockShape::Round:
        //: Shape of a label, in "ravelbook stationery show"
        return QCoreApplication::translate("StationeryCommand", "round");
    case StockShape::Ellipse:
        //: Shape of a label, in "ravelbook stationery show"
        return QCoreApplication::translate("StationeryCommand", "ellipse");
    case StockShape::Rectangle:
        break;
    }
    //: Shape of a label, in "ravelbook stationery show"
    return QCoreApplication::translate("StationeryCommand", "rectangle");
}

void list(const StationeryCatalogue& catalogue, const QString& search, QTextStream& out,
          QTextStream& err) {
    for (const StockTemplate* entry : catalogue.search(search)) {
        out << entry->id << "  " << product(*entry) << "  " << entry->description << "  "
            << entry->paperName << "  "
            << QCoreApplication::translate("StationeryCommand", "%1 a sheet")
                   .arg(entry->labelCount())
            << "  " << lengths(entry->labelWidth, entry->labelHeight) << '\n';
    }
    QSet<QString> told;
    for (const CatalogueNote& note : catalogue.notes()) {
        const QString line =
            note.file.isEmpty()
                ? note.message
                : QStringLiteral("%1:%2: %3").arg(note.file).arg(note.line).arg(note.message);
        if (!told.contains(line)) {
            told.insert(line);
            err << line << '\n';
        }
    }
}

void show(const StockTemplate& entry, QTextStream& out) {
    out << entry.id << ": " << product(entry) << ", " << entry.description << '\n';
    out << QCoreApplication::translate("StationeryCommand", "Paper: %1, %2")
               .arg(entry.paperName, lengths(entry.paperWidth, entry.paperHeight))
        << '\n';
    out << QCoreApplication::translate("StationeryCommand", "Shape: %1, %2")
               .arg(shapeName(entry.shape), lengths(entry.labelWidth, entry.labelHeight));
    if (entry.shape == StockShape::Rectangle)
        out << QCoreApplication::translate("StationeryCommand", ", corner radius %1")
                   .arg(lengths(entry.cornerRadius));
    out << '\n'
        << QCoreApplication::translate("StationeryCommand", "Margin: %1").arg(lengths(entry.margin))
        << '\n';
    for (const StockGrid& grid : entry.grids) {
        out << QCoreApplication::translate("StationeryCommand", "Grid: %1 x %2 from %3, every %4")
                   .arg(grid.columns)
                   .arg(grid.rows)
                   .arg(lengths(grid.left, grid.top), lengths(grid.pitchX, grid.pitchY))
            << '\n';
    }
    out << QCoreApplication::translate("StationeryCommand", "Labels: %1 a sheet")
               .arg(entry.labelCount())
        << '\n';
    out << QCoreApplication::translate("StationeryCommand", "File: %1")
               .arg(entry.file.isEmpty()
                        ? QCoreApplication::translate("StationeryCommand", "built in")
                        : QStringLiteral("%1:%2").arg(entry.file).arg(entry.line))
        << '\n';
}

} // namespace

std::optional<StationeryCommand> parseStationeryCommand(const QStringList& arguments,
                                                        QString& error) {
    CommandOptions options(
        {{"search", OptionRow::Value::Any, QT_TRANSLATE_NOOP("CommandOptions", "a text")}});
    StationeryCommand command;
    if (!options.parse(arguments, command.asked, error))
        return std::nullopt;
    if (command.asked.any())
        return command;
    const QStringList operands = options.operands();
    const QString action = operands.value(0);
    command.show = action == QLatin1String("show");
    if (action != QLatin1String("list") && !command.show)
        error = action.isEmpty() ? QCoreApplication::translate("StationeryCommand",
                                                               "say \"list\" or \"show ID\"")
                                 : CommandOptions::unknownArgument(action);
    else if (command.show && operands.size() < 2)
        error =
            QCoreApplication::translate("StationeryCommand", "the stationery to show is missing");
    else if (operands.size() > (command.show ? 2 : 1))
        error = CommandOptions::unknownArgument(operands.last());
    else if (command.show && options.isSet("search"))
        error = CommandOptions::unknownArgument(QStringLiteral("--search"));
    command.id = operands.value(1);
    command.search = options.value("search");
    return error.isEmpty() ? std::optional<StationeryCommand>(command) : std::nullopt;
}

QString stationeryUsage() {
    return QCoreApplication::translate(
               "StationeryCommand",
               "Usage: ravelbook stationery list [--search TEXT]\n"
               "       ravelbook stationery show ID\n"
               "Lists the stationery the program can print on: its own, and the templates of\n"
               "the gLabels label designer (the glabels-data package, ~/.config/libglabels,\n"
               "~/.glabels) and of %1.\n\n"
               "  list           one line for each: id, product, description, paper, labels\n"
               "                 a sheet, label size; the files' faults on standard error\n"
               "  --search TEXT  only those whose product, description or id hold every word\n"
               "  show ID        the paper, the label and where the labels sit\n")
        .arg(CatalogueFolders::ownFolder());
}

int runStationeryCommand(const StationeryCommand& command, QTextStream& out, QTextStream& err) {
    return runStationeryCommand(command, *StationeryCatalogue::standard(), out, err);
}

int runStationeryCommand(const StationeryCommand& command, const StationeryCatalogue& catalogue,
                         QTextStream& out, QTextStream& err) {
    if (!command.show) {
        list(catalogue, command.search, out, err);
        return 0;
    }
    const StockTemplate* entry = catalogue.find(command.id);
    if (!entry) {
        err << usageError(QStringLiteral("stationery"), catalogue.unknownIdError(command.id));
        return 2;
    }
    show(*entry, out);
    return 0;
}

} // namespace ravelbook
