#pragma once

#include "exchange/source_table.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook::exchange {

// A CSV file read into rows of fields (RFC 4180: quoted fields, doubled
// quotes, line breaks inside quotes, CRLF or LF line ends).
struct CsvRows {
    QChar separator = QLatin1Char(',');
    std::vector<QStringList> rows;
    std::vector<int> lines; // the line each row starts on, from 1
    QStringList problems;   // rows that could not be read, with their line
    QString unclosed;       // when a quote is never closed: the rows it takes in
};

// Comma, semicolon or tab: the one that splits the first line into the most
// fields outside quotes, commas winning a tie.
QChar detectSeparator(QStringView text);

// A first line "sep=;" (as Excel writes it) names the separator and is no row.
CsvRows readCsv(const QString& text);
CsvRows readCsv(const QString& text, QChar separator);

// One field as a CSV writer puts it: quoted when it holds the separator, a
// quote, a line break or blanks at either end.
void appendCsvField(QString& line, const QString& field, QChar separator = QLatin1Char(','));
// A whole row, ended with CRLF.
QString csvLine(const QStringList& fields, QChar separator = QLatin1Char(','));

// A CSV file's bytes as a source: its first row gives the headings. Throws
// a Format Error when a quote is never closed.
SourceTable csvSource(QByteArray bytes);

} // namespace ravelbook::exchange
