#include "app/command_options.h"

#include <algorithm>
#include <QCoreApplication>

namespace ravelbook {

namespace {

const OptionRow kStandardOptions[] = {{"help"}, {"h"}, {"version"}};

// "--name=value" and "-name" as the parser names them: without dashes or value.
QString optionName(const QString& argument) {
    const int dashes = argument.startsWith(QLatin1String("--")) ? 2 : 1;
    return argument.mid(dashes).section(QLatin1Char('='), 0, 0);
}

bool isOption(const QString& argument) {
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

} // namespace

CommandOptions::CommandOptions(std::initializer_list<OptionRow> options) : options_(options) {
    options_.insert(options_.end(), std::begin(kStandardOptions), std::end(kStandardOptions));
    // Qt's own options (-platform, -style) have one dash and whole words, and the
    // program's read alike: "-h" is help, "-hx" an unknown word.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow& option : options_) {
        parser_.addOption(option.value == OptionRow::Value::None
                              ? QCommandLineOption(QLatin1String(option.name))
                              : QCommandLineOption(QLatin1String(option.name), QString(),
                                                   QStringLiteral("value")));
    }
}

const OptionRow* CommandOptions::row(const QString& name) const {
    const auto found = std::find_if(options_.begin(), options_.end(), [&name](const OptionRow& o) {
        return name == QLatin1String(o.name);
    });
    return found == options_.end() ? nullptr : &*found;
}

QString CommandOptions::unknownArgument(const QString& argument) {
    return QCoreApplication::translate("CommandOptions", "unknown argument \"%1\"").arg(argument);
}

bool CommandOptions::parse(const QStringList& arguments, StandardRequests& requests,
                           QString& error) {
    // --help and --version anywhere before "--" are answered, even where a
    // value was due ("--database --help"), as users expect of any command.
    const QStringList beforeEnd = arguments.mid(0, arguments.indexOf(QStringLiteral("--")));
    requests.help = beforeEnd.contains(QStringLiteral("--help"));
    requests.version = beforeEnd.contains(QStringLiteral("--version"));
    const std::optional<QStringList> ordered = inParserOrder(arguments, error);
    if (!requests.any() && !ordered)
        return false;
    ran_ = ordered.has_value();
    const bool parsed =
        ordered && parser_.parse(QStringList{QStringLiteral("ravelbook")} + *ordered);
    requests.help = requests.help || isSet("help") || isSet("h");
    requests.version = requests.version || isSet("version");
    if (requests.help || requests.version)
        return true;
    error = parsed ? QString() : errorOf(arguments);
    for (const OptionRow& option : options_) {
        if (error.isEmpty() && option.value == OptionRow::Value::NotEmpty &&
            values(option.name).contains(QString()))
            error = QCoreApplication::translate("CommandOptions", "--%1 needs %2")
                        .arg(QLatin1String(option.name), QLatin1String(option.what));
    }
    return error.isEmpty();
}

std::optional<QStringList> CommandOptions::inParserOrder(const QStringList& arguments,
                                                         QString& error) const {
    // Options are words with two dashes (and -h); any other word, "-data.csv"
    // too, is an operand, and a value is whatever word follows its option.
    // QCommandLineParser would read "-data.csv" as an option, so the operands
    // go after a "--" of our own, in the order they were given.
    QStringList words;
    QStringList operands;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) {
            operands += arguments.mid(i + 1);
            break;
        }
        if (!argument.startsWith(QLatin1String("--")) && argument != QLatin1String("-h")) {
            operands << argument;
            continue;
        }
        words << argument;
        const OptionRow* option = row(optionName(argument));
        if (!option || option->value == OptionRow::Value::None ||
            argument.contains(QLatin1Char('=')))
            continue;
        if (i + 1 >= arguments.size()) {
            error = QCoreApplication::translate("CommandOptions", "%1 needs %2")
                        .arg(argument, QCoreApplication::translate("CommandOptions", option->what));
            return std::nullopt;
        }
        words << arguments[++i];
    }
    return words + QStringList{QStringLiteral("--")} + operands;
}

QString CommandOptions::errorOf(const QStringList& arguments) const {
    if (!parser_.unknownOptionNames().isEmpty()) {
        const QString name = parser_.unknownOptionNames().first();
        const auto given = std::find_if(arguments.begin(), arguments.end(), [&](const QString& a) {
            return isOption(a) && optionName(a) == name;
        });
        return unknownArgument(given == arguments.end() ? name : *given);
    }
    // Otherwise the parser stopped at an option it quotes as given: one with a
    // value missing at the end of the line, or a flag given a value.
    const QString text = parser_.errorText();
    const qsizetype open = text.indexOf(QLatin1Char('\''));
    const QString given = text.mid(open + 1, text.lastIndexOf(QLatin1Char('\'')) - open - 1);
    const OptionRow* option = row(optionName(given));
    if (open < 0 || !option)
        return text;
    if (option->value == OptionRow::Value::None)
        return QCoreApplication::translate("CommandOptions", "%1 takes no value").arg(given);
    return QCoreApplication::translate("CommandOptions", "%1 needs %2")
        .arg(given, QCoreApplication::translate("CommandOptions", option->what));
}

} // namespace ravelbook
