#pragma once

#include <optional>
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// Our own reader and writer, not QSettings: QSettings sorts the keys and writes
// "Label 9Caption" as "Label%209Caption", and this file must keep its order and names.
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
