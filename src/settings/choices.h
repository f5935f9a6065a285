#pragma once

#include "settings/settings_store.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ravelbook::choices {

// What the user last chose in the window, kept for the next start.
struct Choices {
    QString stationery;          // the name of the chosen option button; empty when none was chosen
    QString catalogueStationery; // the id of the catalogue's stationery chosen, if any
    bool biFold = false;
    bool firstNameFirst = true;
    bool printSingle = true;
    QString specialText;
    int returnAddress = 0; // the row of the return address shown
    bool showGroupColumns = true;
    QByteArray windowGeometry; // as QWidget::saveGeometry gives it; empty when never saved
    QString pdfFolder;         // where the last PDF of a print run went; empty when none
    // The mailing options.
    int copies = 1; // of each record; the window holds it to what a run prints
    bool fillSheet = false;
    QString sortOrder; // as `ravelbook print --sort` names it; empty for the book's order
    bool closeUp = false;
    QString listPaper; // as `--paper` names it; empty: the locale's paper
};

inline const QString kSection = QStringLiteral("Choices");
inline const QString kRecentSection = QStringLiteral("Recent Books");
constexpr int kRecentBooks = 5;
constexpr int kRecentStationeries = 5;

// The choices kept; a choice the file lacks or can't be read keeps its default.
Choices read(const SettingsStore& store);
void save(SettingsStore& store, const Choices& choices);

// The books last opened, the latest first, at most kRecentBooks.
QStringList recentBooks(const SettingsStore& store);
// Puts `path` first among the recent books.
void rememberBook(SettingsStore& store, const QString& path);

// The ids of the catalogue stationeries last chosen, the latest first, at most
// kRecentStationeries.
QStringList recentStationeries(const SettingsStore& store);
void rememberStationery(SettingsStore& store, const QString& id);

} // namespace ravelbook::choices
