#pragma once

// Shared by the CSV and vCard fuzzers: the records an input gives must come
// back unchanged through the program's own export and import.
#include "exchange/export.h"
#include "exchange/import.h"

#include <cstdlib>
#include <QBuffer>
#include <QDebug>

namespace ravelbook::fuzz {

inline void check(bool ok) {
    if (!ok)
        std::abort();
}

inline GroupTitles titles() {
    GroupTitles t;
    for (int k = 0; k < kGroupCount; ++k)
        t[k] = k < 9 ? QStringLiteral("Personal") : QStringLiteral("Business");
    t[3] = QStringLiteral("Family");
    return t;
}

inline std::vector<AddressRecord> recordsOf(exchange::SourceTable table) {
    exchange::ImportSource source;
    const exchange::Mapping mapping = exchange::defaultMapping(table, titles());
    source.table = std::move(table);
    return exchange::planImport(std::move(source), mapping, titles(), {}).records;
}

template <typename Read>
void checkRoundTrip(const std::vector<AddressRecord>& records, exchange::Format format, Read read) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    exchange::writeRecords(buffer, records, format, titles());
    const exchange::SourceTable again = read(buffer.data());
    const std::vector<AddressRecord> back = recordsOf(again);
    // Replaying a failing input with RAVELBOOK_FUZZ_DEBUG set shows what went wrong.
    if (qEnvironmentVariableIsSet("RAVELBOOK_FUZZ_DEBUG") && back != records) {
        qWarning() << "written:" << buffer.data() << "problems:" << again.problems;
        for (std::size_t i = 0; i < std::max(back.size(), records.size()); ++i) {
            if (i < records.size())
                qWarning() << "before:"
                           << QStringList(records[i].fields.begin(), records[i].fields.end())
                           << QList<bool>(records[i].groups.begin(), records[i].groups.end());
            if (i < back.size())
                qWarning() << "after: " << QStringList(back[i].fields.begin(), back[i].fields.end())
                           << QList<bool>(back[i].groups.begin(), back[i].groups.end());
        }
    }
    check(again.problems.isEmpty());
    check(back == records);
}

} // namespace ravelbook::fuzz
