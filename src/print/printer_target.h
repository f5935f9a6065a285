#pragma once

#include "print/page_target.h"

#include <memory>
#include <QPainter>
#include <QString>

class QPrinter;

namespace ravelbook {

// Each document is one print job on a named printer.
class PrinterTarget final : public PageTarget {
public:
    // An empty name means the system's default printer, looked up when a job starts.
    explicit PrinterTarget(QString printerName, int copies = 1);
    ~PrinterTarget() override;

    QPainter& beginDocument(const PageSetup& setup) override;
    void newPage(const PageSetup& setup) override;
    void endDocument() override;
    void finish() override {}

private:
    void applySetup(const PageSetup& setup);

    QString name_;
    int copies_ = 1;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};

} // namespace ravelbook
