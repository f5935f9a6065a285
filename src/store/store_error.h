#pragma once

#include <QString>
#include <stdexcept>

namespace ravelbook {

// The one exception type of the address store. Its message is written for the
// user: event handlers catch it at their edge and show what() as it stands.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message) : std::runtime_error(message.toStdString()) {}

    QString message() const { return QString::fromStdString(what()); }
};

} // namespace ravelbook
