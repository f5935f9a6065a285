#include "print/stationery/stationery_catalogue.h"

#include "core/edit_distance.h"
#include "print/stationery/template_reader.h"

#include <algorithm>
#include <mutex>
#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QStandardPaths>

namespace ravelbook {

namespace {

const QString kBuiltInTemplates = QStringLiteral(":/stationery/ravelbook-templates.xml");
const QString kBuiltInPapers = QStringLiteral(":/stationery/paper-sizes.xml");

// The entries the five stationeries' own layouts draw: the five themselves,
// and the products they are.
const struct {
    const char* id;
    Stationery stationery;
} kBuiltIn[] = {
    {"small-labels", Stationery::SmallLabels},
    {"large-labels", Stationery::LargeLabels},
    {"envelopes", Stationery::Envelopes},
    {"cards", Stationery::Cards},
    {"fliers", Stationery::Fliers},
    {"avery-8161", Stationery::SmallLabels},
    {"avery-5161", Stationery::SmallLabels},
    {"avery-8163", Stationery::LargeLabels},
    {"avery-5163", Stationery::LargeLabels},
    {"envelope-10", Stationery::Envelopes},
    {"card-5-1-2-x-8-1-2", Stationery::Cards},
};
constexpr int kTheFive = 5;

// Files of a templates folder that hold no templates.
bool holdsTemplates(const QString& name) {
    return name != QLatin1String("paper-sizes.xml") && name != QLatin1String("categories.xml") &&
           name != QLatin1String("vendors.xml");
}

QStringList templateFiles(const QString& folder) {
    QStringList files;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.xml"), QStringLiteral("*.template")},
                               QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : names) {
        if (holdsTemplates(name))
            files << QDir(folder).filePath(name);
    }
    return files;
}

QString configHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

} // namespace

QString stockId(const QString& brand, const QString& part) {
    QString id;
    bool dash = false;
    for (const QChar c : brand + QLatin1Char(' ') + part) {
        if (c.isLetterOrNumber()) {
            if (dash && !id.isEmpty())
                id += QLatin1Char('-');
            id += c.toLower();
            dash = false;
        } else {
            dash = true;
        }
    }
    return id;
}

QString CatalogueFolders::ownFolder() {
    return configHome() + QStringLiteral("/Ravelbook/stationery");
}

CatalogueFolders CatalogueFolders::standard() {
    CatalogueFolders folders;
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString folder = dir + QStringLiteral("/libglabels-3.0/templates");
        if (QDir(folder).exists() && !folders.system.contains(folder))
            folders.system << folder;
    }
    folders.user << configHome() + QStringLiteral("/libglabels/templates")
                 << QDir::homePath() + QStringLiteral("/.glabels") << ownFolder();
    return folders;
}

std::shared_ptr<const StationeryCatalogue>
StationeryCatalogue::load(const CatalogueFolders& folders) {
    TemplateReader reader;
    reader.readPaperSizes(kBuiltInPapers);
    for (const QString& folder : folders.system)
        reader.readPaperSizes(QDir(folder).filePath(QStringLiteral("paper-sizes.xml")));
    {
        QFile builtIn(kBuiltInTemplates);
        if (builtIn.open(QIODevice::ReadOnly))
            reader.readTemplates(builtIn, QString());
    }
    for (const QString& folder : folders.system) {
        for (const QString& file : templateFiles(folder))
            reader.readTemplates(file, false);
    }
    for (const QString& folder : folders.user) {
        for (const QString& file : templateFiles(folder))
            reader.readTemplates(file, true);
    }

    auto catalogue = std::make_shared<StationeryCatalogue>();
    catalogue->notes_ = reader.takeNotes();
    // The first entry of an id counts, unless a user's file gives it again.
    QHash<QString, std::size_t> index;
    for (StockTemplate& entry : reader.takeEntries()) {
        const auto known = index.constFind(entry.id);
        if (known == index.constEnd()) {
            index.insert(entry.id, catalogue->entries_.size());
            catalogue->entries_.push_back(std::move(entry));
        } else if (StockTemplate& other = catalogue->entries_[*known];
                   entry.userOwn || other.userOwn) {
            // A user's entry wins over any other; aliases come after every
            // real entry, so the user's may be read first.
            StockTemplate& user = entry.userOwn ? entry : other;
            const StockTemplate& replaced = entry.userOwn ? other : entry;
            catalogue->notes_.push_back(
                {user.file, user.line,
                 QStringLiteral("\"%1\" takes the place of the one %2")
                     .arg(user.id,
                          replaced.file.isEmpty()
                              ? QCoreApplication::translate("StationeryCatalogue", "built in")
                              : QCoreApplication::translate("StationeryCatalogue", "of %1")
                                    .arg(replaced.file))});
            user.replacesOther = true;
            if (entry.userOwn)
                other = std::move(entry);
        }
    }
    for (const auto& builtIn : kBuiltIn) {
        const auto known = index.constFind(QLatin1String(builtIn.id));
        // A user's own sheet of the same product is printed as the user describes it.
        if (known != index.constEnd() && !catalogue->entries_[*known].userOwn)
            catalogue->entries_[*known].builtIn = builtIn.stationery;
    }

    // The five first, in their order, then by brand and part, numbers by their value.
    const auto rank = [](const StockTemplate& entry) {
        for (int i = 0; i < kTheFive; ++i) {
            if (entry.id == QLatin1String(kBuiltIn[i].id))
                return i;
        }
        return kTheFive;
    };
    QCollator collator{QLocale(QLocale::English)}; // the C locale sorts no numbers
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(catalogue->entries_.begin(), catalogue->entries_.end(),
                     [&](const StockTemplate& a, const StockTemplate& b) {
                         const int ra = rank(a), rb = rank(b);
                         if (ra != rb)
                             return ra < rb;
                         if (const int brand = collator.compare(a.brand, b.brand))
                             return brand < 0;
                         return collator.compare(a.part, b.part) < 0;
                     });
    return catalogue;
}

namespace {

// The standard catalogue, read on first use and read again after the user's
// folder changed; a reader keeps the one it got, whole, however long it needs it.
struct StandardCatalogue {
    std::mutex mutex;
    std::shared_ptr<const StationeryCatalogue> catalogue;
};

StandardCatalogue& standardCatalogue() {
    static StandardCatalogue standard;
    return standard;
}

} // namespace

std::shared_ptr<const StationeryCatalogue> StationeryCatalogue::standard() {
    StandardCatalogue& standard = standardCatalogue();
    const std::lock_guard<std::mutex> lock(standard.mutex);
    if (!standard.catalogue)
        standard.catalogue = load(CatalogueFolders::standard());
    return standard.catalogue;
}

std::shared_ptr<const StationeryCatalogue> StationeryCatalogue::reloadStandard() {
    std::shared_ptr<const StationeryCatalogue> fresh = load(CatalogueFolders::standard());
    StandardCatalogue& standard = standardCatalogue();
    const std::lock_guard<std::mutex> lock(standard.mutex);
    standard.catalogue = fresh;
    return fresh;
}

const StockTemplate* StationeryCatalogue::find(const QString& id) const {
    const QString wanted = id.trimmed();
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const StockTemplate& e) {
        return e.id.compare(wanted, Qt::CaseInsensitive) == 0;
    });
    return found == entries_.end() ? nullptr : &*found;
}

std::vector<const StockTemplate*> StationeryCatalogue::search(const QString& text) const {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<const StockTemplate*> found;
    for (const StockTemplate& entry : entries_) {
        const bool all = std::all_of(words.begin(), words.end(), [&](const QString& word) {
            for (const QString* field :
                 {&entry.brand, &entry.part, &entry.description, &entry.id}) {
                if (field->contains(word, Qt::CaseInsensitive))
                    return true;
            }
            return false;
        });
        if (all)
            found.push_back(&entry);
    }
    return found;
}

QString StationeryCatalogue::unknownIdError(const QString& id) const {
    const QStringList closest = closestIds(id);
    if (closest.isEmpty())
        return QCoreApplication::translate("StationeryCatalogue", "unknown stationery \"%1\"")
            .arg(id);
    return QCoreApplication::translate("StationeryCatalogue",
                                       "unknown stationery \"%1\"; did you mean %2?")
        .arg(id, closest.join(QStringLiteral(", ")));
}

QStringList StationeryCatalogue::closestIds(const QString& id, int count) const {
    const QString wanted = id.trimmed().toLower();
    // An id that begins with or holds the text comes first, then by edit distance.
    std::vector<std::pair<int, const QString*>> scored;
    scored.reserve(entries_.size());
    for (const StockTemplate& entry : entries_) {
        int score = editDistance(wanted, entry.id);
        if (!wanted.isEmpty() && entry.id.startsWith(wanted))
            score -= 2000;
        else if (!wanted.isEmpty() && entry.id.contains(wanted))
            score -= 1000;
        scored.emplace_back(score, &entry.id);
    }
    const std::size_t kept = std::min(scored.size(), std::size_t(std::max(count, 0)));
    std::partial_sort(scored.begin(), scored.begin() + std::ptrdiff_t(kept), scored.end(),
                      [](const auto& a, const auto& b) {
                          return a.first != b.first ? a.first < b.first : *a.second < *b.second;
                      });
    QStringList ids;
    for (std::size_t i = 0; i < kept; ++i)
        ids << *scored[i].second;
    return ids;
}

} // namespace ravelbook
