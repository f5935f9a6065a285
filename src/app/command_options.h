#pragma once

#include "core/error.h"

#include <initializer_list>
#include <optional>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook {

// What any command line may ask for instead of its work.
struct StandardRequests {
    bool help = false;    // --help or -h
    bool version = false; // --version
    bool any() const { return help || version; }
};

// What a command throws for a request it can't do (exit status 1), as
// against a line it can't read (a usage error, exit status 2).
inline Error cantDo(const QString& message) {
    return Error(message, Error::Kind::Usage);
}

// One option of a command: a flag, or an option with a value that may or may
// not be empty. `what` names the value in "--NAME needs a file name".
struct OptionRow {
    enum class Value { None, Any, NotEmpty };
    const char* name; // without its dashes
    Value value = Value::None;
    const char* what = QT_TRANSLATE_NOOP("CommandOptions", "a value");
};

// A command's options, read by QCommandLineParser: "--name VALUE" and
// "--name=VALUE"; every word with one dash ("-data.csv") is an operand. Its usage errors are told
// in the program's words. --help, -h and --version come with every command.
class CommandOptions {
public:
    CommandOptions(std::initializer_list<OptionRow> options);

    // The arguments after the command's name. Returns false and sets `error`
    // for a usage error; with --help or --version any other error is moot.
    bool parse(const QStringList& arguments, StandardRequests& requests, QString& error);

    bool isSet(const char* name) const { return parser_.isSet(QLatin1String(name)); }
    // The last value given.
    QString value(const char* name) const { return parser_.value(QLatin1String(name)); }
    QStringList values(const char* name) const { return parser_.values(QLatin1String(name)); }
    // The value given, else `fallback` (the default book, say).
    QString valueOr(const char* name, const QString& fallback) const {
        return isSet(name) ? value(name) : fallback;
    }
    // Nothing when the line could not be put in the parser's order.
    QStringList operands() const { return ran_ ? parser_.positionalArguments() : QStringList(); }

    // The usage error of an argument no command takes.
    static QString unknownArgument(const QString& argument);

private:
    const OptionRow* row(const QString& name) const;
    std::optional<QStringList> inParserOrder(const QStringList& arguments, QString& error) const;
    QString errorOf(const QStringList& arguments) const;

    std::vector<OptionRow> options_;
    QCommandLineParser parser_;
    bool ran_ = false; // the parser has read the line
};

} // namespace ravelbook
