#pragma once

#include "print/stationery/stock_template.h"

#include <QByteArray>
#include <QString>

namespace ravelbook {

enum class TemplateUnit { Millimetres, Inches };

// One stationery as a template file of the gLabels label designer (format
// glabels-3.0), its lengths in `unit`; the template reader reads it back as it was.
QByteArray templateText(const StockTemplate& entry, TemplateUnit unit);
// Writes it to `path` through the program's output guard; throws Error when it can't.
void writeTemplate(const StockTemplate& entry, const QString& path, TemplateUnit unit);

} // namespace ravelbook
