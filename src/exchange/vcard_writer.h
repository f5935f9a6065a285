#pragma once

#include <QString>
#include <QStringList>

namespace ravelbook::exchange {

// One vCard 3.0 card as a file holds it: each value escaped, each content line
// folded after 75 octets and ended with CRLF.
class VCardWriter {
public:
    VCardWriter();

    // A content line whose value is `values`, each escaped, joined by `separator`
    // (";" between the parts of N or ADR, "," between CATEGORIES).
    void add(QStringView property, const QStringList& values, QChar separator = u';');

    // The card, closed with its END line.
    QString finish() &&;

private:
    QString out_;
};

} // namespace ravelbook::exchange
