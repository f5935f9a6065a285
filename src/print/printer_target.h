#pragma once

#include "print/page_target.h"

#include <memory>
#include <QPainter>
#include <QString>

class QPrinter;

namespace ravelbook {

// Each document is one print job on a named printer, on the paper of the
// page set-up. Pages are placed from the paper's edge, the painter's origin a
// quarter inch in as on the PDF, whatever printable area the printer has: a
// direct print lands where the PDF does.
class PrinterTarget final : public PageTarget {
public:
    // An empty name means the system's default printer, looked up when a job starts.
    explicit PrinterTarget(QString printerName, int copies = 1);
    ~PrinterTarget() override;

    QPainter& beginDocument(const PageSetup& setup) override;
    void newPage(const PageSetup& setup) override;
    void endDocument() override;
    void finish() override {}
    Length printableWidth(const QPainter& painter) const override;

private:
    void applySetup(const PageSetup& setup);
    void placeOrigin();

    QString name_;
    int copies_ = 1;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};

} // namespace ravelbook
