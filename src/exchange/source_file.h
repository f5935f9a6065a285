#pragma once

#include "exchange/csv.h"
#include "exchange/export.h"
#include "exchange/source_table.h"
#include "exchange/vcard.h"

#include <optional>
#include <QByteArray>
#include <QString>

namespace ravelbook::exchange {

// Larger files are refused before they are read: a book of 100,000 records
// exports to about 15 MB.
constexpr qint64 kLargestFile = 100 * 1024 * 1024;

// The kind of file by its name (.csv .txt .tsv, .vcf .vcard, .mdb), else by its first bytes.
std::optional<Format> guessFormat(const QString& path);

// The file's bytes; throws Error for a missing, unreadable, oversized or binary file.
QByteArray readTextFile(const QString& path);

// Reads a file of any kind for an import; `table` chooses an Access file's
// table. Throws Error when the file can't be read at all.
ImportSource readSource(const QString& path, Format format, const QString& table = {});

QString formatName(Format format);

} // namespace ravelbook::exchange
