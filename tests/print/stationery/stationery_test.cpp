// Template files of the gLabels label designer, the built-in set and the catalogue.
#include "print/layout.h"
#include "print/stationery/stationery_catalogue.h"
#include "print/stationery/template_reader.h"
#include "print/stationery/template_writer.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QSizeF>
#include <QTemporaryDir>

namespace ravelbook {
namespace {

const QString kPapers = QStringLiteral(":/stationery/paper-sizes.xml");

// A file of templates; its first template is on line 2.
QByteArray file(const char* body) {
    return QByteArray("<Glabels-templates>\n") + body + "\n</Glabels-templates>\n";
}

struct Read {
    std::vector<StockTemplate> entries;
    std::vector<CatalogueNote> notes;
    const StockTemplate* find(const QString& id) const {
        for (const StockTemplate& entry : entries) {
            if (entry.id == id)
                return &entry;
        }
        return nullptr;
    }
};

Read read(const std::vector<QByteArray>& files) {
    TemplateReader reader;
    reader.readPaperSizes(kPapers);
    for (std::size_t i = 0; i < files.size(); ++i) {
        QByteArray bytes = files[i];
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        reader.readTemplates(buffer, QStringLiteral("f%1.xml").arg(i));
    }
    return {reader.takeEntries(), reader.takeNotes()};
}

Length in(double inches) {
    return Length::fromInches(inches);
}
Length mm(double millimetres) {
    return Length::fromMillimetres(millimetres);
}

void expectNear(Length a, Length b, const char* what) {
    EXPECT_NEAR(a.exactTwips(), b.exactTwips(), 1e-6) << what;
}

TEST(TemplateReader, SnippetsGiveTheirGeometryOrANoteWithTheLine) {
    const char* rect = R"(<Template brand="T" part="a" size="US-Letter">
<Label-rectangle width="1in" height="1in"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-rectangle>
</Template>)";
    struct Geometry {
        Length paperWidth, paperHeight, labelWidth, labelHeight;
        StockShape shape;
        Length cornerRadius, margin;
        int labels;
        std::vector<double> lefts; // of the labels in sheet order, inches; empty: not checked
        StockKind kind = StockKind::Labels;
    };
    struct Case {
        const char* what;
        std::vector<QByteArray> files;
        QString id;
        std::optional<Geometry> geometry; // or else a note
        QString note;
        int line = 0;
    };
    const Length margin = in(1.0 / 16);
    const Case cases[] = {
        {"units, paper Other, unknown elements",
         {file(R"(<Frobnicate/>
<Template brand="T" part="a" size="Other" width="8.5in" height="279.4mm"><Frob/>
<Label-rectangle width="2.54cm" height="72" round="1pc"><Markup-line/>
<Layout nx="2" ny="3" x0="1in" y0="1in" dx="3in" dy="2in"/></Label-rectangle></Template>)")},
         "t-a",
         Geometry{in(8.5), in(11), in(1), in(1), StockShape::Rectangle, Length::fromPoints(12),
                  margin, 6}},
        {"named paper, round, margin, kind",
         {file(R"(<Template brand="T" part="a" size="A4"><Meta category="envelope"/>
<Label-round radius="10mm"><Markup-margin size="2mm"/>
<Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-round></Template>)")},
         "t-a",
         Geometry{mm(210),
                  mm(297),
                  mm(20),
                  mm(20),
                  StockShape::Round,
                  {},
                  mm(2),
                  1,
                  {},
                  StockKind::Envelope}},
        {"ellipse",
         {file(R"(<Template brand="T" part="a" size="A4"><Meta category="postcard"/>
<Label-ellipse width="50mm" height="30mm"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/>
</Label-ellipse></Template>)")},
         "t-a",
         Geometry{mm(210),
                  mm(297),
                  mm(50),
                  mm(30),
                  StockShape::Ellipse,
                  {},
                  margin,
                  1,
                  {},
                  StockKind::Card}},
        {"staggered sheet",
         {file(R"(<Template brand="T" part="a" size="US-Letter">
<Label-rectangle width="1in" height="1in">
<Layout nx="2" ny="2" x0="0" y0="0" dx="2in" dy="2in"/>
<Layout nx="2" ny="2" x0="1in" y0="1in" dx="2in" dy="2in"/></Label-rectangle></Template>)")},
         "t-a",
         Geometry{in(8.5),
                  in(11),
                  in(1),
                  in(1),
                  StockShape::Rectangle,
                  {},
                  margin,
                  8,
                  {0, 2, 1, 3, 0, 2, 1, 3}}},
        {"alias in another file",
         {file(R"(<Template brand="T" part="b" equiv="a"/>)"), file(rect)},
         "t-b",
         Geometry{in(8.5), in(11), in(1), in(1), StockShape::Rectangle, {}, margin, 1}},
        {"damaged file keeps what comes before",
         {file(QByteArray(rect).append("\n<Template brand=\"T\" part=\"b\" <").constData())},
         "t-a",
         Geometry{in(8.5), in(11), in(1), in(1), StockShape::Rectangle, {}, margin, 1}},
        {"damaged file", {file("<Template brand=\"T\" part=\"b\" <")}, "t-b", {}, "damaged", 2},
        {"label larger than paper",
         {file(R"(<Template brand="T" part="a" size="A6">
<Label-rectangle width="200mm" height="1in"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-rectangle>
</Template>)")},
         "t-a",
         {},
         "larger than its paper",
         3},
        {"grid off the paper",
         {file(R"(<Template brand="T" part="a" size="US-Letter">
<Label-rectangle width="1in" height="1in">
<Layout nx="9" ny="1" x0="0" y0="0" dx="1in" dy="0"/></Label-rectangle></Template>)")},
         "t-a",
         {},
         "off the paper",
         4},
        {"no labels",
         {file(R"(<Template brand="T" part="a" size="US-Letter">
<Label-rectangle width="1in" height="1in"><Layout nx="0" ny="1"/></Label-rectangle></Template>)")},
         "t-a",
         {},
         "nx=\"0\": a sheet needs at least one label",
         3},
        {"too many labels",
         {file(R"(<Template brand="T" part="a" size="US-Letter">
<Label-rectangle width="1pt" height="1pt"><Layout nx="100000" ny="100000"/></Label-rectangle></Template>)")},
         "t-a",
         {},
         "more than 1000 labels",
         3},
        {"paper beyond print positions",
         {file(R"(<Template brand="T" part="a" size="Other" width="3000mm" height="2000mm">
<Label-rectangle width="1in" height="1in"><Layout nx="1" ny="1"/></Label-rectangle></Template>)")},
         "t-a",
         {},
         "is larger than the 578.0 mm the program can print on",
         2},
        {"negative size",
         {file(R"(<Template brand="T" part="a" size="US-Letter"><Label-rectangle
width="-1in" height="1in"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-rectangle></Template>)")},
         "t-a",
         {},
         "width=\"-1in\": a size must be more than zero",
         3},
        {"zero size",
         {file(R"(<Template brand="T" part="a" size="Other" width="0" height="1in"><Label-rectangle
width="1in" height="1in"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-rectangle></Template>)")},
         "t-a",
         {},
         "width=\"0\": a size must be more than zero",
         2},
        {"unknown paper",
         {file(R"(<Template brand="T" part="a" size="Napkin"><Label-rectangle
width="1in" height="1in"><Layout nx="1" ny="1" x0="0" y0="0" dx="0" dy="0"/></Label-rectangle></Template>)")},
         "t-a",
         {},
         "unknown paper size \"Napkin\"",
         2},
        {"alias of nothing",
         {file("\n<Template brand=\"T\" part=\"b\" equiv=\"zz\"/>")},
         "t-b",
         {},
         "\"t-b\" is an alias of \"t-zz\", which no file has",
         3},
        {"alias loop",
         {file("<Template brand=\"T\" part=\"b\" equiv=\"c\"/>\n"
               "<Template brand=\"T\" part=\"c\" equiv=\"b\"/>")},
         "t-c",
         {},
         "\"t-c\" is an alias in a loop of aliases",
         3},
        {"discs left out, their aliases too",
         {file(R"(<Template brand="T" part="cd" size="US-Letter"><Label-cd radius="1in"/></Template>
<Template brand="T" part="b" equiv="cd"/>)")},
         "t-cd",
         {},
         "2 CD/DVD labels left out: discs are not printed on",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Read got = read(c.files);
        const StockTemplate* entry = got.find(c.id);
        if (!c.geometry) {
            EXPECT_EQ(entry, nullptr);
            const bool noted = std::any_of(got.notes.begin(), got.notes.end(), [&](const auto& n) {
                return n.message.contains(c.note) && n.line == c.line;
            });
            EXPECT_TRUE(noted) << (got.notes.empty()
                                       ? "no note"
                                       : got.notes.front().message.toStdString() + " line " +
                                             std::to_string(got.notes[0].line));
            continue;
        }
        ASSERT_NE(entry, nullptr);
        const Geometry& g = *c.geometry;
        expectNear(entry->paperWidth, g.paperWidth, "paper width");
        expectNear(entry->paperHeight, g.paperHeight, "paper height");
        expectNear(entry->labelWidth, g.labelWidth, "label width");
        expectNear(entry->labelHeight, g.labelHeight, "label height");
        expectNear(entry->cornerRadius, g.cornerRadius, "corner radius");
        expectNear(entry->margin, g.margin, "margin");
        EXPECT_EQ(entry->shape, g.shape);
        EXPECT_EQ(entry->kind, g.kind);
        EXPECT_EQ(entry->labelCount(), g.labels);
        std::vector<double> lefts;
        for (const StockLabel& label : entry->labels())
            lefts.push_back(label.left.inches());
        if (!g.lefts.empty()) {
            EXPECT_EQ(lefts, g.lefts);
        }
    }
}

TEST(TemplateWriter, WhatItWritesReadsBackAsItWas) {
    StockTemplate written;
    written.brand = QStringLiteral("Mine");
    written.part = QStringLiteral("Party 2");
    written.id = stockId(written.brand, written.part);
    written.description = QStringLiteral("Name tags & more");
    written.paperName = QStringLiteral("Other");
    written.paperWidth = mm(100);
    written.paperHeight = in(7);
    written.labelWidth = mm(33.3);
    written.labelHeight = in(1.0 / 3);
    written.cornerRadius = mm(1.5);
    written.margin = mm(0.7);
    written.grids = {{3, 2, mm(0.25), mm(3), mm(33.3), in(0.5)}, {1, 1, mm(10), in(5), {}, {}}};
    for (const TemplateUnit unit : {TemplateUnit::Millimetres, TemplateUnit::Inches}) {
        const Read got = read({templateText(written, unit)});
        ASSERT_EQ(got.entries.size(), 1u) << got.notes.front().message.toStdString();
        const StockTemplate& back = got.entries.front();
        EXPECT_EQ(back.id, written.id);
        EXPECT_EQ(back.description, written.description);
        EXPECT_EQ(back.paperName, written.paperName);
        for (const auto& [a, b] : {std::pair{back.paperWidth, written.paperWidth},
                                   {back.paperHeight, written.paperHeight},
                                   {back.labelWidth, written.labelWidth},
                                   {back.labelHeight, written.labelHeight},
                                   {back.cornerRadius, written.cornerRadius},
                                   {back.margin, written.margin}})
            expectNear(a, b, "length");
        ASSERT_EQ(back.grids.size(), written.grids.size());
        const auto labels = back.labels(), expected = written.labels();
        ASSERT_EQ(labels.size(), expected.size());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            expectNear(labels[i].left, expected[i].left, "left");
            expectNear(labels[i].top, expected[i].top, "top");
        }
    }
}

TEST(StationeryCatalogue, BuiltInSetUserFilesSearchAndClosestIds) {
    for (const auto& [brand, part, id] : {std::tuple{"Envelope", "DL", "envelope-dl"},
                                          {"Envelope", "#10", "envelope-10"},
                                          {"Postcard", "4x6", "postcard-4x6"},
                                          {"Card", "A6", "card-a6"},
                                          {"Avery", "L7160", "avery-l7160"},
                                          {"", "Small labels", "small-labels"}})
        EXPECT_EQ(stockId(QLatin1String(brand), QLatin1String(part)), QLatin1String(id));

    // A user's own Avery 5160 takes the place of the built-in one.
    StockTemplate mine = *StationeryCatalogue::load({})->find(QStringLiteral("avery-5160"));
    mine.description = QStringLiteral("My own");
    const QString own = CatalogueFolders::ownFolder();
    ASSERT_TRUE(own.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    ASSERT_TRUE(QDir().mkpath(own));
    // One of the products the built-in layouts print is printed as the user describes it.
    StockTemplate small = *StationeryCatalogue::load({})->find(QStringLiteral("avery-5161"));
    ASSERT_TRUE(small.builtIn);
    writeTemplate(small, own + QStringLiteral("/small.template"), TemplateUnit::Millimetres);
    EXPECT_FALSE(
        StationeryCatalogue::load({{}, {own}})->find(QStringLiteral("avery-5161"))->builtIn);
    QFile::remove(own + QStringLiteral("/small.template"));

    writeTemplate(mine, own + QStringLiteral("/mine.template"), TemplateUnit::Inches);
    const auto catalogue = StationeryCatalogue::load({{}, {own}});
    QFile::remove(own + QStringLiteral("/mine.template"));

    const StockTemplate* avery = catalogue->find(QStringLiteral("AVERY-5160"));
    ASSERT_NE(avery, nullptr);
    EXPECT_EQ(avery->description, QStringLiteral("My own"));
    EXPECT_TRUE(avery->userOwn && avery->replacesOther);
    ASSERT_EQ(catalogue->notes().size(), 1u);
    EXPECT_EQ(catalogue->notes()[0].message,
              QStringLiteral("\"avery-5160\" takes the place of the one built in"));

    QStringList first;
    for (std::size_t i = 0; i < 6; ++i)
        first << catalogue->entries()[i].id;
    EXPECT_EQ(first, QStringList({"small-labels", "large-labels", "envelopes", "cards", "fliers",
                                  "avery-5160"}));
    const auto ids = [](const std::vector<const StockTemplate*>& found) {
        QStringList list;
        for (const StockTemplate* entry : found)
            list << entry->id;
        return list;
    };
    EXPECT_EQ(ids(catalogue->search(QStringLiteral("L7160"))), QStringList{"avery-l7160"});
    EXPECT_EQ(ids(catalogue->search(QStringLiteral("avery ADDRESS"))),
              QStringList({"small-labels", "avery-5161", "avery-5162", "avery-5167", "avery-8161",
                           "avery-l7159"}));
    EXPECT_EQ(catalogue->closestIds(QStringLiteral("avery-516"), 2),
              QStringList({"avery-5160", "avery-5161"}));
    EXPECT_EQ(catalogue->closestIds(QStringLiteral("envlope-dl"), 1), QStringList{"envelope-dl"});

    // The entries of the five, and the products they are, are drawn by their layouts.
    const struct {
        const char* id;
        Stationery stationery;
    } builtIn[] = {
        {"small-labels", Stationery::SmallLabels},
        {"avery-8161", Stationery::SmallLabels},
        {"avery-5161", Stationery::SmallLabels},
        {"large-labels", Stationery::LargeLabels},
        {"avery-8163", Stationery::LargeLabels},
        {"avery-5163", Stationery::LargeLabels},
        {"envelopes", Stationery::Envelopes},
        {"envelope-10", Stationery::Envelopes},
        {"cards", Stationery::Cards},
        {"card-5-1-2-x-8-1-2", Stationery::Cards},
        {"fliers", Stationery::Fliers},
    };
    for (const auto& b : builtIn) {
        SCOPED_TRACE(b.id);
        const StockTemplate* entry = catalogue->find(QLatin1String(b.id));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->builtIn, b.stationery);
    }
    for (int i = 0; i < 5; ++i) {
        const StockTemplate& entry = catalogue->entries()[std::size_t(i)];
        const Layout& layout = layoutFor(Stationery(i));
        SCOPED_TRACE(entry.id.toStdString());
        EXPECT_EQ(entry.paperWidth.twips(), layout.paperWidth);
        EXPECT_EQ(entry.paperHeight.twips(), layout.paperHeight);
        EXPECT_EQ(entry.labelCount(), std::max(layout.itemsPerSheet, 1));
        const auto labels = entry.labels();
        for (int slot = 0; slot < entry.labelCount(); ++slot) {
            const Layout::Stock stock = layout.stockOf(slot);
            EXPECT_EQ(labels[std::size_t(slot)].left.twips(), stock.left + kNominalMargin);
            EXPECT_EQ(labels[std::size_t(slot)].top.twips(), stock.top + kNominalMargin);
            EXPECT_EQ(entry.labelWidth.twips(), stock.width);
            EXPECT_EQ(entry.labelHeight.twips(), stock.height);
        }
    }
}

TEST(StationeryCatalogue, PaperSizesAreQtsPageSizes) {
    const struct {
        const char* id;
        QPageSize::PageSizeId qt;
    } sizes[] = {
        {"A4", QPageSize::A4},
        {"US-Letter", QPageSize::Letter},
        {"A6", QPageSize::A6},
        {"Statement", QPageSize::Statement},
        {"dl", QPageSize::EnvelopeDL},
        {"c4", QPageSize::EnvelopeC4},
        {"c5", QPageSize::EnvelopeC5},
        {"c6", QPageSize::EnvelopeC6},
        {"c65", QPageSize::EnvelopeC65},
        {"b5-envelope", QPageSize::EnvelopeB5},
        {"personal", QPageSize::EnvelopePersonal},
        {"number9", QPageSize::Envelope9},
        {"number10", QPageSize::Envelope10},
        {"monarch", QPageSize::EnvelopeMonarch},
    };
    TemplateReader reader;
    reader.readPaperSizes(kPapers);
    for (const auto& size : sizes) {
        SCOPED_TRACE(size.id);
        const PaperSize* paper = reader.paper(QLatin1String(size.id));
        ASSERT_NE(paper, nullptr);
        const QSizeF qt = QPageSize::size(size.qt, QPageSize::Millimeter);
        EXPECT_NEAR(paper->width.millimetres(), qt.width(), 0.05);
        EXPECT_NEAR(paper->height.millimetres(), qt.height(), 0.05);
    }
}

TEST(StationeryCatalogue, InstalledGlabelsTemplatesAllRead) {
    const QString folder = QStringLiteral("/usr/share/libglabels-3.0/templates");
    if (!QDir(folder).exists())
        GTEST_SKIP() << "glabels-data is not installed: no " << folder.toStdString();
    const auto catalogue = StationeryCatalogue::load({{folder}, {}});
    EXPECT_GT(catalogue->entries().size(), 1500u);
    const StockTemplate* letter = catalogue->find(QStringLiteral("avery-5160"));
    const StockTemplate* a4 = catalogue->find(QStringLiteral("avery-l7160"));
    ASSERT_TRUE(letter && a4);
    EXPECT_EQ(letter->labelCount(), 30);
    EXPECT_EQ(letter->paperName, QStringLiteral("US-Letter"));
    EXPECT_EQ(a4->labelCount(), 21);
    EXPECT_EQ(a4->paperName, QStringLiteral("A4"));
    EXPECT_EQ(catalogue->find(QStringLiteral("avery-18161"))->builtIn, std::nullopt);
    // Besides the shapes left out, only the few templates of the data that put
    // labels off their paper (or say round="in") are skipped; no file is damaged.
    int skipped = 0;
    for (const CatalogueNote& note : catalogue->notes()) {
        if (note.file.isEmpty()) {
            EXPECT_TRUE(note.message.contains(QStringLiteral("left out")));
            continue;
        }
        ++skipped;
        EXPECT_FALSE(note.message.contains(QStringLiteral("damaged")));
        EXPECT_FALSE(note.message.contains(QStringLiteral("unknown paper")));
    }
    EXPECT_LE(skipped, 15);
}

} // namespace
} // namespace ravelbook
