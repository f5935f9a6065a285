#pragma once

#include "print/page_target.h"

#include <memory>
#include <QBuffer>
#include <QPainter>
#include <QString>

class QPdfWriter;

namespace ravelbook {

// Every document of a run as pages of one PDF file. The pages are gathered in
// memory and the file is written by finish(), so a run that fails part-way
// leaves no half-written file behind.
class PdfTarget final : public PageTarget {
public:
    explicit PdfTarget(QString file);
    ~PdfTarget() override;

    QPainter& beginDocument(const PageSetup& setup) override;
    void newPage(const PageSetup& setup) override;
    void endDocument() override {}
    void finish() override;

private:
    void startFile(const PageSetup& setup);

    QString file_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
};

} // namespace ravelbook
