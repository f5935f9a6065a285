#pragma once

#include "core/length.h"
#include "print/stationery/stationery_catalogue.h"
#include "print/stationery/stock_template.h"

#include <map>
#include <QHash>
#include <QSet>
#include <QString>
#include <vector>

class QIODevice;

namespace ravelbook {

// A named paper size of a Glabels-paper-sizes file ("A4", "US-Letter").
struct PaperSize {
    QString id;
    Length width;
    Length height;
};

// The most labels one sheet may have, and the largest template file read:
// no file can make the reader allocate without bound.
inline constexpr int kMostLabelsOnASheet = 1000;
inline constexpr qint64 kLargestTemplateFile = 8 * 1024 * 1024;

// Reads template files of the gLabels label designer (format glabels-3.0):
// their paper sizes, then their templates, file after file; an alias (equiv)
// may name a template of any file read before or after it. Entries that
// can't be used are skipped with a note naming file and line. A file damaged
// part way keeps the templates before the damage.
class TemplateReader {
public:
    // Paper sizes of a Glabels-paper-sizes file; an id already known keeps its size.
    void readPaperSizes(const QString& path);
    void readPaperSizes(QIODevice& device, const QString& name);
    // Templates of a Glabels-templates file; `name` is for the notes and the
    // entries' `file` (empty: the built-in set).
    void readTemplates(const QString& path, bool userOwn);
    void readTemplates(QIODevice& device, const QString& name, bool userOwn = false);

    // Every entry read, aliases resolved, in the order read (an id read again
    // stays twice: the catalogue decides which counts); the notes, left-out
    // shapes counted once per kind at the end.
    std::vector<StockTemplate> takeEntries();
    std::vector<CatalogueNote> takeNotes();

    const PaperSize* paper(const QString& id) const;

private:
    struct Alias {
        StockTemplate entry; // brand, part, id, file, line
        QString target;      // the id it is an alias of
    };
    class TemplateParser;

    bool open(QIODevice& device, const QString& name);
    void note(const QString& file, qint64 line, const QString& message);
    void resolveAliases();

    QHash<QString, PaperSize> papers_; // by lower-case id
    std::vector<StockTemplate> entries_;
    std::vector<Alias> aliases_;
    QHash<QString, int> leftOutIds_; // id -> the kind of shape left out
    QSet<QString> skippedIds_;       // of templates skipped with a note
    std::map<int, int> leftOut_;     // kind of shape -> how many
    std::vector<CatalogueNote> notes_;
    bool resolved_ = false;
};

// A length of a template file: "2.625in", "210mm", "1cm", "2pc", "12pt" or a
// bare number of points; nothing when it is none or not finite.
std::optional<Length> templateLength(const QString& text);

} // namespace ravelbook
