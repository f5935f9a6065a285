#pragma once

#include <optional>
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace ravelbook::ini {

struct Section {
    QString name;
    std::vector<std::pair<QString, QString>> entries;
};
using Document = std::vector<Section>;

// Reads "[section]" headers, "key=value" entries, blank lines and ';' or '#'
// comments. Anything else, or text that is not UTF-8, makes the whole file
// unusable: nothing is returned rather than a half-read guess.
std::optional<Document> parse(const QByteArray& bytes);
QByteArray write(const Document& document);

} // namespace ravelbook::ini
