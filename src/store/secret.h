#pragma once

#include <cstddef>
#include <QString>
#include <QStringView>

namespace ravelbook {

// A password the user typed, kept only while its book is open (to connect
// again after the server went away): on memory of its own that core dumps
// leave out and that is not swapped out where the system allows, wiped when
// it goes.
class Secret {
public:
    explicit Secret(QStringView text);
    ~Secret();
    Secret(const Secret&) = delete;
    Secret& operator=(const Secret&) = delete;

    // A copy for the one call that needs it; wipe() it after.
    QString text() const;

    // Overwrites the characters of a copy that is no longer needed.
    static void wipe(QString& text);
    static void wipe(QByteArray& bytes);

private:
    char16_t* characters_ = nullptr;
    std::size_t mapped_ = 0;
    qsizetype length_ = 0;
};

} // namespace ravelbook
