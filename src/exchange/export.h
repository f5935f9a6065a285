#pragma once

#include "core/address_record.h"
#include "exchange/import.h"

#include <QString>
#include <vector>

class QIODevice;

namespace ravelbook {
class Database;
}

namespace ravelbook::exchange {

enum class Format { Csv, VCard, Access };

// The records of the book, in its order; with any group chosen, only the
// records of the chosen groups.
std::vector<AddressRecord> readRecords(const Database& db,
                                       const std::array<bool, kGroupCount>& groups);

// CSV: a heading row of the book's own column names and one column per group
// headed by its title, -1 or 0 as the book holds it. UTF-8, CRLF line ends.
QString csvHeading(const GroupTitles& titles);
QString csvRecord(const AddressRecord& record);

// Writes the records to `device` as CSV or vCard 3.0. Returns false when cancelled.
bool writeRecords(QIODevice& device, const std::vector<AddressRecord>& records, Format format,
                  const GroupTitles& titles, const Progress& progress = {});

// Writes to `path` through the output guard: a failed or cancelled export
// leaves whatever was there, and `protectedFile` (the open book) and any other
// address book are refused; "-" is standard output. Returns false when
// cancelled; throws StoreError naming the file and the reason when it can't be written.
bool exportToFile(const QString& path, const std::vector<AddressRecord>& records, Format format,
                  const GroupTitles& titles, const QString& protectedFile,
                  const Progress& progress = {});

} // namespace ravelbook::exchange
