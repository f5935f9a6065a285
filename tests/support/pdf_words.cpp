#include "support/pdf_words.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QXmlStreamReader>

namespace ravelbook::testing {

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    // Long enough for the text of a thousand-row list.
    EXPECT_TRUE(process.waitForFinished(120000) && process.exitCode() == 0)
        << program.toStdString() << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::vector<PdfWord> pdfWords(const QString& pdf) {
    QXmlStreamReader xml(
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    std::vector<PdfWord> found;
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        page += xml.name() == QLatin1String("page");
        if (xml.name() != QLatin1String("word"))
            continue;
        const auto at = [&](const char* name) { return xml.attributes().value(name).toDouble(); };
        PdfWord w{{}, page, at("xMin"), at("yMin"), at("xMax"), at("yMax")};
        w.text = xml.readElementText();
        found.push_back(w);
    }
    return found;
}

} // namespace ravelbook::testing
