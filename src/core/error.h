#pragma once

#include <QString>
#include <stdexcept>

namespace ravelbook {

// The base of every failure the program reports. Its message is written for
// the user: handlers catch it at their edge and show message() as it stands.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()) {}

    QString message() const { return QString::fromStdString(what()); }
};

// Why a system call failed, in the user's words ("the disk is full").
QString reasonFor(int error);

} // namespace ravelbook
