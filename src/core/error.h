#pragma once

#include <QString>
#include <stdexcept>

namespace ravelbook {

// The base of every failure the program reports. Its message is written for
// the user: handlers catch it at their edge and show message() as it stands.
// The kind says which room failed, for callers that treat some differently
// (the command line's exit status, a conflict to resolve); the detail is what
// the system said, for a log or a "Details" button, never instead of the message.
// A user's choice (Cancel, stay on the record) is never an Error: it is a return value.
class Error : public std::runtime_error {
public:
    enum class Kind {
        Store,    // the address book could not be read or written
        Conflict, // another program changed the record meanwhile
        Print,    // a printer or PDF file could not take a page
        File,     // a file could not be read or written
        Format,   // a file's contents are not what its kind promises
        Usage,    // a command line asked for something that can't be done
        Network,  // a server could not be reached or refused
    };

    explicit Error(const QString& message, Kind kind = Kind::Store, QString detail = {})
        : std::runtime_error(message.toStdString()), kind_(kind), detail_(std::move(detail)) {}

    QString message() const { return QString::fromStdString(what()); }
    Kind kind() const { return kind_; }
    const QString& detail() const { return detail_; }

private:
    Kind kind_;
    QString detail_;
};

// Why a system call failed, in the user's words ("the disk is full").
QString reasonFor(int error);

} // namespace ravelbook
