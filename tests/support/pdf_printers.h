#pragma once

#include "print/pdf_target.h"
#include "print/printers.h"

#include <memory>
#include <QString>

namespace ravelbook::testing {

// One printer, "Office", whose pages go into a PDF file: what a printer gets,
// readable by the tests.
class PdfPrinters final : public Printers {
public:
    explicit PdfPrinters(QString file) : file_(std::move(file)) {}

    QString defaultPrinter() const override { return QStringLiteral("Office"); }
    bool exists(const QString& name) const override { return name == defaultPrinter(); }
    std::unique_ptr<PageTarget> open(const QString&, int) const override {
        return std::make_unique<PdfTarget>(file_);
    }

private:
    QString file_;
};

} // namespace ravelbook::testing
