#pragma once

#include "print/page_target.h"

#include <memory>
#include <QPainter>
#include <QString>

class QPdfWriter;

namespace ravelbook {
class OutputFile;
}

namespace ravelbook {

class ChunkedWriter;

// Every document of a run as pages of one PDF file, written page by page
// through the output guard: a run that fails part-way leaves no half-written file
// behind. The target is checked (and refused) when the PdfTarget is made. The
// file asks viewers to print it at actual size, and label sheets one-sided.
class PdfTarget final : public PageTarget {
public:
    explicit PdfTarget(const QString& file, const QString& protectedFile = {},
                       bool labelSheets = false);
    ~PdfTarget() override;

    QPainter& beginDocument(const PageSetup& setup) override;
    void newPage(const PageSetup& setup) override;
    void endDocument() override {}
    void finish() override;

private:
    void startFile(const PageSetup& setup);

    std::unique_ptr<OutputFile> output_;
    std::unique_ptr<ChunkedWriter> chunks_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    bool labelSheets_;
};

} // namespace ravelbook
