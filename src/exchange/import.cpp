#include "exchange/import.h"

#include "core/address_fields.h"
#include "core/counted.h"
#include "core/name_rules.h"
#include "store/bulk_insert.h"
#include "store/database.h"
#include "store/exchange_statements.h"
#include "store/schema.h"
#include "store/sql_failure.h"
#include "store/store_error.h"
#include "store/write_transaction.h"

#include <algorithm>
#include <bitset>
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace ravelbook::exchange {

namespace {

constexpr int kProgressEvery = 500;

// A row's values gathered by target, before they are joined into fields.
struct MappedRow {
    AddressRecord record;
    QStringList categories;
    std::vector<int> numbered; // group columns named by number
    std::vector<int> crowded;  // columns not kept because another fills their field
};

void appendJoined(QString& into, const QString& value, const QString& separator) {
    if (value.isEmpty())
        return;
    if (!into.isEmpty())
        into += separator;
    into += value;
}

QStringList splitCategories(const QString& text) {
    // Programs separate them with ";" (Outlook) or " ::: " (Google); a comma
    // may be part of a title.
    QStringList out;
    const auto keep = [&out](QStringView part) {
        part = part.trimmed();
        // Google's own labels ("* myContacts", "* starred") are no groups of the user's.
        if (!part.isEmpty() && !part.startsWith(u"* "))
            out << part.toString();
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool colons = c == QLatin1Char(':') && QStringView(text).sliced(i).startsWith(u":::");
        if (c == QLatin1Char(';') || colons) {
            keep(QStringView(text).sliced(start, i - start));
            if (colons)
                i += 2;
            start = i + 1;
        }
    }
    keep(QStringView(text).sliced(start));
    return out;
}

// A field of one line keeps the lines of a value joined by ", ", and no blanks at its ends.
QString oneLine(const QString& text) {
    if (!text.contains(QLatin1Char('\n')))
        return text.trimmed();
    QStringList lines;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed().toString();
    }
    return lines.join(QStringLiteral(", "));
}

// The value of a column that takes a field, or that one column of several gives it.
class FieldValue {
public:
    // Takes `value` of `column` when it ranks before what is held (a lower rank
    // is better); the value that loses is crowded out.
    void offer(const QString& value, int column, int rank, std::vector<int>& crowded) {
        if (QStringView(value).trimmed().isEmpty())
            return;
        if (column_ >= 0 && rank >= rank_) {
            if (value != value_)
                crowded.push_back(column);
            return;
        }
        if (column_ >= 0 && value != value_)
            crowded.push_back(column_);
        value_ = value;
        column_ = column;
        rank_ = rank;
    }
    const QString& value() const { return value_; }
    int column() const { return column_; }

private:
    QString value_;
    int column_ = -1;
    int rank_ = 0;
};

MappedRow mapRow(const QStringList& row, const QStringList& columns, const Mapping& mapping) {
    MappedRow out;
    AddressRecord& r = out.record;
    std::array<FieldValue, kFieldCount> single;
    FieldValue organization;
    QString first, middle, last, address2, city, state, zip;
    std::array<QString, 6> business;  // by AddressPart
    std::vector<int> businessColumns; // with a value
    for (int c = 0; c < int(mapping.size()) && c < row.size(); ++c) {
        QString value = row[c];                // shared with the row unless it changes
        if (value.contains(QLatin1Char('\r'))) // the book ends lines with LF alone
            value.replace(QLatin1String("\r\n"), QLatin1String("\n"))
                .replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const Target& target = mapping[c];
        switch (target.kind) {
        case Target::Ignore:
            break;
        case Target::BookField: {
            const auto field = Field(target.index);
            if (field == Field::Notes)
                appendJoined(r[field], value, QStringLiteral("\n"));
            else if (field == Field::Address)
                appendJoined(r[field], value, QStringLiteral(", "));
            else
                single[target.index].offer(value, c, 0, out.crowded);
            break;
        }
        case Target::OtherPhone:
            single[int(Field::Phone)].offer(value, c, target.index, out.crowded);
            break;
        case Target::Organization:
            organization.offer(value, c, 0, out.crowded);
            break;
        case Target::FirstName:
            appendJoined(first, value.trimmed(), QStringLiteral(" "));
            break;
        case Target::MiddleName:
            appendJoined(middle, value.trimmed(), QStringLiteral(" "));
            break;
        case Target::LastName:
            appendJoined(last, value.trimmed(), QStringLiteral(" "));
            break;
        case Target::Address2:
            appendJoined(address2, value.trimmed(), QStringLiteral(", "));
            break;
        case Target::City:
            appendJoined(city, value.trimmed(), QStringLiteral(" "));
            break;
        case Target::State:
            appendJoined(state, value.trimmed(), QStringLiteral(" "));
            break;
        case Target::Zip:
            appendJoined(zip, value.trimmed(), QStringLiteral(" "));
            break;
        case Target::BusinessAddress:
            if (!value.trimmed().isEmpty()) {
                appendJoined(business[std::size_t(target.index)], value.trimmed(),
                             AddressPart(target.index) == AddressPart::Street2
                                 ? QStringLiteral(", ")
                                 : QStringLiteral(" "));
                businessColumns.push_back(c);
            }
            break;
        case Target::Categories:
            out.categories << splitCategories(value);
            break;
        case Target::TitleLines:
            for (const QString& line : value.split(QLatin1Char('\n'))) {
                if (!line.trimmed().isEmpty())
                    out.categories << line.trimmed();
            }
            break;
        case Target::TitledFlag:
            if (isYes(value))
                out.categories << columns[c].trimmed();
            break;
        case Target::GroupColumn:
            if (isYes(value))
                r.groups[target.index] = true;
            break;
        case Target::GroupNumbers:
            for (const QString& n : value.split(QLatin1Char(','))) {
                bool ok = false;
                const int k = n.trimmed().toInt(&ok);
                if (ok && k >= 0 && k < kGroupCount)
                    out.numbered.push_back(k);
            }
            break;
        }
    }
    for (int f = 0; f < kFieldCount; ++f) {
        if (single[f].column() >= 0)
            r.fields[f] = single[f].value();
    }
    // Separate name parts become "Last, First", the form the labels expect.
    appendJoined(first, middle, QStringLiteral(" "));
    if (!first.isEmpty() || !last.isEmpty())
        r[Field::Name] = lastFirst(last, first);
    // A person is named and their organization is whom the letter is for;
    // without a person the organization is the name.
    if (organization.column() >= 0) {
        const bool named = !r[Field::Name].trimmed().isEmpty();
        QString& into = named ? r[Field::Contact] : r[Field::Name];
        if (!named || into.isEmpty())
            into = organization.value();
        else if (into != organization.value())
            out.crowded.push_back(organization.column());
    }
    appendJoined(r[Field::Address], address2, QStringLiteral(", "));
    const auto cityLine = [](const QString& city, const QString& state, const QString& zip) {
        QString line = city;
        appendJoined(line, state, QStringLiteral(", "));
        appendJoined(line, zip, QStringLiteral("  "));
        return line;
    };
    if (r[Field::CityStateZip].isEmpty())
        r[Field::CityStateZip] = cityLine(city, state, zip);
    // A business address is a company's address, or a person's without another.
    const auto part = [&business](AddressPart p) -> const QString& {
        return business[std::size_t(p)];
    };
    const bool homeless = QStringView(r[Field::Address]).trimmed().isEmpty() &&
                          QStringView(r[Field::CityStateZip]).trimmed().isEmpty();
    if (homeless && !businessColumns.empty()) {
        r[Field::Address] = part(AddressPart::Street);
        appendJoined(r[Field::Address], part(AddressPart::Street2), QStringLiteral(", "));
        r[Field::CityStateZip] =
            cityLine(part(AddressPart::City), part(AddressPart::State), part(AddressPart::Zip));
        if (r[Field::Country].trimmed().isEmpty())
            r[Field::Country] = part(AddressPart::Country);
    } else {
        out.crowded.insert(out.crowded.end(), businessColumns.begin(), businessColumns.end());
    }
    for (int f = 0; f < kFieldCount; ++f) {
        if (Field(f) != Field::Notes)
            r.fields[f] = oneLine(r.fields[f]);
    }
    return out;
}

// Groups of the row's categories, by title without regard to case. Among groups
// that share a title, the ones the row names by number are taken, else the
// first; a row without titles is in the groups it names by number. Returns the
// categories no title matches, also those the user has given a group column.
QStringList resolveGroups(MappedRow& row, const GroupTitles& titles,
                          const CategoryAssignments& assignments) {
    if (row.categories.isEmpty()) {
        for (int k : row.numbered)
            row.record.groups[k] = true;
    }
    QStringList unknown;
    for (const QString& category : row.categories) {
        std::bitset<kGroupCount> matching;
        for (int k = 0; k < kGroupCount; ++k)
            matching[k] =
                QStringView(titles[k]).trimmed().compare(category, Qt::CaseInsensitive) == 0;
        if (matching.none()) {
            const auto assigned = assignments.find(category.toLower());
            if (assigned != assignments.end())
                row.record.groups[assigned->second] = true;
            unknown << category;
            continue;
        }
        bool hinted = false;
        for (int k : row.numbered) {
            if (matching[k])
                row.record.groups[k] = hinted = true;
        }
        for (int k = 0; !hinted && k < kGroupCount; ++k) {
            if (matching[k])
                row.record.groups[k] = hinted = true;
        }
    }
    return unknown;
}

bool isEmpty(const AddressRecord& record) {
    for (const QString& f : record.fields) {
        if (!f.isEmpty())
            return false;
    }
    for (bool g : record.groups) {
        if (g)
            return false;
    }
    return true;
}

QString shortened(const QString& text) {
    return text.size() > 40 ? cutAt(text, 37) + QStringLiteral("...") : text;
}

std::unordered_set<QString> keysIn(const Database& db) {
    std::unordered_set<QString> keys;
    QSqlQuery query = db.run(sql::selectAddressKeys(db.tableName(schema::kAddresses)));
    AddressRecord r;
    while (query.next()) {
        r[Field::Name] = query.value(0).toString();
        r[Field::Address] = query.value(1).toString();
        r[Field::CityStateZip] = query.value(2).toString();
        r[Field::Country] = query.value(3).toString();
        keys.insert(duplicateKey(r));
    }
    return keys;
}

} // namespace

QString duplicateKey(const AddressRecord& record) {
    const QChar unit(0x1f);
    return record[Field::Name] + unit + record[Field::Address] + unit +
           record[Field::CityStateZip] + unit + record[Field::Country];
}

std::unordered_set<QString> bookKeys(const Database& db) {
    return keysIn(db);
}

AddressRecord recordOf(const QStringList& row, const QStringList& columns, const Mapping& mapping,
                       const GroupTitles& titles, const CategoryAssignments& assignments) {
    MappedRow mapped = mapRow(row, columns, mapping);
    resolveGroups(mapped, titles, assignments);
    return mapped.record;
}

ImportPlan planImport(ImportSource source, const Mapping& mapping, const GroupTitles& titles,
                      const std::unordered_set<QString>& existing,
                      const CategoryAssignments& assignments,
                      const AdjustmentRule& usableAdjustment) {
    ImportPlan plan;
    plan.titles = titles;
    plan.book = source.book;
    plan.warnings = source.table.problems;
    if (plan.book) {
        for (auto& returnAddress : plan.book->returnAddresses) {
            for (QString& line : returnAddress)
                line = oneLine(line);
        }
        std::optional<int>& adjustment = plan.book->verticalAdjustment;
        if (adjustment && usableAdjustment && !usableAdjustment(*adjustment)) {
            plan.warnings << QCoreApplication::translate(
                                 "Import", "The book's vertical adjustment of %1 twips would put "
                                           "labels off the printable area; it is left out.")
                                 .arg(*adjustment);
            adjustment.reset();
        }
    }
    SourceTable& table = source.table;
    std::vector<int> unmappedValues(table.columns.size());
    std::vector<int> crowdedValues(table.columns.size());
    std::map<QString, std::size_t> unknownIndex;
    plan.records.reserve(table.rows.size());
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const QStringList& row = table.rows[i];
        const int line = i < table.lines.size() ? table.lines[i] : int(i) + 1;
        ++plan.rowsRead;
        if (row.size() > table.columns.size()) {
            addProblem(plan.warnings,
                       QCoreApplication::translate(
                           "Import", "line %1: %2 values more than the %3 headings; the "
                                     "extra ones are left out")
                           .arg(line)
                           .arg(row.size() - table.columns.size())
                           .arg(table.columns.size()));
        }
        for (int c = 0; c < int(unmappedValues.size()) && c < row.size(); ++c) {
            if (mapping[c].kind == Target::Ignore && !row[c].trimmed().isEmpty())
                ++unmappedValues[c];
        }
        MappedRow mapped = mapRow(row, table.columns, mapping);
        for (int c : mapped.crowded)
            ++crowdedValues[c];
        table.rows[i] = QStringList(); // a source of its own lets go of each row once mapped
        const QStringList unknown = resolveGroups(mapped, titles, assignments);
        for (const QString& category : unknown) {
            const QString key = category.toLower();
            auto found = unknownIndex.find(key);
            if (found == unknownIndex.end()) {
                found = unknownIndex.emplace(key, plan.unknownCategories.size()).first;
                plan.unknownCategories.push_back({category, 0, std::nullopt});
            }
            ++plan.unknownCategories[found->second].records;
        }
        AddressRecord& record = mapped.record;
        if (isEmpty(record)) {
            ++plan.empty;
            continue;
        }
        // A record without a name can't be found, printed or kept by the book.
        if (record[Field::Name].trimmed().isEmpty()) {
            ++plan.nameless;
            continue;
        }
        if (!existing.empty() && existing.count(duplicateKey(record))) {
            ++plan.duplicates;
            continue;
        }
        for (int f = 0; f < kFieldCount; ++f) {
            if (record.fields[f].size() > kFieldBoxLength[f])
                plan.warnings << QCoreApplication::translate(
                                     "Import", "line %1: %2 \"%3\" is longer than its box "
                                               "(%4 of %5 characters); it is kept whole")
                                     .arg(line)
                                     .arg(fieldColumns()[f], shortened(record.fields[f]))
                                     .arg(record.fields[f].size())
                                     .arg(kFieldBoxLength[f]);
        }
        plan.records.push_back(std::move(record));
    }
    for (int c = 0; c < int(unmappedValues.size()); ++c) {
        if (unmappedValues[c] > 0)
            plan.notKept.emplace_back(table.columns[c], unmappedValues[c]);
        if (crowdedValues[c] > 0)
            plan.crowdedOut.emplace_back(table.columns[c], crowdedValues[c]);
    }
    plan.notKept.insert(plan.notKept.end(), table.leftOut.begin(), table.leftOut.end());
    for (const auto& [category, group] : assignments) {
        const auto found = unknownIndex.find(category);
        if (found == unknownIndex.end())
            continue;
        plan.unknownCategories[found->second].assigned = group;
        plan.titles[group] = plan.unknownCategories[found->second].name;
    }
    return plan;
}

std::optional<int> runImport(Database& db, const ImportPlan& plan, const Progress& progress) {
    WriteTransaction transaction(db);
    const std::unordered_set<QString> existing = keysIn(db);
    QStringList columns;
    for (const QString& column : fieldColumns())
        columns << column;
    for (int k = 0; k < kGroupCount; ++k)
        columns << schema::groupColumn(k);
    BulkInsert insert(db, db.tableName(schema::kAddresses), columns);
    const int total = int(plan.records.size());
    int added = 0;
    for (int i = 0; i < total; ++i) {
        if (progress && i % kProgressEvery == 0 && !progress(i, total))
            return std::nullopt;
        const AddressRecord& record = plan.records[i];
        if (!existing.empty() && existing.count(duplicateKey(record)))
            continue;
        for (int f = 0; f < kFieldCount; ++f)
            insert.bindText(f, record.fields[f]);
        for (int k = 0; k < kGroupCount; ++k)
            insert.bindInt(kFieldCount + k, record.groups[k] ? -1 : 0);
        try {
            insert.add();
        } catch (const SqlFailure& failure) {
            // Written a batch at a time, the record refused is not known; a
            // read-only file or a full disk refuses every record alike.
            if (insert.writesInBatches() || !isRowRefusal(failure.error()))
                throw StoreError(QCoreApplication::translate("Import", "Nothing was imported: %1")
                                     .arg(failure.message()));
            throw StoreError(QCoreApplication::translate(
                                 "Import", "Nothing was imported: record %1 was refused. %2")
                                 .arg(i + 1)
                                 .arg(failure.message()));
        }
        ++added;
    }
    try {
        insert.finish();
    } catch (const StoreError& error) {
        throw StoreError(
            QCoreApplication::translate("Import", "Nothing was imported: %1").arg(error.message()));
    }
    if (plan.book) {
        const QString returns = db.tableName(schema::kReturnAddresses);
        if (!plan.book->returnAddresses.empty()) {
            db.run(sql::deleteBlankReturnAddresses(returns));
            for (const auto& row : plan.book->returnAddresses)
                db.run(
                    sql::insertValues(returns, {QStringLiteral("Name"), QStringLiteral("Address"),
                                                QStringLiteral("City State Zip")}),
                    {row[0], row[1], row[2]});
        }
        if (plan.book->verticalAdjustment)
            db.run(sql::setVerticalAdjustment(db.dialect(), db.tableName(schema::kIni)),
                   {*plan.book->verticalAdjustment});
    }
    if (progress && !progress(total, total))
        return std::nullopt;
    try {
        transaction.commit();
    } catch (const StoreError& error) {
        throw StoreError(
            QCoreApplication::translate("Import", "Nothing was imported: %1").arg(error.message()));
    }
    return added;
}

QString summary(const ImportPlan& plan, int maxWarnings) {
    const auto records = [](int n) {
        return counted(n, QCoreApplication::translate("Import", "%1 record"),
                       QCoreApplication::translate("Import", "%1 records"));
    };
    QStringList lines;
    lines << QCoreApplication::translate("Import",
                                         "%1 to add, %2 skipped as already in the book, %3.")
                 .arg(records(int(plan.records.size())))
                 .arg(plan.duplicates)
                 .arg(counted(int(plan.warnings.size()),
                              QCoreApplication::translate("Import", "%1 warning"),
                              QCoreApplication::translate("Import", "%1 warnings")));
    if (plan.empty > 0)
        lines << counted(plan.empty,
                         QCoreApplication::translate("Import", "%1 empty row left out."),
                         QCoreApplication::translate("Import", "%1 empty rows left out."));
    if (plan.nameless > 0)
        lines << counted(
            plan.nameless,
            QCoreApplication::translate(
                "Import", "%1 row had no name (nor an organization) and was left out."),
            QCoreApplication::translate(
                "Import", "%1 rows had no name (nor an organization) and were left out."));
    if (plan.book) {
        const QString returns =
            counted(int(plan.book->returnAddresses.size()),
                    QCoreApplication::translate("Import", "%1 return address"),
                    QCoreApplication::translate("Import", "%1 return addresses"));
        lines << (plan.book->verticalAdjustment
                      ? QCoreApplication::translate(
                            "Import", "%1 and the vertical adjustment come in as well.")
                      : QCoreApplication::translate("Import", "%1 come in as well."))
                     .arg(returns);
    }
    for (const UnknownCategory& category : plan.unknownCategories) {
        if (category.assigned)
            lines << QCoreApplication::translate(
                         "Import", "Group \"%1\" (%2) goes to group column %3, which takes "
                                   "its title.")
                         .arg(category.name, records(category.records))
                         .arg(*category.assigned);
        else
            lines << QCoreApplication::translate(
                         "Import", "Group \"%1\" (%2) matches no group title and is not kept.")
                         .arg(category.name, records(category.records));
    }
    // "Business Street (2), Mobile (1)": columns with how many rows lost them.
    const auto notKept = [&lines](const QString& why,
                                  const std::vector<std::pair<QString, int>>& columns) {
        if (columns.empty())
            return;
        QStringList parts;
        for (const auto& [column, rows] : columns)
            parts << QStringLiteral("%1 (%2)").arg(column).arg(rows);
        lines << why.arg(parts.join(QStringLiteral(", ")));
    };
    notKept(QCoreApplication::translate("Import", "Not kept, as no field takes them: %1."),
            plan.notKept);
    notKept(QCoreApplication::translate("Import",
                                        "Not kept, as another column fills the same field: %1."),
            plan.crowdedOut);
    for (int i = 0; i < plan.warnings.size() && i < maxWarnings; ++i)
        lines << plan.warnings[i];
    if (plan.warnings.size() > maxWarnings)
        lines << QCoreApplication::translate("Import", "... and %1 more.")
                     .arg(plan.warnings.size() - maxWarnings);
    return lines.join(QLatin1Char('\n'));
}

} // namespace ravelbook::exchange
