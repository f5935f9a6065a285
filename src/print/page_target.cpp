#include "print/page_target.h"

#include "core/length.h"

namespace ravelbook {

Length PageTarget::printableWidth(const QPainter& painter) const {
    const QPaintDevice* device = painter.device();
    return Length::fromTwips(device->width() * double(kTwipsPerInch) / device->logicalDpiX());
}

} // namespace ravelbook
