#include "print/stationery/template_writer.h"

#include "core/output_file.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace ravelbook {

namespace {

// Enough digits that a length read back is the length written.
QString lengthText(Length length, TemplateUnit unit) {
    return unit == TemplateUnit::Inches
               ? QString::number(length.inches(), 'g', 15) + QStringLiteral("in")
               : QString::number(length.millimetres(), 'g', 15) + QStringLiteral("mm");
}

const char* category(StockKind kind) {
    switch (kind) {
    case StockKind::Envelope:
        return "envelope";
    case StockKind::Card:
        return "card";
    case StockKind::Labels:
        break;
    }
    return "label";
}

} // namespace

QByteArray templateText(const StockTemplate& entry, TemplateUnit unit) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    const auto put = [&](const char* name, Length length) {
        xml.writeAttribute(QLatin1String(name), lengthText(length, unit));
    };
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Glabels-templates"));
    xml.writeStartElement(QStringLiteral("Template"));
    xml.writeAttribute(QStringLiteral("brand"), entry.brand);
    xml.writeAttribute(QStringLiteral("part"), entry.part);
    const bool named = !entry.paperName.isEmpty() && entry.paperName != QLatin1String("Other");
    xml.writeAttribute(QStringLiteral("size"), named ? entry.paperName : QStringLiteral("Other"));
    if (!named) {
        put("width", entry.paperWidth);
        put("height", entry.paperHeight);
    }
    xml.writeAttribute(QStringLiteral("_description"), entry.description);
    xml.writeEmptyElement(QStringLiteral("Meta"));
    xml.writeAttribute(QStringLiteral("category"), QLatin1String(category(entry.kind)));
    switch (entry.shape) {
    case StockShape::Round:
        xml.writeStartElement(QStringLiteral("Label-round"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        put("radius", entry.labelWidth * 0.5);
        break;
    case StockShape::Ellipse:
    case StockShape::Rectangle:
        xml.writeStartElement(entry.shape == StockShape::Ellipse
                                  ? QStringLiteral("Label-ellipse")
                                  : QStringLiteral("Label-rectangle"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        put("width", entry.labelWidth);
        put("height", entry.labelHeight);
        if (entry.shape == StockShape::Rectangle)
            put("round", entry.cornerRadius);
        break;
    }
    xml.writeEmptyElement(QStringLiteral("Markup-margin"));
    put("size", entry.margin);
    for (const StockGrid& grid : entry.grids) {
        xml.writeEmptyElement(QStringLiteral("Layout"));
        xml.writeAttribute(QStringLiteral("nx"), QString::number(grid.columns));
        xml.writeAttribute(QStringLiteral("ny"), QString::number(grid.rows));
        put("x0", grid.left);
        put("y0", grid.top);
        put("dx", grid.pitchX);
        put("dy", grid.pitchY);
    }
    xml.writeEndDocument();
    return bytes;
}

void writeTemplate(const StockTemplate& entry, const QString& path, TemplateUnit unit) {
    OutputFile file(path, {},
                    QCoreApplication::translate(
                        "TemplateWriter", "The stationery file \"%1\" can't be written: %2."));
    file.device().write(templateText(entry, unit));
    file.commit();
}

} // namespace ravelbook
