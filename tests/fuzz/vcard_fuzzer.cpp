// Fuzzes the vCard reader: the records a file gives survive the program's own
// vCard export and import unchanged, and its export reads without a problem.
#include "exchange/vcard.h"
#include "exchange_round_trip.h"

#include <cstddef>
#include <cstdint>

using namespace ravelbook;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const exchange::SourceTable table = exchange::vCardSource(bytes);
    for (const QStringList& row : table.rows)
        fuzz::check(row.size() == exchange::vCardColumns().size());
    fuzz::checkRoundTrip(fuzz::recordsOf(table), exchange::Format::VCard,
                         [](const QByteArray& b) { return exchange::vCardSource(b); });
    return 0;
}
