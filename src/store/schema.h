#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook::schema {

inline const QString kAddresses = QStringLiteral("Addresses");
inline const QString kReturnAddresses = QStringLiteral("Return Addresses");
inline const QString kIni = QStringLiteral("Ini");

struct Table {
    QString name;
    QStringList columns; // in file order; the first one is field 0
    QString createText;
};

// The three tables of an address book with the columns the program relies on.
const std::vector<Table>& tables();

QString groupColumn(int group);

// Why the open file is not an address book, or an empty text when it is one.
// Table names match without regard to case; extra tables and columns are fine.
QString problemWith(const QSqlDatabase& db);

// Creates the three tables, one Ini row (adjustment 0) and one empty return address.
void create(QSqlDatabase& db);

} // namespace ravelbook::schema
