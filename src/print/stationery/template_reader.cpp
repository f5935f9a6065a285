#include "print/stationery/template_reader.h"

#include <cmath>
#include <limits>
#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QXmlStreamReader>

namespace ravelbook {

namespace {

const QString kOther = QStringLiteral("Other");

// The shapes no stationery of the program is: counted, not read.
enum LeftOut { Disc, Continuous, Drawn, OtherShape };

const struct {
    const char* element;
    LeftOut kind;
} kLeftOutShapes[] = {
    {"Label-cd", Disc},
    {"Label-continuous", Continuous},
    {"Label-path", Drawn},
};

QString leftOutText(int kind, int count) {
    switch (kind) {
    case Disc:
        return QCoreApplication::translate("TemplateReader",
                                           "%1 CD/DVD labels left out: discs are not printed on")
            .arg(count);
    case Continuous:
        return QCoreApplication::translate(
                   "TemplateReader", "%1 continuous labels left out: rolls are not printed on")
            .arg(count);
    case Drawn:
        return QCoreApplication::translate(
                   "TemplateReader",
                   "%1 labels of drawn outlines left out: only rectangles, circles "
                   "and ellipses are printed on")
            .arg(count);
    default:
        return QCoreApplication::translate(
                   "TemplateReader", "%1 labels of other shapes left out: only rectangles, circles "
                                     "and ellipses are printed on")
            .arg(count);
    }
}

const struct {
    const char* suffix;
    double points;
} kUnits[] = {
    {"pt", 1}, {"in", 72}, {"mm", 72 / 25.4}, {"cm", 720 / 25.4}, {"pc", 12},
};

// The largest length a file may give, in points: 10 metres; no paper is larger.
constexpr double kLongestLength = 10000 / 25.4 * 72;

// How far a label may reach past the paper's edge and still count as on it:
// files round their lengths (gLabels' own data by up to 0.6 mm).
const Length kEdgeTolerance = Length::fromMillimetres(1);

// The largest paper a print run can place lines on all over: 22.7 inches.
const Length kLargestPaper = Length::fromTwips(std::numeric_limits<qint16>::max());

QString text(Length length) {
    return QStringLiteral("%1 mm").arg(length.millimetres(), 0, 'f', 1);
}

} // namespace

std::optional<Length> templateLength(const QString& text) {
    QString number = text.trimmed();
    double points = 1;
    for (const auto& unit : kUnits) {
        if (number.endsWith(QLatin1String(unit.suffix), Qt::CaseInsensitive)) {
            number.chop(2);
            points = unit.points;
            break;
        }
    }
    bool ok = false;
    const double value = number.trimmed().toDouble(&ok) * points;
    if (!ok || !std::isfinite(value) || std::abs(value) > kLongestLength)
        return std::nullopt;
    return Length::fromPoints(value);
}

// One Template element, read into an entry; the first fault found is kept
// and the element read to its end whatever it holds.
class TemplateReader::TemplateParser {
public:
    TemplateParser(QXmlStreamReader& xml, const TemplateReader& reader)
        : xml_(xml), reader_(reader) {}

    std::optional<QString> fault;
    qint64 faultLine = 0;
    std::optional<int> leftOut;
    bool hasLabel = false;

    void read(StockTemplate& entry) {
        const QXmlStreamAttributes attributes = xml_.attributes();
        readPaper(attributes, entry);
        while (xml_.readNextStartElement()) {
            const auto name = xml_.name();
            if (name == QLatin1String("Meta")) {
                readMeta(entry);
            } else if (name == QLatin1String("Label-rectangle") ||
                       name == QLatin1String("Label-round") ||
                       name == QLatin1String("Label-ellipse")) {
                if (hasLabel || leftOut) {
                    xml_.skipCurrentElement();
                    continue;
                }
                hasLabel = true;
                readLabel(entry);
            } else {
                if (name.startsWith(QLatin1String("Label-")) && !hasLabel && !leftOut) {
                    leftOut = OtherShape;
                    for (const auto& shape : kLeftOutShapes) {
                        if (name == QLatin1String(shape.element))
                            leftOut = shape.kind;
                    }
                }
                xml_.skipCurrentElement();
            }
        }
        if (!hasLabel && !leftOut)
            fail(QStringLiteral("\"%1\" has no label").arg(entry.id));
    }

private:
    void fail(const QString& message, qint64 line = 0) {
        if (!fault) {
            fault = message;
            faultLine = line ? line : xml_.lineNumber();
        }
    }

    // A length attribute; `positive` refuses zero too. Missing: `fallback`, or a fault.
    Length length(const QXmlStreamAttributes& attributes, const char* name, bool positive,
                  std::optional<Length> fallback = std::nullopt) {
        const QString value = attributes.value(QLatin1String(name)).toString();
        if (value.isEmpty() && fallback)
            return *fallback;
        const std::optional<Length> read = templateLength(value);
        if (!read) {
            fail(value.isEmpty()
                     ? QCoreApplication::translate("TemplateReader", "%1 is missing")
                           .arg(QLatin1String(name))
                     : QStringLiteral("%1=\"%2\" is no length").arg(QLatin1String(name), value));
            return {};
        }
        if (*read < Length() || (positive && *read == Length()))
            fail(QStringLiteral("%1=\"%2\": a size must be more than zero")
                     .arg(QLatin1String(name), value));
        return *read;
    }

    void readPaper(const QXmlStreamAttributes& attributes, StockTemplate& entry) {
        const QString size = attributes.value(QLatin1String("size")).toString();
        if (size == kOther) {
            entry.paperName = kOther;
            entry.paperWidth = length(attributes, "width", true);
            entry.paperHeight = length(attributes, "height", true);
        } else if (const PaperSize* paper = reader_.paper(size)) {
            entry.paperName = paper->id;
            entry.paperWidth = paper->width;
            entry.paperHeight = paper->height;
        } else {
            fail(QCoreApplication::translate("TemplateReader", "unknown paper size \"%1\"")
                     .arg(size));
        }
        // Print is placed in twips of 16 bits from the printable area's corner.
        if (kLargestPaper < entry.paperWidth || kLargestPaper < entry.paperHeight)
            fail(QCoreApplication::translate(
                     "TemplateReader",
                     "the paper (%1 x %2) is larger than the %3 the program can print on")
                     .arg(text(entry.paperWidth), text(entry.paperHeight), text(kLargestPaper)));
    }

    void readMeta(StockTemplate& entry) {
        const auto category = xml_.attributes().value(QLatin1String("category"));
        if (category == QLatin1String("envelope"))
            entry.kind = StockKind::Envelope;
        else if (category == QLatin1String("card") || category == QLatin1String("postcard"))
            entry.kind = StockKind::Card;
        xml_.skipCurrentElement();
    }

    void readLabel(StockTemplate& entry) {
        const QXmlStreamAttributes attributes = xml_.attributes();
        const auto name = xml_.name();
        if (name == QLatin1String("Label-round")) {
            entry.shape = StockShape::Round;
            entry.labelWidth = entry.labelHeight = length(attributes, "radius", true) * 2;
        } else {
            entry.shape = name == QLatin1String("Label-ellipse") ? StockShape::Ellipse
                                                                 : StockShape::Rectangle;
            entry.labelWidth = length(attributes, "width", true);
            entry.labelHeight = length(attributes, "height", true);
            if (entry.shape == StockShape::Rectangle)
                entry.cornerRadius = length(attributes, "round", false, Length());
        }
        if (entry.paperWidth < entry.labelWidth || entry.paperHeight < entry.labelHeight)
            fail(QCoreApplication::translate(
                     "TemplateReader", "the label (%1 x %2) is larger than its paper (%3 x %4)")
                     .arg(text(entry.labelWidth), text(entry.labelHeight), text(entry.paperWidth),
                          text(entry.paperHeight)));
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("Markup-margin"))
                entry.margin = length(xml_.attributes(), "size", false);
            else if (xml_.name() == QLatin1String("Layout"))
                readLayout(entry);
            xml_.skipCurrentElement();
        }
        if (entry.grids.empty())
            fail(QStringLiteral("\"%1\" has no Layout of its labels").arg(entry.id));
    }

    void readLayout(StockTemplate& entry) {
        const QXmlStreamAttributes attributes = xml_.attributes();
        StockGrid grid;
        for (const auto& [name, into] : {std::pair{"nx", &grid.columns}, {"ny", &grid.rows}}) {
            const QString value = attributes.value(QLatin1String(name)).toString();
            bool ok = false;
            const int count = value.toInt(&ok);
            if (!ok || count < 1) {
                fail(QStringLiteral("%1=\"%2\": a sheet needs at least one label")
                         .arg(QLatin1String(name), value));
                return;
            }
            *into = count;
        }
        if (qint64(grid.columns) * grid.rows + entry.labelCount() > kMostLabelsOnASheet) {
            fail(QCoreApplication::translate("TemplateReader", "more than %1 labels on one sheet")
                     .arg(kMostLabelsOnASheet));
            return;
        }
        grid.left = length(attributes, "x0", false, Length());
        grid.top = length(attributes, "y0", false, Length());
        // A pitch matters only between labels: one column needs none.
        const auto none = [](int count) {
            return count > 1 ? std::nullopt : std::optional<Length>(Length());
        };
        grid.pitchX = length(attributes, "dx", grid.columns > 1, none(grid.columns));
        grid.pitchY = length(attributes, "dy", grid.rows > 1, none(grid.rows));
        const Length right = grid.left + grid.pitchX * (grid.columns - 1) + entry.labelWidth;
        const Length bottom = grid.top + grid.pitchY * (grid.rows - 1) + entry.labelHeight;
        if (entry.paperWidth + kEdgeTolerance < right ||
            entry.paperHeight + kEdgeTolerance < bottom)
            fail(QCoreApplication::translate("TemplateReader",
                                             "a Layout puts labels off the paper (%1 x %2)")
                     .arg(text(entry.paperWidth), text(entry.paperHeight)));
        entry.grids.push_back(grid);
    }

    QXmlStreamReader& xml_;
    const TemplateReader& reader_;
};

const PaperSize* TemplateReader::paper(const QString& id) const {
    const auto found = papers_.constFind(id.toLower());
    return found == papers_.constEnd() ? nullptr : &*found;
}

void TemplateReader::note(const QString& file, qint64 line, const QString& message) {
    notes_.push_back({file, int(line), message});
}

bool TemplateReader::open(QIODevice& device, const QString& name) {
    if (device.size() > kLargestTemplateFile) {
        note(name, 0,
             QCoreApplication::translate("TemplateReader", "the file is larger than %1 MB: skipped")
                 .arg(kLargestTemplateFile / 1024 / 1024));
        return false;
    }
    return true;
}

void TemplateReader::readPaperSizes(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        readPaperSizes(file, path);
}

void TemplateReader::readPaperSizes(QIODevice& device, const QString& name) {
    if (!open(device, name))
        return;
    QXmlStreamReader xml(&device);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Glabels-paper-sizes"))
        return;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Paper-size")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString id = attributes.value(QLatin1String("id")).toString();
            const auto width = templateLength(attributes.value(QLatin1String("width")).toString());
            const auto height =
                templateLength(attributes.value(QLatin1String("height")).toString());
            if (!id.isEmpty() && width && height && Length() < *width && Length() < *height &&
                !papers_.contains(id.toLower()))
                papers_.insert(id.toLower(), {id, *width, *height});
        }
        xml.skipCurrentElement();
    }
    if (xml.hasError())
        note(name, xml.lineNumber(),
             QCoreApplication::translate(
                 "TemplateReader", "the file is damaged here (%1): the paper sizes after it are "
                                   "skipped")
                 .arg(xml.errorString()));
}

void TemplateReader::readTemplates(const QString& path, bool userOwn) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        note(path, 0,
             QCoreApplication::translate("TemplateReader", "can't be read: %1")
                 .arg(file.errorString()));
        return;
    }
    readTemplates(file, path, userOwn);
}

void TemplateReader::readTemplates(QIODevice& device, const QString& name, bool userOwn) {
    if (!open(device, name))
        return;
    resolved_ = false;
    QXmlStreamReader xml(&device);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Glabels-templates")) {
        if (xml.hasError())
            note(name, xml.lineNumber(),
                 QCoreApplication::translate("TemplateReader",
                                             "the file is damaged here (%1): skipped")
                     .arg(xml.errorString()));
        return;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("Template")) {
            xml.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        StockTemplate entry;
        entry.brand = attributes.value(QLatin1String("brand")).toString();
        entry.part = attributes.value(QLatin1String("part")).toString();
        entry.description = attributes.value(QLatin1String("_description")).toString();
        if (entry.description.isEmpty())
            entry.description = attributes.value(QLatin1String("description")).toString();
        entry.id = stockId(entry.brand, entry.part);
        entry.file = name;
        entry.line = int(xml.lineNumber());
        entry.userOwn = userOwn;
        const QString equiv = attributes.value(QLatin1String("equiv")).toString();
        if (!equiv.isEmpty()) {
            xml.skipCurrentElement();
            if (!xml.hasError())
                aliases_.push_back({entry, stockId(entry.brand, equiv)});
            continue;
        }
        TemplateParser parser(xml, *this);
        parser.read(entry);
        if (xml.hasError())
            break;
        if (entry.id.isEmpty())
            note(name, entry.line,
                 QCoreApplication::translate("TemplateReader", "a template needs a part"));
        else if (parser.leftOut) {
            ++leftOut_[*parser.leftOut];
            leftOutIds_.insert(entry.id, *parser.leftOut);
        } else if (parser.fault) {
            note(name, parser.faultLine, *parser.fault);
            skippedIds_.insert(entry.id);
        } else {
            entries_.push_back(std::move(entry));
        }
    }
    if (xml.hasError())
        note(name, xml.lineNumber(),
             QCoreApplication::translate(
                 "TemplateReader",
                 "the file is damaged here (%1): the templates after it are skipped")
                 .arg(xml.errorString()));
}

void TemplateReader::resolveAliases() {
    if (resolved_)
        return;
    resolved_ = true;
    QHash<QString, std::size_t> entryOf; // the last entry of an id
    for (std::size_t i = 0; i < entries_.size(); ++i)
        entryOf.insert(entries_[i].id, i);
    QHash<QString, std::size_t> aliasOf;
    for (std::size_t i = 0; i < aliases_.size(); ++i)
        aliasOf.insert(aliases_[i].entry.id, i);
    for (const Alias& alias : aliases_) {
        QString target = alias.target;
        QSet<QString> seen{alias.entry.id};
        std::optional<QString> fault;
        while (!entryOf.contains(target) && !fault) {
            if (seen.contains(target))
                fault =
                    QStringLiteral("\"%1\" is an alias in a loop of aliases").arg(alias.entry.id);
            else if (aliasOf.contains(target)) {
                seen.insert(target);
                target = aliases_[aliasOf.value(target)].target;
            } else
                fault = (skippedIds_.contains(target)
                             ? QStringLiteral("\"%1\" is an alias of \"%2\", which is skipped")
                             : QStringLiteral("\"%1\" is an alias of \"%2\", which no file has"))
                            .arg(alias.entry.id, alias.target);
        }
        if (fault && leftOutIds_.contains(target)) {
            ++leftOut_[leftOutIds_.value(target)];
        } else if (fault) {
            note(alias.entry.file, alias.entry.line, *fault);
        } else {
            StockTemplate entry = entries_[entryOf.value(target)];
            entry.id = alias.entry.id;
            entry.brand = alias.entry.brand;
            entry.part = alias.entry.part;
            entry.file = alias.entry.file;
            entry.line = alias.entry.line;
            entry.userOwn = alias.entry.userOwn;
            entries_.push_back(std::move(entry));
        }
    }
    aliases_.clear();
    for (const auto& [kind, count] : leftOut_)
        note({}, 0, leftOutText(kind, count));
    leftOut_.clear();
}

std::vector<StockTemplate> TemplateReader::takeEntries() {
    resolveAliases();
    return std::move(entries_);
}

std::vector<CatalogueNote> TemplateReader::takeNotes() {
    resolveAliases();
    return std::move(notes_);
}

} // namespace ravelbook
