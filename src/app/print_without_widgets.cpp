// The batch print built on its own, from the print command and nothing of the
// window: it shows that printing runs on Qt Gui alone. PDF only, as it knows
// no printers (those come with Qt's print support, which brings Qt Widgets).
#include "app/print_command.h"
#include "print/page_target.h"
#include "print/printers.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

class NoPrinters final : public ravelbook::Printers {
public:
    QString defaultPrinter() const override { return {}; }
    bool exists(const QString&) const override { return false; }
    std::unique_ptr<ravelbook::PageTarget> open(const QString&, int) const override {
        return nullptr;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString error;
    const auto command = ravelbook::parsePrintCommand(app.arguments().mid(1), error);
    if (!command) {
        err << error << Qt::endl;
        return 2;
    }
    const NoPrinters printers;
    return ravelbook::runPrintCommand(*command, printers, out, err);
}
