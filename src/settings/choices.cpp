#include "settings/choices.h"

#include "settings/group_titles.h"

#include <map>

namespace ravelbook::choices {

namespace {

const QString kTrue = QStringLiteral("yes");
const QString kFalse = QStringLiteral("no");

QString yesNo(bool value) {
    return value ? kTrue : kFalse;
}

// A yes/no entry; anything else leaves the default.
void readFlag(const std::map<QString, QString>& entries, const QString& key, bool& flag) {
    const auto found = entries.find(key);
    if (found != entries.end() && (found->second == kTrue || found->second == kFalse))
        flag = found->second == kTrue;
}

std::map<QString, QString> entriesOf(const SettingsStore& store, const QString& section) {
    std::map<QString, QString> entries;
    for (const auto& [key, value] : store.readSection(group_titles::kApplication, section))
        entries[key] = value;
    return entries;
}

QString recentKey(int i) {
    return QStringLiteral("Book %1").arg(i + 1);
}

} // namespace

Choices read(const SettingsStore& store) {
    const auto entries = entriesOf(store, kSection);
    const auto text = [&](const char* key) {
        const auto found = entries.find(QLatin1String(key));
        return found == entries.end() ? QString() : found->second;
    };
    Choices choices;
    choices.stationery = text("Stationery");
    choices.catalogueStationery = text("Catalogue Stationery");
    readFlag(entries, QStringLiteral("BiFold"), choices.biFold);
    readFlag(entries, QStringLiteral("FirstNameFirst"), choices.firstNameFirst);
    readFlag(entries, QStringLiteral("PrintSingleSelected"), choices.printSingle);
    readFlag(entries, QStringLiteral("ShowGroupColumns"), choices.showGroupColumns);
    choices.specialText = text("SpecialText");
    bool number = false;
    const int row = text("ReturnAddress").toInt(&number);
    choices.returnAddress = number && row >= 0 ? row : 0;
    choices.windowGeometry = QByteArray::fromBase64(text("WindowGeometry").toLatin1());
    choices.pdfFolder = text("PdfFolder");
    const int copies = text("CopiesOfEach").toInt(&number);
    if (number && copies >= 1)
        choices.copies = copies;
    readFlag(entries, QStringLiteral("FillSheet"), choices.fillSheet);
    choices.sortOrder = text("SortBy");
    readFlag(entries, QStringLiteral("CloseUp"), choices.closeUp);
    choices.listPaper = text("ListPaper");
    return choices;
}

void save(SettingsStore& store, const Choices& choices) {
    const std::pair<const char*, QString> entries[] = {
        {"Stationery", choices.stationery},
        {"Catalogue Stationery", choices.catalogueStationery},
        {"BiFold", yesNo(choices.biFold)},
        {"FirstNameFirst", yesNo(choices.firstNameFirst)},
        {"PrintSingleSelected", yesNo(choices.printSingle)},
        {"SpecialText", choices.specialText},
        {"ReturnAddress", QString::number(choices.returnAddress)},
        {"ShowGroupColumns", yesNo(choices.showGroupColumns)},
        {"WindowGeometry", QString::fromLatin1(choices.windowGeometry.toBase64())},
        {"PdfFolder", choices.pdfFolder},
        {"CopiesOfEach", QString::number(choices.copies)},
        {"FillSheet", yesNo(choices.fillSheet)},
        {"SortBy", choices.sortOrder},
        {"CloseUp", yesNo(choices.closeUp)},
        {"ListPaper", choices.listPaper},
    };
    for (const auto& [key, value] : entries)
        store.saveSetting(group_titles::kApplication, kSection, QLatin1String(key), value);
}

QStringList recentBooks(const SettingsStore& store) {
    const auto entries = entriesOf(store, kRecentSection);
    QStringList books;
    for (int i = 0; i < kRecentBooks; ++i) {
        const auto found = entries.find(recentKey(i));
        if (found != entries.end() && !found->second.isEmpty() && !books.contains(found->second))
            books << found->second;
    }
    return books;
}

void rememberBook(SettingsStore& store, const QString& path) {
    QStringList books = recentBooks(store);
    books.removeAll(path);
    books.prepend(path);
    for (int i = 0; i < kRecentBooks; ++i)
        store.saveSetting(group_titles::kApplication, kRecentSection, recentKey(i), books.value(i));
}

// Ids are lower-case letters, digits and "-": a comma parts them.
QStringList recentStationeries(const SettingsStore& store) {
    const auto entries = entriesOf(store, kSection);
    const auto found = entries.find(QStringLiteral("Recent Stationery"));
    QStringList ids;
    if (found == entries.end())
        return ids;
    for (const QString& id : found->second.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!ids.contains(id.trimmed()) && ids.size() < kRecentStationeries)
            ids << id.trimmed();
    }
    return ids;
}

void rememberStationery(SettingsStore& store, const QString& id) {
    QStringList ids = recentStationeries(store);
    ids.removeAll(id);
    ids.prepend(id);
    store.saveSetting(group_titles::kApplication, kSection, QStringLiteral("Recent Stationery"),
                      ids.mid(0, kRecentStationeries).join(QLatin1Char(',')));
}

} // namespace ravelbook::choices
