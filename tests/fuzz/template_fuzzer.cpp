// Fuzzes the reader of label template files, which users and other programs
// drop into the stationery folders: whatever a file holds, every entry it
// gives is a sheet the print run can lay out, inside its paper and bounded.
#include "print/stationery/template_reader.h"

#include <cstddef>
#include <cstdint>
#include <QBuffer>

using namespace ravelbook;

namespace {

void check(bool ok) {
    if (!ok)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    TemplateReader reader;
    reader.readTemplates(file, QStringLiteral("fuzzed.xml"), true);
    const Length tolerance = Length::fromMillimetres(1.01);
    for (const StockTemplate& entry : reader.takeEntries()) {
        check(entry.labelCount() >= 1 && entry.labelCount() <= kMostLabelsOnASheet);
        check(Length() < entry.labelWidth && Length() < entry.labelHeight);
        const std::vector<StockLabel> labels = entry.labels();
        check(int(labels.size()) == entry.labelCount());
        for (const StockLabel& label : labels) {
            check(!(label.left + tolerance < Length()) && !(label.top + tolerance < Length()));
            check(!(entry.paperWidth + tolerance < label.left + entry.labelWidth));
            check(!(entry.paperHeight + tolerance < label.top + entry.labelHeight));
        }
    }
    return 0;
}
