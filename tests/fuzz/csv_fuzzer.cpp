// Fuzzes the CSV reader: the rows it reads are written back and read again
// unchanged, and the records they give survive the program's export and import.
#include "core/error.h"
#include "exchange/csv.h"
#include "exchange/text_decoding.h"
#include "exchange_round_trip.h"

#include <cstddef>
#include <cstdint>

using namespace ravelbook;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const exchange::CsvRows rows = exchange::readCsv(exchange::decodeText(bytes));
    QString written;
    for (const QStringList& row : rows.rows) {
        fuzz::check(!row.isEmpty());
        written += exchange::csvLine(row, QLatin1Char(','));
    }
    const exchange::CsvRows again = exchange::readCsv(written, QLatin1Char(','));
    fuzz::check(again.problems.isEmpty());
    // A row of one empty field is a blank line once written; the reader skips those.
    std::vector<QStringList> kept;
    for (const QStringList& row : rows.rows) {
        if (row != QStringList{QString()})
            kept.push_back(row);
    }
    fuzz::check(again.rows == kept);

    try {
        fuzz::checkRoundTrip(fuzz::recordsOf(exchange::csvSource(bytes)), exchange::Format::Csv,
                             [](const QByteArray& b) { return exchange::csvSource(b); });
    } catch (const Error&) {
        fuzz::check(!rows.unclosed.isEmpty()); // refused only for a quote never closed
    }
    return 0;
}
