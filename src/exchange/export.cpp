#include "exchange/export.h"

#include "core/output_file.h"
#include "exchange/csv.h"
#include "exchange/vcard.h"
#include "store/database.h"
#include "store/exchange_statements.h"
#include "store/schema.h"
#include "store/store_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>

namespace ravelbook::exchange {

namespace {

constexpr int kProgressEvery = 500;

QStringList bookColumns() {
    QStringList columns;
    for (const QString& column : fieldColumns())
        columns << column;
    for (int k = 0; k < kGroupCount; ++k)
        columns << schema::groupColumn(k);
    return columns;
}

bool anyChosen(const std::array<bool, kGroupCount>& groups) {
    return std::find(groups.begin(), groups.end(), true) != groups.end();
}

} // namespace

std::vector<AddressRecord> readRecords(const Database& db,
                                       const std::array<bool, kGroupCount>& groups) {
    std::vector<AddressRecord> records;
    QSqlQuery query =
        db.run(sql::selectColumns(db.dialect(), db.tableName(schema::kAddresses), bookColumns()));
    const bool filter = anyChosen(groups);
    while (query.next()) {
        AddressRecord r;
        bool chosen = !filter;
        for (int k = 0; k < kGroupCount; ++k) {
            r.groups[k] = query.value(kFieldCount + k).toInt() != 0;
            chosen = chosen || (groups[k] && r.groups[k]);
        }
        if (!chosen)
            continue;
        for (int f = 0; f < kFieldCount; ++f)
            r.fields[f] = query.value(f).toString();
        records.push_back(std::move(r));
    }
    return records;
}

QString csvHeading(const GroupTitles& titles) {
    QStringList heading;
    for (const QString& column : fieldColumns())
        heading << column;
    for (const QString& title : titles)
        heading << title;
    return csvLine(heading);
}

QString csvRecord(const AddressRecord& record) {
    QString line;
    for (const QString& field : record.fields) {
        appendCsvField(line, field);
        line += QLatin1Char(',');
    }
    for (int k = 0; k < kGroupCount; ++k)
        line += record.groups[k] ? QLatin1String(k + 1 < kGroupCount ? "-1," : "-1")
                                 : QLatin1String(k + 1 < kGroupCount ? "0," : "0");
    line += QLatin1String("\r\n");
    return line;
}

bool writeRecords(QIODevice& device, const std::vector<AddressRecord>& records, Format format,
                  const GroupTitles& titles, const Progress& progress) {
    const int total = int(records.size());
    QString chunk;
    if (format == Format::Csv)
        chunk = csvHeading(titles);
    const auto flush = [&] {
        const QByteArray bytes = chunk.toUtf8();
        if (device.write(bytes) != bytes.size())
            throw StoreError(device.errorString());
        chunk.clear();
    };
    for (int i = 0; i < total; ++i) {
        if (i % kProgressEvery == 0) {
            flush();
            if (progress && !progress(i, total))
                return false;
        }
        chunk += format == Format::Csv ? csvRecord(records[i]) : writeVCard(records[i], titles);
    }
    flush();
    return !progress || progress(total, total);
}

bool exportToFile(const QString& path, const std::vector<AddressRecord>& records, Format format,
                  const GroupTitles& titles, const QString& protectedFile,
                  const Progress& progress) {
    const QString failure =
        QCoreApplication::translate("Export", "The export could not be written to \"%1\": %2.");
    try {
        // Left unfinished, the guard removes its scratch file and the old file stays.
        OutputFile file(path, protectedFile, failure);
        try {
            if (!writeRecords(file.device(), records, format, titles, progress))
                return false;
        } catch (const StoreError& error) {
            throw StoreError(failure.arg(QDir::toNativeSeparators(path), error.message()));
        }
        file.commit();
        return true;
    } catch (const StoreError&) {
        throw;
    } catch (const Error& error) {
        throw StoreError(error.message());
    }
}

} // namespace ravelbook::exchange
