#pragma once

#include <QString>
#include <stdexcept>

namespace ravelbook {

// A printer or PDF file that could not take a page. The message is written for the user.
class PrintError : public std::runtime_error {
public:
    explicit PrintError(const QString& message) : std::runtime_error(message.toStdString()) {}

    QString message() const { return QString::fromStdString(what()); }
};

} // namespace ravelbook
