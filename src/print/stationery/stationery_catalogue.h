#pragma once

#include "print/stationery/stock_template.h"

#include <memory>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook {

// A template file's entry that could not be used, or a kind of entries left out.
struct CatalogueNote {
    QString file;
    int line = 0;
    QString message; // "nx=\"0\": a sheet needs at least one label"
};

// Where the catalogue is read from, in order; a later folder's entry with an
// id already read takes its place.
struct CatalogueFolders {
    QStringList system; // glabels-data's templates folders found along XDG_DATA_DIRS
    QStringList
        user; // ~/.config/libglabels/templates, ~/.glabels, $XDG_CONFIG_HOME/Ravelbook/stationery
    static CatalogueFolders standard();
    // The folder New Stationery saves into.
    static QString ownFolder();
};

// Every stationery the program can print on: the built-in set, then the
// template files of the folders. Read once; entries never change after.
class StationeryCatalogue {
public:
    static std::shared_ptr<const StationeryCatalogue> load(const CatalogueFolders& folders);
    // The one of the standard folders, read on first use.
    static std::shared_ptr<const StationeryCatalogue> standard();
    // Reads the standard folders again (after a file was saved into the
    // user's); later standard() calls get the new one.
    static std::shared_ptr<const StationeryCatalogue> reloadStandard();

    const std::vector<StockTemplate>& entries() const { return entries_; }
    // The entry of an id; aliases and the built-in five resolve. Null when unknown.
    const StockTemplate* find(const QString& id) const;
    // Entries whose brand, part, description or id contain every word of the text.
    std::vector<const StockTemplate*> search(const QString& text) const;
    // The ids nearest to an unknown one, best first.
    QStringList closestIds(const QString& id, int count = 3) const;
    // What a command says of an id it doesn't know: "unknown stationery "x"; did you mean …?"
    QString unknownIdError(const QString& id) const;
    // Entries skipped (file and line), and how many were left out and why.
    const std::vector<CatalogueNote>& notes() const { return notes_; }

private:
    std::vector<StockTemplate> entries_;
    std::vector<CatalogueNote> notes_;
};

// The id of a product: its brand and part, lower case, every run of other
// characters one "-": "Avery", "L7160" -> "avery-l7160".
QString stockId(const QString& brand, const QString& part);

} // namespace ravelbook
